// The readers of the module answers: missing, empty and over-long tags, and
// numbers that are not numbers.
#include <gtest/gtest.h>

#include <string>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierReaders.h"
#include "cash/OrderForm.h"
#include "framework/link/PlayerRecord.h"
#include "tests/cash/CashierPackets.h"

namespace {

const char kUser[] =
    "command=GETUSER&answer=ok&pin=1234&name=Ann+Lee&address1=Quay+1&address2=+-+&address3=Flat+2&"
    "zipcode=4410&town=Port+Amsel&state=..&country=Norland";

TEST(ParseUserInfo, CopiesEachFieldAndEmptiesBlankOnes) {
  CComm comm;
  Arrive(comm, kUser);
  ASSERT_EQ(ParseUserInfo(comm), 1);
  EXPECT_STREQ(gCashierUser.pin, "1234");
  EXPECT_STREQ(gCashierUser.name, "Ann Lee");
  EXPECT_STREQ(gCashierUser.address2, "");
  EXPECT_STREQ(gCashierUser.address3, "Flat 2");
  EXPECT_STREQ(gCashierUser.state, "");
  EXPECT_STREQ(gCashierUser.country, "Norland");
}

TEST(ParseUserInfo, MissingOrOutOfOrderTagsFail) {
  CComm comm;
  Arrive(comm, "command=GETUSER&answer=ok&pin=1&name=a&address1=b&address2=c&address3=d&zipcode=e&town=f&state=g");
  EXPECT_EQ(ParseUserInfo(comm), 0);
  Arrive(comm, "command=GETUSER&answer=ok&name=a&pin=1&address1=b&address2=c&address3=d&zipcode=e&town=f&"
               "state=g&country=h");
  EXPECT_EQ(ParseUserInfo(comm), 0);
}

TEST(ParseUserInfo, OverLongValuesAreCutToTheirFields) {
  const std::string longText(200, '7');
  std::string text = "command=GETUSER&answer=ok";
  for (const char* name : {"pin", "name", "address1", "address2", "address3", "zipcode", "town", "state", "country"})
    text += std::string("&") + name + "=" + longText;
  CComm comm;
  Arrive(comm, text.c_str());
  ASSERT_EQ(ParseUserInfo(comm), 1);
  EXPECT_EQ(std::string(gCashierUser.pin), longText.substr(0, 9));
  EXPECT_EQ(std::string(gCashierUser.name), longText.substr(0, 30));
  EXPECT_EQ(std::string(gCashierUser.state), longText.substr(0, 2));
  EXPECT_EQ(std::string(gCashierUser.country), longText.substr(0, 20));
}

const char kAccount[] =
    "command=GETACCOUNTINFO&answer=ok&ACCOUNTSUM=300.5&securitylimit=500&currentsecuritylimit=400&"
    "maxdepositper30days=5000&maxwithdrawper30days=6000&maxdeposit=1000&maxwithdraw=2000&"
    "max24hourcarddeposit=700&max24hourcarddepositcount=3";

TEST(ParseAccountInfo, ReadsEveryFigure) {
  CComm comm;
  CashierClientRecord record{};
  Arrive(comm, kAccount);
  ASSERT_EQ(ParseAccountInfo(comm, &record), 1);
  EXPECT_EQ(record.accountSum, 300.5);
  EXPECT_EQ(record.securityLimit, 500);
  EXPECT_EQ(record.currentSecurityLimit, 400);
  EXPECT_EQ(record.maxDepositPer30Days, 5000);
  EXPECT_EQ(record.maxWithdrawPer30Days, 6000);
  EXPECT_EQ(record.maxDeposit, 1000);
  EXPECT_EQ(record.maxWithdraw, 2000);
  EXPECT_EQ(record.max24HourCardDeposit, 700);
  EXPECT_EQ(record.max24HourCardDepositCount, 3);
}

TEST(ParseAccountInfo, MissingEmptyOrUnreadableFiguresFailAndChangeNothing) {
  const std::string good = kAccount;
  struct Case {
    const char* from;
    const char* to;
  };
  for (const Case& c : {Case{"ACCOUNTSUM=300.5", "ACCOUNTSUM=nan"}, Case{"ACCOUNTSUM=300.5", "ACCOUNTSUM=1e999"},
                        Case{"ACCOUNTSUM=300.5", "ACCOUNTSUM="}, Case{"&maxwithdraw=2000", ""},
                        Case{"count=3", "count=x"}, Case{"count=3", "count=99999999999"}}) {
    std::string text = good;
    text.replace(text.find(c.from), std::strlen(c.from), c.to);
    CComm comm;
    CashierClientRecord record{};
    record.accountSum = 12;
    Arrive(comm, text.c_str());
    EXPECT_EQ(ParseAccountInfo(comm, &record), 0) << c.to;
    EXPECT_EQ(record.accountSum, 12) << c.to;
  }
}

TEST(ReadDoubleTag, OneFiniteNumber) {
  CComm comm;
  Arrive(comm, "a=12.5&b=abc&c=nan&d=-inf&e=");
  double value = 0;
  ASSERT_EQ(comm.FindNextTag("a"), 1);
  EXPECT_EQ(ReadDoubleTag(comm, &value), 1);
  EXPECT_EQ(value, 12.5);
  for (const char* name : {"b", "c", "d", "e"}) {
    comm.RewindReceived();
    ASSERT_EQ(comm.FindNextTag(name), 1);
    EXPECT_EQ(ReadDoubleTag(comm, &value), 0) << name;
  }
  EXPECT_EQ(value, 12.5);
}

class CreditCardInfoTest : public ::testing::Test {
 protected:
  void SetUp() override { gOrderForm = OrderForm{}; }
  CComm comm;
};

TEST_F(CreditCardInfoTest, AllFourCardFieldsPutACardOnFile) {
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=VISA&NUMBER=4111111111&EXPDATE=1299&NAME=Ann&"
               "issueno=12&bankname=Harbour");
  ASSERT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 1);
  EXPECT_STREQ(gOrderForm.cardType, "VISA");
  EXPECT_STREQ(gOrderForm.cardNumber, "4111111111");
  EXPECT_STREQ(gOrderForm.expiryDate, "1299");
  EXPECT_STREQ(gOrderForm.cardholder, "Ann");
  EXPECT_STREQ(gOrderForm.issueNo, "12");
  EXPECT_STREQ(gOrderForm.bankName, "Harbour");
  EXPECT_STREQ(gOrderForm.startDate, "");
}

