// The names of the casino protocol frame that every game and its server
// share: the frame's commands, their answers and the frame's own tags.
// Tag and command lookup ignores case; these are the spellings sent.
#pragma once

namespace game {

inline constexpr char kAnswerOk[] = "ok";
inline constexpr char kAnswerFail[] = "fail";
inline constexpr char kAnswerDbError[] = "dberror";

inline constexpr char kClientInit[] = "CLIENTINIT";
inline constexpr char kClientInitAnswer[] = "CLIENTINITANSWER";
inline constexpr char kBeginPlay[] = "BEGINPLAY";
inline constexpr char kBeginPlayAnswer[] = "BEGINPLAYANSWER";
inline constexpr char kEndPlay[] = "ENDPLAY";
inline constexpr char kEndPlayAnswer[] = "ENDPLAYANSWER";
inline constexpr char kClientExit[] = "CLIENTEXIT";
inline constexpr char kClientExitAnswer[] = "CLIENTEXITANSWER";

inline constexpr char kMoneyAmountTag[] = "MONEYAMOUNT";
inline constexpr char kQuitFlagTag[] = "QUITFLAG";
// Clients read the server's error text under this spelling.
inline constexpr char kErrorMsgTag[] = "ERRORMSG";

}  // namespace game
