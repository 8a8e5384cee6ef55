// A peer window in another program, or in this one: finding it, WM_COPYDATA,
// nested sends in both directions, posts. Across real processes (desktop
// only, over the session bus) also the single-instance check, sent messages
// during modal loops, and a peer that hangs or goes away.
#include <signal.h>

#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/PeerProtocol.h"
#if PLAT_CONTRACT_DESKTOP
#include "tests/platform/contract/PeerProcess.h"
#endif

using namespace plat;
using namespace contract;

namespace {

enum class PeerPlace { kThisProcess, kOtherProcess };

// A host window that answers the peer (nests, takes copied bytes), and the peer.
class PeerFixture : public Contract {
 protected:
  virtual PeerPlace Place() const = 0;
  void SetUp() override {
    Contract::SetUp();
    hook = [this](HWND self, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* r) {
      if (msg == ReadyMessage()) {
        peer = WParamToHandle(wParam);
        *r = 1;
        return true;
      }
      if (msg == NestMessage()) {
        *r = lParam == 0 ? 100
                         : SendMessage(WParamToHandle(wParam), NestMessage(), HandleToWParam(self),
                                       lParam - 1) + 1;
        return true;
      }
      if (msg == WM_COPYDATA) {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* bytes = static_cast<const BYTE*>(cds->lpData);
        copied.assign(bytes, bytes + cds->cbData);
        copiedKind = cds->dwData;
        copiedFrom = WParamToHandle(wParam);
        *r = TRUE;
        return true;
      }
      return false;
    };
    hwnd = Create(WS_POPUP, 0, 0, 10, 10);
    ASSERT_NE(hwnd, nullptr);
    if (Place() == PeerPlace::kThisProcess) {
      WNDCLASS wc{};
      wc.lpfnWndProc = PeerProc;
      wc.lpszClassName = kPeerClass;
      RegisterClass(&wc);  // the desktop keeps it from an earlier test
      peer = CreateWindow(kPeerClass, kPeerTitle, WS_POPUP, 0, 0, 20, 20, nullptr, 0, GetModuleInstance(),
                          nullptr);
      ASSERT_NE(peer, nullptr);
      return;
    }
#if PLAT_CONTRACT_DESKTOP
    ASSERT_TRUE(process.Start("serve", hwnd));
    ASSERT_TRUE(PumpUntil([this] { return peer != nullptr; })) << "the peer did not report";
#endif
  }
  void TearDown() override {
    hook = nullptr;  // tests' hooks may refer to their own locals
#if PLAT_CONTRACT_DESKTOP
    process.Stop();
#endif
    if (Place() == PeerPlace::kThisProcess) DestroyWindow(peer);
    Contract::TearDown();
  }
#if PLAT_CONTRACT_DESKTOP
  CPeerProcess process;
#endif
  HWND hwnd = nullptr;
  HWND peer = nullptr;
  std::vector<BYTE> copied;
  std::uintptr_t copiedKind = 0;
  HWND copiedFrom = nullptr;
};

class Ipc : public PeerFixture, public testing::WithParamInterface<PeerPlace> {
 protected:
  PeerPlace Place() const override { return GetParam(); }
};

std::string PlaceName(const testing::TestParamInfo<PeerPlace>& info) {
  return info.param == PeerPlace::kThisProcess ? "InThisProcess" : "AcrossProcessesOnDesktop";
}

#if PLAT_CONTRACT_DESKTOP
INSTANTIATE_TEST_SUITE_P(Peer, Ipc, testing::Values(PeerPlace::kThisProcess, PeerPlace::kOtherProcess),
                         PlaceName);
#else
INSTANTIATE_TEST_SUITE_P(Peer, Ipc, testing::Values(PeerPlace::kThisProcess), PlaceName);
#endif

TEST_P(Ipc, TheOtherProgramsWindowIsFoundByClassAndTitle) {
  EXPECT_EQ(FindWindow(kPeerClass, nullptr), peer);
  EXPECT_EQ(FindWindow("desktoptestpeer", kPeerTitle), peer);
  EXPECT_EQ(FindWindow(kPeerClass, "Another title"), nullptr);
  EXPECT_TRUE(IsWindow(peer));
  EXPECT_FALSE(IsWindowVisible(peer));
  EXPECT_NE(peer, hwnd);
}

TEST_P(Ipc, CopyDataCarriesTheBytesAndAnswers) {
  std::vector<BYTE> data(200);
  LRESULT sum = 0;
  for (int i = 0; i < 200; ++i) {
    data[static_cast<std::size_t>(i)] = static_cast<BYTE>(i * 7 + 3);
    sum += data[static_cast<std::size_t>(i)];
  }
  const COPYDATASTRUCT cds{kSumKind, 200, data.data()};
  EXPECT_EQ(SendMessage(peer, WM_COPYDATA, HandleToWParam(hwnd), reinterpret_cast<LPARAM>(&cds)), sum);
  // The peer sent the bytes back, reversed, while this send waited.
  ASSERT_EQ(copied.size(), 200u);
  EXPECT_EQ(copiedKind, kReversedKind);
  EXPECT_EQ(copiedFrom, peer);
  for (std::size_t i = 0; i < 200; ++i) EXPECT_EQ(copied[i], data[199 - i]);
  const COPYDATASTRUCT empty{kSumKind, 0, nullptr};
  EXPECT_EQ(SendMessage(peer, WM_COPYDATA, HandleToWParam(hwnd), reinterpret_cast<LPARAM>(&empty)), 0);
  EXPECT_TRUE(copied.empty());
}

TEST_P(Ipc, NestedSendsGoBothWaysButPostsWait) {
  constexpr UINT kPosted = WM_USER + 30;
  auto nest = hook;
  bool postedDuringSend = false;
  hook = [&, nest](HWND self, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* r) {
    if (msg == NestMessage()) postedDuringSend = postedDuringSend || Has(kPosted);
    return msg == kPosted || nest(self, msg, wParam, lParam, r);
  };
  PostMessage(hwnd, kPosted, 0, 0);
  EXPECT_EQ(SendMessage(peer, NestMessage(), HandleToWParam(hwnd), 0), 100);
  EXPECT_EQ(SendMessage(peer, NestMessage(), HandleToWParam(hwnd), 7), 107);
  EXPECT_FALSE(postedDuringSend);
  EXPECT_TRUE(PumpUntil([&] { return Has(kPosted); }));
}

TEST_P(Ipc, PostsArriveInTheOtherQueue) {
  ASSERT_TRUE(PostMessage(peer, PostTestMessage(), 41, HandleToLParam(hwnd)));
  ASSERT_TRUE(PumpUntil([this] { return Has(AckMessage()); }));
  for (const Received& r : log) {
    if (r.msg == AckMessage()) {
      EXPECT_EQ(r.wParam, 42u);
    }
  }
}

#if PLAT_CONTRACT_DESKTOP

class IpcAcrossProcesses : public PeerFixture {
 protected:
  PeerPlace Place() const override { return PeerPlace::kOtherProcess; }
};

TEST_F(IpcAcrossProcesses, ASecondCopyFindsTheFirstAndEndsOnDesktop) {
  CPeerProcess second;
  ASSERT_TRUE(second.Start("second", hwnd));
  ASSERT_TRUE(PumpUntil([this] { return Has(SecondMessage()); }));
  for (const Received& r : log) {
    if (r.msg == SecondMessage()) {
      EXPECT_EQ(WParamToHandle(r.wParam), peer);
    }
  }
  EXPECT_TRUE(second.WaitForEnd(10000));
  EXPECT_EQ(FindWindow(kPeerClass, nullptr), peer);  // the first still holds the class
}

TEST_F(IpcAcrossProcesses, SentMessagesArriveWhileAMessageBoxIsOpenOnDesktop) {
  constexpr UINT kLater = WM_USER + 20;
  bool laterSeenInBox = false;
  int pokes = 0;
  hook = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT* r) {
    if (msg == kLater) return true;
    if (msg != PokeMessage()) return false;
    ++pokes;
    laterSeenInBox = laterSeenInBox || Has(kLater);
    HWND box = FindWindow("#32770", "Desktop test question");
    if (box) {
      PostMessage(box, WM_KEYDOWN, VK_ESCAPE, 0);  // a Yes/No box cannot be escaped
      PostMessage(box, WM_COMMAND, IDNO, 0);
    }
    *r = box ? 1 : 0;
    return true;
  };
  PostMessage(hwnd, kLater, 0, 0);
  PostMessage(peer, PokeMeMessage(), HandleToWParam(hwnd), 0);
  EXPECT_EQ(MessageBox(hwnd, "Shall we?", "Desktop test question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_GE(pokes, 1);
  EXPECT_FALSE(laterSeenInBox);  // a message posted to another window waited
  EXPECT_TRUE(PumpUntil([&] { return Has(kLater); }));
}

TEST_F(IpcAcrossProcesses, MessageBoxDefaultButtonAnswersEnterOnDesktop) {
  hook = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT* r) {
    if (msg != PokeMessage()) return false;
    HWND box = FindWindow("#32770", "Desktop test default");
    if (box) PostMessage(box, WM_KEYDOWN, VK_RETURN, 0);
    *r = box ? 1 : 0;
    return true;
  };
  PostMessage(peer, PokeMeMessage(), HandleToWParam(hwnd), 0);
  EXPECT_EQ(MessageBox(nullptr, "Leave?", "Desktop test default",
                       MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONEXCLAMATION | MB_SETFOREGROUND),
            IDCANCEL);
  PostMessage(peer, PokeMeMessage(), HandleToWParam(hwnd), 0);
  EXPECT_EQ(MessageBox(nullptr, "Done.", "Desktop test default", MB_OK | MB_ICONSTOP), IDOK);
}

const DLGITEMTEMPLATE kWaitItems[] = {{CTL_DEFPUSHBUTTON, IDOK, "OK", 10, 10, 80, 24, 0}};
const DLGTEMPLATE kWaitDialog = {"Waiting", 200, 60, nullptr, 0, TRUE, kWaitItems, 1};
HWND g_dialogHost = nullptr;
HWND g_dialogPeer = nullptr;

INT_PTR WaitProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    PostMessage(g_dialogPeer, PokeMeMessage(), HandleToWParam(g_dialogHost), 0);
    return TRUE;
  }
  if (msg == WM_USER + 1) {
    EndDialog(dialog, 5);
    return TRUE;
  }
  return FALSE;
}

