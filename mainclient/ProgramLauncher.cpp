#include "mainclient/ProgramLauncher.h"

#include <cstdio>

#include "framework/link/Restore.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/system.h"

int FindStagedProgram(const std::string& stage, const std::string& name, StagedProgram* out) {
  if (name.empty()) return 0;
  for (char c : name) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return 0;
  }
  out->folder = stage + "/games/" + name;
  out->executable = out->folder + "/" + name;
  out->savedGame = out->folder + "/db_savef";
  return 1;
}

int LaunchProgram(CMainClient& client, const std::string& stage, const std::string& name) {
  StagedProgram program;
  if (!FindStagedProgram(stage, name, &program)) {
    std::fprintf(stderr, "mainclient: \"%s\" is not a program name\n", name.c_str());
    return 0;
  }
  if (!plat::FileExists(program.executable.c_str())) {
    std::fprintf(stderr, "mainclient: %s has not been built\n", program.executable.c_str());
    return 0;
  }
  const bool restore = HasSavedGame(program.savedGame, kSavedGameUser);
  const char* const arguments[] = {restore ? kHiddenOption : nullptr, nullptr};
  const plat::DWORD id = plat::StartProgram(program.executable.c_str(), arguments, program.folder.c_str());
  if (!id) {
    std::fprintf(stderr, "mainclient: cannot start %s\n", program.executable.c_str());
    return 0;
  }
  client.ExpectProgram(name, program.folder, id);
  return 1;
}
