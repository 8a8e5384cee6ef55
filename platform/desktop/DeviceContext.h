// Device contexts the desktop makes itself (DrawingDevice.cpp): one that
// paints an owner-drawn item through a Qt painter.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "platform/common/Gdi.h"

namespace plat::desktop {

// A DC for WM_DRAWITEM: its (0, 0) is the control's, clipped to the item; it
// draws on a clear layer that is laid over the item as it changes.
HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip);
void DestroyDc(HDC hdc);

inline QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

}  // namespace plat::desktop
