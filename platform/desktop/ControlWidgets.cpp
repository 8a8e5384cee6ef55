#include "platform/desktop/ControlWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "platform/common/Gdi.h"
#include "platform/desktop/Controls.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

CStaticWidget::CStaticWidget(HWND hwnd, QWidget* parent) : QWidget(parent), m_hwnd(hwnd) {}

void CStaticWidget::mouseReleaseEvent(QMouseEvent* event) {
  CWindow* w = Windows().Find(m_hwnd);
  if (!w || event->button() != Qt::LeftButton || !(w->controlStyle & CS_NOTIFY)) {
    event->ignore();
    return;
  }
  CQtEntry entry;
  NotifyParent(w, STN_CLICKED);
}

CEditWidget::CEditWidget(HWND hwnd, const QString& text, QWidget* parent)
    : QLineEdit(text, parent), m_hwnd(hwnd) {}

void CEditWidget::paintEvent(QPaintEvent* event) {
  if (isReadOnly()) {
    TakeParentBackground();
  } else if (m_tinted) {
    m_tinted = false;
    setPalette(QPalette());  // writable again: the default look
  }
  QLineEdit::paintEvent(event);
}

void CEditWidget::TakeParentBackground() {
  CQtEntry entry;
  CWindow* w = Windows().Find(m_hwnd);
  if (!w || !w->parent) return;
  const HDC dc = GetDC(m_hwnd);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessage(w->parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hwnd)));
  ReleaseDC(m_hwnd, dc);
  const common::CGdiObject* b = common::FindGdi(brush, common::GdiKind::kBrush);
  const QColor colour = ToQColor(b ? b->colour : common::kDialogFace);
  if (m_tinted && palette().color(QPalette::Base) == colour) return;
  m_tinted = true;
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

CTabControlWidget::CTabControlWidget(HWND hwnd, QWidget* parent)
    : QWidget(parent), m_hwnd(hwnd), m_bar(new QTabBar(this)) {
  m_bar->setExpanding(false);
  m_bar->setDrawBase(false);
  QObject::connect(m_bar, &QTabBar::currentChanged, this, [this](int index) { OnChanged(index); });
}

QRect CTabControlWidget::DisplayRect() const {
  const int top = m_bar->sizeHint().height();
  return QRect(4, top + 3, std::max(0, width() - 8), std::max(0, height() - top - 7));
}

int CTabControlWidget::Select(int index) {
  const int old = m_current;
  if (index < 0 || index >= m_bar->count()) return old;
  m_quiet = true;
  m_bar->setCurrentIndex(index);
  m_quiet = false;
  m_current = index;
  return old;
}

void CTabControlWidget::Step(int delta) {
  const int next = m_current + delta;
  if (next >= 0 && next < m_bar->count()) m_bar->setCurrentIndex(next);
}

int CTabControlWidget::Insert(int index, const QString& text) {
  m_quiet = true;
  const int at = m_bar->insertTab(index < 0 ? m_bar->count() : index, text);
  m_quiet = false;
  m_current = m_bar->currentIndex();
  return at;
}

void CTabControlWidget::OnChanged(int index) {
  if (m_quiet) {
    m_current = index;
    return;
  }
  CQtEntry entry;
  CWindow* w = Windows().Find(m_hwnd);
  if (!w || !w->parent) {
    m_current = index;
    return;
  }
  NMHDR header{m_hwnd, w->id, TCN_SELCHANGING};
  const HWND parent = w->parent;
  SendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&header));
  m_current = index;
  header.code = TCN_SELCHANGE;
  SendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(header.idFrom), reinterpret_cast<LPARAM>(&header));
}

void CTabControlWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int top = m_bar->sizeHint().height() - 1;
  const QRect frame(0, top, width() - 1, height() - 1 - top);
  p.setPen(QColor(255, 255, 255));
  p.drawLine(frame.topLeft(), frame.topRight());
  p.drawLine(frame.topLeft(), frame.bottomLeft());
  p.setPen(QColor(160, 160, 160));
  p.drawLine(frame.bottomLeft(), frame.bottomRight());
  p.drawLine(frame.topRight(), frame.bottomRight());
}

void CTabControlWidget::resizeEvent(QResizeEvent*) {
  m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
}

COwnerDrawDelegate::COwnerDrawDelegate(HWND control, QObject* parent)
    : QStyledItemDelegate(parent), m_control(control) {}

void COwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  UINT state = 0;
  if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
  if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
  QWidget* view = const_cast<QWidget*>(option.widget);
  DrawOwnerItem(m_control, painter, view, index.row(), state, option.rect,
                static_cast<LPARAM>(index.data(kItemDataRole).toLongLong()));
}

QSize COwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  CWindow* c = Windows().Find(m_control);
  if (c && c->itemHeight > 0) return QSize(option.rect.width(), c->itemHeight);
  return QStyledItemDelegate::sizeHint(option, index);
}

COwnerDrawCombo::COwnerDrawCombo(HWND hwnd, QWidget* parent) : QComboBox(parent), m_hwnd(hwnd) {}

void COwnerDrawCombo::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  p.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const int item = currentIndex();
  const UINT state = ODS_COMBOBOXEDIT | (hasFocus() ? ODS_SELECTED | ODS_FOCUS : 0);
  const LPARAM data = item >= 0 ? static_cast<LPARAM>(itemData(item, kItemDataRole).toLongLong()) : 0;
  DrawOwnerItem(m_hwnd, &p, this, item, state, field, data);
}

bool DrawOwnerItem(HWND control, QPainter* painter, QWidget* paintedWidget, int item,
                   UINT state, const QRect& rect, LPARAM itemData) {
  CWindow* c = Windows().Find(control);
  if (!c || !c->parent) return false;
  if (InsideSendWait()) {
    if (paintedWidget) RepaintAfterSendWait(paintedWidget);
    return false;
  }
  CQtEntry entry;
  const HDC dc = CreatePainterDc(control, painter, rect);
  DRAWITEMSTRUCT dis{c->id, item, state, control, dc,
                     RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}, itemData};
  SendMessage(c->parent, WM_DRAWITEM, static_cast<WPARAM>(c->id),
              reinterpret_cast<LPARAM>(&dis));
  DestroyDc(dc);
  return true;
}

}  // namespace plat::desktop
