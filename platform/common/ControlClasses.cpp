#include "platform/common/ControlClasses.h"

#include <strings.h>

namespace plat::common {
namespace {

struct ClassKind {
  const char* name;
  ControlKind kind;
};
constexpr ClassKind kClasses[] = {
    {"BUTTON", CTL_PUSHBUTTON},  {"STATIC", CTL_STATIC},   {"EDIT", CTL_EDIT},
    {"COMBOBOX", CTL_COMBOBOX},  {"LISTBOX", CTL_LISTBOX}, {"SysListView32", CTL_LISTVIEW},
    {"SysTabControl32", CTL_TABCONTROL},
};

}  // namespace

const char* ControlClassName(ControlKind kind) {
  switch (kind) {
    case CTL_PUSHBUTTON:
    case CTL_DEFPUSHBUTTON:
    case CTL_CHECKBOX:
    case CTL_RADIOBUTTON:
    case CTL_GROUPBOX: return "BUTTON";
    case CTL_EDIT: return "EDIT";
    case CTL_COMBOBOX: return "COMBOBOX";
    case CTL_LISTBOX: return "LISTBOX";
    case CTL_LISTVIEW: return "SysListView32";
    case CTL_TABCONTROL: return "SysTabControl32";
    case CTL_STATIC:
    case CTL_STATICFRAME: return "STATIC";
  }
  return "STATIC";
}

bool ControlKindOfClass(const char* className, DWORD style, ControlKind* kind) {
  if (!className) return false;
  for (const ClassKind& k : kClasses) {
    if (strcasecmp(k.name, className) != 0) continue;
    *kind = k.kind;
    if (k.kind == CTL_PUSHBUTTON) {
      if (style & CS_BUTTON_CHECKBOX) *kind = CTL_CHECKBOX;
      else if (style & CS_BUTTON_RADIO) *kind = CTL_RADIOBUTTON;
      else if (style & CS_BUTTON_GROUPBOX) *kind = CTL_GROUPBOX;
      else if (style & CS_BUTTON_DEFAULT) *kind = CTL_DEFPUSHBUTTON;
    }
    return true;
  }
  return false;
}

}  // namespace plat::common
