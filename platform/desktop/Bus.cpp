#include "platform/desktop/Bus.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>

#include <map>
#include <set>

#include "platform/common/Device.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/StartupTrace.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

const QString kPath = QStringLiteral("/w");
const QString kInterface = QStringLiteral("casino.plat.Window");

QString ProcessService(std::uint32_t pid) {
  return QStringLiteral("casino.plat.p%1").arg(pid);
}

// Class names ignore case, so the name is made of the lower-case bytes.
QString ClassService(const std::string& className) {
  const QByteArray hex = QByteArray::fromStdString(className).toLower().toHex();
  if (hex.isEmpty() || hex.size() > 200) return QString();
  return QStringLiteral("casino.plat.c") + QString::fromLatin1(hex);
}

// An op number that names none answers 0.
LRESULT RunOp(HWND hwnd, int op, int argument) {
  switch (static_cast<common::ForeignOp>(op)) {
    case common::ForeignOp::kIsWindow:
      return IsWindow(hwnd);
    case common::ForeignOp::kIsVisible:
      return IsWindowVisible(hwnd);
    case common::ForeignOp::kIsIconic:
      return IsIconic(hwnd);
    case common::ForeignOp::kIsZoomed:
      return IsZoomed(hwnd);
    case common::ForeignOp::kShow:
      ShowWindow(hwnd, argument);
      return 1;
    case common::ForeignOp::kSetForeground:
      return SetForegroundWindow(hwnd);
  }
  return 0;
}

// Calls from other programs arrive here, on the main thread, whenever this
// process handles Qt events (inside the message calls only). Each but a post
// is answered with one number.
class CBusObject : public QDBusVirtualObject {
 public:
  bool handleMessage(const QDBusMessage& m, const QDBusConnection& c) override {
    CQtEntry entry;
    const QVariantList a = m.arguments();
    const QString member = m.member();
    LRESULT result = 0;
    if ((member == QLatin1String("Send") || member == QLatin1String("Post")) && a.size() == 7) {
      StartupMark("remote in");
      const HWND hwnd = reinterpret_cast<HWND>(a[0].toULongLong());
      const UINT msg = a[1].toUInt();
      const WPARAM wParam = static_cast<WPARAM>(a[2].toULongLong());
      const LPARAM lParam = static_cast<LPARAM>(a[3].toLongLong());
      if (member == QLatin1String("Post")) {
        common::DeliverPosted(hwnd, msg, wParam, lParam);
        return true;
      }
      // WM_COPYDATA's bytes arrive instead of its pointer.
      const QByteArray data = a[5].toByteArray();
      const COPYDATASTRUCT cds{static_cast<std::uintptr_t>(a[4].toULongLong()), static_cast<DWORD>(data.size()),
                               data.constData()};
      result = common::DeliverSent(hwnd, msg, wParam, a[6].toBool() ? reinterpret_cast<LPARAM>(&cds) : lParam);
    } else if (member == QLatin1String("Find") && a.size() == 3) {
      const QByteArray className = a[0].toString().toLatin1();
      const QByteArray title = a[1].toString().toLatin1();
      result = reinterpret_cast<LRESULT>(
          common::FindLocalWindow(className.constData(), a[2].toBool() ? title.constData() : nullptr));
    } else if (member == QLatin1String("Op") && a.size() == 3) {
      const HWND hwnd = reinterpret_cast<HWND>(a[0].toULongLong());
      if (WindowProcess(hwnd) == ThisProcess()) result = RunOp(hwnd, a[1].toInt(), a[2].toInt());
    } else {
      return false;
    }
    c.send(m.createReply(QVariant::fromValue(static_cast<qlonglong>(result))));
    return true;
  }
  QString introspect(const QString&) const override { return QString(); }
};

// A window whose end is awaited, and who is told of it.
struct CEndWatch {
  HWND window;
  HWND notify;
  UINT message;
};

struct CBusState {
  bool up = false;
  CBusObject* object = nullptr;
  std::set<QString> claimed;  // class services
  // One watcher for every process whose end is awaited, never deleted:
  // Qt's bus thread may still set up a watcher's match rules after it has
  // been deleted, and crashes on it.
  QDBusServiceWatcher* ends = nullptr;
  std::multimap<QString, CEndWatch> endWatches;  // by process service
};

CBusState& State() {
  static CBusState state;
  return state;
}

QDBusConnection Bus() { return QDBusConnection::sessionBus(); }

// Takes the name on the bus; false when another program holds it.
bool Own(const QString& service) {
  const auto reply = Bus().interface()->registerService(service);
  return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

// How long a call to another program waits for its answer.
constexpr DWORD kCallTimeoutMs = 3000;

// The answer of a call to another program, awaited as a send awaits it.
bool Call(const QDBusMessage& call, LRESULT* answer) {
  if (!State().up) return false;
  const QDBusPendingCall pending = Bus().asyncCall(call, static_cast<int>(kCallTimeoutMs));
  // The watcher makes the answer wake the waiting thread.
  const QDBusPendingCallWatcher watcher(pending);
  const DWORD start = timeGetTime();
  while (!pending.isFinished()) {
    const DWORD spent = timeGetTime() - start;
    if (spent >= kCallTimeoutMs) return false;
    WaitForSentOnly(static_cast<int>(kCallTimeoutMs - spent));
  }
  const QDBusMessage reply = pending.reply();
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  *answer = static_cast<LRESULT>(reply.arguments().first().toLongLong());
  return true;
}

QDBusMessage MessageCall(const QString& member, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  QDBusMessage call = QDBusMessage::createMethodCall(ProcessService(WindowProcess(hwnd)), kPath,
                                                     kInterface, member);
  // WM_COPYDATA's bytes travel instead of its pointer.
  const auto* cds = msg == WM_COPYDATA ? reinterpret_cast<const COPYDATASTRUCT*>(lParam) : nullptr;
  QByteArray data;
  if (cds && cds->lpData && cds->cbData) {
    data = QByteArray(static_cast<const char*>(cds->lpData), static_cast<qsizetype>(cds->cbData));
  }
  call << QVariant::fromValue(static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(hwnd)))
       << QVariant::fromValue(static_cast<uint>(msg))
       << QVariant::fromValue(static_cast<qulonglong>(wParam))
       << QVariant::fromValue(static_cast<qlonglong>(cds ? 0 : lParam))
       << QVariant::fromValue(static_cast<qulonglong>(cds ? cds->dwData : 0)) << QVariant::fromValue(data)
       << QVariant::fromValue(cds != nullptr);
  return call;
}

