// The built-in control classes by name, for both backends.
#include <strings.h>

#include "platform/common/Controls.h"

namespace plat::common {
namespace {

struct ClassKind {
  const char* name;
  ControlKind kind;
};
// The other button kinds are buttons by style, a frame is a static.
constexpr ClassKind kClasses[] = {
    {"BUTTON", CTL_PUSHBUTTON},  {"STATIC", CTL_STATIC},   {"EDIT", CTL_EDIT},
    {"COMBOBOX", CTL_COMBOBOX},  {"LISTBOX", CTL_LISTBOX}, {"SysListView32", CTL_LISTVIEW},
    {"SysTabControl32", CTL_TABCONTROL},
};

}  // namespace

const char* ControlClassName(ControlKind kind) {
  for (const ClassKind& k : kClasses) {
    if (k.kind == kind) return k.name;
  }
  const bool button = kind == CTL_DEFPUSHBUTTON || kind == CTL_CHECKBOX || kind == CTL_RADIOBUTTON || kind == CTL_GROUPBOX;
  return button ? "BUTTON" : "STATIC";
}

bool ControlKindOfClass(const char* className, DWORD style, ControlKind* kind) {
  if (!className) return false;
  for (const ClassKind& k : kClasses) {
    if (strcasecmp(k.name, className) != 0) continue;
    *kind = k.kind;
    if (k.kind != CTL_PUSHBUTTON) return true;
    if (style & CS_BUTTON_CHECKBOX) *kind = CTL_CHECKBOX;
    else if (style & CS_BUTTON_RADIO) *kind = CTL_RADIOBUTTON;
    else if (style & CS_BUTTON_GROUPBOX) *kind = CTL_GROUPBOX;
    else if (style & CS_BUTTON_DEFAULT) *kind = CTL_DEFPUSHBUTTON;
    return true;
  }
  return false;
}

}  // namespace plat::common
