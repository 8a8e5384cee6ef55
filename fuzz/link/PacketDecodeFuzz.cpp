// Arbitrary bytes as a received packet: the receive side, the tag readers,
// the answers built from it, and encode/decode agreeing on what was decoded.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/link/BtnLog.h"
#include "framework/link/Comm.h"
#include "framework/link/KeyValueList.h"

namespace {

bool SameLists(const CKeyValueList& a, const CKeyValueList& b) {
  const CKeyValue* x = a.head;
  const CKeyValue* y = b.head;
  for (; x && y; x = x->next, y = y->next) {
    if (std::strcmp(x->key, y->key) != 0 || std::strcmp(x->value, y->value) != 0) return false;
  }
  return !x && !y;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  CComm comm;
  comm.Init("out.log", "in.log");
  if (!comm.OnDataReceived(text, size)) std::abort();
  if (comm.IsReceived()) {
    comm.RewindReceived();
    comm.IsCommand("CLIENTINIT");
    comm.IsAnswer("ok");
    comm.GetYesNoTag("HOLD1");
    comm.RewindReceived();
    CPtrList presses;
    ReadBtnTags(presses, comm);
    presses.DeleteAll();
    for (comm.FirstTag(); comm.HasTag(); comm.NextTag()) {
      if (!comm.TagName() || !comm.TagValue()) std::abort();
    }
    comm.BeginPacket();
    comm.AnswerCommand();
    comm.AddWrongCommand("BEGINPLAY");
    if (std::strlen(comm.sendList.head->value) > 159) std::abort();
  }

  // Whatever was decoded encodes to a text that decodes to the same tags.
  char* encoded = comm.recvList.Encode();
  if (!encoded) return 0;
  CKeyValueList again;
  again.Decode(encoded);
  // An empty text and a single empty pair both encode as "" or "=".
  if (comm.recvList.head && !SameLists(comm.recvList, again)) std::abort();
  std::free(encoded);
  return 0;
}
