// A transport that keeps what it was given and answers as told.
#pragma once

#include <string>
#include <vector>

#include "framework/link/Transport.h"

class FakeTransport : public CTransport {
 public:
  explicit FakeTransport(int* destroyed = nullptr) : destroyed_(destroyed) {}
  ~FakeTransport() override {
    if (destroyed_) ++*destroyed_;
  }
  int SendData(const char* text, std::size_t length) override {
    sent.emplace_back(text, length);
    return accept;
  }
  int HandBack() override { return handBack; }
  void Poll() override { ++polls; }
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}

  // Each entry holds the text and its zero byte as handed over.
  std::vector<std::string> sent;
  int accept = 1;
  int handBack = 1;
  int polls = 0;

 private:
  int* destroyed_;
};
