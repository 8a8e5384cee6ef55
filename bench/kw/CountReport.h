// Prints a count measured on the code under test beside the same count
// found independently, and remembers whether every pair agreed.
#pragma once

namespace kw::sim {

class CCountReport {
 public:
  // A heading naming what the two columns hold.
  void Heading(const char* title, const char* measured, const char* independent) const;
  // One pair; answers 1 when they agree.
  int Line(const char* label, long long measured, long long independent);
  int Disagreements() const { return disagreements_; }

 private:
  int disagreements_ = 0;
};

}  // namespace kw::sim
