// Cards inside packets: the exact text written, and what the reader takes
// and refuses.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Comm.h"
#include "hx/CardTags.h"
#include "tests/hx/BlackJackHarness.h"

namespace hx {
namespace {

std::string Written(int suit, int value) {
  CComm comm;
  auto* transport = new CCaptureTransport;
  comm.Init("out.log", "in.log");
  comm.SetTransport(transport);
  comm.BeginPacket();
  comm.AddTag("PLAYERCARD");
  WriteCardTags(comm, suit, value);
  comm.SendPacket();
  return transport->LastText();
}

struct Read {
  int ok, suit, value;
};

Read ReadFrom(const std::string& packet) {
  CComm comm;
  comm.Init("out.log", "in.log");
  comm.OnDataReceived(packet.c_str(), packet.size() + 1);
  comm.RewindReceived();
  Read read{0, -1, -1};
  if (comm.FindNextTag("PLAYERCARD")) read.ok = ReadCardTags(comm, &read.suit, &read.value);
  return read;
}

TEST(WriteCardTags, SuitWordAndValue) {
  EXPECT_EQ(Written(2, 12), "PLAYERCARD=&TYPE=CLUB&VALUE=12");
  EXPECT_EQ(Written(0, 1), "PLAYERCARD=&TYPE=DIAMOND&VALUE=1");
  EXPECT_EQ(Written(9, 5), "PLAYERCARD=&TYPE=&VALUE=5");
}

TEST(ReadCardTags, ReadsTheCardAfterItsNamingTag) {
  Read read = ReadFrom("DEALERCARD=&TYPE=HEART&VALUE=3&PLAYERCARD=&TYPE=SPADE&VALUE=13");
  EXPECT_EQ(read.ok, 1);
  EXPECT_EQ(read.suit, 3);
  EXPECT_EQ(read.value, 13);
}

TEST(ReadCardTags, RefusesWhatTheClientCannotShow) {
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=club&VALUE=12").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUBS&VALUE=12").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&VALUE=12").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=x").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=0").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=14").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=-1").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=4294967308").ok, 0);
  EXPECT_EQ(ReadFrom("PLAYERCARD=&TYPE=CLUB&VALUE=18446744073709551628").ok, 0);
}

}  // namespace
}  // namespace hx
