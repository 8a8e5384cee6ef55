#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "platform/common/Device.h"
#include "platform/desktop/DialogBox.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"
#include "platform/include/plat/dialog.h"

namespace plat {
namespace {

using desktop::CWindow;
using desktop::Windows;

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};
constexpr ButtonAnswer kAnswers[] = {
    {QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL},
    {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};

int AnswerOf(QMessageBox::StandardButton b) {
  for (const ButtonAnswer& a : kAnswers) {
    if (a.button == b) return a.answer;
  }
  return 0;
}

QMessageBox::StandardButton ButtonOf(int answer) {
  for (const ButtonAnswer& a : kAnswers) {
    if (a.answer == answer) return a.button;
  }
  return QMessageBox::NoButton;
}

QMessageBox* BoxOf(CWindow* w) { return static_cast<QMessageBox*>(w->widget); }

// A Yes/No box has no way out but its two buttons: Escape and the close
// button are ignored, where Qt would take No.
class CNoEscapeFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return event->type() == QEvent::KeyPress &&
           static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  }
};

void Press(CWindow* w, int answer) {
  if (QAbstractButton* b = BoxOf(w)->button(ButtonOf(answer))) b->click();
}

// Posted input reaches the box as it would reach any dialog.
LRESULT MessageBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  CWindow* w = Windows().Find(hwnd);
  if (!w) return 0;
  QMessageBox* box = BoxOf(w);
  switch (msg) {
    case WM_COMMAND:
      Press(w, LOWORD(wParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && box->defaultButton()) box->defaultButton()->click();
      if (wParam == VK_ESCAPE && box->escapeButton()) box->escapeButton()->click();
      return 0;
    case WM_CLOSE:
      if (box->escapeButton()) box->escapeButton()->click();
      return 0;
    default:
      return 0;
  }
}

bool BoxDone(HWND hwnd) {
  CWindow* w = Windows().Find(hwnd);
  return !w || w->dialog->ended;
}

}  // namespace

int common::AskMessageBox(HWND owner, const char* text, const char* caption, UINT type, int defaultAnswer) {
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(owner));
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (type & 0xF0) {
    case MB_ICONSTOP:
      icon = QMessageBox::Critical;
      break;
    case MB_ICONQUESTION:
      icon = QMessageBox::Question;
      break;
    case MB_ICONEXCLAMATION:
      icon = QMessageBox::Warning;
      break;
    case MB_ICONINFORMATION:
      icon = QMessageBox::Information;
      break;
    default:
      break;
  }
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton escape = QMessageBox::Ok;
  if ((type & 0xF) == MB_OKCANCEL) {
    buttons = QMessageBox::Ok | QMessageBox::Cancel;
    escape = QMessageBox::Cancel;
  } else if ((type & 0xF) == MB_YESNO) {
    buttons = QMessageBox::Yes | QMessageBox::No;
    escape = QMessageBox::NoButton;
  }
  CWindow* w = Windows().Create(desktop::WindowKind::kMessageBox);
  w->className = common::kDialogClassName;
  w->proc = MessageBoxProc;
  w->owner = ownerWindow ? ownerWindow->handle : nullptr;
  w->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  w->title = caption ? caption : "Error";
  w->dialog = std::make_unique<common::CDialog>();
  auto* box = new QMessageBox(icon, QString::fromLatin1(caption ? caption : "Error"),
                              QString::fromLatin1(text ? text : ""), buttons,
                              ownerWindow ? ownerWindow->widget : nullptr);
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  if (type & (MB_TOPMOST | MB_SYSTEMMODAL)) box->setWindowFlag(Qt::WindowStaysOnTopHint);
  box->setDefaultButton(ButtonOf(defaultAnswer));
  if (escape == QMessageBox::NoButton) {
    box->installEventFilter(new CNoEscapeFilter(box));
  } else {
    box->setEscapeButton(escape);
  }
  Windows().BindWidget(w, box);
  const HWND h = w->handle;
  QObject::connect(box, &QMessageBox::buttonClicked, box, [h, box](QAbstractButton* b) {
    desktop::CQtEntry entry;
    CWindow* self = Windows().Find(h);
    if (!self) return;
    self->dialog->ended = true;
    self->dialog->result = AnswerOf(box->standardButton(b));
  });
  w->visible = true;
  box->show();
  box->raise();
  box->activateWindow();
  desktop::RunModalLoop(h, BoxDone);
  w = Windows().Find(h);
  const int answer = w ? static_cast<int>(w->dialog->result) : 0;
  DestroyWindow(h);
  return answer;
}

}  // namespace plat
