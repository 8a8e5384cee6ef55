#include "artwork/Sheets.h"

#include "artwork/CrapsSheet.h"
#include "artwork/SampleSheet.h"

namespace artwork {

std::span<const Sheet* const> AllSheets() {
  static const Sheet* const kSheets[] = {
      &sample::SampleSheet(),
      &craps::CrapsSheet(),
  };
  return kSheets;
}

}  // namespace artwork
