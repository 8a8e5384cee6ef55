// "db_savef" files for every reader, the restore with its playback, and the
// rewrite of dbRemove, which must keep every record of other users. An even
// first byte takes the rest as the file itself; an odd one builds a file of
// saved-game records from it, so the restore's own checks are reached.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "framework/link/Db.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "fuzz/FuzzArguments.h"
#include "platform/include/plat/headless.h"

namespace {

void WriteFile(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(kDbFileName, "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

std::string ReadFile() {
  std::string bytes;
  if (std::FILE* f = std::fopen(kDbFileName, "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

// The records of users other than 1 and the tail that is no record, in order.
std::string OthersOf(const std::string& file) {
  std::string kept;
  std::size_t pos = 0;
  while (file.size() - pos >= kDbRecordHeaderSize) {
    DbRecordHeader head;
    DecodeDbRecordHeader(reinterpret_cast<const unsigned char*>(file.data() + pos), &head);
    std::size_t whole = kDbRecordHeaderSize + head.size;
    if (head.size > file.size() - pos - kDbRecordHeaderSize) {
      if (head.userId == 1) return kept;
      return "cut short";
    }
    if (head.userId != 1) kept.append(file, pos, whole);
    pos += whole;
  }
  return kept + file.substr(pos);
}

const char* const kKeys[] = {"COMM", "EXISTANCEFLAG", "removeflag", "NUMBTNS",
                             "BTNLOG", "NUMPCKS", "PKTLOG", "DQDATA"};

// Records of 5 bytes of head (key, index, user and game, size) and their
// data, built in memory and written at once: a file opened per record made
// the harness, not the readers, the slow part.
void BuildRecords(const std::uint8_t* p, std::size_t size) {
  std::string file;
  while (size >= 5) {
    DbRecordHeader head{};
    std::strncpy(head.key, kKeys[p[0] % 8], sizeof head.key);
    head.index = p[1] % 4;
    head.userId = 1 + (p[2] & 1);
    std::strncpy(head.game, (p[2] & 2) ? "KW" : "DQ", sizeof head.game);
    std::size_t length = p[3] | (p[4] & 0x0F) << 8;
    p += 5;
    size -= 5;
    if (length > size) length = size;
    head.size = static_cast<std::uint32_t>(length);
    unsigned char bytes[kDbRecordHeaderSize];
    EncodeDbRecordHeader(head, bytes);
    file.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
    file.append(reinterpret_cast<const char*>(p), length);
    p += length;
    size -= length;
  }
  WriteFile(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
}

class NullTransport : public CTransport {
 public:
  int SendData(const char*, std::size_t) override { return 1; }
  int HandBack() override { return 1; }
  void Poll() override {}
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}
};

int LoadRecord(void* record, int userId, const char* game) {
  void* data = nullptr;
  std::uint32_t size = 0;
  int error = dbRead(userId, game, "DQDATA", 0, &data, &size);
  if (error != kDbOk) return error;
  if (size == 8) std::memcpy(record, data, size);
  std::free(data);
  return size == 8 ? 0 : -1;
}

// The restore as a program runs it, with a client that sends every frame.
void Restore() {
  CComm server;
  server.Init("serverout.log", "serverin.log");
  server.SetTransport(new NullTransport);
  InstallPlaybackHooks(server, server, GameServerHooks{"DQ", LoadRecord, nullptr});
  unsigned char record[8] = {};
  LoadSavedGame(record, server, 1);
  for (int frame = 0; frame < 40 && gPacketPlaybackServer.IsActive(); ++frame) {
    static const char kClientPacket[] = "command=NEXT&BTN=1&STE=2&VAL=0";
    server.OnDataReceived(kClientPacket, sizeof kClientPacket);
    gPacketPlaybackServer.Step(server, record, 1, "DQ");
  }
  gBtnPlaybackServer.Clear();
  gPacketPlaybackServer.Clear();
  gBtnLogServer.Clear();
  gPacketLogServer.Clear();
}

// In memory when the system has a tmpfs: every input writes and rewrites
// the file several times.
char gShmDir[] = "/dev/shm/fuzz_savef_XXXXXX";
char gTmpDir[] = "/tmp/fuzz_savef_XXXXXX";
const char* gDir = nullptr;

void RemoveDir() {
  std::remove(kDbFileName);
  if (::chdir("/") == 0) ::rmdir(gDir);
}

int Initialise() {
  gDir = ::mkdtemp(gShmDir) ? gShmDir : ::mkdtemp(gTmpDir);
  if (!gDir || ::chdir(gDir) != 0) std::abort();
  std::atexit(RemoveDir);
  return 0;
}

}  // namespace

// The target works in a folder of its own, which it removes at the end.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> words = AnchoredArguments(*argc, *argv);
  static std::vector<char*> pointers;
  for (std::string& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  *argc = static_cast<int>(words.size());
  *argv = pointers.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static int initialised = Initialise();
  (void)initialised;
  plat::headless::ClearMessageBoxes();
  if (size == 0) return 0;
  const bool raw = (data[0] & 1) == 0;
  ++data;
  --size;

  if (raw) {
    WriteFile(data, size);
  } else {
    BuildRecords(data, size);
  }
  void* block = nullptr;
  std::uint32_t blockSize = 0;
  if (dbRead(1, "DQ", nullptr, 0, &block, &blockSize) == kDbOk) {
    if (static_cast<unsigned char*>(block)[blockSize] != 0) std::abort();
    std::free(block);
  }
  char name[kDbNameSize];
  if (dbGetSavedGameName(1, name) == kDbOk && std::strlen(name) >= kDbNameSize) std::abort();

  std::string before = ReadFile();
  Restore();
  if (!raw) return 0;

  WriteFile(data, size);
  int removed = dbRemoveUser(1, nullptr);
  std::string after = ReadFile();
  std::string others = OthersOf(before);
  // A record of another user cut short refuses the rewrite; otherwise only
  // user 1's records go.
  if (others == "cut short" ? after != before : (removed != kDbOk || after != others)) std::abort();
  return 0;
}
