#include "platform/desktop/ControlWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTreeWidget>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/KeyMap.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

// Qt input on a control with a subclass procedure: mouse and keys go
// through it first. Focus reaches the model through the application.
class CControlFilter : public QObject {
 public:
  CControlFilter(HWND hwnd, QObject* parent) : QObject(parent), m_hwnd(hwnd) {}
  bool eventFilter(QObject*, QEvent* event) override {
    CWindow* w = Windows().Find(m_hwnd);
    if (!w) return false;
    CQtEntry entry;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const bool release = event->type() == QEvent::MouseButtonRelease;
        const QPoint p = mouse->position().toPoint();
        if (w->proc != common::ControlProc && !PassThrough(release ? WM_LBUTTONUP : WM_LBUTTONDOWN,
                                                           MouseKeyFlags(mouse->buttons(), mouse->modifiers()),
                                                           MAKELPARAM(p.x(), p.y()))) {
          return true;
        }
        // A static text has no Qt widget of its own to take the click.
        const common::CControl* c = common::ControlOf(m_hwnd);
        if (!release || !c || c->kind != CTL_STATIC) return false;
        common::ClickControl(m_hwnd);
        return true;
      }
      case QEvent::KeyPress: {
        if (w->proc == common::ControlProc) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const WPARAM vk = VirtualKeyFromQt(key->key());
        const LPARAM l = 1 | (key->isAutoRepeat() ? KEY_REPEAT_FLAG : 0);
        if (vk && !PassThrough(WM_KEYDOWN, vk, l)) return true;
        const QString text = key->text();
        return text.size() == 1 && text[0].unicode() < 256 && !PassThrough(WM_CHAR, text[0].unicode(), l);
      }
      default:
        return false;
    }
  }

 private:
  // Sends the message through the control's procedure chain; true when it
  // reached the built-in procedure, so Qt should handle the event itself.
  bool PassThrough(UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* w = Windows().Find(m_hwnd);
    if (!w) return false;
    w->nativeEvent = true;
    w->nativeDefault = false;
    SendMessage(m_hwnd, msg, wParam, lParam);
    w = Windows().Find(m_hwnd);
    if (!w) return false;
    w->nativeEvent = false;
    return w->nativeDefault;
  }
  HWND m_hwnd;
};

// Sends WM_DRAWITEM for one item to the control's parent, unless another
// program's answer is awaited: then the widget is painted again later.
void DrawOwnerItem(HWND control, QPainter* painter, QWidget* paintedWidget, int item, UINT state, const QRect& rect) {
  CWindow* c = Windows().Find(control);
  if (!c || !c->parent) return;
  if (InsideSendWait()) {
    if (paintedWidget) RepaintAfterSendWait(paintedWidget);
    return;
  }
  CQtEntry entry;
  const HDC dc = CreatePainterDc(control, painter, rect);
  common::SendDrawItem(control, dc, item, state, RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
  DestroyDc(dc);
}

// An edit. Read-only it takes its background from the brush its parent
// answers to WM_CTLCOLORSTATIC (the dialog face when none), as a static does.
class CEditWidget : public QLineEdit {
 public:
  CEditWidget(HWND hwnd, QWidget* parent) : QLineEdit(parent), m_hwnd(hwnd) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (isReadOnly()) {
      TakeParentBackground();
    } else if (m_tinted) {
      m_tinted = false;
      setPalette(QPalette());  // writable again: the default look
    }
    QLineEdit::paintEvent(event);
  }

 private:
  void TakeParentBackground() {
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
  HWND m_hwnd;
  bool m_tinted = false;  // the palette holds a parent's background
};

// Paints owner-drawn list and combo items with WM_DRAWITEM.
class COwnerDrawDelegate : public QStyledItemDelegate {
 public:
  COwnerDrawDelegate(HWND control, QObject* parent) : QStyledItemDelegate(parent), m_control(control) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    UINT state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
    DrawOwnerItem(m_control, painter, const_cast<QWidget*>(option.widget), index.row(), state, option.rect);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    CWindow* c = Windows().Find(m_control);
    if (c && c->control->itemHeight > 0) return QSize(option.rect.width(), c->control->itemHeight);
    return QStyledItemDelegate::sizeHint(option, index);
  }

 private:
  HWND m_control;
};

// A drop-down list whose closed field is owner-drawn.
class COwnerDrawCombo : public QComboBox {
 public:
  COwnerDrawCombo(HWND hwnd, QWidget* parent) : QComboBox(parent), m_hwnd(hwnd) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const UINT state = ODS_COMBOBOXEDIT | (hasFocus() ? ODS_SELECTED | ODS_FOCUS : 0);
    DrawOwnerItem(m_hwnd, &p, this, currentIndex(), state, field);
  }

 private:
  HWND m_hwnd;
};

// A slot that reports a Qt signal of the user's input on h to the model.
template <class... A>
auto Reporter(void (*report)(HWND, A...), HWND h) {
  return [report, h](A... a) {
    CQtEntry entry;
    report(h, a...);
  };
}

