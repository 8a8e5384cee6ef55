// A whole Keno run on the headless backend: a temporary staged tree with the
// generated artwork, a scripted main client relaying every packet, the
// numbers the server is to draw, and a script of steps that the idle hook
// works through while the program plays.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "pd/KenoClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

class KenoRun {
 public:
  // Resets the backend, makes and enters games/keno with the sheet (no wave
  // files: sounds are logged by name), writes "Casino.cfg" with the
  // animations switch as given and starts the main client.
  explicit KenoRun(int animations = 0);
  ~KenoRun();

  // ---- Before Run ----
  double startMoney = 1000.0;
  // Sees (and may rewrite) each relayed packet: channel 1 client, 2 server.
  std::function<void(int channel, std::string& text)> tamper;
  // Queues the 20 numbers of one draw, in drawing order.
  static void QueueNumbers(const std::vector<int>& numbers);
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);
  int Run();

  // ---- What happened ----
  std::vector<RelayedPacket> packets;  // those the receiver took
  const std::string& Root() const { return folder_.Path(); }
  // 1 when a packet of channel holds piece.
  int Sent(int channel, const std::string& piece) const;

  // ---- For the steps ----
  static pd::KenoClientRecord* Record();
  // A condition that holds once frames frames have run since it was first asked.
  static std::function<bool()> AfterFrames(int frames);
  static bool InState(int state);
  static void ClickButton(int button);
  static void ClickNumber(int number);
  static plat::COLORREF ScreenPixel(int x, int y);
  static plat::COLORREF PictureColour(int x, int y);

 private:
  TempFolder folder_;
  CProgramRun program_;
};

// The first 20 numbers of 1..80 not in picks, then picks' hits: a draw
// that hits exactly the first hits of picks.
std::vector<int> DrawHitting(const std::vector<int>& picks, int hits);