TEST_F(IpcAcrossProcesses, SentMessagesReachTheMainWindowWhileADialogRunsOnDesktop) {
  RegisterDialogResource(300, &kWaitDialog);
  g_dialogHost = hwnd;
  g_dialogPeer = peer;
  int pokes = 0;
  hook = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT* r) {
    if (msg != PokeMessage()) return false;
    ++pokes;
    HWND dialog = FindWindow("#32770", "Waiting");
    if (dialog) PostMessage(dialog, WM_USER + 1, 0, 0);
    *r = 1;
    return true;
  };
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 300, hwnd, WaitProc, 0), 5);
  EXPECT_EQ(pokes, 1);
}

TEST_F(IpcAcrossProcesses, APeerThatDoesNotAnswerFailsTheSendAfterTheTimeoutOnDesktop) {
  // The peer sleeps inside the handler for longer than a send may wait.
  EXPECT_EQ(SendMessage(peer, HangMessage(), 0, 6000), 0);
  // Once it handles messages again, it answers again.
  EXPECT_TRUE(PumpUntil([&] { return SendMessage(peer, NestMessage(), HandleToWParam(hwnd), 0) == 100; }, 20000));
}

TEST_F(IpcAcrossProcesses, APeerThatHasGoneFailsAtOnceOnDesktop) {
  const HWND gone = peer;
  ASSERT_TRUE(process.Stop());
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(SendMessage(gone, NestMessage(), HandleToWParam(hwnd), 0), 0);
  EXPECT_FALSE(PostMessage(gone, PostTestMessage(), 0, 0));
  EXPECT_FALSE(SetForegroundWindow(gone));
  EXPECT_EQ(FindWindow(kPeerClass, nullptr), nullptr);
}

