// The user's input given to the Qt widgets themselves, so that what they
// report goes the way a person's would.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/desktop/WindowTable.h"
#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/User.h"

// The desktop keeps its one backend for the whole run.
void contract::ResetBackend() {}

namespace contract::user {
namespace {

using namespace plat;

QWidget* Usable(HWND dialog, int id) {
  const HWND h = GetDlgItem(dialog, id);
  desktop::CWindow* w = desktop::Windows().Find(h);
  if (!w || !w->widget || !IsWindowVisible(h) || !IsWindowEnabled(h)) return nullptr;
  // A person's hand makes the window active first, however late the X
  // server's own activation comes.
  QWidget* top = w->widget->window();
  if (!top->isActiveWindow()) QApplication::setActiveWindow(top);
  return w->widget;
}

void Settle() { QApplication::processEvents(); }

}  // namespace

void Click(HWND dialog, int id) {
  QWidget* w = Usable(dialog, id);
  if (!w) return;
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setFocus(Qt::MouseFocusReason);
    button->click();
  } else {
    const QPointF at(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
  }
  Settle();
}

void Type(HWND dialog, int id, const char* text) {
  auto* edit = qobject_cast<QLineEdit*>(Usable(dialog, id));
  if (!edit) return;
  edit->setFocus(Qt::MouseFocusReason);
  Settle();
  // Pasted over the whole text: one change, as the scripted user makes.
  edit->selectAll();
  edit->insert(QString::fromLatin1(text));
  Settle();
}

void Choose(HWND dialog, int id, int index) {
  QWidget* w = Usable(dialog, id);
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (index < 0 || index >= combo->count()) return;
    combo->setFocus(Qt::MouseFocusReason);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    if (index < 0 || index >= list->count()) return;
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentRow(index);
  }
  Settle();
}

void ChooseTab(HWND dialog, int id, int index) {
  QWidget* tab = Usable(dialog, id);
  QTabBar* bar = tab ? tab->findChild<QTabBar*>() : nullptr;
  if (!bar || index < 0 || index >= bar->count()) return;
  bar->setCurrentIndex(index);
  Settle();
}

// Once the box's modal loop handles Qt's events.
void AnswerNextMessageBox(std::function<int()> whileOpen) {
  QTimer::singleShot(0, [whileOpen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box is open";
      return;
    }
    const int answer = whileOpen();
    const QMessageBox::StandardButton button = answer == IDOK      ? QMessageBox::Ok
                                               : answer == IDCANCEL ? QMessageBox::Cancel
                                               : answer == IDYES    ? QMessageBox::Yes
                                                                    : QMessageBox::No;
    if (QAbstractButton* b = box->button(button)) b->click();
    Settle();
  });
}

}  // namespace contract::user
