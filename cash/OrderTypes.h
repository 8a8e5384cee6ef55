// The payment orders: the six order types with their page texts, the limits
// and charges the main client sends for each, and the limit and charge
// sentences composed from them.
#pragma once

#include <cstddef>
#include <cstdint>

class CComm;

inline constexpr int kOrderTypeCount = 6;
inline constexpr int kOrderCreditCard = 0;
inline constexpr int kOrderBankDraftDeposit = 1;
inline constexpr int kOrderMoneyTransfer = 2;
inline constexpr int kOrderBankDraftWithdraw = 3;
inline constexpr int kOrderWireTransfer = 4;
inline constexpr int kOrderSecurityCode = 5;

inline constexpr int kOrderTextRows = 20;
inline constexpr std::size_t kLimitTextSize = 252;
// A limit text reaching this many characters does not fit its page.
inline constexpr std::size_t kLimitTextMax = 247;
inline constexpr std::size_t kChargeTextSize = 1024;
// A charge template longer than this is not substituted.
inline constexpr std::size_t kChargeTemplateMax = 1000;

// The marker byte of the charge templates (Latin-1 currency sign).
#define CASH_MARKER "\xA4"

struct OrderTextRow {
  std::int16_t x;  // page offsets in pixels
  std::int16_t y;
  int font;  // 1 normal, 2 bold
  const char* text;  // null ends the rows
};

struct OrderTypeRow {
  const char* name;  // tab and page name
  const char* title;
  const char* protocolId;
  char limitText[kLimitTextSize];  // composed at run time
  int reserved;
  const char* timeText;
  const char* chargeTemplate;
  char chargeText[kChargeTextSize];  // the template with its markers replaced
  OrderTextRow rows[kOrderTextRows];
};

struct OrderLimits {
  double depositService;
  double minDeposit;
  double maxDeposit;
  double withdrawService;
  double minWithdraw;
  double maxWithdraw;
};
static_assert(sizeof(OrderLimits) == 6 * sizeof(double));

extern OrderTypeRow gOrderTypes[kOrderTypeCount];
extern OrderLimits gOrderLimits[kOrderTypeCount];

// The tables as at start: limits 0, texts as their templates.
void ResetOrderTypes();

// Reads the GETORDERTYPEINFO answer waiting on comm into gOrderLimits. 1, or
// 0 when a value does not read as a finite number.
int ParseOrderTypeInfo(CComm& comm);
// What ComposeOrderTexts answers.
inline constexpr int kOrderTextsComposed = 1;
inline constexpr int kLimitTextTooLong = 0;
inline constexpr int kChargeTemplateTooLong = -1;  // its charge text left empty
// The box a caller shows for kChargeTemplateTooLong.
inline constexpr char kChargeTemplateTooLongText[] = "String to big";
inline constexpr char kChargeTemplateTooLongCaption[] = "Error";

// Rebuilds the limit and charge texts of all six types; offline the withdraw
// types charge nothing. kOrderTextsComposed, or the failure: a too long
// charge template before a limit text that does not fit.
int ComposeOrderTexts(int offline);

// "%ld" of x truncated, or "%ld,%03ld" of its thousands and the rest from
// 1000 on, into out (32 bytes).
inline constexpr std::size_t kThousandsSize = 32;
void FormatThousands(double x, char out[kThousandsSize]);
// The limit sentences of type into buffer (kLimitTextSize bytes). 0 when
// they reach kLimitTextMax characters (buffer then holds a cut text).
int LimitText(char* buffer, const OrderLimits& limits, int type);
// The template with each marker replaced by its limit into out
// (kChargeTextSize bytes): 0 as "None", others "%.0f". 0 when the template
// is longer than kChargeTemplateMax (out then empty).
int SubstituteMarkers(const char* chargeTemplate, const OrderLimits& limits, char* out);
