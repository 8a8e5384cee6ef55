// What the protocol harness puts around a machine: a transport that keeps
// what was sent and refuses on request, the ledger of the local account,
// and the checks made after every step.
#pragma once

#include <cstddef>
#include <string>

#include "framework/link/Comm.h"

class CFuzzTransport : public CTransport {
 public:
  int SendData(const char* text, std::size_t length) override;
  int HandBack() override { return accept; }
  void Poll() override {}
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}

  std::string last;   // the last packet taken
  int sent = 0;       // packets taken
  int accept = 1;     // 0: refuse, as a busy main client does
};

// Aborts with text on stderr: the fuzzer reports the input.
[[noreturn]] void FuzzFault(const char* text);

// The account ledger: the balance at the start plus every credit minus every
// debit the server made, through the account's money observer.
void StartLedger(double balance);
// Aborts unless the balance is finite, not below zero and equal to the
// ledger to the cent.
void CheckLedger();
void StopLedger();

// The first value of tag name in a packet text (ignoring case), "" when none;
// found tells whether the tag was there.
std::string PacketTag(const std::string& text, const char* name, bool* found = nullptr);
// Aborts unless result is 0, -1 or -2, and unless a machine that ended keeps
// its end (*ended holds the first end, 0 while going).
void CheckResult(int result, int* ended);
