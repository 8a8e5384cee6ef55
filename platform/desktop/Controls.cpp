#include "platform/desktop/Controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>

#include <strings.h>

#include "platform/desktop/ControlWidgets.h"
#include "platform/common/ControlClasses.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/KeyMap.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

// The radio buttons of the group that holds radio: from the last control
// with CS_GROUP at or before it up to the next control with CS_GROUP.
std::vector<CWindow*> RadioGroupOf(CWindow* radio) {
  std::vector<CWindow*> group;
  const std::vector<CWindow*> all = ChildrenOf(Windows().Find(radio->parent));
  auto self = std::find(all.begin(), all.end(), radio);
  if (self == all.end()) return group;
  auto first = self;
  while (first != all.begin() && !((*first)->controlStyle & CS_GROUP)) --first;
  for (auto it = first; it != all.end(); ++it) {
    if (it != first && ((*it)->controlStyle & CS_GROUP)) break;
    if ((*it)->controlKind == CTL_RADIOBUTTON) group.push_back(*it);
  }
  return group;
}

void ClickRadio(HWND hwnd) {
  CWindow* w = Windows().Find(hwnd);
  if (!w) return;
  for (CWindow* r : RadioGroupOf(w)) {
    static_cast<QRadioButton*>(r->widget)->setChecked(r == w);
  }
}

