// The saved game of one connected program, built from the packets the main
// client relays and the save point the program sends (SavePointSender.h),
// and kept in the program's "db_savef" after every change.
//
// What is written replays the session's first server packet and the save
// point's answer (when it had gone out), then hands the server its state
// of the save point; the button presses of the round, taken from the client
// packets since then, play the round again against that server.
//
// A program that restored a round removes its saved game and sends the
// round's save point again; the round's presses are then those the replay
// handed the client, which the client sends once more as it presses them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/link/BtnLog.h"
#include "framework/link/SavePoint.h"
#include "mainclient/SavedGameFile.h"

class CSavedGameRecorder {
 public:
  // Forgets the last session. dbPath: the program's "db_savef"; empty
  // records nothing. Nothing is written before the session's first save
  // point, so a saved game that a program is restoring stays as it is
  // until the program has taken it back.
  void Start(std::string dbPath);
  // A packet the server end sent, as text with its zero byte.
  void OnServerPacket(const char* text);
  // A packet the client end sent; its button presses join the round's log.
  // The logged values of the packet a save point answers (the round's
  // BEGINPLAY) begin the new round's log.
  void OnClientPacket(const char* text);
  // The program's save point. 1 when the saved game was written; 0 when it
  // could not be (no server packet yet, or the file failed: any older saved
  // game of the program is then removed and Recording answers 0).
  int OnSavePoint(const SavePoint& point);
  // The session ended normally: the saved game is removed.
  void OnSessionEnd();
  // 1 once a save point arrived in this session (and it has not ended).
  int Recording() const { return recording_ ? 1 : 0; }
  // The records the saved game consists of (for tests and the file).
  std::vector<SavedRecord> Records() const;
  const std::string& Game() const { return game_; }

 private:
  int Write();
  // 1 when press is one of the replayed presses the client sends again
  // (it is then no longer pending).
  bool Resent(const btnLog& press);

  std::string dbPath_;
  bool recording_ = false;
  std::vector<std::uint8_t> firstServerPacket_;
  std::vector<std::uint8_t> lastServerPacket_;
  int serverPackets_ = 0;
  // The save point.
  std::string game_;
  std::int32_t linkWords_[4] = {};
  std::vector<std::uint8_t> sendText_;
  std::vector<std::uint8_t> recvText_;
  std::vector<std::uint8_t> record_;
  std::uint32_t randomState_ = 0;
  int existanceFlag_ = 0;
  std::vector<std::vector<std::uint8_t>> packets_;
  std::vector<btnLog> presses_;
  // The presses a replay handed the client, and those of them the client
  // has not sent again since the save point.
  std::vector<btnLog> replayed_;
  std::vector<btnLog> pending_;
  // The logged values (events above kLoggedValueBase) of the last client
  // packet: those of the packet a save point answers join its round.
  std::vector<btnLog> lastValues_;
};
