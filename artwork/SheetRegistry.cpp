#include "artwork/SheetRegistry.h"

#include <vector>

namespace artwork {
namespace {

// A function's static, so registrations from other files' static objects
// find it built whatever their order.
std::vector<SheetSource>& Sources() {
  static std::vector<SheetSource> sources;
  return sources;
}

}  // namespace

int RegisterSheet(SheetSource source) {
  Sources().push_back(source);
  return 1;
}

std::span<const SheetSource> RegisteredSheets() { return Sources(); }

}  // namespace artwork