// A tab control: the tabs on top and a frame around the page area, whose
// inside stays transparent so the dialog's painting shows through.
class CTabControlWidget : public QWidget {
 public:
  CTabControlWidget(HWND hwnd, QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
    m_bar->setExpanding(false);
    m_bar->setDrawBase(false);
    QObject::connect(m_bar, &QTabBar::currentChanged, this, [hwnd](int index) {
      CQtEntry entry;
      common::ChooseTab(hwnd, index);
      // A change the model refused goes back on screen.
      if (CWindow* w = Windows().Find(hwnd)) common::ShowControlState(*w);
    });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
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
  void resizeEvent(QResizeEvent*) override { m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height()); }

 private:
  QTabBar* m_bar;
};

QWidget* NewWidget(HWND h, ControlKind kind, DWORD cs, QWidget* parent) {
  switch (kind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON: {
      auto* b = new QPushButton(parent);
      b->setAutoDefault(false);
      b->setDefault(kind == CTL_DEFPUSHBUTTON);
      QObject::connect(b, &QPushButton::clicked, b, Reporter(common::ClickControl, h));
      return b;
    }
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON: {
      QAbstractButton* b = kind == CTL_CHECKBOX ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                                : new QRadioButton(parent);
      b->setAutoExclusive(false);  // the model keeps the group
      QObject::connect(b, &QAbstractButton::clicked, b, Reporter(common::ClickControl, h));
      return b;
    }
    case CTL_GROUPBOX:
      return new QGroupBox(parent);
    case CTL_STATICFRAME: {
      auto* f = new QFrame(parent);
      f->setFrameStyle(QFrame::Box | QFrame::Sunken);
      f->setAttribute(Qt::WA_TransparentForMouseEvents);
      return f;
    }
    case CTL_STATIC: {
      // A transparent stand-in: the control procedure paints the text on the
      // parent's canvas (so WM_CTLCOLORSTATIC and subclassing apply).
      auto* s = new QWidget(parent);
      s->setAttribute(Qt::WA_TransparentForMouseEvents, !(cs & CS_NOTIFY));
      return s;
    }
    case CTL_EDIT: {
      auto* e = new CEditWidget(h, parent);
      if (cs & CS_PASSWORD) e->setEchoMode(QLineEdit::Password);
      QObject::connect(e, &QLineEdit::textEdited, e, [h](const QString& text) {
        CQtEntry entry;
        common::ReplaceEditText(h, text.toLatin1().toStdString());
      });
      return e;
    }
    case CTL_COMBOBOX: {
      QComboBox* combo = (cs & CS_OWNERDRAW) ? new COwnerDrawCombo(h, parent) : new QComboBox(parent);
      if (cs & CS_OWNERDRAW) combo->setItemDelegate(new COwnerDrawDelegate(h, combo));
      QObject::connect(combo, &QComboBox::activated, combo, Reporter(common::ChooseItem, h));
      return combo;
    }
    case CTL_LISTBOX: {
      auto* list = new QListWidget(parent);
      if (cs & CS_OWNERDRAW) list->setItemDelegate(new COwnerDrawDelegate(h, list));
      list->setUniformItemSizes(true);
      // The model's own changes block the signal (ShowControlState).
      QObject::connect(list, &QListWidget::currentRowChanged, list, Reporter(common::ChooseItem, h));
      return list;
    }
    case CTL_LISTVIEW: {
      auto* view = new QTreeWidget(parent);
      view->setColumnCount(0);
      view->setRootIsDecorated(false);
      view->setUniformRowHeights(true);
      view->setSelectionBehavior(QAbstractItemView::SelectRows);
      view->header()->setStretchLastSection(false);
      return view;
    }
    case CTL_TABCONTROL:
      return new CTabControlWidget(h, parent);
  }
  return new QWidget(parent);
}

}  // namespace

QWidget* MakeWidget(HWND hwnd, ControlKind kind, DWORD cstyle, QWidget* parent) {
  QWidget* widget = NewWidget(hwnd, kind, cstyle, parent);
  widget->installEventFilter(new CControlFilter(hwnd, widget));
  return widget;
}

void ShowTabs(QWidget* tabControl, const std::vector<std::string>& tabs, int current) {
  QTabBar* bar = tabControl->findChild<QTabBar*>();
  const QSignalBlocker quiet(bar);
  bool same = bar->count() == static_cast<int>(tabs.size());
  for (int i = 0; same && i < bar->count(); ++i) same = bar->tabText(i) == QString::fromLatin1(tabs[i]);
  if (!same) {
    while (bar->count() > 0) bar->removeTab(0);
    for (const std::string& t : tabs) bar->addTab(QString::fromLatin1(t));
  }
  if (current >= 0) bar->setCurrentIndex(current);
}

}  // namespace plat::desktop
