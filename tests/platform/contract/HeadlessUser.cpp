#include "platform/include/plat/headless.h"
#include "tests/platform/contract/User.h"

namespace contract::user {

void Click(plat::HWND dialog, int id) { plat::headless::ClickControl(dialog, id); }
void Type(plat::HWND dialog, int id, const char* text) { plat::headless::TypeText(dialog, id, text); }
void Choose(plat::HWND dialog, int id, int index) { plat::headless::SelectItem(dialog, id, index); }
void ChooseTab(plat::HWND dialog, int id, int index) { plat::headless::SelectTab(dialog, id, index); }

void AnswerNextMessageBox(std::function<int()> whileOpen) {
  plat::headless::SetMessageBoxHandler([whileOpen](const plat::headless::MessageBoxRecord&) {
    plat::headless::SetMessageBoxHandler(nullptr);
    return whileOpen();
  });
}

}  // namespace contract::user
