#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/link/Db.h"
#include "platform/include/plat/system.h"

namespace {

constexpr char kDbNewFileName[] = "db_savef.tmp";

void PutName(unsigned char* field, const char* name) {
  std::memset(field, 0, kDbNameSize);
  if (name) std::memcpy(field, name, strnlen(name, kDbNameSize));
}

bool NameIs(const char (&field)[kDbNameSize], const char* name) {
  return std::strncmp(field, name, kDbNameSize) == 0;
}

// One pass over the records of an open file. Next() reads the following head
// and checks its size against what is left of the file.
class RecordWalk {
 public:
  explicit RecordWalk(std::FILE* f) : file_(f) {
    if (std::fseek(f, 0, SEEK_END) == 0) length_ = std::ftell(f);
    if (length_ < 0) length_ = 0;
    std::rewind(f);
  }

  // 1 with the head (raw and decoded); 0 at the end, with the bytes of a
  // head cut short in raw()/partial().
  int Next() {
    partial_ = std::fread(raw_, 1, kDbRecordHeaderSize, file_);
    if (partial_ < kDbRecordHeaderSize) return 0;
    partial_ = 0;
    DecodeDbRecordHeader(raw_, &head_);
    pos_ += static_cast<long>(kDbRecordHeaderSize);
    dataPos_ = pos_;
    return 1;
  }
  // 1 when the current record's data lies whole within the file.
  int DataWhole() const { return head_.size <= static_cast<unsigned long>(length_ - dataPos_); }
  // Moves past the current record's data (only when it lies whole).
  int Skip() {
    pos_ = dataPos_ + static_cast<long>(head_.size);
    return std::fseek(file_, pos_, SEEK_SET) == 0 ? 1 : 0;
  }
  // After reading the data through file().
  void DataRead() { pos_ = dataPos_ + static_cast<long>(head_.size); }

  const DbRecordHeader& head() const { return head_; }
  const unsigned char* raw() const { return raw_; }
  std::size_t partial() const { return partial_; }
  std::FILE* file() const { return file_; }

 private:
  std::FILE* file_;
  long length_ = 0;
  long pos_ = 0;
  long dataPos_ = 0;
  unsigned char raw_[kDbRecordHeaderSize] = {};
  std::size_t partial_ = 0;
  DbRecordHeader head_{};
};

bool Matches(const DbRecordHeader& head, int userId, const char* game, const char* key,
             int index, int keyed) {
  if (head.userId != static_cast<std::uint32_t>(userId)) return false;
  if (game && !NameIs(head.game, game)) return false;
  if (!keyed) return true;
  if (key && !NameIs(head.key, key)) return false;
  return head.index == static_cast<std::uint32_t>(index);
}

bool CopyBytes(std::FILE* from, std::FILE* to, std::uint32_t count) {
  unsigned char buffer[16384];
  while (count > 0) {
    std::size_t chunk = count < sizeof buffer ? count : sizeof buffer;
    if (std::fread(buffer, 1, chunk, from) != chunk) return false;
    if (std::fwrite(buffer, 1, chunk, to) != chunk) return false;
    count -= static_cast<std::uint32_t>(chunk);
  }
  return true;
}

// Copies every record that does not match into out. -1 on a read or write
// failure or a kept record cut short; else 1 when any matched, 0 when none.
int CopyUnmatched(std::FILE* in, std::FILE* out, int userId, const char* game, const char* key,
                  int index, int keyed) {
  RecordWalk walk(in);
  int matched = 0;
  while (walk.Next()) {
    const DbRecordHeader& head = walk.head();
    if (Matches(head, userId, game, key, index, keyed)) {
      matched = 1;
      // A matching record cut short is the end of the file; it goes.
      if (!walk.DataWhole() || !walk.Skip()) return matched;
      continue;
    }
    if (!walk.DataWhole()) return -1;
    if (std::fwrite(walk.raw(), 1, kDbRecordHeaderSize, out) != kDbRecordHeaderSize) return -1;
    if (!CopyBytes(in, out, head.size)) return -1;
    walk.DataRead();
  }
  // Bytes too few for a head are no record, but they are not ours to drop.
  if (walk.partial() > 0 && std::fwrite(walk.raw(), 1, walk.partial(), out) != walk.partial()) {
    return -1;
  }
  return matched;
}

}  // namespace

