#include "platform/desktop/DeviceContext.h"

namespace plat::desktop {

HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip) {
  auto* layer = new CPainterLayer{painter, clip, QImage(clip.right() + 1, clip.bottom() + 1,
                                                        QImage::Format_ARGB32_Premultiplied)};
  layer->layer.fill(Qt::transparent);
  return common::NewDc(control, layer);
}

void DestroyDc(HDC hdc) {
  if (const common::CDeviceContext* dc = common::FindDc(hdc)) {
    delete static_cast<CPainterLayer*>(dc->device);
  }
  common::DeleteDc(hdc);
}

}  // namespace plat::desktop
