// The cashier's names and files.
#pragma once

namespace cash {

inline constexpr char kCashierName[] = "Cashier";
inline constexpr char kButtonSound[] = "../wav/button.wav";
inline constexpr char kHelpPage[] = "trans.htm";

}  // namespace cash
