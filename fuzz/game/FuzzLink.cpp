#include "fuzz/game/FuzzLink.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/link/Db.h"
#include "framework/link/KeyValueList.h"

namespace {

double gLedger = 0;

void Observe(int, double amount) { gLedger += amount; }

}  // namespace

int CFuzzTransport::SendData(const char* text, std::size_t) {
  if (!accept) return 0;
  last = text;
  ++sent;
  return 1;
}

void FuzzFault(const char* text) {
  std::fprintf(stderr, "protocol fuzz: %s\n", text);
  std::abort();
}

void StartLedger(double balance) {
  dbSetBalance(1, balance);
  gLedger = balance;
  SetDbMoneyObserver(Observe);
}

void CheckLedger() {
  double balance = 0;
  dbGetBalance(1, &balance);
  if (!std::isfinite(balance)) FuzzFault("the balance is not a number");
  if (balance < 0) FuzzFault("the balance fell below zero");
  if (std::llround(balance * 100) != std::llround(gLedger * 100)) {
    std::fprintf(stderr, "balance %.4f, ledger %.4f\n", balance, gLedger);
    FuzzFault("the balance left the ledger");
  }
}

void StopLedger() { SetDbMoneyObserver(nullptr); }

std::string PacketTag(const std::string& text, const char* name, bool* found) {
  CKeyValueList list;
  list.Decode(text.c_str());
  const char* value = list.GetValue(name);
  if (found) *found = value != nullptr;
  return value ? value : "";
}

void CheckResult(int result, int* ended) {
  if (result != 0 && result != -1 && result != -2) FuzzFault("a machine answered outside 0, -1, -2");
  if (*ended != 0 && result != *ended) FuzzFault("a machine that ended went on");
  if (*ended == 0) *ended = result;
}
