// The client side of the casino protocol frame that every game client
// follows. A build state begins its packet with ClientBuild when the send
// side is free and adds its tags; a send state calls ClientSend every frame
// until the transport takes the packet; a wait state acts once
// ClientArrived holds, checks command, answer and tags, and releases the
// packet. Errors end in the fatal path: the "FATAL ERROR" box with the
// client's text and the server's own, the settings written, the focus handed
// back to the main client and -2; the normal end writes the settings, hands
// back and answers -1.
#pragma once

#include <cstddef>

#include "framework/game/ProtocolNames.h"
#include "framework/link/Comm.h"
#include "framework/link/PlaybackClient.h"

namespace game {

// ---- Build and send states ----------------------------------------------------
// Begins a packet with its command. 1, or 0 while the send side is busy.
int ClientBuild(CComm& comm, const char* command);
// Appends a data tag with a ready text value.
void ClientAddTag(CComm& comm, const char* name, const char* value);
// 1 and *state = next when the transport took the packet; else 0 (retry).
int ClientSend(CComm& comm, int* state, int next);
// The same for a record with a state.
template <typename Record>
void SendRecord(Record* record, CComm& comm, int next) {
  ClientSend(comm, &record->state, next);
}

// ---- Wait states -----------------------------------------------------------------
// 1 when a packet has arrived (rewound for reading); else 0.
int ClientArrived(CComm& comm);
// Each rewinds first, so a packet may be asked again.
int ClientGotCommand(CComm& comm, const char* command);
int ClientGotAnswer(CComm& comm, const char* answer);
// The value of the first tag named name, or null.
const char* ClientTagValue(CComm& comm, const char* name);

enum ClientTagRead : int { kTagMissing = 0, kTagBad = 1, kTagRead = 2 };
// A tag read with "%lf": missing, present but no finite number (value
// untouched), or read.
ClientTagRead ClientReadDouble(CComm& comm, const char* name, double* value);

// One number tag of an answer with its two error texts.
struct ClientNumberTag {
  const char* name;     // e.g. "MINBET"
  const char* missing;  // e.g. "WAITCLIENTINITANSWER: Can't find tag MINBET"
  const char* bad;      // e.g. "WAITCLIENTINITANSWER: Can't get minBet"
};
// Reads tags[i] into values[i] in order; null when all were read, else the
// text of the first that failed.
const char* ClientReadNumbers(CComm& comm, const ClientNumberTag* tags, int count,
                              double* values);
// An answer that carries no data (ENDPLAY, CLIENTEXIT, ...): null when its
// command is answerName and its answer "ok", else badCommand or notOk.
const char* ClientCheckAnswer(CComm& comm, const char* answerName, const char* badCommand,
                              const char* notOk);

// An answer that carries the balance: its command and answer checks and its
// money tag, each with its error text.
struct ClientMoneyAnswer {
  const char* command;
  const char* badCommand;
  const char* notOk;
  ClientNumberTag money;
};
// The CLIENTINITANSWER and BEGINPLAYANSWER every client waits for.
inline constexpr ClientMoneyAnswer kClientInitMoney = {
    kClientInitAnswer, "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
    "WAITCLIENTINIT: Answer != ok",
    {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT", "WAITCLIENTINITANSWER: Can't get moneyamount"}};
inline constexpr ClientMoneyAnswer kBeginPlayMoney = {
    kBeginPlayAnswer, "WAITBEGINPLAY: Invalid answerstring: wanted BEGINPLAYANSWER", "WAITBEGINPLAY: Answer != ok",
    {kMoneyAmountTag, "WAITBEGINPLAYANSWER: Can't find tag MONEYAMOUNT", "WAITBEGINPLAYANSWER: Can't get moneyAmount"}};
// Checks the arrived packet and reads its balance: null with *money read
// (the packet kept for more reads), else the failed check's text.
const char* ClientReadMoneyAnswer(CComm& comm, const ClientMoneyAnswer& answer, double* money);

// A wait for an answer without data: once it came and passed its checks the
// packet is released and the state is next; else fail with the check's text.
template <typename Record>
void WaitPlainRecord(Record* record, CComm& comm, const char* answer, const char* badCommand, const char* notOk,
                     int next, void (*fail)(Record*, const char*)) {
  if (!ClientArrived(comm)) return;
  if (const char* error = ClientCheckAnswer(comm, answer, badCommand, notOk)) return fail(record, error);
  comm.ReleaseReceived();
  record->state = next;
}

// ---- The fatal path and the end -----------------------------------------------
// The box text: "CLIENT: " and clientText, then "\nSERVER: " and the waiting
// packet's "ERRORMSG" when one came and is not empty; cut to size - 1.
void ClientFatalText(CComm& comm, const char* clientText, char* text, std::size_t size);
// The "FATAL ERROR" box over the main window (stop icon, foreground).
void ShowClientFatalBox(const char* text);
// Writes "Casino.cfg" (the fatal path and the normal end both do).
void ClientWriteSettings();
// result once the main client took the focus back; 0 to try next frame.
int ClientHandBack(CComm& comm, int result);

// ---- The frame of a client machine ---------------------------------------------
// The states a machine hands back in: -1 after endHandBack, -2 after
// fatalHandBack.
struct ClientEnds {
  int endHandBack;
  int fatalHandBack;
};
// One frame: polls the transport, lets a saved game's playback press what
// it logged at *clientStep, hands back in the end states, else runs step
// and counts a change of state in *clientStep (the step the presses are
// logged with). 0 while the machine goes on.
template <typename Record>
int RunClientFrame(Record* record, CComm& comm, int* clientStep, ClientEnds ends, void (*step)(Record*, CComm&)) {
  comm.PollTransport();
  gPlaybackClient.Step(*clientStep);
  if (record->state == ends.endHandBack) return ClientHandBack(comm, -1);
  if (record->state == ends.fatalHandBack) return ClientHandBack(comm, -2);
  const int before = record->state;
  step(record, comm);
  if (record->state != before) ++*clientStep;
  return 0;
}

}  // namespace game
