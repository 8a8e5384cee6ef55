// The Qt widgets show what the control model holds, whoever changed it:
// the program's calls and the user's input on another widget alike.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

#include <string>

#include "platform/desktop/WindowTable.h"
#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/User.h"

namespace {

using namespace plat;

enum : int { kCheck = 10, kRadioA = 11, kRadioB = 12, kEdit = 20, kCombo = 30, kList = 40, kView = 50, kTab = 60 };
constexpr int kTemplateId = 420;
constexpr UINT kLook = WM_USER + 9;

const DLGITEMTEMPLATE kItems[] = {
    {CTL_CHECKBOX, kCheck, "Check", 8, 8, 90, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioA, "A", 8, 30, 50, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioB, "B", 60, 30, 50, 18, 0},
    {CTL_EDIT, kEdit, "start", 120, 8, 120, 22, CS_GROUP | CS_BORDER},
    {CTL_COMBOBOX, kCombo, "", 8, 60, 150, 120, CS_GROUP},
    {CTL_LISTBOX, kList, "", 170, 60, 100, 70, CS_BORDER},
    {CTL_LISTVIEW, kView, "", 8, 140, 280, 90, CS_BORDER},
    {CTL_TABCONTROL, kTab, "", 8, 240, 280, 60, 0},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 300, 270, 60, 24, 0},
};
const DLGTEMPLATE kTemplate = {"Widgets", 380, 310, nullptr, 0, TRUE, kItems,
                               static_cast<int>(sizeof kItems / sizeof kItems[0])};

template <class W>
W* WidgetOf(HWND dialog, int id) {
  desktop::CWindow* w = desktop::Windows().Find(GetDlgItem(dialog, id));
  return w ? static_cast<W*>(w->widget) : nullptr;
}

QString Cell(QTreeWidget* view, int row, int column) {
  QTreeWidgetItem* item = view->topLevelItem(row);
  return item ? item->text(column) : QStringLiteral("<none>");
}

void Look(HWND dialog) {
  // The program's calls.
  CheckDlgButton(dialog, kCheck, BST_CHECKED);
  CheckRadioButton(dialog, kRadioA, kRadioB, kRadioB);
  EXPECT_TRUE(WidgetOf<QCheckBox>(dialog, kCheck)->isChecked());
  EXPECT_FALSE(WidgetOf<QRadioButton>(dialog, kRadioA)->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(dialog, kRadioB)->isChecked());
  SetDlgItemText(dialog, kEdit, "typed");
  EXPECT_EQ(WidgetOf<QLineEdit>(dialog, kEdit)->text(), QStringLiteral("typed"));
  Edit_SetReadOnly(GetDlgItem(dialog, kEdit), TRUE);
  EXPECT_TRUE(WidgetOf<QLineEdit>(dialog, kEdit)->isReadOnly());

  HWND combo = GetDlgItem(dialog, kCombo);
  ComboBox_AddString(combo, "One");
  ComboBox_AddString(combo, "Two");
  ComboBox_SetCurSel(combo, 1);
  auto* qcombo = WidgetOf<QComboBox>(dialog, kCombo);
  EXPECT_EQ(qcombo->count(), 2);
  EXPECT_EQ(qcombo->currentText(), QStringLiteral("Two"));
  ComboBox_ResetContent(combo);
  EXPECT_EQ(qcombo->count(), 0);

  HWND list = GetDlgItem(dialog, kList);
  ListBox_AddString(list, "red");
  ListBox_AddString(list, "blue");
  ListBox_SetCurSel(list, 1);
  EXPECT_EQ(WidgetOf<QListWidget>(dialog, kList)->currentRow(), 1);

  // Rows and columns inserted anywhere land where the model has them.
  HWND view = GetDlgItem(dialog, kView);
  ListView_InsertColumn(view, 0, "Date", 100, 0);
  ListView_InsertColumn(view, 1, "Amount", 80, 0);
  ListView_InsertItem(view, 0, "b");
  ListView_SetItemText(view, 0, 1, "$2");
  ListView_InsertItem(view, 0, "a");
  ListView_InsertItem(view, 9, "c");
  ListView_InsertItem(view, 1, "a2");
  ListView_InsertColumn(view, 1, "Id", 40, 0);
  auto* qview = WidgetOf<QTreeWidget>(dialog, kView);
  ASSERT_EQ(qview->topLevelItemCount(), 4);
  EXPECT_EQ(qview->columnCount(), 3);
  EXPECT_EQ(qview->headerItem()->text(1), QStringLiteral("Id"));
  EXPECT_EQ(Cell(qview, 0, 0), QStringLiteral("a"));
  EXPECT_EQ(Cell(qview, 1, 0), QStringLiteral("a2"));
  EXPECT_EQ(Cell(qview, 2, 0), QStringLiteral("b"));
  EXPECT_EQ(Cell(qview, 2, 2), QStringLiteral("$2"));
  EXPECT_EQ(Cell(qview, 3, 0), QStringLiteral("c"));

  HWND tab = GetDlgItem(dialog, kTab);
  TabCtrl_InsertItem(tab, 0, "Second");
  TabCtrl_InsertItem(tab, 0, "First");
  auto* bar = WidgetOf<QWidget>(dialog, kTab)->findChild<QTabBar*>();
  ASSERT_EQ(bar->count(), 2);
  EXPECT_EQ(bar->tabText(0), QStringLiteral("First"));
  EXPECT_EQ(bar->currentIndex(), 1);  // the selection moved with its tab

  // The user's click on one radio button clears the other's widget.
  contract::user::Click(dialog, kRadioA);
  EXPECT_TRUE(WidgetOf<QRadioButton>(dialog, kRadioA)->isChecked());
  EXPECT_FALSE(WidgetOf<QRadioButton>(dialog, kRadioB)->isChecked());
  EndDialog(dialog, 4);
}

INT_PTR LookProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    PostMessage(dialog, kLook, 0, 0);
    return TRUE;
  }
  if (msg == kLook) {
    Look(dialog);
    return TRUE;
  }
  return FALSE;
}

class Widgets : public contract::Contract {};

TEST_F(Widgets, TheWidgetsShowTheModelOnDesktop) {
  RegisterDialogResource(kTemplateId, &kTemplate);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, LookProc, 0), 4);
}

// A window manager's close button closes the box's widget without a click on
// any of its buttons; the box must still end, answering as Escape would.
TEST_F(Widgets, AMessageBoxClosedThroughItsWindowAnswersItsEscapeButtonOnDesktop) {
  const auto closeBox = [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  };
  // Runs once the box's modal loop handles Qt's events.
  QTimer::singleShot(0, closeBox);
  // Only a box that never ends meets this: it fails the test instead of hanging it.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the closed box did not end";
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->escapeButton()->click();
  });
  guard.start(60000);
  EXPECT_EQ(MessageBox(nullptr, "Go?", "Closed", MB_OKCANCEL), IDCANCEL);
  QTimer::singleShot(0, closeBox);
  EXPECT_EQ(MessageBox(nullptr, "Done.", "Closed", MB_OK | MB_ICONSTOP), IDOK);
}

}  // namespace

