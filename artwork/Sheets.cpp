#include "Sheets.h"

#include "CrapsSheet.h"
#include "SampleSheet.h"

namespace artwork {

std::span<const Sheet* const> AllSheets() {
  static const Sheet* const kSheets[] = {
      &sample::SampleSheet(),
      &craps::CrapsSheet(),
  };
  return kSheets;
}

}  // namespace artwork
