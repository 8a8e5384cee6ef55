// What a link end sends through: one packet text at a time to the other side.
#pragma once

#include <cstddef>

class CTransport {
 public:
  CTransport() = default;
  virtual ~CTransport();
  CTransport(const CTransport&) = delete;
  CTransport& operator=(const CTransport&) = delete;

  // Hands one packet text over; length counts its zero byte. Non-zero when
  // the other side took it; 0 leaves it to the caller to try again later.
  virtual int SendData(const char* text, std::size_t length) = 0;
  // Gives the focus and control back to the main client; non-zero on success.
  virtual int HandBack() = 0;
  // Retries whatever failed to reach the other side (once per frame).
  virtual void Poll() = 0;
  // Non-zero when nothing waits to be retried.
  virtual int IsIdle() = 0;
  // An event notification; the main-client transport ignores it.
  virtual void OnEvent(int arg) = 0;

  int state = -1;
};
