#include "tests/desktop/sample/SampleDialog.h"

namespace sample {
namespace {

constexpr int kNameEdit = 101;
constexpr int kMusicBox = 102;
constexpr UINT kAutoStep = WM_USER + 1;

const DLGITEMTEMPLATE kItems[] = {
    {CTL_STATIC, -1, "Your name:", 12, 16, 80, 18, 0},
    {CTL_EDIT, kNameEdit, "", 96, 12, 190, 22, CS_BORDER},
    {CTL_CHECKBOX, kMusicBox, "Play music", 96, 44, 150, 20, 0},
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 110, 110, 80, 26, 0},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 200, 110, 80, 26, 0},
};
const DLGTEMPLATE kTemplate = {"Sample dialog", 300, 150, "Arial", 13, TRUE,
                               kItems, static_cast<int>(sizeof kItems / sizeof kItems[0])};

struct DialogState {
  bool autoAnswer;
  std::string name;
};

INT_PTR SampleProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowUserData(dialog));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowUserData(dialog, lParam);
      SetDlgItemText(dialog, kNameEdit, "Player");
      CheckDlgButton(dialog, kMusicBox, BST_CHECKED);
      if (reinterpret_cast<DialogState*>(lParam)->autoAnswer) PostMessage(dialog, kAutoStep, 0, 0);
      return TRUE;
    case kAutoStep: {
      // What a user would do: type at the end of the name, then press Enter.
      HWND edit = GetDlgItem(dialog, kNameEdit);
      PostMessage(edit, WM_CHAR, '1', 0);
      PostMessage(dialog, WM_KEYDOWN, VK_RETURN, 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char text[64];
        GetDlgItemText(dialog, kNameEdit, text, sizeof text);
        state->name = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RegisterSampleDialog() { RegisterDialogResource(kDialogId, &kTemplate); }

std::string AskName(HWND owner, bool autoAnswer) {
  DialogState state{autoAnswer, ""};
  const INT_PTR result = DialogBoxParam(GetModuleInstance(), kDialogId, owner, SampleProc,
                                        reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? state.name : std::string();
}

}  // namespace sample
