// The link-lag meter: how long the game client has waited for an answer.
#pragma once

// Remembers the tick count (the client calls it while it sends the request
// that begins a round).
void StampLinkActivity();
// Draws the meter level for the time since the stamp: 0 below 100 ms, then
// one level per threshold (300, 900, 2700, 8100, 24300 ms) up to 6. Draws
// nothing when the level is unchanged.
void DrawLagMeter();
// Level 0, stamp 0 (start of a run).
void ResetLagMeter();
