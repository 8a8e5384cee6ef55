// paigow_sim --exhaustive: every 5-card and every 7-card hand through the
// rules, each count beside one found without them.
#pragma once

namespace kw::sim {

// firstCard -1 takes every hand, else only those whose lowest id it is.
// Answers the number of counts that disagree.
int RunExhaustive(int firstCard);

}  // namespace kw::sim
