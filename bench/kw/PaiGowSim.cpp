// paigow_sim: checks the Pai Gow Poker rules over every hand, and plays
// games through the real server.
//
//   paigow_sim --exhaustive [--first-card ID]
//   paigow_sim --games N [--seed S]
//
// --exhaustive sets each count of the rules beside one found without them
// and exits non-zero when any pair differs; --first-card keeps only the
// hands whose lowest card id is ID (a short run for the tests). --games
// plays N games and checks the balance after each (seed: the clock's when
// not given; it is printed).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "bench/kw/Exhaustive.h"
#include "bench/kw/PaiGowGames.h"
#include "kw/Cards.h"

namespace kw::sim {
namespace {

enum Mode : int {
  kNoMode = 0,
  kExhaustiveMode = 1,
  kGamesMode = 2,
};

struct Options {
  int mode = kNoMode;
  int firstCard = -1;
  long long games = 0;
  unsigned seed = 0;
  bool seeded = false;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--exhaustive") == 0) {
      o->mode = kExhaustiveMode;
      continue;
    }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    if (value == nullptr) return false;
    if (std::strcmp(arg, "--first-card") == 0) {
      char* end = nullptr;
      const long id = std::strtol(value, &end, 10);
      if (*end != '\0' || id < 0 || id > kDeckWithJoker - 7) return false;
      o->firstCard = static_cast<int>(id);
    } else if (std::strcmp(arg, "--games") == 0) {
      char* end = nullptr;
      const long long games = std::strtoll(value, &end, 10);
      if (*end != '\0' || games <= 0) return false;
      o->mode = kGamesMode;
      o->games = games;
    } else if (std::strcmp(arg, "--seed") == 0) {
      char* end = nullptr;
      const unsigned long seed = std::strtoul(value, &end, 10);
      if (*end != '\0') return false;
      o->seed = static_cast<unsigned>(seed);
      o->seeded = true;
    } else {
      return false;
    }
  }
  return o->mode != kNoMode;
}

int Main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: paigow_sim --exhaustive [--first-card ID]   (ID 0..%d)\n"
                 "       paigow_sim --games N [--seed S]\n",
                 kDeckWithJoker - 7);
    return 2;
  }
  switch (o.mode) {
    case kExhaustiveMode: return RunExhaustive(o.firstCard) ? 1 : 0;
    case kGamesMode:
      return RunPaiGowGames(o.games, o.seeded ? o.seed : static_cast<unsigned>(std::time(nullptr)));
    default: return 2;
  }
}

}  // namespace
}  // namespace kw::sim

int main(int argc, char** argv) { return kw::sim::Main(argc, argv); }
