// A whole Baccarat run on the headless backend (CCardTableRun), the coups'
// cards queued for the server in slot order (Player 1, 2, Banker 1, 2, the
// Player's third, the Banker's third).
#pragma once

#include <array>
#include <cstdint>

#include "sq/BaccaratClientRecord.h"
#include "tests/support/CardTableRun.h"

using CoupDeal = std::array<std::int32_t, sq::kCoupCards>;

// The server's draws: the queued ones, then 0 (each BEGINPLAY deals a
// coup, past the queued ones any cards).
int DrawQueuedOrFirst();

class BaccaratRun : public CCardTableRun {
 public:
  BaccaratRun();

  // The draws that deal these cards at the next BEGINPLAY.
  static void QueueCoup(const CoupDeal& cards);

  static sq::BaccaratClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);  // at the centre of its area
  static void RightClickButton(int button);
  // The colour the picture shows at a point of the generated sheet.
  static plat::COLORREF PictureColour(int x, int y);
};