std::uint32_t DbGetU32(const void* bytes) {
  const unsigned char* p = static_cast<const unsigned char*>(bytes);
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void DbPutU32(void* bytes, std::uint32_t value) {
  unsigned char* p = static_cast<unsigned char*>(bytes);
  p[0] = static_cast<unsigned char>(value);
  p[1] = static_cast<unsigned char>(value >> 8);
  p[2] = static_cast<unsigned char>(value >> 16);
  p[3] = static_cast<unsigned char>(value >> 24);
}

void EncodeDbRecordHeader(const DbRecordHeader& head, unsigned char out[kDbRecordHeaderSize]) {
  DbPutU32(out + kDbOffsetUserId, head.userId);
  std::memcpy(out + kDbOffsetGame, head.game, kDbNameSize);
  std::memcpy(out + kDbOffsetKey, head.key, kDbNameSize);
  DbPutU32(out + kDbOffsetIndex, head.index);
  DbPutU32(out + kDbOffsetSize, head.size);
}

void DecodeDbRecordHeader(const unsigned char in[kDbRecordHeaderSize], DbRecordHeader* head) {
  head->userId = DbGetU32(in + kDbOffsetUserId);
  std::memcpy(head->game, in + kDbOffsetGame, kDbNameSize);
  std::memcpy(head->key, in + kDbOffsetKey, kDbNameSize);
  head->index = DbGetU32(in + kDbOffsetIndex);
  head->size = DbGetU32(in + kDbOffsetSize);
}

int dbRead(int userId, const char* game, const char* key, int index, void** data,
           std::uint32_t* size) {
  if (!game || !data || !size) return kDbInvalidData;
  std::FILE* f = plat::OpenFile(kDbFileName, "rb");
  if (!f) return kDbNoRecord;
  RecordWalk walk(f);
  while (walk.Next()) {
    const DbRecordHeader& head = walk.head();
    if (!walk.DataWhole()) break;
    if (Matches(head, userId, game, key, index, 1)) {
      unsigned char* block = static_cast<unsigned char*>(std::malloc(std::size_t{head.size} + 1));
      if (block && std::fread(block, 1, head.size, f) == head.size) {
        block[head.size] = 0;
        *data = block;
        *size = head.size;
        std::fclose(f);
        return kDbOk;
      }
      std::free(block);
    }
    if (!walk.Skip()) break;
  }
  std::fclose(f);
  return kDbNoRecord;
}

int dbRemove(int userId, const char* game, const char* key, int index, int keyed) {
  std::FILE* in = plat::OpenFile(kDbFileName, "rb");
  if (!in) return kDbInvalidData;
  std::FILE* out = plat::OpenFile(kDbNewFileName, "wb");
  if (!out) {
    std::fclose(in);
    return kDbInvalidData;
  }
  int matched = CopyUnmatched(in, out, userId, game, key, index, keyed);
  std::fclose(in);
  bool written = std::fclose(out) == 0;
  if (matched != 1 || !written) {
    plat::DeleteFile(kDbNewFileName);
    if (matched == 0) return keyed ? kDbNoRecord : kDbOk;
    return kDbInvalidData;
  }
  if (!plat::MoveFileReplace(kDbNewFileName, kDbFileName)) {
    plat::DeleteFile(kDbNewFileName);
    return kDbInvalidData;
  }
  return kDbOk;
}

int dbRemoveUser(int userId, const char* game) { return dbRemove(userId, game, nullptr, 0, 0); }

int dbGetSavedGameName(int userId, char* name) {
  if (!name) return kDbInvalidData;
  std::FILE* f = plat::OpenFile(kDbFileName, "rb");
  if (!f) return kDbNoRecord;
  RecordWalk walk(f);
  int answer = kDbNoRecord;
  while (walk.Next()) {
    const DbRecordHeader& head = walk.head();
    if (head.userId == static_cast<std::uint32_t>(userId)) {
      std::size_t n = strnlen(head.game, kDbNameSize - 1);
      std::memcpy(name, head.game, n);
      name[n] = '\0';
      answer = kDbOk;
      break;
    }
    if (!walk.DataWhole() || !walk.Skip()) break;
  }
  std::fclose(f);
  return answer;
}

int dbWrite(int userId, const char* game, const char* key, int index, const void* data,
            std::uint32_t size) {
  if (!game || !key || (size > 0 && !data)) return kDbInvalidData;
  unsigned char raw[kDbRecordHeaderSize];
  DbPutU32(raw + kDbOffsetUserId, static_cast<std::uint32_t>(userId));
  PutName(raw + kDbOffsetGame, game);
  PutName(raw + kDbOffsetKey, key);
  DbPutU32(raw + kDbOffsetIndex, static_cast<std::uint32_t>(index));
  DbPutU32(raw + kDbOffsetSize, size);
  std::FILE* f = plat::OpenFile(kDbFileName, "ab");
  if (!f) return kDbInvalidData;
  bool ok = std::fwrite(raw, 1, sizeof raw, f) == sizeof raw &&
            (size == 0 || std::fwrite(data, 1, size, f) == size);
  if (std::fclose(f) != 0) ok = false;
  return ok ? kDbOk : kDbInvalidData;
}
