// The Video Poker server on a link end of its own, with a stacked deck: a
// test names the cards in dealing order (the five dealt, then the
// replacements), feeds client packets, steps GameServerRun and reads what
// the transport sent, the save points and every move of the account.
#pragma once

#include <string>
#include <vector>

#include "mz/VideoPokerServer.h"
#include "tests/support/ServerHarness.h"

namespace mz {

class VideoPokerHarness : public CServerHarness {
 public:
  explicit VideoPokerHarness(double balance = 1000);
  ~VideoPokerHarness() override;

  int Frame() override;
  // CLIENTINIT, then BEGINPLAY shuffling a deck whose top is cards.
  void Open(const std::string& cards);
  // BEGINPLAY with a deck whose top is cards.
  void NextHand(const std::string& cards);
  // Feeds the packet, expects a "fail" answer named answerName with this
  // error text, and that the server then ends with -2 for ever and sends
  // nothing more.
  void ExpectEndsWith(const std::string& packet, const char* answerName, const std::string& error);

  VideoPokerServerRecord* record;
  std::vector<VideoPokerServerRecord> savePoints;
  std::vector<double> moves;  // each credit (positive) and debit (negative)
};

// The value of tag in a packet's text, "<none>" when it has none.
std::string TagOf(const std::string& packet, const char* tag);
// FIRSTDEAL and FINALDEAL packets; holds is five '1' (held) or '0'.
std::string FirstDeal(const std::string& coins, const std::string& coinValue);
std::string FinalDeal(const char* holds);

}  // namespace mz
