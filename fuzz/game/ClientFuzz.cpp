// The client end: the shell runs the program as the whole-program tests run
// it, and once its client is ready the fuzzer's driver runs inside the
// program's first idle moment, stepping ClientRun per input with its own
// link end. Starting the shell once keeps an input at the cost of its frames.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

#include "framework/link/BtnLog.h"
#include "framework/link/Restore.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Program.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "fuzz/FuzzArguments.h"
#include "fuzz/game/FuzzLink.h"
#include "fuzz/game/FuzzPacket.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

extern "C" int LLVMFuzzerRunDriver(int* argc, char*** argv,
                                   int (*callback)(const std::uint8_t* data, std::size_t size));

namespace {

// Enough for the round under way and a whole next one with every
// animation on, at the stakes a restored record may hold: a Craps Come and
// Don't Come bet of a million walk to their points a chip at a time, 8,000
// frames each.
constexpr int kFinishFrames = 24000;
constexpr double kStartMoney = 1000.0;
constexpr char kFatalCaption[] = "FATAL ERROR";
constexpr char kClientPrefix[] = "CLIENT: ";

const ClientFuzzTarget* gTarget = nullptr;
std::vector<std::string> gWords;  // the driver's arguments
std::vector<char*> gArgv;
bool gDriverStarted = false;
CComm gComm;
CFuzzTransport* gTransport = nullptr;
int gPlayerAgrees = 0;  // the player's answer to a question box

// A question ("Return to main menu?", bets lost on quitting) gets the
// player's answer; a notice its OK.
int AnswerBox(const plat::headless::MessageBoxRecord& box) {
  if (box.type & plat::MB_YESNO) return gPlayerAgrees ? plat::IDYES : plat::IDNO;
  if (box.type & plat::MB_OKCANCEL) return gPlayerAgrees ? plat::IDOK : plat::IDCANCEL;
  return plat::IDOK;
}

int FatalBoxes(std::string* text) {
  int count = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption != kFatalCaption) continue;
    ++count;
    *text = box.text;
  }
  return count;
}

class CClientRun {
 public:
  explicit CClientRun(const ClientFuzzTarget& t) : target(t), game(*t.game) {}

  void Step() {
    const int result = game.ClientRun(gClientRecord, gComm, kSavedGameUser);
    const int before = ended;
    CheckResult(result, &ended);
    if (before == 0 && ended != 0) CheckEnd();
  }

  // -2 only after the fatal box with the client's text; -1 without one.
  void CheckEnd() const {
    std::string text;
    const int boxes = FatalBoxes(&text);
    if (ended == -1 && boxes != 0) FuzzFault("the client left normally after a fatal box");
    if (ended != -2) return;
    const std::size_t prefix = sizeof kClientPrefix - 1;
    if (boxes == 0) FuzzFault("the client failed without a fatal box");
    if (text.compare(0, prefix, kClientPrefix) != 0 || text.size() == prefix ||
        text[prefix] == '\n') {
      std::fprintf(stderr, "box text: %s\n", text.c_str());
      FuzzFault("the fatal box lacks the client's error text");
    }
  }

  void Deliver(const std::string& text) { gComm.OnDataReceived(text.c_str(), text.size() + 1); }

  // The answer a normal server would give now, empty when none is due.
  std::string DueAnswer() const {
    if (gComm.recvAllocated != kRecvEmpty || gComm.sendAllocated != kSendFree) return "";
    return target.ServerAnswerFor(gClientRecord);
  }