TEST_F(CreditCardInfoTest, AnEmptyCardFieldLeavesNoCardOnFile) {
  gOrderForm.cardOnFile = 1;
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=&NUMBER=&EXPDATE=&NAME=");
  EXPECT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=VISA&NUMBER=4111111111&EXPDATE=1299&NAME=&bankname=X");
  EXPECT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);
  EXPECT_STREQ(gOrderForm.bankName, "");
}

TEST_F(CreditCardInfoTest, AnEmptyCardFieldNeedsNoTagsAfterIt) {
  gOrderForm.cardOnFile = 1;
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=");
  EXPECT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=VISA&NUMBER=&NAME=Ann");
  EXPECT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);
}

TEST_F(CreditCardInfoTest, AMissingCardTagFails) {
  Arrive(comm, "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=VISA&NUMBER=4111111111&EXPDATE=1299");
  EXPECT_EQ(ParseCreditCardInfo(comm), 0);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);
}

TEST_F(CreditCardInfoTest, OverLongValuesAreCutToTheirFields) {
  const std::string digits(100, '4');
  const std::string text = "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=" + digits + "&NUMBER=" + digits +
                           "&EXPDATE=" + digits + "&NAME=" + digits + "&startdate=" + digits + "&issueno=" +
                           digits + "&bankname=" + digits + "&bankphone=" + digits;
  Arrive(comm, text.c_str());
  ASSERT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(std::string(gOrderForm.cardType), digits.substr(0, 20));
  EXPECT_EQ(std::string(gOrderForm.cardNumber), digits.substr(0, 30));
  EXPECT_EQ(std::string(gOrderForm.expiryDate), digits.substr(0, 8));
  EXPECT_EQ(std::string(gOrderForm.issueNo), digits.substr(0, 2));
  EXPECT_EQ(std::string(gOrderForm.bankPhone), digits.substr(0, 24));
  // The field after each cut one is untouched.
  EXPECT_EQ(gOrderForm.requestCode, 0);
}

TEST(ParseValidCards, OnlyTheNamedCardsAreAccepted) {
  ResetCardTypes();
  CComm comm;
  Arrive(comm, "command=GETVALIDCARDS&answer=ok&type=visa&other=JCB&TYPE=jcb&type=Diners");
  ParseValidCards(comm);
  EXPECT_EQ(gCardTypes[0].accepted, 1);
  EXPECT_EQ(gCardTypes[1].accepted, 0);
  EXPECT_EQ(gCardTypes[2].accepted, 0);
  EXPECT_EQ(gCardTypes[3].accepted, 1);
  Arrive(comm, "command=GETVALIDCARDS&answer=ok");
  ParseValidCards(comm);
  for (const CardTypeRow& card : gCardTypes) EXPECT_EQ(card.accepted, 0) << card.displayName;
}

TEST(ClientRecord, FlagsModeAndCreation) {
  CashierClientRecord* record = CreateClientRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_STREQ(record->message, "No error");
  EXPECT_EQ(gCashierMode, kModeUnknown);
  for (char letter : {'A', 'C', 'D', 'M', 'O', 'V', 'W', 'X'}) SetClientFlag(record, letter);
  EXPECT_EQ(record->flagA + record->flagC + record->deposit + record->acknowledge + record->flagO +
                record->viewLog + record->withdraw,
            7);
  record->quit = 1;
  ClearClientFlags(record);
  EXPECT_EQ(record->flagA + record->flagC + record->deposit + record->acknowledge + record->flagO +
                record->viewLog + record->withdraw,
            0);
  EXPECT_EQ(record->quit, 1);
  CPlayerRecord player;
  player.SetText("offline");
  TakeModeFromPlayerRecord(player);
  EXPECT_EQ(gCashierMode, kModeOnline);
  player.SetText("OFFLINE");
  TakeModeFromPlayerRecord(player);
  EXPECT_EQ(gCashierMode, kModeOffline);
  DestroyClientRecord(record);
}

}  // namespace
