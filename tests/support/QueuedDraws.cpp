#include "tests/support/QueuedDraws.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

std::deque<int> g_draws;

}  // namespace

void QueueDraw(int draw) { g_draws.push_back(draw); }

void ClearDraws() { g_draws.clear(); }

int DrawsLeft() { return g_draws.empty() ? 0 : 1; }

int DrawQueued() {
  if (g_draws.empty()) {
    ADD_FAILURE() << "the server drew more than the test queued";
    return 0;
  }
  const int draw = g_draws.front();
  g_draws.pop_front();
  return draw;
}
