// Controls (the built-in classes) shown as Qt widgets: the model in
// common/Controls.cpp holds their state, the widgets show it.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTreeWidget>

#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/desktop/ControlWidgets.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

// A combo or list box: refilled when its items differ from the model's.
template <class W>
void ShowItems(W* widget, const common::CControl& c) {
  QStringList items;
  for (const common::CItem& item : c.items) items << QString::fromLatin1(item.text);
  QStringList shown;
  for (int i = 0; i < widget->count(); ++i) shown << widget->model()->index(i, 0).data().toString();
  if (shown != items) {
    widget->clear();
    widget->addItems(items);
  }
}

bool RowShows(const QTreeWidgetItem* item, const std::vector<std::string>& row) {
  for (std::size_t col = 0; col < row.size(); ++col) {
    if (item->text(static_cast<int>(col)) != QString::fromLatin1(row[col])) return false;
  }
  return true;
}

void ShowRows(QTreeWidget* view, const common::CControl& c) {
  const int columns = static_cast<int>(c.columns.size());
  QTreeWidgetItem* header = view->headerItem();
  if (view->columnCount() != columns) view->setColumnCount(columns);
  for (int col = 0; col < columns; ++col) {
    if (header->text(col) != QString::fromLatin1(c.columns[col])) {
      header->setText(col, QString::fromLatin1(c.columns[col]));
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
      const QString cell = col < static_cast<int>(row.size()) ? QString::fromLatin1(row[col]) : QString();
      if (item->text(col) != cell) item->setText(col, cell);
    }
  }
}

// Applies the font the control was given with WM_SETFONT to its widget.
void SetControlFont(CWindow* c, HFONT font) {
  const common::CGdiObject* object = common::FindGdi(font, common::GdiKind::kFont);
  if (!object) return;
  const QFont f = MakeFont(object->font.height, object->font.width, object->font.weight, object->font.face.c_str());
  c->widget->setFont(f);
}

}  // namespace
}  // namespace plat::desktop

namespace plat::common {

using desktop::CWindow;
using desktop::Windows;

CWindowCore* NewControlRecord(HWND parentHandle) {
  const CWindow* parent = Windows().Find(parentHandle);
  if (!parent || !parent->widget || parent->kind == desktop::WindowKind::kMessageBox) return nullptr;
  return Windows().Create(desktop::WindowKind::kControl);
}

void MakeControlNative(CWindowCore& control, RECT* frame) {
  auto& c = static_cast<CWindow&>(control);
  CControl& model = *c.control;
  QWidget* widget = desktop::MakeWidget(c.handle, model.kind, model.cstyle, Windows().Find(c.parent)->widget);
  Windows().BindWidget(&c, widget);
  if (model.kind == CTL_COMBOBOX) {
    // The template's height is the dropped list's; the field keeps its own.
    const int field = widget->sizeHint().height();
    model.droppedHeight = std::max<int>(0, frame->bottom - frame->top - field);
    frame->bottom = frame->top + field;
  }
  if (model.cstyle & CS_OWNERDRAW) model.itemHeight = QFontMetrics(widget->font()).height() + 2;
  ShowControlState(c);
}

void ShowControlState(CWindowCore& core) {
  auto& w = static_cast<CWindow&>(core);
  const CControl& c = *w.control;
  QWidget* widget = w.widget;
  if (!widget) return;
  const QSignalBlocker quiet(widget);  // only the user's changes notify
  const QString text = QString::fromLatin1(c.text);
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
      combo->setCurrentIndex(c.curSel);
      const int item = c.itemHeight > 0 ? c.itemHeight : QFontMetrics(combo->font()).height() + 2;
      combo->setMaxVisibleItems(std::max(1, c.droppedHeight / item));
      if ((c.cstyle & CS_OWNERDRAW) && combo->height() < c.itemHeight + 6) {
        combo->resize(combo->width(), c.itemHeight + 6);
      }
      combo->update();
      break;
    }
    case CTL_LISTBOX: {
      auto* list = static_cast<QListWidget*>(widget);
      desktop::ShowItems(list, c);
      list->setCurrentRow(c.curSel);
      break;
    }
    case CTL_LISTVIEW:
      desktop::ShowRows(static_cast<QTreeWidget*>(widget), c);
      break;
    case CTL_TABCONTROL:
      desktop::ShowTabs(widget, c.tabs, c.curSel);
      break;
    case CTL_STATICFRAME:
      break;
  }
}

// The widgets paint themselves; a read-only edit asks for its colours as it paints.
void PaintControl(CWindowCore&) {}

bool NativeInputReached(CWindowCore& control) {
  auto& w = static_cast<CWindow&>(control);
  if (!w.nativeEvent) return false;
  w.nativeDefault = true;  // Qt handles the event it came from
  return true;
}

int TabRowHeight(const CWindowCore& tab) {
  const auto& w = static_cast<const CWindow&>(tab);
  return w.widget->findChild<QTabBar*>()->sizeHint().height();
}

}  // namespace plat::common
