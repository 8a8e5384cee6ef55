// Building and reading "db_savef" byte for byte in tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/link/Db.h"

inline std::string ReadWholeFile(const char* name) {
  std::string bytes;
  if (std::FILE* f = std::fopen(name, "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

inline void WriteWholeFile(const char* name, const std::string& bytes) {
  std::FILE* f = std::fopen(name, "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// A head as it lies in the file, written without the library's encoder.
inline std::string RawHead(std::uint32_t user, const std::string& game, const std::string& key,
                           std::uint32_t index, std::uint32_t size) {
  auto u32 = [](std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
  };
  std::string g = game.substr(0, 32), k = key.substr(0, 32);
  return u32(user) + g + std::string(32 - g.size(), '\0') + k + std::string(32 - k.size(), '\0') +
         u32(index) + u32(size);
}

inline std::string Int32Bytes(std::int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
  return s;
}

inline void WriteInt(int user, const char* game, const char* key, int index, std::int32_t v) {
  std::string bytes = Int32Bytes(v);
  dbWrite(user, game, key, index, bytes.data(), 4);
}

inline void WriteText(int user, const char* game, const char* key, int index, const std::string& text) {
  dbWrite(user, game, key, index, text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
}
