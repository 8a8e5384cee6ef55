// dbRead of the last of 10,000 records: one walk over the whole file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "framework/link/Db.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int kRecords = 10000;

class SavefFixture : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    folder_.emplace();
    if (!folder_->Enter()) std::abort();
    const std::string data(100, 'd');
    for (int i = 0; i < kRecords; ++i) dbWrite(1, "DQ", "PKTLOG", i, data.data(), data.size());
  }
  void TearDown(const benchmark::State&) override { folder_.reset(); }

 private:
  std::optional<TempFolder> folder_;  // a fresh one for each run
};

BENCHMARK_F(SavefFixture, ReadLastOf10000)(benchmark::State& state) {
  for (auto _ : state) {
    void* data = nullptr;
    std::uint32_t size = 0;
    if (dbRead(1, "DQ", "PKTLOG", kRecords - 1, &data, &size) != kDbOk) std::abort();
    std::free(data);
  }
}

}  // namespace
