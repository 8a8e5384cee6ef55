#include "dq/CrapsOptions.h"

#include "framework/shell/SettingsFile.h"

namespace dq {

CrapsOptions gCrapsOptions = kDefaultCrapsOptions;

int LoadCrapsOptions(CrapsOptions* options, const char* fileName) {
  *options = kDefaultCrapsOptions;
  return ReadSettingsFile(fileName, options, sizeof *options);
}

int SaveCrapsOptions(const CrapsOptions* options, const char* fileName) {
  return WriteSettingsFile(fileName, options, sizeof *options);
}

}  // namespace dq
