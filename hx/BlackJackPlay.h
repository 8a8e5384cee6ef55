// The game states of the Black Jack server between FIRSTDEAL and the
// settlement. Each acts once a packet is there and the send side is free,
// builds its whole answer and moves the record's state on; every refusal
// answers "fail" with its text and goes to the failure state.
#pragma once

#include "framework/link/Comm.h"
#include "hx/BlackJackServerRecord.h"

namespace hx {

void FirstDeal(BlackJackServerRecord& record, CComm& comm, int userId);
void Insure(BlackJackServerRecord& record, CComm& comm, int userId);
// Checks the player's action against the double and split states and moves
// to its state with the packet kept.
void WaitAction(BlackJackServerRecord& record, CComm& comm);
void Hit(BlackJackServerRecord& record, CComm& comm);
void Stand(BlackJackServerRecord& record, CComm& comm);
void Double(BlackJackServerRecord& record, CComm& comm, int userId);
void Split(BlackJackServerRecord& record, CComm& comm, int userId);
// WANTDEALERCARDS: the dealer plays and every held stake is settled.
void Settle(BlackJackServerRecord& record, CComm& comm, int userId);

// Ends the hand in play: the next state, the dealer's turn or the pending
// split hand.
int NextSplitHandServer(BlackJackServerRecord& record);

// ---- Shared by the game states ----
// "fail" with text under answerName; the packet is released and the machine
// goes to the failure state.
void FailAnswer(BlackJackServerRecord& record, CComm& comm, const char* answerName,
                const char* text);
// A card in the answer: the naming tag, TYPE and VALUE.
void AddCard(CComm& comm, const char* namingTag, const Card& card);

}  // namespace hx
