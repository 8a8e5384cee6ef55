// The Keno server on a link end of its own: a test fixes the draw (or lets
// the server's own stream draw), feeds client packets with OnDataReceived,
// steps GameServerRun and reads what the transport sent and the save points
// the server handed over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pd/KenoServer.h"
#include "tests/support/ServerHarness.h"

namespace pd {

// The 20 numbers of the next SHOOT, in drawing order.
void QueueDraw(const int numbers[kKenoDrawn]);

// What the server handed over at one save point.
struct KenoSavePoint {
  KenoServerRecord record;
  std::uint32_t randomState;  // the server's stream as it stood
};

class KenoServerHarness : public CServerHarness {
 public:
  // queuedDraws 0: the server draws from its own stream.
  explicit KenoServerHarness(double balance = 1000, int queuedDraws = 1);
  ~KenoServerHarness() override;

  int Frame() override;
  // CLIENTINIT and a first BEGINPLAY.
  void OpenSession();

  KenoServerRecord* record;
  std::vector<KenoSavePoint> savePoints;
};

}  // namespace pd
