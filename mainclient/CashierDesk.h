// The main client's answers to the cashier's module requests when the
// player plays online: every figure comes from the online account of the
// account store, and every order is checked here again, whatever the
// cashier checked before sending it.
#pragma once

#include <cstdint>
#include <string>

#include "mainclient/AccountStore.h"

// 1 when the packet's command is one of the cashier's module requests.
int IsCashierRequest(const char* packet);
// The answer packet's text to request: the same command, "ok" and its tags,
// or "fail" with an errormsg. An order or a new code is committed before
// this returns. now: calendar seconds; random: where a new security code
// comes from.
std::string AnswerCashierRequest(CAccountStore& store, const char* request, std::int64_t now, std::uint64_t random);

// The refusals, shown by the cashier in its INFO box.
inline constexpr char kRefuseAmount[] = "The amount is not a valid sum of money.";
inline constexpr char kRefuseDepositType[] = "Deposits are taken by credit card only.";
inline constexpr char kRefuseWithdrawType[] = "Withdrawals are made by bank draft or wire transfer only.";
inline constexpr char kRefuseTypeMinimum[] = "The minimum amount for this order type is $%s.";
inline constexpr char kRefuseTypeMaximum[] = "The maximum amount for this order type is $%s.";
inline constexpr char kRefuseOrderMaximum[] = "The maximum amount per order is $%s.";
inline constexpr char kRefuse30Days[] = "This order would pass the limit of $%s per 30 days.";
inline constexpr char kRefuse24HourSum[] = "This deposit would pass the card limit of $%s per 24 hours.";
inline constexpr char kRefuse24HourCount[] = "No more than %s card deposits are taken per 24 hours.";
inline constexpr char kRefuseCardType[] = "This card type is not accepted.";
inline constexpr char kRefuseCardNumber[] = "The card number must hold digits only.";
inline constexpr char kRefuseSecurityCode[] = "The security code is missing or wrong.";
inline constexpr char kRefuseBalance[] = "You don't have enough money on your account to withdraw that much.";
inline constexpr char kRefuseStore[] = "The account could not be written; nothing was booked.";
