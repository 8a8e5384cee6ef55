// Typed hooks over a game's client record: the game writes its functions
// over its own record type and these adapters give GameDefinition the void*
// shapes it holds, so no game casts void* to its record itself. The server
// side has the same in framework/game/ServerShell.h.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/ShellGlobals.h"

template <typename Record>
struct CClientHooks {
  template <Record* (*Create)()>
  static void* CreateHook() {
    return Create();
  }
  template <void (*Destroy)(Record*)>
  static void DestroyHook(void* record) {
    Destroy(static_cast<Record*>(record));
  }
  template <int (*Run)(Record*, CComm&, int)>
  static int RunHook(void* record, CComm& comm, int userId) {
    return Run(static_cast<Record*>(record), comm, userId);
  }
  // The running program's client record (null outside a run).
  static Record* Current() { return static_cast<Record*>(gClientRecord); }
};
