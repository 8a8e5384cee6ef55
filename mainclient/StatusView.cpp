#include "mainclient/StatusView.h"

#include <cstdio>
#include <cstring>

#include "mainclient/MainClient.h"
#include "platform/include/plat/gdi.h"

void PaintStatus(plat::HWND window, const CMainClient& client) {
  plat::PAINTSTRUCT ps;
  plat::HDC dc = plat::BeginPaint(window, &ps);
  if (!dc) return;
  plat::RECT area;
  plat::GetClientRect(window, &area);
  plat::FillRect(dc, &area, plat::GetStockBrush(plat::WHITE_BRUSH));
  plat::SetBkMode(dc, plat::TRANSPARENT);
  plat::SetTextColor(dc, plat::RGB(0, 0, 0));
  constexpr int kLine = 18;
  int y = 8;
  char line[160];
  if (client.Online()) {
    // There is no post: the player reads a new security code here.
    std::snprintf(line, sizeof line, "Online balance: $%.2f", client.Balance());
    plat::TextOut(dc, 10, y, line, static_cast<int>(std::strlen(line)));
    y += kLine;
    std::snprintf(line, sizeof line, "Security code: %s", client.OnlineFigures().securityCode.c_str());
  } else {
    std::snprintf(line, sizeof line, "Balance: $%.2f", client.Balance());
  }
  plat::TextOut(dc, 10, y, line, static_cast<int>(std::strlen(line)));
  y += kLine + 6;
  if (client.Stopped()) {
    // Stopped: only why, so nobody takes the programs' play for booked.
    plat::RECT text{10, y, area.right - 10, area.bottom - 8};
    plat::DrawText(dc, client.FailureText().c_str(), -1, &text, plat::DT_WORDBREAK);
    plat::EndPaint(window, &ps);
    return;
  }
  if (client.ProgramCount() == 0) {
    const char* none = "No program connected";
    plat::TextOut(dc, 10, y, none, static_cast<int>(std::strlen(none)));
  }
  for (int i = 0; i < client.ProgramCount(); ++i) {
    const ConnectedProgram& p = client.Program(i);
    std::snprintf(line, sizeof line, "%s%s", p.name.c_str(), p.recorder.Recording() ? "  (round saved)" : "");
    plat::TextOut(dc, 10, y, line, static_cast<int>(std::strlen(line)));
    y += kLine;
  }
  plat::EndPaint(window, &ps);
}