TEST_F(IpcAcrossProcesses, APeersEndIsToldByTheBusWithoutAskingOnDesktop) {
  const UINT gone = RegisterWindowMessage("desktop-test-gone");
  ASSERT_TRUE(WatchWindow(peer, hwnd, gone));
  // While the peer lives nothing is told.
  PumpFor(300);
  EXPECT_FALSE(Has(gone));
  // Killed outright, the peer destroys no window and tells nobody: only the
  // bus sees its connection end, and its notice wakes the waiting loop.
  const HWND watched = peer;
  ASSERT_EQ(::kill(static_cast<pid_t>(process.Id()), SIGKILL), 0);
  MSG msg;
  bool woken = false;
  for (int i = 0; i < 10 && !Has(gone); ++i) {
    woken = WaitMessageTimeout(30000) || woken;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
  }
  EXPECT_TRUE(woken);
  ASSERT_EQ(Count(gone), 1);
  for (const Received& r : log) {
    if (r.msg != gone) continue;
    EXPECT_EQ(r.hwnd, hwnd);
    EXPECT_EQ(r.wParam, 0u);
    EXPECT_EQ(r.lParam, HandleToLParam(watched));
  }
  EXPECT_TRUE(process.WaitForEnd(10000));
  // A window whose program has already gone is told of at once.
  ASSERT_TRUE(WatchWindow(watched, hwnd, gone));
  EXPECT_TRUE(PumpUntil([&] { return Count(gone) == 2; }));
}

#endif

}  // namespace
