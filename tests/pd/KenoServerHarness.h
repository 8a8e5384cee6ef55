// The Keno server on a link end of its own: a test fixes the draw (or lets
// the server's own stream draw), feeds client packets with OnDataReceived,
// steps GameServerRun and reads what the transport sent and the save points
// the server handed over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "pd/KenoServer.h"
#include "tests/support/CaptureTransport.h"

namespace pd {

// The 20 numbers of the next SHOOT, in drawing order.
void QueueDraw(const int numbers[kKenoDrawn]);

// What the server handed over at one save point.
struct KenoSavePoint {
  KenoServerRecord record;
  std::uint32_t randomState;  // the server's stream as it stood
};

class KenoServerHarness {
 public:
  // queuedDraws 0: the server draws from its own stream.
  explicit KenoServerHarness(double balance = 1000, int queuedDraws = 1);
  ~KenoServerHarness();

  // One frame of the server; answers its result.
  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT and a first BEGINPLAY.
  void OpenSession();
  // Feeds the packet, expects the failure answer, and that the server then
  // ends with -2 for ever and answers nothing more.
  void ExpectEndsWith(const std::string& packet, const std::string& answer);

  CComm comm;
  CCaptureTransport* transport;
  KenoServerRecord* record;
  int userId = 1;
  std::vector<KenoSavePoint> savePoints;
};

// The local account's balance.
double Balance();

}  // namespace pd
