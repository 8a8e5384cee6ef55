// Time from a program's exec to its first painted frame on the desktop
// backend, median of 10 starts of Craps: alone (the staged main client is
// already running, started with no program names) and through
// `mainclient craps`. A frame counts as painted when the middle row of the
// game's window shows what it shows once settled. Run it on a session bus of its
// own and a display of its own:
//   DISPLAY=:NN dbus-run-session -- <build>/bench/bench_shell_startup
// CASINO_BENCH_STAGE names another staged tree to measure instead.
// Beside the medians it prints where the time goes: the median of each mark
// the programs leave on their way up (CASINO_STARTUP_TRACE), in ms from the
// exec, "game_" for the game and "main_" for the main client: backend (the
// program's own start up to the platform), qt (Qt connected to the display),
// bus (on the session bus), remote_out / remote_in (the first message sent to
// / taken from another program: registration and the main client's wait for
// it), picture_sent (the first picture drawn), shown (the window shown),
// painted (its first paint).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kStarts = 10;
constexpr auto kGiveUp = std::chrono::seconds(20);
constexpr auto kSettle = std::chrono::seconds(3);
constexpr char kGameTitle[] = "Craps";
constexpr char kMainClientTitle[] = "Casino main client";

// A copy of the staged tree, so saved games of killed starts can be wiped.
class CStage {
 public:
  bool Make() {
    const char* chosen = std::getenv("CASINO_BENCH_STAGE");
    const fs::path source = chosen ? chosen : CASINO_STAGE_DIR;
    char pattern[] = "/tmp/startup-XXXXXX";
    if (!::mkdtemp(pattern)) return false;
    m_temp = pattern;
    std::error_code ec;
    fs::copy(source, Root(), fs::copy_options::recursive, ec);
    return !ec;
  }
  ~CStage() {
    std::error_code ec;
    if (!m_temp.empty()) fs::remove_all(m_temp, ec);
  }
  fs::path Root() const { return m_temp / "stage"; }
  fs::path TraceFile() const { return m_temp / "trace"; }
  fs::path GameFolder() const { return Root() / "games" / "craps"; }
  void WipeSavedGame() const {
    std::error_code ec;
    fs::remove(GameFolder() / "db_savef", ec);
  }

 private:
  fs::path m_temp;
};

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, const fs::path& folder) {
  std::vector<std::string> all{program};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t pid = 0;
  const int failed = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed ? 0 : pid;
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

// The processes whose parent is pid.
std::vector<pid_t> ChildrenOf(pid_t pid) {
  std::vector<pid_t> children;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const pid_t child = std::atoi(entry.path().filename().c_str());
    if (child <= 0) continue;
    std::FILE* f = std::fopen((entry.path() / "stat").c_str(), "r");
    if (!f) continue;
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, f) != nullptr;
    std::fclose(f);
    const char* close = read ? std::strrchr(line, ')') : nullptr;
    int parent = 0;
    if (close && std::sscanf(close + 1, " %*c %d", &parent) == 1 && parent == pid) children.push_back(child);
  }
  return children;
}

// Watches the display for a top-level window by title.
class CDisplay {
 public:
  bool Open() {
    m_c = xcb_connect(nullptr, nullptr);
    if (!m_c || xcb_connection_has_error(m_c)) return false;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    return true;
  }
  ~CDisplay() {
    if (m_c) xcb_disconnect(m_c);
  }

