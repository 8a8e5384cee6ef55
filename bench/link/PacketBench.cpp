// Encoding and decoding a packet of 40 tags, values as the games write them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "framework/link/KeyValueList.h"

namespace {

void FillPacket(CKeyValueList& list) {
  list.Add("command", "ROLLDICE");
  char name[16];
  char value[32];
  for (int i = 1; i < 40; ++i) {
    std::snprintf(name, sizeof name, "TAG%d", i);
    if (i % 3) {
      std::snprintf(value, sizeof value, "%f", i * 12.5);
    } else {
      std::snprintf(value, sizeof value, "%d bet & more", i);
    }
    list.Add(name, value);
  }
}

void BM_Encode40Tags(benchmark::State& state) {
  CKeyValueList list;
  FillPacket(list);
  for (auto _ : state) {
    char* text = list.Encode();
    benchmark::DoNotOptimize(text);
    std::free(text);
  }
}
BENCHMARK(BM_Encode40Tags);

void BM_Decode40Tags(benchmark::State& state) {
  CKeyValueList list;
  FillPacket(list);
  char* text = list.Encode();
  for (auto _ : state) {
    CKeyValueList decoded;
    benchmark::DoNotOptimize(decoded.Decode(text));
  }
  std::free(text);
}
BENCHMARK(BM_Decode40Tags);

}  // namespace
