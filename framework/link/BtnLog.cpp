#include "framework/link/BtnLog.h"

#include <cstdio>
#include <cstdlib>

#include "framework/link/WholeNumbers.h"

namespace {

// As "%d"; the rest is ignored.
bool ParseInt(const char* text, std::int32_t* out) { return text != nullptr && ReadWholeNumber(&text, 10, out); }

bool ParseFloat(const char* text, float* out) {
  if (!text) return false;
  char* end = nullptr;
  float v = std::strtof(text, &end);
  if (end == text) return false;
  *out = v;
  return true;
}

bool AddTagText(CComm& comm, const char* name, const char* text) {
  return comm.AddTag(name) && comm.SetTagValue(text);
}

}  // namespace

btnLog* NewBtnLog(int button, int state, float value) {
  btnLog* entry = static_cast<btnLog*>(std::malloc(sizeof(btnLog)));
  if (entry) *entry = btnLog{button, state, value};
  return entry;
}

int AddBtnTags(CComm& comm, int button, int state, float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%d", button);
  if (!AddTagText(comm, kBtnTag, text)) return 0;
  std::snprintf(text, sizeof text, "%d", state);
  if (!AddTagText(comm, kSteTag, text)) return 0;
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return AddTagText(comm, kValTag, text) ? 1 : 0;
}

int ReadBtnTag(CComm& comm, int* button, int* state, float* value) {
  if (!comm.FindNextTag(kBtnTag) || !ParseInt(comm.TagValue(), button)) return 0;
  if (!comm.FindNextTag(kSteTag) || !ParseInt(comm.TagValue(), state)) return 0;
  if (!comm.FindNextTag(kValTag) || !ParseFloat(comm.TagValue(), value)) return 0;
  return 1;
}

int ReadBtnTags(CPtrList& list, CComm& comm) {
  int button = 0;
  int state = 0;
  float value = 0.0f;
  while (ReadBtnTag(comm, &button, &state, &value)) {
    btnLog* entry = NewBtnLog(button, state, value);
    if (!entry || !list.Append(entry)) {
      std::free(entry);
      return 0;
    }
  }
  return 1;
}