  // The player presses an enabled button (the shell drops others) or a key,
  // and the program's loop runs what that posted: a quit's WM_CLOSE asks
  // its question, answered from the input.
  void Press(CFuzzReader& in) {
    gPlayerAgrees = in.Byte() % 2;
    if (in.Byte() % 4 == 0) {
      PressKey(in);
    } else if (game.buttonCount > 0) {
      const int button = in.Byte() % game.buttonCount;
      const int kind = in.Byte() % 2 ? 2 : 1;
      if (IsButtonEnabled(button)) PressButton(button, kind);
    }
    plat::MSG msg{};
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) {
      if (msg.message == plat::WM_QUIT) FuzzFault("the program quit during a round");
      plat::TranslateMessage(&msg);
      plat::DispatchMessage(&msg);
    }
  }

  // The keys the programs know, or a letter or digit.
  static void PressKey(CFuzzReader& in) {
    constexpr plat::WPARAM kKeys[] = {plat::VK_ESCAPE, plat::VK_RETURN, plat::VK_SPACE, plat::VK_HOME};
    constexpr char kCharacters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::uint8_t pick = in.Byte();
    const plat::WPARAM key = pick < 64 ? kKeys[pick % 4] : kCharacters[pick % (sizeof kCharacters - 1)];
    plat::headless::PostKey(gMainWindow, key, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, key, plat::FALSE, plat::FALSE);
  }

  // A normal server and player from here: the client must get through a
  // whole round (back at a round's start after leaving it) or leave.
  void FinishRound() {
    if (ended) return;
    gTransport->accept = 1;
    // A packet nobody asked for still waits, or one already read has put the
    // client on its fatal path before a normal answer came: ending on it is
    // the fuzz's doing.
    const bool stray = gComm.recvAllocated == kRecvWaiting;
    bool answered = false;
    int arrivals = target.ClientAtRoundStart(gClientRecord) ? 1 : 0;
    bool away = false;
    for (int frame = 0; frame < kFinishFrames; ++frame) {
      const std::string answer = DueAnswer();
      if (!answer.empty()) {
        Deliver(answer);
        answered = true;
      }
      target.PlayRound(gClientRecord);
      Step();
      if (ended == -1 || (ended == -2 && (stray || !answered || RefusedSnapshot()))) return;
      if (ended == -2) {
        std::string text;
        FatalBoxes(&text);
        std::fprintf(stderr, "fatal box: %s\n", text.c_str());
        FuzzFault("the client failed a normal round");
      }
      const bool atStart = target.ClientAtRoundStart(gClientRecord) != 0;
      if (atStart && away) ++arrivals;
      away = !atStart;
      if (arrivals >= 2) return;
    }
    FuzzFault("the client did not finish a normal round");
  }

  // The restore refused a snapshot whose fields the input altered.
  bool RefusedSnapshot() const {
    std::string text;
    return snapshotAltered && FatalBoxes(&text) != 0 &&
           text == std::string(kClientPrefix) + target.snapshotRefusedText;
  }

  const ClientFuzzTarget& target;
  const GameDefinition& game;
  int ended = 0;
  bool snapshotAltered = false;
};

// Values no real snapshot holds in a field: counts, indices and flags out
// of every range; amounts NaN, infinite, huge, negative or fractional.
constexpr std::int32_t kOddInts[] = {-1, 2, 3, 5, 7, 11, 12, 13, 45, 46, 67, 70, 1000, -1000,
                                     std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()};
constexpr float kOddFloats[] = {std::numeric_limits<float>::quiet_NaN(), HUGE_VALF, -HUGE_VALF,
                                -1.0f, -5.0f, 0.5f, 2.75f, 1e30f, -1e30f, 3e9f, 1e7f, 1e-30f};
constexpr double kOddDoubles[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL,
                                  -1.0, -500.0, 0.001, 2.5, 1e300, -1e300, 1e12, 3e9};

template <class T, int N>
void PutOdd(CFuzzReader& in, const T (&values)[N], std::uint8_t* at) {
  std::memcpy(at, &values[in.Byte() % N], sizeof(T));
}

// The client's snapshot file written as the record stands, with a few
// fields (4-byte places; 8 for a double) given odd values or input bytes.
// Answers whether any field was altered.
bool WriteClientSnapshot(CFuzzReader& in) {
  const std::size_t size = gTarget->clientRecordSize;
  std::vector<std::uint8_t> plain(size);
  std::memcpy(plain.data(), gClientRecord, size);
  const int fields = in.Byte() % 5;
  for (int n = fields; n > 0; --n) {
    const std::size_t place = (in.Byte() | in.Byte() << 8) % size;
    const std::uint8_t kind = in.Byte() % 4;
    std::uint8_t* at = plain.data() + (kind == 2 ? place / 8 * 8 : place / 4 * 4);
    if (at + 8 > plain.data() + size) at = plain.data() + size - 8;
    switch (kind) {
      case 0: PutOdd(in, kOddInts, at); break;
      case 1: PutOdd(in, kOddFloats, at); break;
      case 2: PutOdd(in, kOddDoubles, at); break;
      default:
        for (int i = 0; i < 4; ++i) at[i] = in.Byte();
        break;
    }
  }
  if (!gTarget->StoreClientSnapshot(plain.data())) FuzzFault("cannot write the client snapshot");
  return fields != 0;
}

