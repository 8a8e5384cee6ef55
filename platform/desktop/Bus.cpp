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
#include <memory>
#include <set>
#include <vector>

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

LRESULT RunOp(HWND hwnd, RemoteOp op, int argument) {
  switch (op) {
    case RemoteOp::kIsWindow:
      return IsWindow(hwnd);
    case RemoteOp::kIsVisible:
      return IsWindowVisible(hwnd);
    case RemoteOp::kIsIconic:
      return IsIconic(hwnd);
    case RemoteOp::kIsZoomed:
      return IsZoomed(hwnd);
    case RemoteOp::kShow:
      ShowWindow(hwnd, argument);
      return 1;
    case RemoteOp::kSetForeground:
      return SetForegroundWindow(hwnd);
  }
  return 0;
}

// Calls from other programs arrive here, on the main thread, whenever this
// process handles Qt events (inside the message calls only).
class CBusObject : public QDBusVirtualObject {
 public:
  bool handleMessage(const QDBusMessage& m, const QDBusConnection& c) override {
    CQtEntry entry;
    const QVariantList a = m.arguments();
    const QString member = m.member();
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
      LRESULT result = 0;
      if (a[6].toBool()) {
        const QByteArray data = a[5].toByteArray();
        const COPYDATASTRUCT cds{static_cast<std::uintptr_t>(a[4].toULongLong()),
                                 static_cast<DWORD>(data.size()), data.constData()};
        result = common::DeliverSent(hwnd, msg, wParam, reinterpret_cast<LPARAM>(&cds));
      } else {
        result = common::DeliverSent(hwnd, msg, wParam, lParam);
      }
      c.send(m.createReply(QVariant::fromValue(static_cast<qlonglong>(result))));
      return true;
    }
    if (member == QLatin1String("Find") && a.size() == 3) {
      const QByteArray className = a[0].toString().toLatin1();
      const QByteArray title = a[1].toString().toLatin1();
      const HWND found = common::FindLocalWindow(className.constData(),
                                           a[2].toBool() ? title.constData() : nullptr);
      c.send(m.createReply(
          QVariant::fromValue(static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(found)))));
      return true;
    }
    if (member == QLatin1String("Op") && a.size() == 3) {
      const HWND hwnd = reinterpret_cast<HWND>(a[0].toULongLong());
      const int op = a[1].toInt();
      LRESULT result = 0;
      if (WindowProcess(hwnd) == ThisProcess() && op >= 0 &&
          op <= static_cast<int>(RemoteOp::kSetForeground)) {
        result = RunOp(hwnd, static_cast<RemoteOp>(op), a[2].toInt());
      }
      c.send(m.createReply(QVariant::fromValue(static_cast<qlonglong>(result))));
      return true;
    }
    return false;
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
  std::set<std::string> claimed;
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

// A call whose answer is awaited; its watcher makes the answer wake the
// waiting thread.
struct CPendingCall {
  QDBusPendingCall pending;
  std::unique_ptr<QDBusPendingCallWatcher> watcher;
};

std::map<unsigned, CPendingCall>& Calls() {
  static std::map<unsigned, CPendingCall> calls;
  return calls;
}

unsigned StartCall(const QDBusMessage& call) {
  static unsigned next = 0;
  if (!State().up) return 0;
  QDBusPendingCall pending = Bus().asyncCall(call, static_cast<int>(common::kSendTimeoutMs));
  auto watcher = std::make_unique<QDBusPendingCallWatcher>(pending);
  if (++next == 0) ++next;
  Calls().emplace(next, CPendingCall{pending, std::move(watcher)});
  return next;
}

// The answer of a call made with StartCall, waited for as a send waits.
bool Call(const QDBusMessage& call, LRESULT* answer) {
  const unsigned id = StartCall(call);
  return id && common::AwaitCall(id, answer);
}

QDBusMessage MessageCall(const QString& member, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  QDBusMessage call = QDBusMessage::createMethodCall(ProcessService(WindowProcess(hwnd)), kPath,
                                                     kInterface, member);
  std::uintptr_t kind = 0;
  QByteArray data;
  bool hasData = false;
  if (msg == WM_COPYDATA && lParam) {
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    kind = cds->dwData;
    if (cds->lpData && cds->cbData) {
      data = QByteArray(static_cast<const char*>(cds->lpData), static_cast<qsizetype>(cds->cbData));
    }
    hasData = true;
  }
  call << QVariant::fromValue(static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(hwnd)))
       << QVariant::fromValue(static_cast<uint>(msg))
       << QVariant::fromValue(static_cast<qulonglong>(wParam))
       << QVariant::fromValue(static_cast<qlonglong>(hasData ? 0 : lParam))
       << QVariant::fromValue(static_cast<qulonglong>(kind)) << QVariant::fromValue(data)
       << QVariant::fromValue(hasData);
  return call;
}

