// The limit and charge sentences of the order pages, and the limits they
// are composed from.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "cash/CashierMoney.h"
#include "cash/OrderTypes.h"
#include "framework/link/Comm.h"
#include "framework/link/Text.h"

namespace {

// Keeps the truncation to a whole number defined for any finite limit.
constexpr double kLargestWhole = 9.0e15;

long WholePart(double x) {
  if (!(x < kLargestWhole)) return static_cast<long>(kLargestWhole);
  if (!(x > -kLargestWhole)) return -static_cast<long>(kLargestWhole);
  return static_cast<long>(x);
}

struct LimitTag {
  const char* name;
  double OrderLimits::*value;
};
const LimitTag kLimitTags[] = {
    {"depositservice", &OrderLimits::depositService}, {"mindeposit", &OrderLimits::minDeposit},
    {"maxdeposit", &OrderLimits::maxDeposit},         {"withdrawservice", &OrderLimits::withdrawService},
    {"minwithdraw", &OrderLimits::minWithdraw},       {"maxwithdraw", &OrderLimits::maxWithdraw},
};

struct Marker {
  const char* text;
  double OrderLimits::*value;
};
const Marker kMarkers[] = {
    {CASH_MARKER "depss" CASH_MARKER, &OrderLimits::depositService},
    {CASH_MARKER "mindep" CASH_MARKER, &OrderLimits::minDeposit},
    {CASH_MARKER "maxdep" CASH_MARKER, &OrderLimits::maxDeposit},
    {CASH_MARKER "withss" CASH_MARKER, &OrderLimits::withdrawService},
    {CASH_MARKER "minwith" CASH_MARKER, &OrderLimits::minWithdraw},
    {CASH_MARKER "maxwith" CASH_MARKER, &OrderLimits::maxWithdraw},
};

const char kOfflineBankDraftCharge[] = "None.";
const char kOfflineWireCharge[] =
    "None. There may be additional fees charged by your local bank. There is usually a 10 USD "
    "fee for receiving a wire transfer, but this can vary.";

}  // namespace

void FormatThousands(double x, char out[kThousandsSize]) {
  const long whole = WholePart(x);
  if (x >= 1000)
    std::snprintf(out, kThousandsSize, "%ld,%03ld", whole / 1000, whole % 1000);
  else
    std::snprintf(out, kThousandsSize, "%ld", whole);
}

int LimitText(char* buffer, const OrderLimits& limits, int type) {
  if (type < kOrderCreditCard || type >= kOrderSecurityCode) {
    std::snprintf(buffer, kLimitTextSize, "-");
    return 1;
  }
  const bool deposit = type <= kOrderMoneyTransfer;
  const double minimum = deposit ? limits.minDeposit : limits.minWithdraw;
  const double maximum = deposit ? limits.maxDeposit : limits.maxWithdraw;
  if (minimum == 0 && maximum == 0) {
    std::snprintf(buffer, kLimitTextSize, "There are no minimum or maximum amounts.");
    return 1;
  }
  char low[kThousandsSize];
  char high[kThousandsSize];
  FormatThousands(minimum, low);
  FormatThousands(maximum, high);
  char minimumText[96];
  char maximumText[128];
  if (minimum == 0)
    std::snprintf(minimumText, sizeof minimumText, "No minimum amount is set.");
  else
    std::snprintf(minimumText, sizeof minimumText, "The minimum amount is %s USD.", low);
  if (maximum == 0)
    std::snprintf(maximumText, sizeof maximumText, "No maximum amount is set.");
  else if (deposit)
    std::snprintf(maximumText, sizeof maximumText, "The maximum amount is %s USD per 30 days.", high);
  else
    std::snprintf(maximumText, sizeof maximumText,
                  "The maximum amount is %s USD per 30 days. This does not include deposited money.",
                  high);
  const int length = std::snprintf(buffer, kLimitTextSize, "%s %s", minimumText, maximumText);
  return length >= 0 && static_cast<std::size_t>(length) < kLimitTextMax;
}

int SubstituteMarkers(const char* chargeTemplate, const OrderLimits& limits, char* out) {
  out[0] = 0;
  if (!chargeTemplate || std::strlen(chargeTemplate) > kChargeTemplateMax) return 0;
  std::size_t used = 0;
  auto append = [&](const char* text, std::size_t length) {
    const std::size_t room = kChargeTextSize - 1 - used;
    if (length > room) length = room;
    std::memcpy(out + used, text, length);
    used += length;
  };
  for (const char* at = chargeTemplate; *at;) {
    const Marker* found = nullptr;
    if (*at == CASH_MARKER[0]) {
      for (const Marker& marker : kMarkers)
        if (std::strncmp(at, marker.text, std::strlen(marker.text)) == 0) found = &marker;
    }
    if (!found) {
      append(at, 1);
      ++at;
      continue;
    }
    const double value = limits.*(found->value);
    char number[48];
    if (value == 0)
      std::snprintf(number, sizeof number, "None");
    else
      std::snprintf(number, sizeof number, "%.0f", value);
    append(number, std::strlen(number));
    at += std::strlen(found->text);
  }
  out[used] = 0;
  return 1;
}

int ComposeOrderTexts(int offline) {
  int limitsFit = 1;
  int templatesFit = 1;
  for (int type = 0; type < kOrderTypeCount; ++type) {
    OrderTypeRow& row = gOrderTypes[type];
    if (!LimitText(row.limitText, gOrderLimits[type], type)) limitsFit = 0;
    if (!SubstituteMarkers(row.chargeTemplate, gOrderLimits[type], row.chargeText)) templatesFit = 0;
  }
  if (offline) {
    std::snprintf(gOrderTypes[kOrderBankDraftWithdraw].chargeText, kChargeTextSize, "%s",
                  kOfflineBankDraftCharge);
    std::snprintf(gOrderTypes[kOrderWireTransfer].chargeText, kChargeTextSize, "%s",
                  kOfflineWireCharge);
  }
  if (!templatesFit) return kChargeTemplateTooLong;
  return limitsFit ? kOrderTextsComposed : kLimitTextTooLong;
}

int ParseOrderTypeInfo(CComm& comm) {
  for (OrderLimits& limits : gOrderLimits) limits = OrderLimits{};
  int current = -1;
  comm.RewindReceived();
  for (comm.FirstTag(); comm.HasTag(); comm.NextTag()) {
    const char* name = comm.TagName();
    if (StrICmp(name, "type") == 0) {
      current = -1;
      for (int type = 0; type < kOrderTypeCount && current < 0; ++type)
        if (StrICmp(gOrderTypes[type].protocolId, comm.TagValue()) == 0) current = type;
      continue;
    }
    if (current < 0) continue;
    for (const LimitTag& tag : kLimitTags)
      if (StrICmp(name, tag.name) == 0 && !ReadNumber(comm.TagValue(), &(gOrderLimits[current].*tag.value)))
        return 0;
  }
  for (int j = 0; j < kOrderTypeCount; ++j)
    for (int i = 0; i < j; ++i)
      if (StrICmp(gOrderTypes[i].protocolId, gOrderTypes[j].protocolId) == 0) {
        gOrderLimits[j] = gOrderLimits[i];
        break;
      }
  return 1;
}
