#include "tests/platform/contract/Contract.h"

#include <string>

namespace contract {
namespace {

using namespace plat;

Contract* g_current = nullptr;

}  // namespace

void Contract::SetUp() {
  ResetBackend();
  g_current = this;
}

void Contract::TearDown() {
  hook = nullptr;  // it may hold the test body's locals, gone by now
  for (HWND h : m_windows) {
    if (IsWindow(h)) DestroyWindow(h);
  }
  for (const std::string& name : m_registered) UnregisterClass(name.c_str(), GetModuleInstance());
  m_registered.clear();
  MSG m;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
  g_current = nullptr;
  ResetBackend();
}

// A class per style: a name keeps the style it was first registered with.
const char* Contract::ClassOf(UINT classStyle) {
  static std::string name;
  name = "Contract" + std::to_string(classStyle);
  WNDCLASS wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleInstance();
  wc.hbrBackground = GetStockBrush(BLACK_BRUSH);
  wc.lpszClassName = name.c_str();
  RegisterClass(&wc);
  return name.c_str();
}

HWND Contract::MakeWindow(int width, int height, UINT classStyle) {
  HWND h = CreateWindow(ClassOf(classStyle), "Contract", WS_POPUP, 0, 0, width, height, nullptr, 0,
                        GetModuleInstance(), nullptr);
  if (h) m_windows.push_back(h);
  return h;
}

HWND Contract::Create(DWORD style, int x, int y, int width, int height, const char* title, void* createParam) {
  HWND h = CreateWindow(ClassOf(0), title, style, x, y, width, height, nullptr, 0, GetModuleInstance(),
                        createParam);
  if (h) m_windows.push_back(h);
  return h;
}

ATOM Contract::Register(const char* className) {
  WNDCLASS wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleInstance();
  wc.lpszClassName = className;
  const ATOM atom = RegisterClass(&wc);
  if (atom) m_registered.emplace_back(className);
  return atom;
}

HWND Contract::CreateOf(const char* className, DWORD style, int x, int y, int width, int height, const char* title) {
  HWND h = CreateWindow(className, title, style, x, y, width, height, nullptr, 0, GetModuleInstance(), nullptr);
  if (h) m_windows.push_back(h);
  return h;
}

COLORREF Contract::PixelOf(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

int Contract::Count(UINT msg) const {
  int n = 0;
  for (const Received& r : log) n += r.msg == msg;
  return n;
}

LRESULT Contract::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Contract* self = g_current;
  if (!self) return DefWindowProc(hwnd, msg, wParam, lParam);
  self->log.push_back(Received{hwnd, msg, wParam, lParam});
  LRESULT result = 0;
  if (self->hook && self->hook(hwnd, msg, wParam, lParam, &result)) return result;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

Picture::Picture(int w, int h) : width(w), height(h), bits(static_cast<std::size_t>((w + 3) & ~3) * h, 0) {
  info.bmiHeader.biSize = 40;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 8;
}

void Picture::Set(int x, int y, BYTE index) {
  bits[static_cast<std::size_t>(height - 1 - y) * ((width + 3) & ~3) + x] = index;
}

void Picture::IdentityIndices() {
  WORD* w = reinterpret_cast<WORD*>(info.bmiColors);
  for (int i = 0; i < 256; ++i) w[i] = static_cast<WORD>(i);
}

HPALETTE MakePalette(std::initializer_list<COLORREF> colours) {
  LOGPALETTE lp{};
  lp.palVersion = 0x300;
  lp.palNumEntries = static_cast<WORD>(colours.size());
  int i = 0;
  for (COLORREF c : colours) {
    lp.palPalEntry[i++] = PALETTEENTRY{static_cast<BYTE>(GetRValue(c)), static_cast<BYTE>(GetGValue(c)),
                                       static_cast<BYTE>(GetBValue(c)), 0};
  }
  return CreatePalette(&lp);
}

}  // namespace contract
