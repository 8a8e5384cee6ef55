#include "platform/desktop/Cursors.h"

#include <QWidget>

#include "platform/common/Cursors.h"

namespace plat::desktop {

void ApplyCurrentCursor(QWidget* widget) {
  switch (common::CurrentCursor()) {
    case IDC_ARROW: widget->setCursor(Qt::ArrowCursor); break;
    case IDC_WAIT: widget->setCursor(Qt::WaitCursor); break;
    case IDC_HAND: widget->setCursor(Qt::PointingHandCursor); break;
    default: widget->setCursor(Qt::BlankCursor); break;
  }
}

}  // namespace plat::desktop