// Tells everyone who awaits the end of the process behind service, once.
void PostEnds(const QString& service) {
  CBusState& s = State();
  const auto [from, to] = s.endWatches.equal_range(service);
  std::vector<CEndWatch> told;
  for (auto it = from; it != to; ++it) told.push_back(it->second);
  s.endWatches.erase(from, to);
  if (s.ends) s.ends->removeWatchedService(service);
  for (const CEndWatch& w : told) common::PostFromDevice(w.notify, w.message, 0, HandleToLParam(w.window));
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
  const auto reply = bus.interface()->registerService(ProcessService(ThisProcess()),
                                                      QDBusConnectionInterface::DontQueueService);
  s.up = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
  if (!s.ends) {
    s.ends = new QDBusServiceWatcher;
    s.ends->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
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
  for (const std::string& c : s.claimed) bus.interface()->unregisterService(ClassService(c));
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
  if (!s.up || service.isEmpty()) return false;
  const auto reply = Bus().interface()->registerService(
      service, QDBusConnectionInterface::DontQueueService,
      QDBusConnectionInterface::DontAllowReplacement);
  if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) return false;
  s.claimed.insert(QByteArray::fromStdString(className).toLower().toStdString());
  return true;
}

void ReleaseClassName(const std::string& className) {
  CBusState& s = State();
  const std::string key = QByteArray::fromStdString(className).toLower().toStdString();
  if (!s.up || !s.claimed.erase(key)) return;
  Bus().interface()->unregisterService(ClassService(className));
}

HWND FindRemoteWindow(const char* className, const char* title) {
  const QString service = ClassService(className ? className : "");
  if (!State().up || service.isEmpty()) return nullptr;
  QDBusMessage call = QDBusMessage::createMethodCall(service, kPath, kInterface, QStringLiteral("Find"));
  call << QString::fromLatin1(className) << QString::fromLatin1(title ? title : "")
       << (title != nullptr);
  LRESULT answer = 0;
  if (!Call(call, &answer)) return nullptr;
  const HWND found = reinterpret_cast<HWND>(answer);
  return IsRemoteHandle(found) ? found : nullptr;
}

bool WatchRemoteWindow(HWND hwnd, HWND notify, UINT message) {
  CBusState& s = State();
  if (!s.up || !s.ends) return false;
  const QString service = ProcessService(WindowProcess(hwnd));
  s.endWatches.emplace(service, CEndWatch{hwnd, notify, message});
  s.ends->addWatchedService(service);
  // Asked once, after the watch began: a process that left before it is
  // not announced again.
  const auto registered = Bus().interface()->isServiceRegistered(service);
  if (!registered.isValid() || !registered.value()) PostEnds(service);
  return true;
}

LRESULT RemoteWindowOp(HWND hwnd, RemoteOp op, int argument) {
  QDBusMessage call = QDBusMessage::createMethodCall(ProcessService(WindowProcess(hwnd)), kPath,
                                                     kInterface, QStringLiteral("Op"));
  call << QVariant::fromValue(static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(hwnd)))
       << static_cast<int>(op) << argument;
  LRESULT answer = 0;
  return Call(call, &answer) ? answer : 0;
}

}  // namespace plat::desktop

namespace plat::common {

using namespace desktop;

bool IsOtherProcessWindow(HWND hwnd) { return IsRemoteHandle(hwnd); }

unsigned CarrySend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  StartupMark("remote out");
  return StartCall(MessageCall(QStringLiteral("Send"), hwnd, msg, wParam, lParam));
}

bool CarryPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!State().up || msg == WM_COPYDATA) return false;
  QDBusConnection bus = Bus();
  const auto registered = bus.interface()->isServiceRegistered(ProcessService(WindowProcess(hwnd)));
  if (!registered.isValid() || !registered.value()) return false;
  return bus.send(MessageCall(QStringLiteral("Post"), hwnd, msg, wParam, lParam));
}

int AnswerOfCall(unsigned call, LRESULT* result) {
  auto it = Calls().find(call);
  if (it == Calls().end()) return -1;
  if (!it->second.pending.isFinished()) return 0;
  const QDBusMessage reply = it->second.pending.reply();
  Calls().erase(it);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return -1;
  *result = static_cast<LRESULT>(reply.arguments().first().toLongLong());
  return 1;
}

void DropCall(unsigned call) { Calls().erase(call); }

}  // namespace plat::common
