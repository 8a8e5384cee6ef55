// The long-lived objects of a program, one set per process, reachable by the
// game code. They are valid from the matching start-up step until
// ShutdownApp (screen, picture, palette, hit map) or the end of WinMain
// (link ends, records).
#pragma once

#include "framework/shell/CasinoCfg.h"
#include "framework/link/Comm.h"
#include "framework/sound/Dib.h"
#include "framework/shell/GameDefinition.h"
#include "framework/sound/HitMap.h"
#include "framework/link/MainClientTransport.h"
#include "framework/sound/MidiMusic.h"
#include "framework/link/PlayerRecord.h"
#include "framework/sound/Screen.h"
#include "framework/shell/SystemInfo.h"
#include "framework/shell/Timer.h"
#include "platform/include/plat/types.h"

extern const GameDefinition* gGame;  // the running program's table (InstallGame)
extern plat::HINSTANCE gInstance;
extern plat::HWND gMainWindow;
extern plat::HDC gDeviceContext;     // the window's own device context
extern plat::HACCEL gAccelerators;
extern CScreen gScreen;              // its Palette() is the program's palette
extern CDib gPicture;                // "res\Data.dat"
extern HitMap* gHitMap;
extern CMidiMusic gMusic;
extern CComm gClientComm;
extern CComm gServerComm;
extern CMainClientTransport* gClientTransport;  // owned by gClientComm
extern CMainClientTransport* gServerTransport;  // owned by gServerComm
extern CPlayerRecord gPlayerRecord;
extern CasinoCfg gCasinoCfg;
extern SystemInfo gSystemInfo;
extern CTimer gTimer;
extern void* gClientRecord;          // the game's records, made in WinMain
extern void* gServerRecord;
extern int gActive;                  // the program is the active application
extern int gLinkReady;               // link messages are handled; cleared when the main client is lost

// Where the picture stands in the client area, and fixed overrides of it
// (-1: automatic).
extern int gOffsetX;
extern int gOffsetY;
extern int gFixedOffsetX;
extern int gFixedOffsetY;

// Colour index left out when button art is drawn (set by the game's
// RemapBitmaps; -1: none).
extern int gTransparentIndex;

// A start-up error waiting to be shown (empty when none).
inline constexpr int kErrorTextSize = 512;
extern char gErrorText[kErrorTextSize];

// The window title as last given to SetWindowTitle and the text shown after
// it (empty unless a program sets one).
inline constexpr int kMaxTitleLength = 250;
extern char gWindowTitle[kMaxTitleLength + 1];
extern char gTitleSuffix[kMaxTitleLength + 1];
