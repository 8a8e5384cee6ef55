#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <cstring>

#include "platform/desktop/ControlWidgets.h"
#include "platform/desktop/Controls.h"
#include "platform/desktop/WindowTable.h"

namespace plat {
namespace {

using desktop::CWindow;
using desktop::Windows;

// The control behind a handle when it is of one of the kinds asked for.
CWindow* Control(HWND hwnd, ControlKind a, ControlKind b = static_cast<ControlKind>(-1)) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || w->kind != desktop::WindowKind::kControl) return nullptr;
  return w->controlKind == a || w->controlKind == b ? w : nullptr;
}

QAbstractButton* CheckButton(HWND dialog, int id) {
  CWindow* c = Control(GetDlgItem(dialog, id), CTL_CHECKBOX, CTL_RADIOBUTTON);
  return c ? static_cast<QAbstractButton*>(c->widget) : nullptr;
}

QComboBox* Combo(HWND hwnd) {
  CWindow* c = Control(hwnd, CTL_COMBOBOX);
  return c ? static_cast<QComboBox*>(c->widget) : nullptr;
}

QListWidget* List(HWND hwnd) {
  CWindow* c = Control(hwnd, CTL_LISTBOX);
  return c ? static_cast<QListWidget*>(c->widget) : nullptr;
}

QTreeWidget* View(HWND hwnd) {
  CWindow* c = Control(hwnd, CTL_LISTVIEW);
  return c ? static_cast<QTreeWidget*>(c->widget) : nullptr;
}

desktop::CTabControlWidget* Tab(HWND hwnd) {
  CWindow* c = Control(hwnd, CTL_TABCONTROL);
  return c ? static_cast<desktop::CTabControlWidget*>(c->widget) : nullptr;
}

