// Controls (the built-in classes) shown as Qt widgets: the model in
// common/Controls.cpp holds their state, the widgets show it and report
// the user's input on them back to it.
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
#include <QSignalBlocker>
#include <QTreeWidget>

#include "platform/common/ControlClasses.h"
#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/ControlWidgets.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/KeyMap.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// Runs a report of the user's input in the model from a Qt signal.
template <class F>
void Report(HWND h, F&& f) {
  CQtEntry entry;
  if (Windows().Find(h)) f();
}

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
        if (w->proc == common::ControlProc) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const QPoint p = mouse->position().toPoint();
        const UINT msg = event->type() == QEvent::MouseButtonPress ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        return !PassThrough(msg, MouseKeyFlags(mouse->buttons(), mouse->modifiers()), MAKELPARAM(p.x(), p.y()));
      }
      case QEvent::KeyPress: {
        if (w->proc == common::ControlProc) return false;
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

QWidget* MakeWidget(HWND h, ControlKind kind, DWORD cs, QWidget* parent) {
  switch (kind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON: {
      auto* b = new QPushButton(parent);
      b->setAutoDefault(false);
      b->setDefault(kind == CTL_DEFPUSHBUTTON);
      QObject::connect(b, &QPushButton::clicked, b, [h] { Report(h, [h] { common::ClickControl(h); }); });
      return b;
    }
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON: {
      QAbstractButton* b = kind == CTL_CHECKBOX ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                                : new QRadioButton(parent);
      b->setAutoExclusive(false);  // the model keeps the group
      QObject::connect(b, &QAbstractButton::clicked, b, [h] { Report(h, [h] { common::ClickControl(h); }); });
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
      auto* s = new CStaticWidget(h, parent);
      s->setAttribute(Qt::WA_TransparentForMouseEvents, !(cs & CS_NOTIFY));
      return s;
    }
    case CTL_EDIT: {
      auto* e = new CEditWidget(h, parent);
      if (cs & CS_PASSWORD) e->setEchoMode(QLineEdit::Password);
      QObject::connect(e, &QLineEdit::textEdited, e, [h](const QString& text) {
        Report(h, [h, &text] { common::ReplaceEditText(h, text.toLatin1().toStdString()); });
      });
      return e;
    }
    case CTL_COMBOBOX: {
      QComboBox* combo = (cs & CS_OWNERDRAW) ? new COwnerDrawCombo(h, parent) : new QComboBox(parent);
      if (cs & CS_OWNERDRAW) combo->setItemDelegate(new COwnerDrawDelegate(h, combo));
      QObject::connect(combo, &QComboBox::activated, combo,
                       [h](int index) { Report(h, [h, index] { common::ChooseItem(h, index); }); });
      return combo;
    }
    case CTL_LISTBOX: {
      auto* list = new QListWidget(parent);
      if (cs & CS_OWNERDRAW) list->setItemDelegate(new COwnerDrawDelegate(h, list));
      list->setUniformItemSizes(true);
      // The model's own changes block the signal (ShowControlState).
      QObject::connect(list, &QListWidget::currentRowChanged, list,
                       [h](int index) { Report(h, [h, index] { common::ChooseItem(h, index); }); });
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

void ShowItems(QComboBox* combo, const common::CControl& c) {
  bool same = combo->count() == static_cast<int>(c.items.size());
  for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == Latin1(c.items[i].text);
  if (!same) {
    combo->clear();
    for (const common::CItem& item : c.items) combo->addItem(Latin1(item.text));
  }
  combo->setCurrentIndex(c.curSel);
}

void ShowItems(QListWidget* list, const common::CControl& c) {
  bool same = list->count() == static_cast<int>(c.items.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == Latin1(c.items[i].text);
  if (!same) {
    list->clear();
    for (const common::CItem& item : c.items) list->addItem(Latin1(item.text));
  }
  list->setCurrentRow(c.curSel);
}

bool RowShows(const QTreeWidgetItem* item, const std::vector<std::string>& row) {
  for (std::size_t col = 0; col < row.size(); ++col) {
    if (item->text(static_cast<int>(col)) != Latin1(row[col])) return false;
  }
  return true;
}

void ShowRows(QTreeWidget* view, const common::CControl& c) {
  const int columns = static_cast<int>(c.columns.size());
  QTreeWidgetItem* header = view->headerItem();
  if (view->columnCount() != columns) view->setColumnCount(columns);
  for (int col = 0; col < columns; ++col) {
    if (header->text(col) != Latin1(c.columns[col])) {
      header->setText(col, Latin1(c.columns[col]));
      view->setColumnWidth(col, c.columnWidths[col]);
    }
  }
  // Rows only come in one at a time: the first that differs is the new one.
  const int rows = static_cast<int>(c.rows.size());
  while (view->topLevelItemCount() < rows) {
    int at = 0;
    while (at < view->topLevelItemCount() && RowShows(view->topLevelItem(at), c.rows[at])) ++at;
    view->insertTopLevelItem(at, new QTreeWidgetItem);
  }
  for (int r = 0; r < rows; ++r) {
    QTreeWidgetItem* item = view->topLevelItem(r);
    const auto& row = c.rows[r];
    for (int col = 0; col < columns; ++col) {
      const QString cell = col < static_cast<int>(row.size()) ? Latin1(row[col]) : QString();
      if (item->text(col) != cell) item->setText(col, cell);
    }
  }
}

// Applies the font the control was given with WM_SETFONT to its widget.
void SetControlFont(CWindow* c, HFONT font) {
  const common::CGdiObject* object = common::FindGdi(font, common::GdiKind::kFont);
  if (!object) return;
  const QFont f = MakeFont(object->font.height, object->font.width, object->font.weight, object->font.face.c_str());
  if (c->control->kind == CTL_TABCONTROL) static_cast<CTabControlWidget*>(c->widget)->Bar()->setFont(f);
  c->widget->setFont(f);
}

}  // namespace
}  // namespace plat::desktop

namespace plat::common {

using desktop::CWindow;
using desktop::Windows;

HWND MakeControlWindow(HWND parentHandle, ControlKind kind, int id, const char* text, const RECT& rect, DWORD cstyle,
                       DWORD windowStyle) {
  CWindow* parent = Windows().Find(parentHandle);
  if (!parent || !parent->widget || parent->kind == desktop::WindowKind::kMessageBox) return nullptr;
  CWindow* c = Windows().Create(desktop::WindowKind::kControl);
  c->className = ControlClassName(kind);
  c->proc = ControlProc;
  c->parent = parent->handle;
  c->id = id;
  c->control = NewControl(kind, cstyle, text);
  c->style = (windowStyle | WS_CHILD) & ~0xFFFFu;
  const HWND h = c->handle;
  QWidget* widget = desktop::MakeWidget(h, kind, cstyle, parent->widget);
  Windows().BindWidget(c, widget);
  widget->installEventFilter(new desktop::CControlFilter(h, widget));
  c->needsPaint = true;
  QRect place(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  if (kind == CTL_COMBOBOX) {
    // The template's height is the dropped list's; the field keeps its own.
    auto* combo = static_cast<QComboBox*>(widget);
    const int field = combo->sizeHint().height();
    c->control->droppedHeight = std::max(0, place.height() - field);
    place.setHeight(field);
  }
  InitFrame(*c, place.x(), place.y(), place.width(), place.height());
  ShowControlState(*c);
  return StartWindow(*c, nullptr, true);
}

void ShowControlState(CWindowCore& core) {
  auto& w = static_cast<CWindow&>(core);
  const CControl& c = *w.control;
  QWidget* widget = w.widget;
  if (!widget) return;
  const QSignalBlocker quiet(widget);  // only the user's changes notify
  const QString text = desktop::Latin1(c.text);
  if (w.font && w.font != w.shownFont) {
    desktop::SetControlFont(&w, w.font);
    w.shownFont = w.font;
    w.needsPaint = true;
  }
  switch (c.kind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON:
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON: {
      auto* b = static_cast<QAbstractButton*>(widget);
      if (b->text() != text) b->setText(text);
      if (c.kind == CTL_CHECKBOX || c.kind == CTL_RADIOBUTTON) b->setChecked(c.check == BST_CHECKED);
      break;
    }
    case CTL_GROUPBOX:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      break;
    case CTL_STATIC:
      // Painted on the parent's canvas through WM_PAINT; the widgets paint themselves.
      w.needsPaint = true;
      w.needsErase = true;
      widget->update();
      break;
    case CTL_EDIT: {
      auto* e = static_cast<QLineEdit*>(widget);
      if (e->text() != text) e->setText(text);
      e->setReadOnly(c.readOnly);
      break;
    }
    case CTL_COMBOBOX: {
      auto* combo = static_cast<QComboBox*>(widget);
      desktop::ShowItems(combo, c);
      const int item = c.itemHeight > 0 ? c.itemHeight : QFontMetrics(combo->font()).height() + 2;
      combo->setMaxVisibleItems(std::max(1, c.droppedHeight / item));
      if ((c.cstyle & CS_OWNERDRAW) && combo->height() < c.itemHeight + 6) {
        combo->resize(combo->width(), c.itemHeight + 6);
      }
      combo->update();
      break;
    }
    case CTL_LISTBOX:
      desktop::ShowItems(static_cast<QListWidget*>(widget), c);
      break;
    case CTL_LISTVIEW:
      desktop::ShowRows(static_cast<QTreeWidget*>(widget), c);
      break;
    case CTL_TABCONTROL:
      static_cast<desktop::CTabControlWidget*>(widget)->Show(c.tabs, c.curSel);
      break;
    case CTL_STATICFRAME:
      break;
  }
}

// The widgets paint themselves; a read-only edit asks for its colours as it paints.
void PaintControl(CWindowCore&) {}

int DefaultItemHeight(const CWindowCore& control) {
  const auto& w = static_cast<const CWindow&>(control);
  return w.widget ? QFontMetrics(w.widget->font()).height() + 2 : 16;
}

bool NativeInputReached(CWindowCore& control, UINT) {
  auto& w = static_cast<CWindow&>(control);
  if (!w.nativeEvent) return false;
  w.nativeDefault = true;  // Qt handles the event it came from
  return true;
}

int TabRowHeight(const CWindowCore& tab) {
  const auto& w = static_cast<const CWindow&>(tab);
  return static_cast<desktop::CTabControlWidget*>(w.widget)->Bar()->sizeHint().height();
}

}  // namespace plat::common
