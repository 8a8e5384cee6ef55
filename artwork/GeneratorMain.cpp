// artwork_gen STAGE_DIR: writes every program's picture, hit map and sounds,
// the shared sounds and the music into the staged tree.
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "artwork/Sheets.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artwork_gen STAGE_DIR\n");
    return 2;
  }
  const std::string stage = argv[1];
  for (const artwork::Sheet* sheet : artwork::AllSheets()) {
    if (!artwork::WriteSheet(stage, *sheet)) return 1;
  }
  return artwork::WriteSharedAudio(stage) ? 0 : 1;
}
