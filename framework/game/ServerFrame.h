// The server side of the casino protocol frame that every game server
// follows: CLIENTINIT, BEGINPLAY, the game's own commands, ENDPLAY and
// CLIENTEXIT, each answered "ok" or "fail" with an "errormsg" text.
//
// A waiting state acts only when ServerCanAnswer holds. It decides the whole
// outcome first and only then builds its answer with one of the Answer...
// calls, each of which begins a fresh packet: so no answer ever carries both
// "ok" and "fail". A send state calls ServerSendAnswer every frame until the
// transport takes the packet.
#pragma once

#include <cstdint>

#include "framework/game/ProtocolNames.h"
#include "framework/link/Comm.h"
#include "framework/link/Db.h"

namespace game {

// ---- The random generator seam ----------------------------------------------
// Dice and cards come from the server's own stream (ServerRandom.h,
// 0..32767); tests and simulations install a source of their own to fix the
// draw, and null puts the stream back.
using RandomSource = int (*)();
void SetServerRandomSource(RandomSource source);
int ServerRandomNumber();

// ---- The save-point seam ------------------------------------------------------
// A game server that restores games hands its record and its link end to the
// main client once per round, at its save point: by SendSavePoint
// (framework/link/SavePointSender.h) unless a test installs its own sender;
// null puts SendSavePoint back.
using SavePointSender = int (*)(CComm& serverEnd, const char* game, const void* record,
                                std::uint32_t recordSize);
void SetSavePointSender(SavePointSender sender);
// The sender's answer (1 when the main client took it).
int SendServerSavePoint(CComm& serverEnd, const char* game, const void* record,
                        std::uint32_t recordSize);

// ---- Waiting states ------------------------------------------------------------
// 1 when the send side is free and a packet has arrived; else 0 (the state
// tries again next frame).
int ServerCanAnswer(CComm& comm);
// 1 when the arrived packet's command is command, ignoring case. Rewinds the
// packet first, so it may be asked again for another command.
int ServerGotCommand(CComm& comm, const char* command);
// The start of a waiting state for one command: 1 when a packet arrived
// and is command (the state answers it); else 0, and a packet with another
// command is answered by AnswerWrongCommand and *state becomes failState.
int ServerTakeCommand(CComm& comm, int* state, const char* command, int failState);
// A waiting state for one command answered "done" under answerName: taken as
// ServerTakeCommand does, then *state becomes next.
void ServerWaitDone(CComm& comm, int* state, const char* command, const char* answerName, int next,
                    int failState);
// The waiting state at a round's start: the game's command (its packet
// stays for playState) or ENDPLAY, answered "ok" (quitState); another
// command is answered "fail" with wrongText and *state becomes failState.
void ServerWaitPlayOrQuit(CComm& comm, int* state, const char* command, int playState,
                          int quitState, const char* wrongText, int failState);
// The value of the arrived packet's first tag named name (from its start),
// or null when it has none.
const char* ServerTagValue(CComm& comm, const char* name);

// ---- Answers (each begins a fresh packet; 0 when the send side is busy) ------
// command = answerName, answer = "ok"; the caller adds its data tags.
int AnswerOk(CComm& comm, const char* answerName);
// command = answerName, answer = answer (e.g. "fail", "dberror"), and
// errormsg = errorText unless errorText is null.
int AnswerFailure(CComm& comm, const char* answerName, const char* answer,
                  const char* errorText);
// A refused request: "fail" under answerName with errorText, the received
// packet released and *state = failState.
void AnswerRefusal(CComm& comm, int* state, const char* answerName, const char* errorText,
                   int failState);
// A command the state did not expect: command = the received command +
// "answer" ("unknowncommand" when none), answer "fail", errormsg "Got %s
// wanted %s". Releases the received packet.
int AnswerWrongCommand(CComm& comm, const char* wanted);
// As AnswerWrongCommand, with the state's own error text.
int AnswerUnexpected(CComm& comm, const char* errorText);
// Appends a data tag whose value is written with "%f". 1, or 0 without memory.
int AddMoneyTag(CComm& comm, const char* tag, double value);
// Appends a data tag with a ready text value. 1, or 0 without memory.
int AddTextTag(CComm& comm, const char* tag, const char* value);

// ---- The frame's own commands ------------------------------------------------
// One table limit the server reads at CLIENTINIT and sends under tag.
struct ServerLimitTag {
  const char* tag;  // e.g. "MINBET"
  const char* key;  // e.g. "minBetCraps"
};

// CLIENTINIT: reads the balance and every limit (values[i] for limits[i]);
// when all reads succeed answers "ok" with MONEYAMOUNT and the limit tags in
// table order and answers 1; else answers "fail" with the error name (the
// program's extra one included) of the first failed read and answers 0.
// Releases the packet either way.
int AnswerClientInit(CComm& comm, int userId, const ServerLimitTag* limits, int count,
                     double* values, const DbExtraErrorName& extra = kNoExtraDbError);
// BEGINPLAY: reads the balance; "ok" with MONEYAMOUNT and 1, or "fail" with
// the error name and 0. Releases the packet either way.
int AnswerBeginPlay(CComm& comm, int userId, double* balance,
                    const DbExtraErrorName& extra = kNoExtraDbError);
// The waiting states for CLIENTINIT and BEGINPLAY: the command taken as
// ServerTakeCommand does and answered as above. 1 when it was answered "ok"
// (the caller keeps what it read and moves *state on); else 0, and *state is
// failState when a packet was refused.
int ServerWaitClientInit(CComm& comm, int* state, int userId, const ServerLimitTag* limits,
                         int count, double* values, int failState,
                         const DbExtraErrorName& extra = kNoExtraDbError);
int ServerWaitBeginPlay(CComm& comm, int* state, int userId, double* balance, int failState,
                        const DbExtraErrorName& extra = kNoExtraDbError);
// ENDPLAY, CLIENTEXIT and the like: "ok" with no data. Releases the packet.
int AnswerDone(CComm& comm, const char* answerName);

// ---- Send states ---------------------------------------------------------------
// 1 and *state = next when the transport took the packet; else 0 (retry).
int ServerSendAnswer(CComm& comm, int* state, int next);

}  // namespace game