BOOL CopyText(const QString& text, char* buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return FALSE;
  const QByteArray bytes = text.toLatin1();
  const int n = std::min(static_cast<int>(bytes.size()), maxCount - 1);
  std::memcpy(buffer, bytes.constData(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return TRUE;
}

}  // namespace

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  QAbstractButton* b = CheckButton(dialog, id);
  if (!b) return FALSE;
  b->setChecked(check == BST_CHECKED);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  QAbstractButton* b = CheckButton(dialog, id);
  return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void Edit_LimitText(HWND edit, int maxChars) {
  if (CWindow* c = Control(edit, CTL_EDIT)) {
    static_cast<QLineEdit*>(c->widget)->setMaxLength(maxChars > 0 ? maxChars : 32767);
  }
}

void Edit_SetReadOnly(HWND edit, BOOL readOnly) {
  if (CWindow* c = Control(edit, CTL_EDIT)) static_cast<QLineEdit*>(c->widget)->setReadOnly(readOnly);
}

int ComboBox_AddString(HWND combo, const char* text) {
  QComboBox* c = Combo(combo);
  if (!c || !text) return -1;
  const int selected = c->currentIndex();
  c->addItem(QString::fromLatin1(text));
  if (selected < 0) c->setCurrentIndex(-1);  // adding selects nothing
  return c->count() - 1;
}

int ComboBox_SetItemData(HWND combo, int index, LPARAM data) {
  QComboBox* c = Combo(combo);
  if (!c || index < 0 || index >= c->count()) return -1;
  c->setItemData(index, QVariant::fromValue(static_cast<qlonglong>(data)), desktop::kItemDataRole);
  return index;
}

LPARAM ComboBox_GetItemData(HWND combo, int index) {
  QComboBox* c = Combo(combo);
  if (!c || index < 0 || index >= c->count()) return -1;
  return static_cast<LPARAM>(c->itemData(index, desktop::kItemDataRole).toLongLong());
}

int ComboBox_SetCurSel(HWND combo, int index) {
  QComboBox* c = Combo(combo);
  if (!c) return -1;
  if (index < 0 || index >= c->count()) {
    c->setCurrentIndex(-1);
    return -1;
  }
  c->setCurrentIndex(index);
  return index;
}

int ComboBox_GetCurSel(HWND combo) {
  QComboBox* c = Combo(combo);
  return c ? c->currentIndex() : -1;
}

int ComboBox_GetCount(HWND combo) {
  QComboBox* c = Combo(combo);
  return c ? c->count() : -1;
}

int ComboBox_ResetContent(HWND combo) {
  QComboBox* c = Combo(combo);
  if (!c) return -1;
  c->clear();
  return 0;
}

void ComboBox_SetDroppedHeight(HWND combo, int height) {
  CWindow* w = Control(combo, CTL_COMBOBOX);
  if (!w) return;
  auto* c = static_cast<QComboBox*>(w->widget);
  const int item = w->itemHeight > 0 ? w->itemHeight : QFontMetrics(c->font()).height() + 2;
  c->setMaxVisibleItems(std::max(1, height / item));
}

int ListBox_AddString(HWND list, const char* text) {
  QListWidget* l = List(list);
  if (!l || !text) return -1;
  const QSignalBlocker quiet(l);
  l->addItem(QString::fromLatin1(text));
  return l->count() - 1;
}

int ListBox_GetCurSel(HWND list) {
  QListWidget* l = List(list);
  return l ? l->currentRow() : -1;
}

int ListBox_SetCurSel(HWND list, int index) {
  QListWidget* l = List(list);
  if (!l) return -1;
  const QSignalBlocker quiet(l);  // only the user's changes notify
  if (index < 0 || index >= l->count()) {
    l->setCurrentRow(-1);
    return -1;
  }
  l->setCurrentRow(index);
  return index;
}

int ListView_InsertColumn(HWND view, int column, const char* title, int width, int) {
  QTreeWidget* v = View(view);
  if (!v || column < 0) return -1;
  const int count = v->columnCount();
  const int at = std::min(column, count);
  v->setColumnCount(count + 1);
  QTreeWidgetItem* header = v->headerItem();
  // Later columns move one place right, with the cells under them.
  for (int c = count; c > at; --c) {
    header->setText(c, header->text(c - 1));
    v->setColumnWidth(c, v->columnWidth(c - 1));
    for (int r = 0; r < v->topLevelItemCount(); ++r) {
      QTreeWidgetItem* item = v->topLevelItem(r);
      item->setText(c, item->text(c - 1));
    }
  }
  header->setText(at, QString::fromLatin1(title ? title : ""));
  for (int r = 0; r < v->topLevelItemCount(); ++r) v->topLevelItem(r)->setText(at, QString());
  v->setColumnWidth(at, std::max(0, width));
  return at;
}

int ListView_InsertItem(HWND view, int index, const char* text) {
  QTreeWidget* v = View(view);
  if (!v) return -1;
  const int at = index < 0 || index > v->topLevelItemCount() ? v->topLevelItemCount() : index;
  auto* item = new QTreeWidgetItem;
  item->setText(0, QString::fromLatin1(text ? text : ""));
  v->insertTopLevelItem(at, item);
  return at;
}

BOOL ListView_SetItemText(HWND view, int index, int column, const char* text) {
  QTreeWidget* v = View(view);
  if (!v || column < 0 || column >= v->columnCount()) return FALSE;
  QTreeWidgetItem* item = v->topLevelItem(index);
  if (!item) return FALSE;
  item->setText(column, QString::fromLatin1(text ? text : ""));
  return TRUE;
}

int ListView_GetItemCount(HWND view) {
  QTreeWidget* v = View(view);
  return v ? v->topLevelItemCount() : 0;
}

BOOL ListView_GetItemText(HWND view, int index, int column, char* buffer, int maxCount) {
  QTreeWidget* v = View(view);
  if (!v || column < 0 || column >= v->columnCount()) return FALSE;
  QTreeWidgetItem* item = v->topLevelItem(index);
  return item ? CopyText(item->text(column), buffer, maxCount) : FALSE;
}

int TabCtrl_InsertItem(HWND tab, int index, const char* text) {
  desktop::CTabControlWidget* t = Tab(tab);
  if (!t || index < 0) return -1;
  return t->Insert(std::min(index, t->Bar()->count()), QString::fromLatin1(text ? text : ""));
}

int TabCtrl_GetCurSel(HWND tab) {
  desktop::CTabControlWidget* t = Tab(tab);
  return t ? t->Current() : -1;
}

int TabCtrl_SetCurSel(HWND tab, int index) {
  desktop::CTabControlWidget* t = Tab(tab);
  if (!t || index < 0 || index >= t->Bar()->count()) return -1;
  return t->Select(index);
}

BOOL TabCtrl_GetDisplayRect(HWND tab, RECT* rect) {
  desktop::CTabControlWidget* t = Tab(tab);
  if (!t || !rect) return FALSE;
  const QRect r = t->DisplayRect();
  *rect = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
  return TRUE;
}

BOOL MapWindowRect(HWND from, HWND to, RECT* rect) {
  if (!rect || (from && !Windows().Find(from)) || (to && !Windows().Find(to))) return FALSE;
  POINT a{rect->left, rect->top};
  POINT b{rect->right, rect->bottom};
  if (from) {
    ClientToScreen(from, &a);
    ClientToScreen(from, &b);
  }
  if (to) {
    ScreenToClient(to, &a);
    ScreenToClient(to, &b);
  }
  *rect = RECT{a.x, a.y, b.x, b.y};
  return TRUE;
}

void InitCommonControls() {}

}  // namespace plat
