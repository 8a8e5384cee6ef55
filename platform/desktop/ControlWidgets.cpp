#include "platform/desktop/ControlWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "platform/common/Gdi.h"
#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

CStaticWidget::CStaticWidget(HWND hwnd, QWidget* parent) : QWidget(parent), m_hwnd(hwnd) {}

void CStaticWidget::mouseReleaseEvent(QMouseEvent* event) {
  CWindow* w = Windows().Find(m_hwnd);
  if (!w || event->button() != Qt::LeftButton || !(w->control->cstyle & CS_NOTIFY)) {
    event->ignore();
    return;
  }
  CQtEntry entry;
  common::ClickControl(m_hwnd);
}

CEditWidget::CEditWidget(HWND hwnd, QWidget* parent) : QLineEdit(parent), m_hwnd(hwnd) {}

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

void CTabControlWidget::Show(const std::vector<std::string>& tabs, int current) {
  m_quiet = true;
  bool same = m_bar->count() == static_cast<int>(tabs.size());
  for (int i = 0; same && i < m_bar->count(); ++i) same = m_bar->tabText(i) == QString::fromLatin1(tabs[i].c_str());
  if (!same) {
    while (m_bar->count() > 0) m_bar->removeTab(0);
    for (const std::string& t : tabs) m_bar->addTab(QString::fromLatin1(t.c_str()));
  }
  if (current >= 0) m_bar->setCurrentIndex(current);
  m_quiet = false;
}

void CTabControlWidget::OnChanged(int index) {
  if (m_quiet) return;
  CQtEntry entry;
  common::ChooseTab(m_hwnd, index);
  // A change the model refused goes back on screen.
  if (CWindow* w = Windows().Find(m_hwnd)) common::ShowControlState(*w);
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
  DrawOwnerItem(m_control, painter, view, index.row(), state, option.rect);
}

QSize COwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  CWindow* c = Windows().Find(m_control);
  if (c && c->control->itemHeight > 0) return QSize(option.rect.width(), c->control->itemHeight);
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
  DrawOwnerItem(m_hwnd, &p, this, item, state, field);
}

bool DrawOwnerItem(HWND control, QPainter* painter, QWidget* paintedWidget, int item, UINT state,
                   const QRect& rect) {
  CWindow* c = Windows().Find(control);
  if (!c || !c->parent) return false;
  if (InsideSendWait()) {
    if (paintedWidget) RepaintAfterSendWait(paintedWidget);
    return false;
  }
  CQtEntry entry;
  const HDC dc = CreatePainterDc(control, painter, rect);
  common::SendDrawItem(control, dc, item, state, RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
  DestroyDc(dc);
  return true;
}

}  // namespace plat::desktop
