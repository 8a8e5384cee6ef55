// The server's random source in a test: the draws the test queued, taken
// in order, so a test fixes the dice, cards or numbers a server deals.
#pragma once

void QueueDraw(int draw);
void ClearDraws();
// 1 while a queued draw has not been taken.
int DrawsLeft();
// The next queued draw (install it with game::SetServerRandomSource); a
// test failure and 0 when the server draws more than was queued.
int DrawQueued();
