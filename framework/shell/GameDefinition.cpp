#include "framework/shell/GameDefinition.h"

const char* MissingGameHook(const GameDefinition& game) {
  if (game.name == nullptr) return "name";
  if (game.code == nullptr) return "code";
  if (game.alivePeriod == 0) return "alivePeriod";
  if (game.LoadGameConfig == nullptr) return "LoadGameConfig";
  if (game.CreateWorkBitmaps == nullptr) return "CreateWorkBitmaps";
  if (game.RemapBitmaps == nullptr) return "RemapBitmaps";
  if (game.CreateClientRecord == nullptr) return "CreateClientRecord";
  if (game.DestroyClientRecord == nullptr) return "DestroyClientRecord";
  if (game.ClientRun == nullptr) return "ClientRun";
  if (game.ServerInit == nullptr) return "ServerInit";
  if (game.ServerFree == nullptr) return "ServerFree";
  if (game.GameServerRun == nullptr) return "GameServerRun";
  if (game.HandleButtonInput == nullptr) return "HandleButtonInput";
  if (game.MainWndProc == nullptr) return "MainWndProc";
  if (game.backgroundFile && game.backgroundPicture == nullptr) return "backgroundPicture";
  if (game.restoresGames) {
    if (game.GameServerPlayback == nullptr) return "GameServerPlayback";
    if (game.GameServerLoad == nullptr) return "GameServerLoad";
  }
  return nullptr;
}