// The tags a restore's server answers carry: the playback mark and one
// recorded press, due at a client step from the input.
std::string ReplayedPress(CFuzzReader& in) {
  const int buttons = gTarget->game->buttonCount > 0 ? gTarget->game->buttonCount : 1;
  const int button = in.Byte() % buttons;
  const int step = in.Byte();
  const float value = in.Byte() % 2 ? kBtnValueRight : kBtnValueLeft;
  char text[96];
  std::snprintf(text, sizeof text, "&PLAYBACK=1&BTN=%d&STE=%d&VAL=%g", button, step, value);
  return text;
}

// Empty logs of the backend, playback objects and link end. Run after every input
// too: libFuzzer runs an input again, and then looks for leaks, whenever it
// ends holding more blocks than it began with, which doubled each input.
void ClearLogs() {
  plat::headless::ClearMessageBoxes();
  plat::headless::ClearSounds();
  plat::headless::ClearDialogs();
  plat::headless::ClearPresentLog();
  plat::headless::ClearShellOpens();
  // What a step posted outside a press (an error's WM_CLOSE) would wait,
  // one more each input, for the whole run.
  plat::headless::DropMessages();
  ResetPlaybackObjects();
  gComm.Init("clientout.log", "clientin.log");
  // A restoring program's answers can carry a replayed press log.
  if (gTarget->game->restoresGames) InstallClientPlaybackHooks(gComm);
  std::string().swap(gTransport->last);  // an assigned empty text keeps the old block
}

// The run state back to a program's start: the game's globals, a fresh
// record and link end, empty logs.
void ResetClient(CFuzzReader& in) {
  const GameDefinition& game = *gTarget->game;
  ClearLogs();
  if (game.ResetRun) game.ResetRun();
  game.DestroyClientRecord(gClientRecord);
  gClientRecord = game.CreateClientRecord();
  if (!gClientRecord) FuzzFault("no client record");
  gTransport->accept = 1;
  gTransport->sent = 0;
  // The snapshot an earlier input left would make a restore here depend on it.
  if (gTarget->StoreClientSnapshot && !gTarget->StoreClientSnapshot(gClientRecord)) {
    FuzzFault("cannot write the client snapshot");
  }
  const std::uint8_t options = in.Byte();
  // Animations draw for hundreds of frames a round: one input in eight.
  gCasinoCfg.showAnimations = (options & 7) == 0;
  if (game.VoiceSwitch) *game.VoiceSwitch() = (options >> 3) & 1;
  if (gTarget->SwitchOwnAnimation) gTarget->SwitchOwnAnimation(((options >> 4) & 7) == 0);
  SeedRandomWith(in.Byte() | in.Byte() << 8);
}

