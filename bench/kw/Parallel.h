// Hands items 0..count-1 to a number of threads, each item to one of them.
#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace kw::sim {

// Every core the machine has.
inline int CoreCount() {
  const unsigned n = std::thread::hardware_concurrency();
  return n > 0 ? static_cast<int>(n) : 1;
}

// work(item, worker) for every item; worker is 0..threads-1, so a worker
// may tally into its own slot without locks.
template <typename Work>
void ForEachItem(int count, int threads, const Work& work) {
  std::atomic<int> next{0};
  std::vector<std::thread> pool;
  for (int w = 0; w < threads; ++w) {
    pool.emplace_back([&, w] {
      for (int item = next++; item < count; item = next++) work(item, w);
    });
  }
  for (std::thread& t : pool) t.join();
}

}  // namespace kw::sim
