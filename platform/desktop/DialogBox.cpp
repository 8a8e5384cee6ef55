// The desktop device of modal dialogs (a Qt window with its canvas) and of
// message boxes (a QMessageBox).
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <iterator>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::common {

using desktop::CWindow;
using desktop::Windows;

namespace {

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};
constexpr ButtonAnswer kAnswers[] = {
    {QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL},
    {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};

// By the MB_ICON* nibble of the type.
constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Question,
                                        QMessageBox::Warning, QMessageBox::Information};

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

// Posted input reaches the box as it would reach any dialog.
LRESULT MessageBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  CWindow* w = Windows().Find(hwnd);
  if (!w) return 0;
  auto* box = static_cast<QMessageBox*>(w->widget);
  QAbstractButton* pressed = nullptr;
  if (msg == WM_COMMAND) pressed = box->button(ButtonOf(LOWORD(wParam)));
  if (msg == WM_KEYDOWN && wParam == VK_RETURN) pressed = box->defaultButton();
  if ((msg == WM_KEYDOWN && wParam == VK_ESCAPE) || msg == WM_CLOSE) pressed = box->escapeButton();
  if (pressed) pressed->click();
  return 0;
}

// The record of a dialog or message box, owned by owner's top-level window.
CWindow* NewPopup(desktop::WindowKind kind, CWindow* ownerWindow, WNDPROC proc) {
  CWindow* w = Windows().Create(kind);
  w->className = kDialogClassName;
  w->proc = proc;
  w->owner = ownerWindow ? ownerWindow->handle : nullptr;
  w->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  return w;
}

}  // namespace

// The dialog keeps the size of its template.
void MakeDialogNative(CWindowCore& dialog, const DLGTEMPLATE& t) {
  CWindow& d = static_cast<CWindow&>(dialog);
  d.kind = desktop::WindowKind::kDialog;
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(d.owner));
  auto* widget = new desktop::CCanvasWidget(d.handle, ownerWindow ? ownerWindow->widget : nullptr,
                                            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  widget->setWindowModality(Qt::ApplicationModal);
  Windows().BindWidget(&d, widget);
  const QSize size(t.width, t.height);
  desktop::ResizeCanvas(&d, size);
  d.canvas.fill(desktop::ToQColor(kDialogFace));
  widget->setFixedSize(size);
  widget->setWindowTitle(QString::fromLatin1(d.title.c_str()));
  widget->setFont(desktop::MakeDialogFont(t.fontFace, t.fontSize));
}

void RunDialogLoop(HWND dialog, int) { DeliverToDialog(dialog, true); }

void DialogClosed(int, const std::string&, INT_PTR) {}

int AskMessageBox(HWND owner, const char* text, const char* caption, UINT type, int defaultAnswer) {
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(owner));
  const UINT iconIndex = (type & 0xF0) >> 4;
  const QMessageBox::Icon icon = iconIndex < std::size(kIcons) ? kIcons[iconIndex] : QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton escape = QMessageBox::Ok;
  if ((type & 0xF) == MB_OKCANCEL) {
    buttons = QMessageBox::Ok | QMessageBox::Cancel;
    escape = QMessageBox::Cancel;
  } else if ((type & 0xF) == MB_YESNO) {
    buttons = QMessageBox::Yes | QMessageBox::No;
    escape = QMessageBox::NoButton;
  }
  CWindow* w = NewPopup(desktop::WindowKind::kMessageBox, ownerWindow, MessageBoxProc);
  w->title = caption;
  w->dialog = std::make_unique<CDialog>();
  auto* box = new QMessageBox(icon, QString::fromLatin1(caption), QString::fromLatin1(text), buttons,
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
  // Closed through its window (a window manager's close button) the box
  // finishes without a button clicked: its escape button answers.
  QObject::connect(box, &QDialog::finished, box, [h, box] {
    desktop::CQtEntry entry;
    QAbstractButton* b = box->clickedButton() ? box->clickedButton() : box->escapeButton();
    EndDialog(h, AnswerOf(box->standardButton(b)));
  });
  w->visible = true;
  box->show();
  box->raise();
  box->activateWindow();
  DeliverToDialog(h, true);
  w = Windows().Find(h);
  const int answer = w ? static_cast<int>(w->dialog->result) : 0;
  DestroyWindow(h);
  return answer;
}

}  // namespace plat::common
