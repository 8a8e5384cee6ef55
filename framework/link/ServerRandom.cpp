#include "framework/link/ServerRandom.h"

#include <cstdlib>
#include <cstring>

#include "framework/link/Db.h"
#include "framework/link/RandomStream.h"
#include "framework/link/Restore.h"

namespace {
CRandomStream g_serverStream;
}

void SeedServerRandom(std::uint32_t seed) { g_serverStream.state = seed; }

int NextServerRandom() { return g_serverStream.Next(); }

std::uint32_t ServerRandomState() { return g_serverStream.state; }

void SetServerRandomState(std::uint32_t state) { g_serverStream.state = state; }

int ReadServerRandom(int userId, const char* game, std::uint32_t* state) {
  void* data = nullptr;
  std::uint32_t size = 0;
  const int code = dbRead(userId, game, kKeyServerRandom, 0, &data, &size);
  if (code != kDbOk) {
    PlaybackError("LoadServerRandom: dbRead returned error (trying to read the random stream)",
                  userId, game, 0, code);
    return code;
  }
  if (size != sizeof(std::uint32_t)) {
    PlaybackError("LoadServerRandom: size of data read is invalid (trying to read the random stream)",
                  userId, game, 0, -1);
    std::free(data);
    return -1;
  }
  std::memcpy(state, data, sizeof *state);
  std::free(data);
  return 0;
}
