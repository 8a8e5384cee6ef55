// A link end's transport that keeps every packet handed to it and answers
// as told: the one capture transport of the tests and benchmarks.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "framework/link/Transport.h"

class CCaptureTransport : public CTransport {
 public:
  // destroyed: counts the transport's end (may be null).
  explicit CCaptureTransport(int* destroyed = nullptr) : destroyed_(destroyed) {}
  ~CCaptureTransport() override {
    if (destroyed_) ++*destroyed_;
  }
  int SendData(const char* text, std::size_t length) override;
  int HandBack() override { return handBack; }
  void Poll() override { ++polls; }
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}

  // Packet i's text up to its zero byte.
  std::string Text(std::size_t i) const;
  // The last packet's text; "" when none was sent.
  std::string LastText() const;

  // Each packet taken holds the bytes as handed over, the zero byte included.
  std::vector<std::string> sent;
  int offered = 0;  // packets handed over, taken or refused
  int accept = 1;  // 0: refuse every packet, as a busy main client does
  int handBack = 1;
  int polls = 0;

 private:
  int* destroyed_;
};

// The save-point sender for a server end on a capture transport: no main
// client stands behind it to take the save point (answers 0). The real
// sender must not be used there, as it reads the main client's windows
// from the transport.
int DropSavePoint(CComm& serverEnd, const char* game, const void* record, std::uint32_t recordSize);