int OneInput(const std::uint8_t* data, std::size_t size) {
  const ClientFuzzTarget& target = *gTarget;
  CFuzzReader in(data, size);
  const FuzzVocabulary words{target.commands, target.commandCount, target.tags, target.tagCount};
  ResetClient(in);
  CClientRun run(target);
  // The snapshot frame is a kind of its own, so other programs' inputs keep their meaning.
  const int kinds = target.StoreClientSnapshot ? 9 : 8;
  while (!in.Empty() && !run.ended) {
    switch (in.Byte() % kinds) {
      case 0:
      case 1: run.Step(); break;
      case 2: run.Deliver(BuildFuzzPacket(in, words)); run.Step(); break;
      case 3: {
        const std::string answer = target.ServerAnswerFor(gClientRecord);
        if (!answer.empty()) run.Deliver(MutateFuzzPacket(in, answer, words));
        run.Step();
        break;
      }
      case 4:
      case 5: {
        const std::string answer = run.DueAnswer();
        if (!answer.empty()) run.Deliver(answer);
        run.Step();
        break;
      }
      case 6: run.Press(in); run.Step(); break;
      case 8: {
        // A saved game comes back: its snapshot, then the server's answers
        // carrying the replayed press log that starts the restore.
        if (WriteClientSnapshot(in)) run.snapshotAltered = true;
        const std::string answer = run.DueAnswer();
        if (!answer.empty()) run.Deliver(answer + ReplayedPress(in));
        run.Step();
        break;
      }
      default:
        if (in.Byte() % 2) {
          gTransport->accept = !gTransport->accept;
        } else {
          run.Deliver(in.Byte() % 2 ? "command=heartbeat" : "command=asyncmsg");
          run.Step();
        }
        break;
    }
  }
  run.FinishRound();
  // The record goes with its input: the blocks it took (a prompt text) too.
  target.game->DestroyClientRecord(gClientRecord);
  gClientRecord = nullptr;
  ClearLogs();
  return 0;
}

// The program's first idle moment with its client ready: the driver runs
// here and ends the process when it is done.
void StartDriver() {
  if (gDriverStarted || gMainWindow == nullptr || gClientRecord == nullptr || !gLinkReady) return;
  gDriverStarted = true;
  gTransport = new CFuzzTransport;
  gComm.SetTransport(gTransport);
  int argc = static_cast<int>(gWords.size());
  char** argv = gArgv.data();
  std::exit(LLVMFuzzerRunDriver(&argc, &argv, OneInput));
}

int RefuseInput(const std::uint8_t*, std::size_t) { FuzzFault("an input reached the job runner"); }

bool Orchestrates(const std::string& word) {
  for (const char* flag : {"-jobs=", "-workers=", "-fork="}) {
    const std::size_t n = std::strlen(flag);
    if (word.compare(0, n, flag) == 0 && std::atoi(word.c_str() + n) > 0) return true;
  }
  return false;
}

// The program works in its staged folder.
void TakeArguments(int argc, char** argv, bool* orchestrates) {
  gWords = AnchoredArguments(argc, argv);
  for (const std::string& word : gWords) *orchestrates = *orchestrates || Orchestrates(word);
  for (std::string& word : gWords) gArgv.push_back(word.data());
  gArgv.push_back(nullptr);
}

}  // namespace

int RunClientFuzz(const ClientFuzzTarget& target, int argc, char** argv) {
  gTarget = &target;
  bool orchestrates = false;
  TakeArguments(argc, argv, &orchestrates);
  if (orchestrates) {
    int count = static_cast<int>(gWords.size());
    char** words = gArgv.data();
    return LLVMFuzzerRunDriver(&count, &words, RefuseInput);
  }
  plat::headless::Reset();
  // Converting each presented rectangle to the window's pixels took about
  // 40% of every input, for a picture nobody looks at.
  plat::headless::KeepPixels(plat::FALSE);
  static TempFolder folder;  // removed when the driver ends the process
  if (!folder.Make(target.folder) || !target.StageArtwork(folder.Path()) ||
      !folder.Enter(target.folder)) {
    FuzzFault("cannot stage the program");
  }
  // Without the wave files every sound is played, and logged, by its name.
  std::error_code error;
  std::filesystem::remove_all(folder.Path() + "/games/wav", error);
  ScriptedMainClient& mainClient = StartScriptedMainClient();
  mainClient.onConnect = [&mainClient] {
    CPlayerRecord record;
    record.SetName("Fuzzer");
    record.SetText("Player");
    record.SetMoney(kStartMoney);
    mainClient.SendRecord(record);
  };
  plat::headless::SetMessageBoxHandler(AnswerBox);
  plat::headless::SetIdleHook([] {
    if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
    StartDriver();
  });
  char name[] = "fuzz";
  char* words[] = {name, nullptr};
  RunProgram(1, words, *target.game);
  FuzzFault("the program ended before its client was ready");
}
