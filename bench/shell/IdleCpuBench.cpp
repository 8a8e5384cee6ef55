// CPU share of each process while a game stands idle on the desktop backend:
// the staged main client starts Craps on a session bus of its own; once the
// start has settled, 10 s of the real clock are measured for the game, the
// main client and the bus daemon, each reported as a counter (1.0 = one
// whole core; the target is at most 0.02 each). Needs a display (Xvfb).
// CASINO_BENCH_STAGE names another staged tree to measure instead.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TempFolder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kSettleSeconds = 5.0;
constexpr double kMeasureSeconds = 10.0;

struct ProcessInfo {
  int parent = 0;
  std::string name;
  long long ticks = 0;  // user and system time
};

bool ReadProcess(int pid, ProcessInfo* out) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return false;
  const std::size_t open = line.find('('), close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos) return false;
  out->name = line.substr(open + 1, close - open - 1);
  std::istringstream rest(line.substr(close + 2));
  std::vector<std::string> fields;
  for (std::string f; rest >> f;) fields.push_back(f);
  if (fields.size() < 13) return false;
  out->parent = std::atoi(fields[1].c_str());
  out->ticks = std::atoll(fields[11].c_str()) + std::atoll(fields[12].c_str());
  return true;
}

// The processes below root, by name.
std::map<std::string, int> Descendants(int root) {
  std::map<int, ProcessInfo> all;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const int pid = std::atoi(entry.path().filename().c_str());
    ProcessInfo info;
    if (pid > 0 && ReadProcess(pid, &info)) all[pid] = info;
  }
  std::map<std::string, int> found;
  for (const auto& [pid, info] : all) {
    for (int p = info.parent; p > 1; p = all.count(p) ? all[p].parent : 0) {
      if (p == root) {
        found[info.name] = pid;
        break;
      }
    }
  }
  return found;
}

long long Ticks(int pid) {
  ProcessInfo info;
  return ReadProcess(pid, &info) ? info.ticks : 0;
}

void IdleGameCpuShare(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("needs a display (run under Xvfb)");
    return;
  }
  const char* chosen = std::getenv("CASINO_BENCH_STAGE");
  const fs::path source = chosen ? chosen : CASINO_STAGE_DIR;
  const TempFolder folder;
  if (folder.Path().empty()) std::abort();
  const fs::path stage = fs::path(folder.Path()) / "stage";
  fs::copy(source, stage, fs::copy_options::recursive);
  fs::remove(stage / "games" / "craps" / "db_savef");
  for (auto _ : state) {
    const std::string mainClient = (stage / "mainclient").string();
    char runner[] = "dbus-run-session";
    char separator[] = "--";
    char game[] = "craps";
    char* argv[] = {runner, separator, const_cast<char*>(mainClient.c_str()), game, nullptr};
    pid_t root = 0;
    if (::posix_spawnp(&root, runner, nullptr, nullptr, argv, environ) != 0) std::abort();
    std::map<std::string, int> procs;
    const Clock::time_point start = Clock::now();
    while (!procs.count("craps") && Clock::now() - start < std::chrono::seconds(20)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      procs = Descendants(root);
    }
    if (!procs.count("craps") || !procs.count("mainclient") || !procs.count("dbus-daemon")) {
      state.SkipWithError("the game did not start");
      ::kill(root, SIGKILL);
      ::waitpid(root, nullptr, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(kSettleSeconds));
    std::map<std::string, long long> before;
    for (const auto& [name, pid] : procs) before[name] = Ticks(pid);
    const Clock::time_point from = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(kMeasureSeconds));
    const double wall = std::chrono::duration<double>(Clock::now() - from).count();
    const double tick = static_cast<double>(::sysconf(_SC_CLK_TCK));
    for (const char* name : {"craps", "mainclient", "dbus-daemon"}) {
      state.counters[std::string(name) + "_cpu"] = (Ticks(procs[name]) - before[name]) / tick / wall;
    }
    // With its program gone the main client ends, and the bus with it.
    ::kill(procs["craps"], SIGKILL);
    ::waitpid(root, nullptr, 0);
  }
}
BENCHMARK(IdleGameCpuShare)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
