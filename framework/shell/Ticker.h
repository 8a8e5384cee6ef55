// The scrolling dot-matrix ticker: a text from the game's buffer shown in a
// strip bitmap of dots 2 pixels apart, one dot column further left each frame.
//
// Markers in the text: '@' holds the display for 150 frames, then clears it
// and scrolls on (the '@' is blanked in the buffer during the pass and put
// back when the text starts again); '#' ends the text, and "#|" stops the
// ticker after this pass instead of starting the text again.
#pragma once

class CDib;

inline constexpr int kTickerTextSize = 3000;
inline constexpr int kTickerPauseFrames = 150;

// One frame: with enabled 0 the ticker resets and draws nothing. Otherwise
// (reading the dot colours from the picture on the first frame after a
// reset) it scrolls, draws every dot into strip and puts strip on the front
// layer at the layout's ticker position. text is the game's buffer of
// kTickerTextSize bytes. Answers 1 in the frame in which a pass of the text
// has scrolled out, else 0.
int UpdateTicker(CDib* strip, char* text, int enabled);
// Starts the next frame from the beginning of the buffer with an empty
// display; call it whenever the game puts a new text into the buffer.
void RestartTicker();
