// dbRead of the last of 10,000 records: one walk over the whole file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "framework/link/Db.h"

namespace {

constexpr int kRecords = 10000;

class SavefFixture : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    char pattern[] = "/tmp/bench_savef_XXXXXX";
    if (!::mkdtemp(pattern) || ::chdir(pattern) != 0) std::abort();
    dir_ = pattern;
    const std::string data(100, 'd');
    for (int i = 0; i < kRecords; ++i) dbWrite(1, "DQ", "PKTLOG", i, data.data(), data.size());
  }
  void TearDown(const benchmark::State&) override {
    std::remove(kDbFileName);
    if (::chdir("/tmp") != 0 || ::rmdir(dir_.c_str()) != 0) std::abort();
  }

 private:
  std::string dir_;
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
