// The balance display, which also enables the chips the player can afford.
#pragma once

// Draws "$%.2f" of balance in the money area with the money font (else the
// small font), disables the chip rows and, while the game's betting is
// open, enables each chip whose value ($1, $5, $25, $100, $500) the balance
// reaches; then redraws the buttons.
void DrawMoney(double balance);
