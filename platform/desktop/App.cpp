#include "platform/desktop/App.h"

#include <QApplication>
#include <QWidget>
#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/common/MessageLoop.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/Audio.h"
#include "platform/desktop/Bus.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/StartupTrace.h"
#include "platform/desktop/WindowTable.h"
#include "platform/include/plat/app.h"

namespace plat::desktop {
namespace {

QApplication* g_app = nullptr;
int g_argc = 0;
std::vector<std::string> g_arguments;
std::vector<char*> g_argv;
bool g_active = false;

constexpr int kDisplayTries = 100;
constexpr auto kDisplayRetryPause = std::chrono::milliseconds(20);

// Qt ends the process when it cannot reach the display, so look first. An X
// server whose last client has left resets and refuses connections for a
// moment, so the look tries again for a while; its connection (null when
// not on X11) is held until Qt has its own, so that no reset can start in
// between. Nothing when the display cannot be reached.
std::optional<xcb_connection_t*> LookForDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0) return nullptr;
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return std::nullopt;
  for (int attempt = 0; attempt < kDisplayTries; ++attempt) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (c && !xcb_connection_has_error(c)) return c;
    if (c) xcb_disconnect(c);
    std::this_thread::sleep_for(kDisplayRetryPause);
  }
  return std::nullopt;
}

// Windows go without messages: the program has finished with them.
void DropAllWindows() {
  for (CWindow* w : Windows().All()) {
    w->destroying = true;
    QWidget* widget = w->widget;
    Windows().BindWidget(w, nullptr);
    if (widget && w->kind != WindowKind::kControl) RetireWidget(widget);
    common::DeleteDcsOf(w->handle);
  }
  for (CWindow* w : Windows().All()) Windows().Remove(w);
}

}  // namespace

bool WindowManagerRunning() {
  auto* x11 = g_app ? g_app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11) return true;  // not X11: the compositor manages windows
  xcb_connection_t* c = x11->connection();
  static const char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kCheck - 1, kCheck), nullptr);
  if (!atom) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_get_property_reply_t* p = xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
  const bool running = atom->atom != XCB_ATOM_NONE && p && xcb_get_property_value_length(p) > 0;
  std::free(p);
  std::free(atom);
  return running;
}

QRect ScreenGeometry() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

QRect AvailableGeometry() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace plat::desktop

namespace plat {

BOOL InitBackend(int argc, char** argv) {
  using namespace desktop;
  if (g_app) return TRUE;
  StartupMark("backend");
  const std::optional<xcb_connection_t*> held = LookForDisplay();
  if (!held) return FALSE;
  // QApplication keeps the argument vector, so it gets a copy that lives on.
  g_arguments.clear();
  for (int i = 0; i < argc && argv && argv[i]; ++i) g_arguments.emplace_back(argv[i]);
  if (g_arguments.empty()) g_arguments.emplace_back("casino");
  g_argv.clear();
  for (std::string& a : g_arguments) g_argv.push_back(a.data());
  g_argv.push_back(nullptr);
  g_argc = static_cast<int>(g_arguments.size());
  g_app = new QApplication(g_argc, g_argv.data());
  if (*held) xcb_disconnect(*held);
  StartupMark("qt");
  g_app->setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
  InitPump();
  InstallPointerTracker();
  ConnectBus();
  StartupMark("bus");
  g_active = false;
  // A window's own activation tells the model which one is active; this only
  // tells it that the program lost the keyboard, or got it back without one.
  QObject::connect(g_app, &QGuiApplication::applicationStateChanged, g_app, [](Qt::ApplicationState state) {
    CQtEntry entry;
    const bool active = state == Qt::ApplicationActive;
    if (active == g_active) return;
    g_active = active;
    if (!active || !common::Foreground()) common::SetAppActive(active);
  });
  // The user's keyboard moves (a click, Tab in a dialog): the model follows.
  QObject::connect(g_app, &QApplication::focusChanged, g_app, [](QWidget*, QWidget* now) {
    CQtEntry entry;
    if (const HWND h = WindowOfWidget(now)) common::FocusFromDevice(h);
  });
  return TRUE;
}

void ShutdownBackend() {
  using namespace desktop;
  if (!g_app) return;
  KillAllTimers();
  CloseAllMidi();
  ShutdownAudio();
  DropAllWindows();
  common::ResetWindowState();
  common::ThreadQueue().Clear();
  DisconnectBus();
  ShutdownPump();
  common::ResetGdi();
  delete g_app;
  g_app = nullptr;
}

}  // namespace plat
