#include "sq/art/BaccaratHelp.h"

#include <cstdio>

#include "sq/BaccaratRules.h"

namespace sq::art {

std::string BaccaratHelpPage() {
  std::string page =
      "<html><head><title>Baccarat</title></head><body>\n"
      "<h1>Baccarat</h1>\n"
      "<p>Select a chip (or keys 1 to 5) and click Player, Banker or Tie to stake it; a right "
      "click takes the selected chip off. The space bar places the last coup's stakes again. "
      "Press Deal.</p>\n"
      "<p>Each side gets two cards; a hand counts its points modulo 10 (tens and faces 0, the "
      "ace 1). With 8 or 9 on either side neither draws. Otherwise the Player draws on 0 to 5, "
      "and the Banker draws by the dealer's table.</p>\n";
  char line[256];
  std::snprintf(line, sizeof line,
                "<table border=1><tr><th>Stake</th><th>Returns</th></tr>\n"
                "<tr><td>Player</td><td>%.2f for 1</td></tr>\n"
                "<tr><td>Banker</td><td>%.2f for 1</td></tr>\n"
                "<tr><td>Tie</td><td>%.2f for 1</td></tr></table>\n",
                kPlayerPayout, kBankerPayout, kTiePayout);
  page += line;
  page += "<p>On a tie the Player and Banker stakes are returned.</p>\n</body></html>\n";
  return page;
}

}  // namespace sq::art
