#include "tests/support/CaptureTransport.h"

int CCaptureTransport::SendData(const char* text, std::size_t length) {
  ++offered;
  if (!accept) return 0;
  sent.emplace_back(text, length);
  return 1;
}

std::string CCaptureTransport::Text(std::size_t i) const { return sent.at(i).c_str(); }

std::string CCaptureTransport::LastText() const { return sent.empty() ? std::string() : Text(sent.size() - 1); }

int DropSavePoint(CComm&, const char*, const void*, std::uint32_t) { return 0; }
