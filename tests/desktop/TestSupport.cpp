#include "tests/desktop/TestSupport.h"

namespace desktop_test {
namespace {

CRecordingClass* g_current = nullptr;

}  // namespace

using namespace plat;

CRecordingClass::CRecordingClass(const char* name, UINT style) : m_name(name) {
  g_current = this;
  WNDCLASS wc{};
  wc.style = style;
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleInstance();
  wc.hbrBackground = GetStockBrush(BLACK_BRUSH);
  wc.lpszClassName = m_name.c_str();
  RegisterClass(&wc);
}

CRecordingClass::~CRecordingClass() {
  if (g_current == this) g_current = nullptr;
}

HWND CRecordingClass::Create(DWORD style, int x, int y, int width, int height, const char* title) {
  return CreateWindow(m_name.c_str(), title, style, x, y, width, height, nullptr, 0,
                      GetModuleInstance(), nullptr);
}

bool CRecordingClass::Has(UINT msg) const { return Count(msg) > 0; }

int CRecordingClass::Count(UINT msg) const {
  int n = 0;
  for (const Received& r : log) n += r.msg == msg;
  return n;
}

LRESULT CRecordingClass::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CRecordingClass* self = g_current;
  if (!self) return DefWindowProc(hwnd, msg, wParam, lParam);
  self->log.push_back(Received{hwnd, msg, wParam, lParam});
  LRESULT result = 0;
  if (self->hook && self->hook(hwnd, msg, wParam, lParam, &result)) return result;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace desktop_test
