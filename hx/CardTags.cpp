#include "hx/CardTags.h"

#include <cstdio>
#include <cstring>

#include "framework/link/WholeNumbers.h"
#include "hx/CardList.h"

namespace hx {

int WriteCardTags(CComm& comm, int suit, int value) {
  comm.AddTag(kTypeTag);
  if (suit >= 0 && suit < kSuits) comm.SetTagValue(kSuitWords[suit]);
  comm.AddTag(kValueTag);
  return SetTagLong(comm, value);
}

int ReadCardTags(CComm& comm, int* suit, int* value) {
  if (!comm.FindNextTag(kTypeTag) || comm.TagValue() == nullptr) return 0;
  int found = -1;
  for (int s = 0; s < kSuits; ++s) {
    if (std::strcmp(comm.TagValue(), kSuitWords[s]) == 0) found = s;
  }
  if (found < 0 || !comm.FindNextTag(kValueTag)) return 0;
  long number = 0;
  // The client indexes its card pictures by the value: only 1..13 pass.
  if (GetTagLong(comm, &number) != 1 || number < kAceValue || number > kKingValue) return 0;
  *suit = found;
  *value = static_cast<int>(number);
  return 1;
}

int SetTagLong(CComm& comm, long number) {
  char text[32];
  std::snprintf(text, sizeof(text), "%ld", number);
  return comm.SetTagValue(text);
}

int GetTagLong(CComm& comm, long* number) {
  const char* text = comm.TagValue();
  return text != nullptr && ReadWholeNumber(&text, 10, number) ? 1 : 0;
}

}  // namespace hx
