#include "mainclient/SavedGameFile.h"

#include <cstring>

#include "framework/link/Db.h"
#include "mainclient/FileReplace.h"
#include "platform/include/plat/system.h"

namespace {

struct StoredRecord {
  DbRecordHeader head;
  std::size_t offset;  // of the head in the file
};

// The whole records of the file, in order.
std::vector<StoredRecord> WalkRecords(const std::vector<std::uint8_t>& file) {
  std::vector<StoredRecord> records;
  std::size_t at = 0;
  while (file.size() - at >= kDbRecordHeaderSize) {
    StoredRecord r{};
    DecodeDbRecordHeader(file.data() + at, &r.head);
    if (file.size() - at - kDbRecordHeaderSize < r.head.size) break;
    r.offset = at;
    records.push_back(r);
    at += kDbRecordHeaderSize + r.head.size;
  }
  return records;
}

bool SameName(const char field[kDbNameSize], const std::string& name) {
  char padded[kDbNameSize] = {};
  std::memcpy(padded, name.data(), name.size() < kDbNameSize ? name.size() : kDbNameSize);
  return std::strncmp(field, padded, kDbNameSize) == 0;
}

void AppendRecord(std::vector<std::uint8_t>& out, std::uint32_t userId, const std::string& game,
                  const SavedRecord& record) {
  DbRecordHeader head{};
  head.userId = userId;
  std::memcpy(head.game, game.data(), game.size() < kDbNameSize ? game.size() : kDbNameSize);
  std::memcpy(head.key, record.key.data(), record.key.size() < kDbNameSize ? record.key.size() : kDbNameSize);
  head.index = record.index;
  head.size = static_cast<std::uint32_t>(record.data.size());
  unsigned char stored[kDbRecordHeaderSize];
  EncodeDbRecordHeader(head, stored);
  out.insert(out.end(), stored, stored + kDbRecordHeaderSize);
  out.insert(out.end(), record.data.begin(), record.data.end());
}

}  // namespace

int ReplaceSavedGame(const std::string& path, std::uint32_t userId, const std::string& game,
                     const std::vector<SavedRecord>& records) {
  std::vector<std::uint8_t> old;
  ReadWholeFile(path, &old);
  std::vector<std::uint8_t> out;
  for (const StoredRecord& r : WalkRecords(old)) {
    if (r.head.userId == userId && SameName(r.head.game, game)) continue;
    const auto begin = old.begin() + static_cast<std::ptrdiff_t>(r.offset);
    out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(kDbRecordHeaderSize + r.head.size));
  }
  for (const SavedRecord& record : records) AppendRecord(out, userId, game, record);
  if (out.empty()) {
    if (plat::FileExists(path.c_str())) plat::DeleteFile(path.c_str());
    return plat::FileExists(path.c_str()) ? 0 : 1;
  }
  return ReplaceFile(path, out);
}

int HasSavedGame(const std::string& path, std::uint32_t userId) {
  std::vector<std::uint8_t> file;
  if (!ReadWholeFile(path, &file)) return 0;
  for (const StoredRecord& r : WalkRecords(file)) {
    if (r.head.userId == userId) return 1;
  }
  return 0;
}
