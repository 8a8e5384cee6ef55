#include "framework/link/PlaybackClient.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "framework/link/PlaybackServer.h"
#include "framework/link/ShellHooks.h"

CBtnLogClient gBtnLogClient;
CPlaybackClient gPlaybackClient;

CBtnLogClient::~CBtnLogClient() { Clear(); }

int CBtnLogClient::Add(int button, int state, float value) {
  btnLog* entry = NewBtnLog(button, state, value);
  if (!entry || !list.Append(entry)) {
    std::free(entry);
    return 0;
  }
  return 1;
}

int CBtnLogClient::FlushToPacket(CComm& comm) {
  list.First();
  while (list.HasCurrent()) {
    btnLog* entry = static_cast<btnLog*>(list.Current());
    if (!AddBtnTags(comm, entry->button, entry->state, entry->value)) return 0;
    list.RemoveCurrent();
    std::free(entry);
  }
  return 1;
}

void CBtnLogClient::Clear() { list.DeleteAll(); }

CPlaybackClient::~CPlaybackClient() { list.DeleteAll(); }

int CPlaybackClient::OnReceive(CComm& comm) {
  seenPacket = 1;
  int answer = ReadBtnTags(list, comm);
  for (comm.FirstTag(); comm.HasTag(); comm.NextTag()) {
    const char* name = comm.TagName();
    if (!name) continue;
    if (std::strcmp(name, kPlaybackTag) == 0) {
      playing = 1;
      changed = 1;
    } else if (std::strcmp(name, kPlaybackDoneTag) == 0) {
      playing = 0;
      changed = 1;
    }
  }
  comm.FirstTag();
  return answer;
}

void CPlaybackClient::Step(int clientStep) {
  const ShellHooks& shell = GetShellHooks();
  // One due entry at a time, searched from the head: a press may touch the
  // queue (an event lookup takes entries out), so no cursor is held across it.
  for (;;) {
    btnLog* due = nullptr;
    for (list.First(); list.HasCurrent(); list.Next()) {
      btnLog* entry = static_cast<btnLog*>(list.Current());
      if (entry->state <= clientStep) {
        due = entry;
        break;
      }
    }
    if (!due || !shell.isButtonEnabled(due->button)) return;
    const int button = due->button;
    const int kind = due->value == kBtnValueRight ? kPressRight : kPressLeft;
    list.RemoveCurrent();
    std::free(due);
    shell.pressButton(button, kind);
  }
}

int CPlaybackClient::IsActive() {
  if (playing == 1 || !seenPacket || list.head) return 1;
  if (changed == 1 && graceCount < kPlaybackGraceCalls) {
    ++graceCount;
    return 1;
  }
  return 0;
}

int CPlaybackClient::Finished() {
  if (changed == 1) {
    if (IsActive()) return 0;
    changed = 0;
    return 1;
  }
  return seenPacket ? 1 : 0;
}

void CPlaybackClient::Clear() {
  list.DeleteAll();
  playing = 0;
}

int TakeLoggedValue(int event, double low, double high, int* value) {
  const int state = FindButtonEvent(gPlaybackClient.list, event);
  if (state == 0) return 0;
  // In double: a hostile log's value near the least int would overflow.
  const double logged = static_cast<double>(state) - kLoggedValueBase;
  if (logged < low || logged > high) return 0;
  *value = static_cast<int>(logged);
  return 1;
}

void LogValue(int event, double value) {
  const double state = value + kLoggedValueBase;
  // 0 is no event; NaN fails both tests.
  if (!(state >= 1.0 && state <= static_cast<double>(std::numeric_limits<int>::max()))) return;
  gBtnLogClient.Add(event, static_cast<int>(state));
}

int FindButtonEvent(CPtrList& list, int button) {
  for (list.First(); list.HasCurrent(); list.Next()) {
    btnLog* entry = static_cast<btnLog*>(list.Current());
    if (entry->button != button) continue;
    const int state = entry->state;
    list.RemoveCurrent();
    std::free(entry);
    list.First();
    return state;
  }
  return 0;
}
