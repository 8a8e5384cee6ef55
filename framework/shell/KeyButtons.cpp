#include "framework/shell/KeyButtons.h"

#include "framework/shell/Buttons.h"
#include "platform/include/plat/window.h"

int ButtonOfKey(const KeyButton* table, int count, char key) {
  for (int i = 0; i < count; ++i) {
    if (table[i].key == key) return table[i].button;
  }
  return 0;
}

void PressKeyButton(const KeyButton* table, int count, plat::WPARAM character,
                    plat::LPARAM keyData) {
  if (keyData & plat::KEY_REPEAT_FLAG) return;
  const int button = ButtonOfKey(table, count, static_cast<char>(character));
  if (button != 0) PressButton(button, kPressLeft);
}
