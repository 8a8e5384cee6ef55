// One end of a packet link: builds one outgoing packet at a time and holds at
// most one received packet until its state machine releases it. Never blocks.
//
// Single-threaded. OnDataReceived runs inside the window procedure between
// frames; it must never be reached while a state machine is reading.
#pragma once

#include <cstddef>

#include "framework/link/KeyValueList.h"
#include "framework/link/Transport.h"

class CComm;

using CommHook = void (*)(CComm& comm);
// code: 1 a packet was sent, 0 a packet was found waiting, -1 none waited.
using CommTraceHook = void (*)(CComm& comm, int code);

// The longest packet text a link end takes; a longer one is taken and
// dropped unread, so a runaway sender cannot exhaust memory.
inline constexpr std::size_t kMaxPacketText = 1u << 20;

// Send side (sendAllocated) and receive side (recvAllocated) states.
inline constexpr int kSendFree = 1;
inline constexpr int kSendBuilding = 3;
inline constexpr int kRecvEmpty = 2;
inline constexpr int kRecvWaiting = 4;

class CComm {
 public:
  CComm();
  ~CComm();  // destroys the transport, then both lists
  CComm(const CComm&) = delete;
  CComm& operator=(const CComm&) = delete;

  // ---- Set-up ----
  // Stores the two log names (kept by pointer: use literals; nothing opens
  // them), frees both sides, empties both lists, resets the hooks. Answers 1.
  // The transport stays attached.
  int Init(const char* outLogName, const char* inLogName);
  // All five hooks back to the defaults, which do nothing.
  void ResetHooks();
  void SetBeforeSendHook(CommHook hook);
  void SetBeforeReceiveHook(CommHook hook);
  void SetAfterReceiveHook(CommHook hook);
  // Destroys the attached transport, if any, and takes ownership of t
  // (made with new; may be null).
  void SetTransport(CTransport* t);
  // Stores the four link-state words as given (a saved link state).
  void SetState(int recvJustInit, int sendAllocated, int recvAllocated, int wantToSleep);
  // Called when the program ends; does nothing.
  void Shutdown();

  // ---- Building and sending ----
  // 1 when the send side is free; else sets wantToSleep and answers 0.
  int IsSendFree();
  // Free side only: starts a new packet (send list emptied). 1, or 0 while an
  // unsent packet is kept.
  int BeginPacket();
  // While building only: appends name with an empty value and makes it the
  // current tag. 0 in any other state or when no memory.
  int AddTag(const char* name);
  // While building and after an AddTag only: replaces the current tag's value
  // with a copy of text. 0 otherwise.
  int SetTagValue(const char* text);
  // Append "command", "answer" or "errormsg" whatever the send state (the
  // caller has begun the packet). Answer 1, 0 when no memory.
  int AddCommand(const char* value);
  int AddAnswer(const char* value);
  int AddErrorMsg(const char* value);
  // Appends errormsg "Got <received command> wanted <wanted>" ("unknowncommand"
  // when the received packet has none), at most 159 characters. 1, 0 no memory.
  int AddWrongCommand(const char* wanted);
  // Rewinds the receive side, then appends command = received command +
  // "answer" ("unknowncommand" when none), at most 159 characters.
  int AnswerCommand();
  // While building: runs beforeSend, encodes and hands the text to the
  // transport. 1 when taken (send side free again, send list kept until the
  // next BeginPacket); 0 leaves the packet to be sent again on a later frame,
  // where beforeSend runs again.
  int SendPacket();
  // Lets the transport retry a failed wake-up; call at the start of a frame.
  void PollTransport();
  // 1 when the transport handed the focus back; 0 without a transport.
  int HandBack();

  // ---- Receiving ----
  // A packet text from the window procedure: at most length bytes, ending at
  // its first zero byte. 0 (refused, nothing changed) while an unread packet
  // waits; else 1. A "heartbeat" packet and a text longer than
  // kMaxPacketText are taken and dropped at once.
  int OnDataReceived(const char* text, std::size_t length);
  // 1 when a packet waits (trace 0, or no trace for heartbeat/asyncmsg);
  // else trace -1, wantToSleep = 1 and 0.
  int IsReceived();
  // Marks the receive side waiting and puts the cursor on the first tag, so
  // the next FindNextTag starts there.
  void RewindReceived();
  // The cursor to the next tag named name (ignoring case), from the cursor
  // itself right after a rewind. 1 when found; else 0 and the cursor is null.
  int FindNextTag(const char* name);
  // 1 when a packet waits and the next "command" ("answer") tag from the
  // cursor has this value ignoring case. Moves the cursor: test a packet a
  // second time only after RewindReceived.
  int IsCommand(const char* value);
  int IsAnswer(const char* value);
  // Tag walk: FirstTag puts the cursor on the first tag; HasTag answers 1
  // while a packet waits and the cursor stands on a tag; NextTag steps on.
  void FirstTag();
  int HasTag() const;
  void NextTag();
  // Name or value under the cursor; null when none.
  const char* TagName() const;
  const char* TagValue() const;
  // Frees the received packet and lets the next one in. Answers 1.
  int ReleaseReceived();

  // ---- Yes/no tags ----
  // Appends name = "yes" (flag non-zero) or "no" whatever the send state;
  // answers the new tag, null when no memory.
  CKeyValue* AddYesNoTag(const char* name, int flag);
  // From the first received tag: -1 when name is absent, 1 when its value is
  // "yes" ignoring case, 0 for any other value.
  int GetYesNoTag(const char* name) const;

  // ---- State (the four words below are the saved link state) ----
  CKeyValue* current = nullptr;  // tag last added to the packet being built
  CKeyValue* cursor = nullptr;   // received tag under the read cursor
  int recvJustInit = 0;
  int sendAllocated = kSendFree;
  int recvAllocated = kRecvEmpty;
  int wantToSleep = 0;
  const char* emptyText = "";
  const char* outLog = nullptr;
  const char* inLog = nullptr;
  CommHook beforeSend;
  CommHook afterSend;
  CommTraceHook trace;
  CommHook beforeReceive;
  CommHook afterReceive;
  CKeyValueList sendList;
  CKeyValueList recvList;
  CTransport* transport = nullptr;
};

// Replaces the link end's trace hook: called with 1 after an ordinary
// packet was sent, 0 when one was found waiting, -1 when none was (never for
// heartbeat and asyncmsg packets).
void SetWaitCallback(CComm& comm, CommTraceHook callback);
