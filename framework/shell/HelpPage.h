// The game's help page in the desktop's browser.
#pragma once

// Where the help pages lie on the casino's site (shown when no browser opens).
inline constexpr char kHelpPagesAddress[] = "http://www.kestrup-casino.example/help/";

// Opens "help\<page>" under the folder that "ORVANTA.INI" names (section
// "Orvanta", key "PATH", at most 80 characters) with the verb "open" in the
// folder "."; when that fails, an "ERROR" box directs the player to the page
// on the casino's site. page: e.g. "dq.htm".
void OpenHelpPage(const char* page);
