// The main client's side of "db_savef": it replaces the records of one
// user and game at a time, keeping whatever else the file holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SavedRecord {
  std::string key;
  std::uint32_t index;
  std::vector<std::uint8_t> data;
};

// Rewrites the file at path with every record of other users or games kept
// in place and records (for userId and game) after them, through a new file
// renamed over the old one. A record cut short at the end of the old file is
// dropped. When nothing is left the file is deleted. 1, or 0 when the new
// file could not be written (the old one is then untouched).
int ReplaceSavedGame(const std::string& path, std::uint32_t userId, const std::string& game,
                     const std::vector<SavedRecord>& records);
// 1 when the file holds at least one whole record of userId.
int HasSavedGame(const std::string& path, std::uint32_t userId);
