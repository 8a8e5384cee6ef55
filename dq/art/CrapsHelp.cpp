#include "dq/art/CrapsHelp.h"

#include <cstdio>

#include "dq/BetModel.h"
#include "dq/CrapsServerRecord.h"
#include "dq/Settlement.h"

namespace dq::art {
namespace {

// A table with one bet of the stake on kind, and what that bet stands on:
// the line bet behind an odds bet, the come point of a come point bet. The
// working flags keep their defaults (off).
CrapsServerRecord Situation(int kind, int comeOut, int point) {
  CrapsServerRecord r{};
  r.comeOut = comeOut;
  r.point = point;
  r.bets[kind] = kHelpStake;
  if (kind == kPasslineOdds) r.bets[kPassline] = kHelpStake;
  if (kind == kDontPassOdds) r.bets[kDontPass] = kHelpStake;
  int n = 0;
  if ((n = BoxOfRun(kind, kComePoint4)) != 0 || (n = BoxOfRun(kind, kComePointOdds4)) != 0) {
    r.comePoints[n - 1] = 1;
  }
  if ((n = BoxOfRun(kind, kDontComePoint4)) != 0 || (n = BoxOfRun(kind, kDontComePointOdds4)) != 0) {
    r.dontComePoints[n - 1] = 1;
  }
  return r;
}

std::string Money(float amount) {
  char text[32];
  std::snprintf(text, sizeof text, "$%.2f", static_cast<double>(amount));
  return text;
}

void Append(std::string& list, const std::string& item) {
  if (!list.empty()) list += ", ";
  list += item;
}

// What one bet does on each of the 36 rolls in one situation. A total that
// wins only as a double reads "hard N", one that loses except as a double
// "easy N"; with namePoint the point's total reads "the point".
PayRow Describe(int kind, int comeOut, int point, bool namePoint) {
  CrapsServerRecord r = Situation(kind, comeOut, point);
  PayRow row{kind, "", "", "", ""};
  std::string payouts[13];
  for (int total = 2; total <= 12; ++total) {
    int rolls = 0;
    int won = 0;
    int lost = 0;
    for (int d1 = 1; d1 <= 6; ++d1) {
      const int d2 = total - d1;
      if (d2 < 1 || d2 > 6) continue;
      r.dice[0] = d1;
      r.dice[1] = d2;
      const float result = ResolveBet(r, kind);
      ++rolls;
      if (result > 0) {
        ++won;
        payouts[total] = Money(result);
      }
      if (result == kResultLost) ++lost;
    }
    const std::string number = namePoint && total == point ? "the point" : std::to_string(total);
    if (won > 0) Append(row.wins, won == rolls ? number : "hard " + number);
    if (lost > 0) Append(row.loses, lost == rolls ? number : "easy " + number);
  }
  // Returns: one amount, or each amount with the totals that pay it.
  std::string amounts[13];
  int distinct = 0;
  for (int total = 2; total <= 12; ++total) {
    if (payouts[total].empty()) continue;
    int i = 0;
    while (i < distinct && amounts[i].rfind(payouts[total], 0) != 0) ++i;
    if (i == distinct) amounts[distinct++] = payouts[total] + " on ";
    else amounts[i] += ", ";
    amounts[i] += namePoint && total == point ? "the point" : std::to_string(total);
  }
  for (int i = 0; i < distinct; ++i) {
    if (!row.returns.empty()) row.returns += "; ";
    row.returns += distinct == 1 ? amounts[i].substr(0, amounts[i].find(" on ")) : amounts[i];
  }
  return row;
}

bool SameOutcome(const PayRow& a, const PayRow& b) {
  return a.wins == b.wins && a.loses == b.loses && a.returns == b.returns;
}

bool Decides(const PayRow& row) { return !row.wins.empty() || !row.loses.empty(); }

// The rows of one point for each box number, or one row when they read alike
// (with or without the point named).
std::vector<PayRow> PointRows(int kind) {
  for (bool namePoint : {false, true}) {
    const PayRow first = Describe(kind, 0, kBoxNumbers[0], namePoint);
    bool alike = true;
    for (int point : kBoxNumbers) alike = alike && SameOutcome(first, Describe(kind, 0, point, namePoint));
    if (!alike) continue;
    PayRow row = first;
    row.when = "a point stands";
    return {row};
  }
  std::vector<PayRow> rows;
  for (int point : kBoxNumbers) {
    PayRow row = Describe(kind, 0, point, false);
    row.when = "point " + std::to_string(point);
    rows.push_back(row);
  }
  return rows;
}

std::string Trimmed(const char* name) {
  std::string text = name;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

constexpr char kHowToPlay[] = R"(<h2>How to play</h2>
<ol>
<li>Choose a chip of $1, $5, $25, $100 or $500 in the tray at the bottom left (or press 1 to 5).</li>
<li>Click a bet on the table to put the chip there; click again to add more. A right click takes a chip back
while the bet may still be taken off.</li>
<li>Press ROLL (or R) to throw the dice. The first roll of a round is the come-out roll: a 4, 5, 6, 8, 9 or
10 becomes the point, and the ON marker stands on it until the point or a 7 is rolled.</li>
<li>Winning bets are paid beside the table, lost bets are taken away, and the others stay for the next
roll.</li>
</ol>
<p>OPTIONS (or O) turns the voice, the scrolling text, the ON/OFF markers, animations, sounds and music on
or off, and chooses which bets work on the come-out roll: Place Win, Buy, Come Point Odds and Hardways bets
are off on the come-out roll unless you turn them on. HELP (F1 or p) shows this page; EXIT (or Esc) returns
to the main menu between rolls.</p>
<p>Your table's limits apply: a minimum and maximum per bet, a maximum for the whole table, and odds of at
most a few times the bet they stand behind. A bet the rules refuse is taken back with a message.</p>
)";

}  // namespace

std::vector<PayRow> PayTable() {
  std::vector<PayRow> rows;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    PayRow comeOut = Describe(kind, 1, 0, false);
    comeOut.when = "come-out roll";
    std::vector<PayRow> points = PointRows(kind);
    if (points.size() == 1 && Decides(comeOut) && SameOutcome(comeOut, points[0])) {
      points[0].when = "any roll";
    } else if (Decides(comeOut)) {
      rows.push_back(comeOut);
    }
    for (const PayRow& row : points) {
      if (Decides(row)) rows.push_back(row);
    }
  }
  return rows;
}

std::string CrapsHelpPage() {
  std::string page =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Craps help</title>\n"
      "<style>body{font-family:sans-serif;max-width:60em;margin:1em auto;padding:0 1em}"
      "table{border-collapse:collapse}th,td{border:1px solid #888;padding:2px 8px;text-align:left}"
      "th{background:#063}th{color:#fff}</style></head><body>\n<h1>Craps</h1>\n";
  page += kHowToPlay;
  page += "<h2>Pay table</h2>\n<p>What a $" + std::to_string(kHelpStake) +
          " bet returns when it wins, the stake included. Payouts are cut to whole dimes.</p>\n"
          "<table>\n<tr><th>Bet</th><th>Decided on</th><th>Wins on</th><th>Loses on</th>"
          "<th>Returns</th></tr>\n";
  for (const PayRow& row : PayTable()) {
    page += "<tr><td>" + Trimmed(BetName(row.kind)) + "</td><td>" + row.when + "</td><td>" + row.wins +
            "</td><td>" + row.loses + "</td><td>" + row.returns + "</td></tr>\n";
  }
  page += "</table>\n</body></html>\n";
  return page;
}

}  // namespace dq::art
