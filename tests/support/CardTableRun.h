// A whole card-table program on the headless backend: a temporary staged
// tree with the program's generated artwork (no wave files: sounds are
// logged by name), a scripted main client that sends the player record
// and relays every packet, the server's draws from the test, and a script
// of steps that the idle hook works through while the program plays. Each
// card game's run (PaiGowRun, CaribbeanRun) adds its record and its deal.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "artwork/Sheet.h"
#include "framework/game/ServerFrame.h"
#include "framework/shell/ButtonEntry.h"
#include "framework/shell/GameDefinition.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

class CCardTableRun {
 public:
  // Resets the backend, stages the sheet under games/<program> and enters
  // it, starts the main client. draw: the server's random source while it
  // runs.
  CCardTableRun(const GameDefinition& game, const artwork::Sheet& sheet, const char* program,
                game::RandomSource draw);
  ~CCardTableRun();

  // ---- Before Run ----
  double startMoney = 1000.0;
  std::string playerName = "Tester";
  std::string playerText = "Player";  // the player record's second text
  bool sendRecord = true;  // the player record goes with the connect
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);
  // Runs the program to its end; answers its exit code.
  int Run();

  // ---- What happened ----
  std::vector<RelayedPacket> packets;  // those the receiver took
  int handBacks = 0;
  const std::string& Root() const { return folder_.Path(); }

  // The player record (playerName, playerText, startMoney) to the program.
  void SendPlayerRecord() const;

  // ---- For the steps (also without a run, as in a session) ----
  static void Click(const ButtonEntry& button);  // at the centre of its area
  static void RightClick(const ButtonEntry& button);
  static void PointAt(const ButtonEntry& button);  // the pointer comes to rest at its centre
  static plat::COLORREF ScreenPixel(int x, int y);
  // A condition that holds once frames frames have run since it was first asked.
  static std::function<bool()> AfterFrames(int frames);
  // The colour the sheet's picture shows at a point.
  static plat::COLORREF SheetColour(const artwork::Sheet& sheet, int x, int y);
  // Whether every pixel of an area on screen is the sheet's picture (a blank status line).
  static bool ShowsSheet(const artwork::Sheet& sheet, int x, int y, int width, int height);

 private:
  TempFolder folder_;
  CProgramRun program_;
};
