// artwork_gen STAGE_DIR: writes every registered program's picture, hit map,
// sounds, help page and "ORVANTA.INI", the shared sounds and the music into
// the staged tree.
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "artwork/SheetRegistry.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artwork_gen STAGE_DIR\n");
    return 2;
  }
  const std::string stage = argv[1];
  if (artwork::RegisteredSheets().empty()) {
    std::fprintf(stderr, "artwork_gen: no program registered a sheet\n");
    return 1;
  }
  for (const artwork::SheetSource source : artwork::RegisteredSheets()) {
    if (!artwork::WriteSheet(stage, source())) return 1;
  }
  return artwork::WriteSharedAudio(stage) ? 0 : 1;
}
