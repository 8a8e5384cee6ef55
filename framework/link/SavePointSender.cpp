#include "framework/link/SavePointSender.h"

#include <cstdlib>
#include <cstring>

#include "framework/link/MainClientTransport.h"
#include "framework/link/SavePoint.h"
#include "framework/link/ServerRandom.h"
#include "platform/include/plat/window.h"

int SendSavePoint(CComm& serverEnd, const char* game, const void* record, std::uint32_t recordSize) {
  auto* transport = static_cast<CMainClientTransport*>(serverEnd.transport);
  if (!transport || transport->state != 1 || !game || std::strlen(game) >= kSavePointGameSize ||
      !record || recordSize == 0 || recordSize > kMaxServerRecord) {
    return 0;
  }
  char* sendText = serverEnd.sendAllocated == kSendBuilding ? serverEnd.sendList.Encode() : nullptr;
  char* recvText = serverEnd.recvAllocated == kRecvWaiting ? serverEnd.recvList.Encode() : nullptr;
  const int words[4] = {serverEnd.recvJustInit, serverEnd.sendAllocated, serverEnd.recvAllocated,
                        serverEnd.wantToSleep};
  const bool encoded = (serverEnd.sendAllocated != kSendBuilding || sendText) &&
                       (serverEnd.recvAllocated != kRecvWaiting || recvText);
  int answer = 0;
  if (encoded) {
    const std::vector<std::uint8_t> payload = EncodeSavePoint(game, words, sendText, recvText, record, recordSize,
                                                                      ServerRandomState());
    const plat::COPYDATASTRUCT data{kDataSavePoint, static_cast<plat::DWORD>(payload.size()), payload.data()};
    answer = plat::SendMessage(transport->mainWnd, plat::WM_COPYDATA, plat::HandleToWParam(transport->ownWnd),
                               reinterpret_cast<plat::LPARAM>(&data)) != 0;
  }
  std::free(sendText);
  std::free(recvText);
  return answer;
}
