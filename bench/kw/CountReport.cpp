#include "bench/kw/CountReport.h"

#include <cstdio>

namespace kw::sim {

void CCountReport::Heading(const char* title, const char* measured, const char* independent) const {
  std::printf("\n%-46s %15s %15s\n", title, measured, independent);
}

int CCountReport::Line(const char* label, long long measured, long long independent) {
  const bool agree = measured == independent;
  if (!agree) ++disagreements_;
  std::printf("  %-44s %15lld %15lld  %s\n", label, measured, independent, agree ? "agree" : "DIFFER");
  std::fflush(stdout);
  return agree;
}

}  // namespace kw::sim
