// What every card-game program's GameDefinition holds alike: the help key,
// frames caught up after a stall, the link wait callback, and the client
// and server hooks through the game's typed shells (CClientHooks,
// game::CServerShell).
#pragma once

#include "framework/shell/GameDefinition.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/types.h"

namespace kw {

// F1: the help command (104).
extern const plat::ACCEL kCardGameAccelerators[1];

template <class ClientHooks, auto CreateClient, auto DestroyClient, auto RunClient, class ServerShell, auto RunServer,
          auto OnRemove>
void FillCardGameDefinition(GameDefinition& game) {
  game.catchUpLateFrames = 1;
  game.accelerators = kCardGameAccelerators;
  game.acceleratorCount = 1;
  game.CreateClientRecord = ClientHooks::template CreateHook<CreateClient>;
  game.DestroyClientRecord = ClientHooks::template DestroyHook<DestroyClient>;
  game.ClientRun = ClientHooks::template RunHook<RunClient>;
  game.ServerInit = ServerShell::Init;
  game.ServerFree = ServerShell::Free;
  game.GameServerRun = ServerShell::template RunHook<RunServer>;
  game.GameServerPlayback = ServerShell::Playback;
  game.GameServerLoad = ServerShell::Load;
  game.GameServerOnRemove = ServerShell::template RemoveHook<OnRemove>;
  game.ClientWaitCallback = OnCommWait;
}

}  // namespace kw
