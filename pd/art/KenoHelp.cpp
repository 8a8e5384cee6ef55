#include "pd/art/KenoHelp.h"

#include "pd/KenoPayTable.h"
#include "pd/KenoWire.h"

namespace pd::art {

std::string KenoHelpPage() {
  std::string page =
      "<html><head><title>Keno</title></head><body><h1>Keno</h1>"
      "<p>Mark 3 to 10 numbers on the board, choose a stake of $1, $5 or $10 and press Shoot. "
      "Twenty balls are drawn from 80; the more of your numbers they hit, the more you win. "
      "Press the space bar in the next game to play your last numbers and stake again.</p>"
      "<h2>Pay table (returns, the stake included)</h2><table border=\"1\">"
      "<tr><th>Numbers</th><th>Matched</th><th>$1</th><th>$5</th><th>$10</th></tr>";
  for (int count = kKenoMaxPicks; count >= kKenoMinPicks; --count) {
    int matches[kPanelMaxRows] = {};
    const int rows = PaytableRows(count, matches);
    for (int r = 0; r < rows; ++r) {
      page += "<tr><td>" + std::to_string(count) + "</td><td>" + std::to_string(matches[r]) + "</td>";
      for (int stake : kKenoStakeDollars) page += "<td>" + std::to_string(KenoReturn(stake, count, matches[r])) + "</td>";
      page += "</tr>";
    }
  }
  page += "</table></body></html>\n";
  return page;
}

}  // namespace pd::art
