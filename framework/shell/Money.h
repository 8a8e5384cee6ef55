// The balance display, which also enables the chips the player can afford.
#pragma once

// Draws "$%.2f" of balance in the money area with the money font (else the
// small font), disables the chip rows and, while the game's betting is
// open, enables each chip whose value ($1, $5, $25, $100, $500) the balance
// reaches; then redraws the buttons.
void DrawMoney(double balance);

// The chip a right click on a stake's spot takes off the whole-dollar stake:
// 1 when it is not a multiple of 5, else 5 when not of 25, 25 when not of
// 100, 100 when not of 500, else 500.
int ChipToTakeOff(double stake);