// Edit focus notifications, and Qt input passed through a subclass procedure.
class CControlFilter : public QObject {
 public:
  CControlFilter(HWND hwnd, QObject* parent) : QObject(parent), m_hwnd(hwnd) {}
  bool eventFilter(QObject*, QEvent* event) override {
    CWindow* w = Windows().Find(m_hwnd);
    if (!w) return false;
    CQtEntry entry;
    switch (event->type()) {
      case QEvent::FocusIn:
        if (w->controlKind == CTL_EDIT) NotifyParent(w, EN_SETFOCUS);
        return false;
      case QEvent::FocusOut:
        if (w->controlKind == CTL_EDIT) NotifyParent(w, EN_KILLFOCUS);
        return false;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease: {
        if (w->proc == ControlProc) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const QPoint p = mouse->position().toPoint();
        const UINT msg = event->type() == QEvent::MouseButtonPress ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        return !PassThrough(msg, MouseKeyFlags(mouse->buttons(), mouse->modifiers()),
                            MAKELPARAM(p.x(), p.y()));
      }
      case QEvent::KeyPress: {
        if (w->proc == ControlProc) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const WPARAM vk = VirtualKeyFromQt(key->key());
        const LPARAM l = 1 | (key->isAutoRepeat() ? KEY_REPEAT_FLAG : 0);
        if (vk && !PassThrough(WM_KEYDOWN, vk, l)) return true;
        const QString text = key->text();
        if (text.size() == 1 && text[0].unicode() < 256 && !PassThrough(WM_CHAR, text[0].unicode(), l)) {
          return true;
        }
        return false;
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

QWidget* MakeWidget(CWindow* c, QWidget* parent, const QString& text) {
  const HWND h = c->handle;
  const DWORD cs = c->controlStyle;
  switch (c->controlKind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON: {
      auto* b = new QPushButton(text, parent);
      b->setAutoDefault(false);
      b->setDefault(c->controlKind == CTL_DEFPUSHBUTTON);
      QObject::connect(b, &QPushButton::clicked, b, [h] {
        CQtEntry entry;
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, BN_CLICKED);
      });
      return b;
    }
    case CTL_CHECKBOX: {
      auto* b = new QCheckBox(text, parent);
      QObject::connect(b, &QCheckBox::clicked, b, [h] {
        CQtEntry entry;
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, BN_CLICKED);
      });
      return b;
    }
    case CTL_RADIOBUTTON: {
      auto* b = new QRadioButton(text, parent);
      b->setAutoExclusive(false);
      QObject::connect(b, &QRadioButton::clicked, b, [h] {
        CQtEntry entry;
        ClickRadio(h);
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, BN_CLICKED);
      });
      return b;
    }
    case CTL_GROUPBOX:
      return new QGroupBox(text, parent);
    case CTL_STATICFRAME: {
      auto* f = new QFrame(parent);
      f->setFrameStyle(QFrame::Box | QFrame::Sunken);
      f->setAttribute(Qt::WA_TransparentForMouseEvents);
      return f;
    }
    case CTL_STATIC: {
      auto* s = new CStaticWidget(h, parent);
      s->text = text;
      s->setAttribute(Qt::WA_TransparentForMouseEvents, !(cs & CS_NOTIFY));
      return s;
    }
    case CTL_EDIT: {
      auto* e = new CEditWidget(h, text, parent);
      e->setMaxLength(32767);
      e->setReadOnly(cs & CS_READONLY);
      if (cs & CS_PASSWORD) e->setEchoMode(QLineEdit::Password);
      if (cs & CS_NUMBER) {
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
      }
      QObject::connect(e, &QLineEdit::textChanged, e, [h] {
        CQtEntry entry;
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, EN_CHANGE);
      });
      return e;
    }
    case CTL_COMBOBOX: {
      QComboBox* combo = (cs & CS_OWNERDRAW) ? new COwnerDrawCombo(h, parent) : new QComboBox(parent);
      if (cs & CS_OWNERDRAW) combo->setItemDelegate(new COwnerDrawDelegate(h, combo));
      QObject::connect(combo, &QComboBox::activated, combo, [h](int) {
        CQtEntry entry;
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, CBN_SELCHANGE);
      });
      return combo;
    }
    case CTL_LISTBOX: {
      auto* list = new QListWidget(parent);
      if (cs & CS_OWNERDRAW) list->setItemDelegate(new COwnerDrawDelegate(h, list));
      list->setUniformItemSizes(true);
      // The program's own changes block the signal (DialogControls.cpp).
      QObject::connect(list, &QListWidget::currentRowChanged, list, [h](int) {
        CQtEntry entry;
        if (CWindow* w = Windows().Find(h)) NotifyParent(w, LBN_SELCHANGE);
      });
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

// Owner-drawn items: their height comes from the parent, asked once; a
// combo box's field grows to hold one.
void MeasureItems(CWindow* c, int width) {
  const QFontMetrics fm(c->widget->font());
  MEASUREITEMSTRUCT mis{c->id, 0, width, fm.height() + 2, 0};
  const HWND h = c->handle;
  SendMessage(c->parent, WM_MEASUREITEM, static_cast<WPARAM>(c->id),
              reinterpret_cast<LPARAM>(&mis));
  CWindow* w = Windows().Find(h);
  if (!w) return;
  w->itemHeight = std::max(1, static_cast<int>(mis.itemHeight));
  if (w->controlKind == CTL_COMBOBOX && w->widget->height() < w->itemHeight + 6) {
    w->widget->resize(w->widget->width(), w->itemHeight + 6);
  }
}

}  // namespace

CWindow* CreateControl(CWindow* parent, ControlKind kind, int id, const char* text,
                       const QRect& rect, DWORD controlStyle, DWORD windowStyle) {
  if (!parent || !parent->widget || parent->kind == WindowKind::kMessageBox) return nullptr;
  CWindow* c = Windows().Create(WindowKind::kControl);
  c->className = common::ControlClassName(kind);
  c->proc = ControlProc;
  c->parent = parent->handle;
  c->id = id;
  c->controlKind = kind;
  c->controlStyle = controlStyle;
  c->style = (windowStyle | WS_CHILD | ((controlStyle & CS_DISABLED) ? WS_DISABLED : 0)) &
             ~((controlStyle & CS_HIDDEN) ? WS_VISIBLE : 0);
  QWidget* widget = MakeWidget(c, parent->widget, text ? QString::fromLatin1(text) : QString());
  Windows().BindWidget(c, widget);
  widget->installEventFilter(new CControlFilter(c->handle, widget));
  c->needsPaint = true;
  QRect place = rect;
  if (kind == CTL_COMBOBOX) {
    // The template's height is the dropped list's; the field keeps its own.
    auto* combo = static_cast<QComboBox*>(widget);
    const int field = combo->sizeHint().height();
    place.setHeight(field);
    const int item = QFontMetrics(combo->font()).height() + 2;
    combo->setMaxVisibleItems(std::max(1, (rect.height() - field) / item));
  }
  common::InitFrame(*c, place.x(), place.y(), place.width(), place.height());
  if (!common::StartWindow(*c, nullptr, false)) return nullptr;
  if ((controlStyle & CS_OWNERDRAW) && (kind == CTL_COMBOBOX || kind == CTL_LISTBOX)) {
    MeasureItems(c, rect.width());
  }
  return Windows().Find(c->handle);
}

QString ControlText(const CWindow* c) {
  QWidget* w = c->widget;
  switch (c->controlKind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON:
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON:
      return static_cast<QAbstractButton*>(w)->text();
    case CTL_GROUPBOX:
      return static_cast<QGroupBox*>(w)->title();
    case CTL_STATIC:
      return static_cast<CStaticWidget*>(w)->text;
    case CTL_EDIT:
      return static_cast<QLineEdit*>(w)->text();
    case CTL_COMBOBOX:
      return static_cast<QComboBox*>(w)->currentText();
    case CTL_LISTBOX: {
      const QListWidgetItem* item = static_cast<QListWidget*>(w)->currentItem();
      return item ? item->text() : QString();
    }
    default:
      return QString();
  }
}

void SetControlText(CWindow* c, const QString& text) {
  QWidget* w = c->widget;
  switch (c->controlKind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON:
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON:
      static_cast<QAbstractButton*>(w)->setText(text);
      break;
    case CTL_GROUPBOX:
      static_cast<QGroupBox*>(w)->setTitle(text);
      break;
    case CTL_STATIC:
      static_cast<CStaticWidget*>(w)->text = text;
      c->needsPaint = true;
      c->needsErase = true;
      break;
    case CTL_EDIT: {
      auto* e = static_cast<QLineEdit*>(w);
      // A text over the limit is cut, as typing would.
      e->setText(text.left(e->maxLength()));
      break;
    }
    default:
      break;
  }
}

void SetControlFont(CWindow* c, HFONT font) {
  const common::CGdiObject* object = common::FindGdi(font, common::GdiKind::kFont);
  if (!object) return;
  const QFont f = MakeFont(object->font.height, object->font.width, object->font.weight,
                           object->font.face.c_str());
  if (c->controlKind == CTL_TABCONTROL) {
    static_cast<CTabControlWidget*>(c->widget)->Bar()->setFont(f);
    static_cast<CTabControlWidget*>(c->widget)->update();
  }
  c->widget->setFont(f);
  c->needsPaint = true;
}

void NotifyParent(CWindow* c, WORD code) {
  if (!c->parent) return;
  SendMessage(c->parent, WM_COMMAND, MAKEWPARAM(c->id, code),
              reinterpret_cast<LPARAM>(c->handle));
}

}  // namespace plat::desktop