  // The first shown top-level window whose title starts with title, or 0.
  xcb_window_t Find(const char* title) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(m_c, xcb_query_tree(m_c, m_root), nullptr);
    if (!tree) return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int count = xcb_query_tree_children_length(tree);
    std::vector<xcb_get_property_cookie_t> cookies;
    for (int i = 0; i < count; ++i) {
      cookies.push_back(xcb_get_property(m_c, 0, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 64));
    }
    xcb_window_t found = 0;
    for (int i = 0; i < count; ++i) {
      xcb_get_property_reply_t* p = xcb_get_property_reply(m_c, cookies[static_cast<std::size_t>(i)], nullptr);
      if (!p) continue;
      const int length = xcb_get_property_value_length(p);
      const std::string name(static_cast<const char*>(xcb_get_property_value(p)), static_cast<std::size_t>(length));
      std::free(p);
      if (found || name.rfind(title, 0) != 0) continue;
      xcb_get_window_attributes_reply_t* a =
          xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, children[i]), nullptr);
      if (a && a->map_state == XCB_MAP_STATE_VIEWABLE) found = children[i];
      std::free(a);
    }
    std::free(tree);
    return found;
  }

  // The window's middle row as the display holds it (empty when unmapped).
  std::vector<std::uint8_t> MiddleRow(xcb_window_t window) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr);
    if (!g) return {};
    const std::uint16_t width = g->width;
    const std::int16_t middle = static_cast<std::int16_t>(g->height / 2);
    std::free(g);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        m_c, xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, middle, width, 1, ~0u), nullptr);
    if (!image) return {};
    const std::uint8_t* data = xcb_get_image_data(image);
    std::vector<std::uint8_t> row(data, data + xcb_get_image_data_length(image));
    std::free(image);
    return row;
  }

  // Waits until a window of that title is shown; its program has made it by then.
  bool WaitForShown(const char* title) {
    const Clock::time_point start = Clock::now();
    while (!Find(title)) {
      if (Clock::now() - start > kGiveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  // The middle row of the titled window once the program has settled.
  std::vector<std::uint8_t> Settled(const char* title) {
    if (!WaitForShown(title)) return {};
    std::this_thread::sleep_for(kSettle);
    const xcb_window_t window = Find(title);
    return window ? MiddleRow(window) : std::vector<std::uint8_t>{};
  }

  // Milliseconds from start until the titled window shows the settled
  // picture (9 in 10 bytes of its middle row alike, for animations), or -1.
  double WaitForPaint(const char* title, const std::vector<std::uint8_t>& settled, Clock::time_point start) {
    while (Clock::now() - start < kGiveUp) {
      const xcb_window_t window = Find(title);
      const std::vector<std::uint8_t> row = window ? MiddleRow(window) : std::vector<std::uint8_t>{};
      if (!row.empty() && row.size() == settled.size()) {
        std::size_t alike = 0;
        for (std::size_t i = 0; i < row.size(); ++i) alike += row[i] == settled[i];
        if (alike * 10 >= row.size() * 9) {
          return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
      }
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return -1;
  }

  // Waits until no window of that title is left.
  bool WaitForGone(const char* title) {
    const Clock::time_point start = Clock::now();
    while (Find(title)) {
      if (Clock::now() - start > kGiveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

 private:
  xcb_connection_t* m_c = nullptr;
  xcb_window_t m_root = 0;
};

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// Each start's marks, by "<who>_<phase>", in ms from the exec.
using Phases = std::map<std::string, std::vector<double>>;

// Takes the marks written since the last call; marks from before start
// (the standing main client's own start) are left out.
void TakeMarks(const fs::path& file, Clock::time_point start, pid_t mainClient, Phases* phases) {
  std::ifstream in(file);
  std::string line;
  const long long startUs =
      std::chrono::duration_cast<std::chrono::microseconds>(start.time_since_epoch()).count();
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    long long us = 0;
    int pid = 0;
    std::string phase;
    if (!(fields >> us >> pid) || !std::getline(fields >> std::ws, phase) || us < startUs) continue;
    std::replace(phase.begin(), phase.end(), ' ', '_');
    (*phases)[(pid == mainClient ? "main_" : "game_") + phase].push_back((us - startUs) / 1000.0);
  }
  in.close();
  std::error_code ec;
  fs::remove(file, ec);
}

void Report(benchmark::State& state, std::vector<double> times, const Phases& phases) {
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = Median(times);
  state.counters["min_ms"] = times.front();
  state.counters["max_ms"] = times.back();
  for (const auto& [name, marks] : phases) state.counters[name] = Median(marks);
}

bool Ready(benchmark::State& state, CStage* stage, CDisplay* display) {
  if (!std::getenv("DISPLAY") || !std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
    state.SkipWithError("needs a display and a session bus");
    return false;
  }
  if (!stage->Make() || !display->Open()) {
    state.SkipWithError("no staged tree or no display");
    return false;
  }
  ::setenv("CASINO_STARTUP_TRACE", stage->TraceFile().c_str(), 1);
  return true;
}

// The game started by hand beside a main client that is already up.
void StartAlone(benchmark::State& state) {
  CStage stage;
  CDisplay display;
  if (!Ready(state, &stage, &display)) return;
  const pid_t mainClient = Spawn((stage.Root() / "mainclient").string(), {}, stage.Root());
  // A game started before the main client owns its name stops at "Cannot find
  // local Main Client!", and that box would become the picture waited for.
  if (!display.WaitForShown(kMainClientTitle)) {
    state.SkipWithError("the main client did not start");
    Stop(mainClient);
    return;
  }
  stage.WipeSavedGame();
  const pid_t first = Spawn((stage.GameFolder() / "craps").string(), {}, stage.GameFolder());
  const std::vector<std::uint8_t> settled = display.Settled(kGameTitle);
  Stop(first);
  display.WaitForGone(kGameTitle);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  if (settled.empty()) {
    state.SkipWithError("the game did not start");
    Stop(mainClient);
    return;
  }
  std::vector<double> times;
  Phases phases;
  for (auto _ : state) {
    for (int i = 0; i < kStarts; ++i) {
      stage.WipeSavedGame();
      const Clock::time_point start = Clock::now();
      const pid_t game = Spawn((stage.GameFolder() / "craps").string(), {}, stage.GameFolder());
      const double ms = display.WaitForPaint(kGameTitle, settled, start);
      Stop(game);
      TakeMarks(stage.TraceFile(), start, mainClient, &phases);
      display.WaitForGone(kGameTitle);
      // The bus drops the dead game's names a moment after its window.
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (ms < 0) {
        state.SkipWithError("the game was not painted");
        break;
      }
      times.push_back(ms);
    }
  }
  Stop(mainClient);
  if (times.size() == kStarts) Report(state, times, phases);
}
BENCHMARK(StartAlone)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void EndMainClient(pid_t mainClient, CDisplay* display) {
  for (const pid_t child : ChildrenOf(mainClient)) ::kill(child, SIGKILL);
  Stop(mainClient);
  display->WaitForGone(kGameTitle);
  display->WaitForGone(kMainClientTitle);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

// `mainclient craps`: the main client's own start, then the game's.
void StartThroughMainClient(benchmark::State& state) {
  CStage stage;
  CDisplay display;
  if (!Ready(state, &stage, &display)) return;
  stage.WipeSavedGame();
  const pid_t first = Spawn((stage.Root() / "mainclient").string(), {"craps"}, stage.Root());
  const std::vector<std::uint8_t> settled = display.Settled(kGameTitle);
  EndMainClient(first, &display);
  if (settled.empty()) {
    state.SkipWithError("the game did not start");
    return;
  }
  std::vector<double> times;
  Phases phases;
  for (auto _ : state) {
    for (int i = 0; i < kStarts; ++i) {
      stage.WipeSavedGame();
      const Clock::time_point start = Clock::now();
      const pid_t mainClient = Spawn((stage.Root() / "mainclient").string(), {"craps"}, stage.Root());
      const double ms = display.WaitForPaint(kGameTitle, settled, start);
      EndMainClient(mainClient, &display);
      TakeMarks(stage.TraceFile(), start, mainClient, &phases);
      if (ms < 0) {
        state.SkipWithError("the game was not painted");
        break;
      }
      times.push_back(ms);
    }
  }
  if (times.size() == kStarts) Report(state, times, phases);
}
BENCHMARK(StartThroughMainClient)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
