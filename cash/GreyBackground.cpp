#include "cash/GreyBackground.h"

#include "platform/include/plat/window.h"

plat::INT_PTR GreyBackground(plat::HDC hdc) {
  plat::SetBkMode(hdc, plat::TRANSPARENT);
  return reinterpret_cast<plat::INT_PTR>(plat::GetStockBrush(plat::LTGRAY_BRUSH));
}
