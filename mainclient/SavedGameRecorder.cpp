#include "mainclient/SavedGameRecorder.h"

#include <cstdio>
#include <cstring>

#include "framework/link/Comm.h"
#include "mainclient/PacketText.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"

namespace {

std::vector<std::uint8_t> IntData(std::int32_t value) {
  std::vector<std::uint8_t> out(4);
  std::memcpy(out.data(), &value, 4);
  return out;
}

std::vector<std::uint8_t> TextCopy(const char* text) {
  if (!text) return {};
  return std::vector<std::uint8_t>(text, text + std::strlen(text) + 1);
}

}  // namespace

void CSavedGameRecorder::Start(std::string dbPath) {
  *this = CSavedGameRecorder();
  dbPath_ = std::move(dbPath);
}

void CSavedGameRecorder::OnServerPacket(const char* text) {
  if (IsReplayedPacket(text)) ReadButtonPresses(text, &replayed_);
  std::vector<std::uint8_t> clean = WithoutPlaybackTags(text);
  if (serverPackets_ == 0) firstServerPacket_ = clean;
  lastServerPacket_ = std::move(clean);
  ++serverPackets_;
}

void CSavedGameRecorder::OnClientPacket(const char* text) {
  // A program reads back no more presses than this.
  const std::size_t most = kMaxPlaybackRecords;
  std::vector<btnLog> found;
  ReadButtonPresses(text, &found);
  lastValues_.clear();
  for (const btnLog& press : found) {
    if (press.button > kLoggedValueBase) lastValues_.push_back(press);
  }
  if (!recording_ || presses_.size() >= most || found.empty()) return;
  for (const btnLog& press : found) {
    if (Resent(press)) continue;
    if (presses_.size() < most) presses_.push_back(press);
  }
  Write();
}

int CSavedGameRecorder::OnSavePoint(const SavePoint& point) {
  if (dbPath_.empty() || serverPackets_ == 0) return 0;
  game_ = point.head.game;
  linkWords_[0] = point.head.recvJustInit;
  linkWords_[1] = point.head.sendAllocated;
  linkWords_[2] = point.head.recvAllocated;
  linkWords_[3] = point.head.wantToSleep;
  sendText_ = TextCopy(point.sendText);
  recvText_ = TextCopy(point.recvText);
  record_.assign(point.record, point.record + point.head.recordSize);
  randomState_ = point.head.randomState;
  // An answer still waiting in the server end goes out from the restored
  // state; one that went out is replayed. A client packet the server had not
  // read yet is sent again by the replaying client, so the replay drops it.
  const bool answerSent = point.head.sendAllocated != kSendBuilding;
  packets_.assign(1, firstServerPacket_);
  if (answerSent && serverPackets_ > 1) packets_.push_back(lastServerPacket_);
  existanceFlag_ = (!answerSent || point.head.recvAllocated == kRecvWaiting) ? 1 : 2;
  presses_ = replayed_;
  // Values the client logged on the packet that began the round belong to
  // the round: no other packet of it may go out before a kill.
  for (const btnLog& value : lastValues_) {
    bool known = false;
    for (const btnLog& press : replayed_) known = known || (press.button == value.button && press.state == value.state);
    if (!known) presses_.push_back(value);
  }
  lastValues_.clear();
  if (presses_.size() > kMaxPlaybackRecords) presses_.resize(kMaxPlaybackRecords);
  pending_ = std::move(replayed_);
  replayed_.clear();
  recording_ = true;
  if (Write()) return 1;
  // An earlier round's saved game must not outlive a round that could not be
  // saved; the money is then booked as the game goes.
  recording_ = false;
  ReplaceSavedGame(dbPath_, kSavedGameUser, game_, {});
  return 0;
}

void CSavedGameRecorder::OnSessionEnd() {
  if (!game_.empty()) {
    if (!ReplaceSavedGame(dbPath_, kSavedGameUser, game_, {})) {
      std::fprintf(stderr, "mainclient: cannot remove the saved game from %s\n", dbPath_.c_str());
    }
  }
  recording_ = false;
}

std::vector<SavedRecord> CSavedGameRecorder::Records() const {
  std::vector<SavedRecord> records;
  if (!sendText_.empty()) records.push_back({kKeyComm, 0, sendText_});
  if (!recvText_.empty()) records.push_back({kKeyComm, 1, recvText_});
  for (std::uint32_t i = 0; i < 4; ++i) records.push_back({kKeyComm, 2 + i, IntData(linkWords_[i])});
  records.push_back({kKeyExistanceFlag, 0, IntData(existanceFlag_)});
  records.push_back({kKeyNumBtns, 0, IntData(static_cast<std::int32_t>(presses_.size()))});
  for (std::size_t i = 0; i < presses_.size(); ++i) {
    std::vector<std::uint8_t> data(sizeof(btnLog));
    std::memcpy(data.data(), &presses_[i], sizeof(btnLog));
    records.push_back({kKeyBtnLog, static_cast<std::uint32_t>(i), std::move(data)});
  }
  records.push_back({kKeyNumPcks, 0, IntData(static_cast<std::int32_t>(packets_.size()))});
  for (std::size_t i = 0; i < packets_.size(); ++i) {
    std::vector<std::uint8_t> data = IntData(static_cast<std::int32_t>(packets_[i].size()));
    data.insert(data.end(), packets_[i].begin(), packets_[i].end());
    records.push_back({kKeyPktLog, static_cast<std::uint32_t>(i), std::move(data)});
  }
  records.push_back({game_ + "DATA", 0, record_});
  records.push_back({kKeyServerRandom, 0, IntData(static_cast<std::int32_t>(randomState_))});
  return records;
}

bool CSavedGameRecorder::Resent(const btnLog& press) {
  for (auto it = pending_.begin(); it != pending_.end(); ++it) {
    if (it->button == press.button && it->state == press.state) {
      pending_.erase(it);
      return true;
    }
  }
  return false;
}

int CSavedGameRecorder::Write() {
  if (ReplaceSavedGame(dbPath_, kSavedGameUser, game_, Records())) return 1;
  std::fprintf(stderr, "mainclient: cannot write the saved game into %s\n", dbPath_.c_str());
  return 0;
}
