// The limit and charge sentences of the order pages and the limits read
// from the GETORDERTYPEINFO answer.
#include <gtest/gtest.h>

#include <string>

#include "cash/OrderTypes.h"
#include "tests/cash/CashierPackets.h"

namespace {

std::string Thousands(double x) {
  char out[kThousandsSize];
  FormatThousands(x, out);
  return out;
}

std::string Limits(double minimum, double maximum, int type) {
  OrderLimits limits{};
  limits.minDeposit = limits.minWithdraw = minimum;
  limits.maxDeposit = limits.maxWithdraw = maximum;
  char buffer[kLimitTextSize];
  EXPECT_EQ(LimitText(buffer, limits, type), 1);
  return buffer;
}

std::string Charge(const char* chargeTemplate, const OrderLimits& limits) {
  char out[kChargeTextSize];
  EXPECT_EQ(SubstituteMarkers(chargeTemplate, limits, out), 1);
  return out;
}

TEST(FormatThousands, OneSeparatorAtMost) {
  EXPECT_EQ(Thousands(0), "0");
  EXPECT_EQ(Thousands(999.99), "999");
  EXPECT_EQ(Thousands(1000), "1,000");
  EXPECT_EQ(Thousands(5000), "5,000");
  EXPECT_EQ(Thousands(20500.7), "20,500");
  EXPECT_EQ(Thousands(1234567), "1234,567");
  EXPECT_EQ(Thousands(-25), "-25");
}

TEST(LimitText, SentencesOfEachKind) {
  EXPECT_EQ(Limits(0, 0, kOrderCreditCard), "There are no minimum or maximum amounts.");
  EXPECT_EQ(Limits(20, 5000, kOrderCreditCard),
            "The minimum amount is 20 USD. The maximum amount is 5,000 USD per 30 days.");
  EXPECT_EQ(Limits(20, 0, kOrderMoneyTransfer), "The minimum amount is 20 USD. No maximum amount is set.");
  EXPECT_EQ(Limits(0, 1234567, kOrderBankDraftDeposit),
            "No minimum amount is set. The maximum amount is 1234,567 USD per 30 days.");
  EXPECT_EQ(Limits(50, 2000, kOrderWireTransfer),
            "The minimum amount is 50 USD. The maximum amount is 2,000 USD per 30 days. This does not "
            "include deposited money.");
  EXPECT_EQ(Limits(50, 2000, kOrderSecurityCode), "-");
}

TEST(SubstituteMarkers, EachMarkerZeroAsNoneAndStrayMarkersKept) {
  OrderLimits limits{25, 20, 5000, 0, 50, 1999.6};
  EXPECT_EQ(Charge("\xA4" "depss\xA4", limits), "25");
  EXPECT_EQ(Charge("\xA4" "withss\xA4 USD", limits), "None USD");
  EXPECT_EQ(Charge("\xA4mindep\xA4-\xA4maxdep\xA4/\xA4minwith\xA4-\xA4maxwith\xA4", limits),
            "20-5000/50-2000");
  EXPECT_EQ(Charge("10 \xA4 and \xA4" "depss", limits), "10 \xA4 and \xA4" "depss");
  // The result is longer than its template.
  EXPECT_EQ(Charge("\xA4" "depss\xA4", OrderLimits{123456789, 0, 0, 0, 0, 0}), "123456789");
}

TEST(SubstituteMarkers, LongTemplatesAreRefusedAndResultsStayInTheirBuffer) {
  char out[kChargeTextSize];
  const std::string tooLong(kChargeTemplateMax + 1, 'x');
  EXPECT_EQ(SubstituteMarkers(tooLong.c_str(), OrderLimits{}, out), 0);
  EXPECT_STREQ(out, "");
  std::string markers;
  while (markers.size() + 7 <= kChargeTemplateMax) markers += "\xA4" "depss\xA4";
  EXPECT_EQ(SubstituteMarkers(markers.c_str(), OrderLimits{1e20, 0, 0, 0, 0, 0}, out), 1);
  EXPECT_EQ(std::strlen(out), kChargeTextSize - 1);
}

TEST(ComposeOrderTexts, OfflineWithdrawalsChargeNothing) {
  ResetOrderTypes();
  gOrderLimits[kOrderCreditCard].depositService = 0;
  gOrderLimits[kOrderBankDraftWithdraw].withdrawService = 5;
  EXPECT_EQ(ComposeOrderTexts(0), 1);
  EXPECT_STREQ(gOrderTypes[kOrderCreditCard].chargeText, "None");
  EXPECT_STREQ(gOrderTypes[kOrderBankDraftWithdraw].chargeText, "5 USD");
  EXPECT_STREQ(gOrderTypes[kOrderMoneyTransfer].chargeText, "Check with your local Western Union office.");
  EXPECT_STREQ(gOrderTypes[kOrderCreditCard].limitText, "There are no minimum or maximum amounts.");
  EXPECT_EQ(ComposeOrderTexts(1), 1);
  EXPECT_STREQ(gOrderTypes[kOrderBankDraftWithdraw].chargeText, "None.");
  EXPECT_STREQ(gOrderTypes[kOrderWireTransfer].chargeText,
               "None. There may be additional fees charged by your local bank. There is usually a 10 USD "
               "fee for receiving a wire transfer, but this can vary.");
  // The template survives for the next composition.
  EXPECT_EQ(ComposeOrderTexts(0), 1);
  EXPECT_STREQ(gOrderTypes[kOrderBankDraftWithdraw].chargeText, "5 USD");
}

TEST(ParseOrderTypeInfo, BankDraftValuesReachBothBankDraftTypes) {
  ResetOrderTypes();
  CComm comm;
  Arrive(comm,
         "command=GETORDERTYPEINFO&answer=ok&maxdeposit=7&type=BANKDRAFT&maxwithdraw=2000&"
         "type=creditcard&MinDeposit=20&maxdeposit=5000&depositservice=25&type=nothing&mindeposit=99");
  EXPECT_EQ(ParseOrderTypeInfo(comm), 1);
  EXPECT_EQ(gOrderLimits[kOrderBankDraftDeposit].maxWithdraw, 2000);
  EXPECT_EQ(gOrderLimits[kOrderBankDraftWithdraw].maxWithdraw, 2000);
  EXPECT_EQ(gOrderLimits[kOrderCreditCard].minDeposit, 20);
  EXPECT_EQ(gOrderLimits[kOrderCreditCard].maxDeposit, 5000);
  EXPECT_EQ(gOrderLimits[kOrderCreditCard].depositService, 25);
  // Tags before the first type and after an unknown one are ignored.
  EXPECT_EQ(gOrderLimits[kOrderBankDraftDeposit].maxDeposit, 0);
  EXPECT_EQ(gOrderLimits[kOrderCreditCard].minDeposit, 20);
  for (int type : {kOrderMoneyTransfer, kOrderWireTransfer, kOrderSecurityCode})
    EXPECT_EQ(gOrderLimits[type].minDeposit, 0) << type;
}

TEST(ParseOrderTypeInfo, UnreadableValuesFailTheParse) {
  CComm comm;
  for (const char* bad : {"abc", "nan", "inf", "1e999", ""}) {
    const std::string text = std::string("command=GETORDERTYPEINFO&answer=ok&type=creditcard&mindeposit=") + bad;
    Arrive(comm, text.c_str());
    EXPECT_EQ(ParseOrderTypeInfo(comm), 0) << bad;
  }
}

}  // namespace