// Tells everyone who awaits the end of the process behind service, once.
void PostEnds(const QString& service) {
  CBusState& s = State();
  const auto [from, to] = s.endWatches.equal_range(service);
  for (auto it = from; it != to; ++it) {
    common::PostFromDevice(it->second.notify, it->second.message, 0, HandleToLParam(it->second.window));
  }
  s.endWatches.erase(from, to);
  if (s.ends) s.ends->removeWatchedService(service);
}

}  // namespace

bool ConnectBus() {
  CBusState& s = State();
  QDBusConnection bus = Bus();
  if (!bus.isConnected() || !bus.interface()) return false;
  s.object = new CBusObject;
  if (!bus.registerVirtualObject(kPath, s.object, QDBusConnection::SingleNode)) {
    delete s.object;
    s.object = nullptr;
    return false;
  }
  s.up = Own(ProcessService(ThisProcess()));
  if (!s.ends) {
    s.ends = new QDBusServiceWatcher(QString(), bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(s.ends, &QDBusServiceWatcher::serviceUnregistered, s.ends, [](const QString& service) {
      CQtEntry entry;
      PostEnds(service);
    });
  }
  s.ends->setConnection(bus);
  return s.up;
}

void DisconnectBus() {
  CBusState& s = State();
  if (!s.object) return;
  QDBusConnection bus = Bus();
  for (const QString& c : s.claimed) bus.interface()->unregisterService(c);
  s.claimed.clear();
  bus.interface()->unregisterService(ProcessService(ThisProcess()));
  bus.unregisterObject(kPath);
  delete s.object;
  s.object = nullptr;
  s.up = false;
  if (s.ends) s.ends->setWatchedServices({});
  s.endWatches.clear();
}

bool ClaimClassName(const std::string& className) {
  CBusState& s = State();
  const QString service = ClassService(className);
  if (!s.up || service.isEmpty() || !Own(service)) return false;
  s.claimed.insert(service);
  return true;
}

void ReleaseClassName(const std::string& className) {
  CBusState& s = State();
  const QString service = ClassService(className);
  if (!s.up || !s.claimed.erase(service)) return;
  Bus().interface()->unregisterService(service);
}

}  // namespace plat::desktop

namespace plat::common {

using namespace desktop;

bool CarrySend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (!IsRemoteHandle(hwnd)) return false;
  StartupMark("remote out");
  return Call(MessageCall(QStringLiteral("Send"), hwnd, msg, wParam, lParam), result);
}

bool CarryPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsRemoteHandle(hwnd) || !State().up || msg == WM_COPYDATA) return false;
  QDBusConnection bus = Bus();
  const auto registered = bus.interface()->isServiceRegistered(ProcessService(WindowProcess(hwnd)));
  if (!registered.isValid() || !registered.value()) return false;
  return bus.send(MessageCall(QStringLiteral("Post"), hwnd, msg, wParam, lParam));
}

LRESULT ForeignWindowOp(HWND hwnd, ForeignOp op, int argument) {
  if (!IsRemoteHandle(hwnd)) return 0;
  QDBusMessage call = QDBusMessage::createMethodCall(ProcessService(WindowProcess(hwnd)), kPath,
                                                     kInterface, QStringLiteral("Op"));
  call << QVariant::fromValue(static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(hwnd)))
       << static_cast<int>(op) << argument;
  LRESULT answer = 0;
  return Call(call, &answer) ? answer : 0;
}

// The end is announced by the bus when the window's process leaves it.
bool WatchForeignWindow(HWND hwnd, HWND notify, UINT message) {
  CBusState& s = State();
  if (!IsRemoteHandle(hwnd) || !s.up || !s.ends) return false;
  const QString service = ProcessService(WindowProcess(hwnd));
  s.endWatches.emplace(service, CEndWatch{hwnd, notify, message});
  s.ends->addWatchedService(service);
  // Asked once, after the watch began: a process that left before it is
  // not announced again.
  const auto registered = Bus().interface()->isServiceRegistered(service);
  if (!registered.isValid() || !registered.value()) PostEnds(service);
  return true;
}

// Asks the program that holds the class's name.
HWND FindForeignWindow(const char* className, const char* title) {
  const QString service = ClassService(className ? className : "");
  if (!State().up || service.isEmpty()) return nullptr;
  QDBusMessage call = QDBusMessage::createMethodCall(service, kPath, kInterface, QStringLiteral("Find"));
  call << QString::fromLatin1(className) << QString::fromLatin1(title ? title : "")
       << (title != nullptr);
  LRESULT answer = 0;
  const HWND found = Call(call, &answer) ? reinterpret_cast<HWND>(answer) : nullptr;
  return IsRemoteHandle(found) ? found : nullptr;
}

}  // namespace plat::common
