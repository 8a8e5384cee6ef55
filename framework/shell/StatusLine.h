// The status line at the bottom of the screen and the player's text field
// beside it, drawn with the game's small font.
#pragma once

// Longest status message; a longer one is replaced by kStatusTooLong.
inline constexpr int kMaxStatusLength = 280;
inline constexpr char kStatusTooLong[] = "PrintStatusMsg: String to long";

// With a format: restores the status area and draws the formatted message
// (an empty text clears the line and still counts as a message). With null:
// only while a message shows, draws the default text instead and clears the
// message-showing flag.
void PrintStatusMsg(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formats the default text (cut at kMaxStatusLength) and marks a message as
// showing, so the next PrintStatusMsg(nullptr) draws it.
void SetStatusText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The default text as last set.
const char* StatusDefaultText();
// Draws text with the small font at (x, y): every character outside
// ' '..'Z' and 'a'..'z' becomes a blank, and the text stops before the first
// character that would make the width (glyph widths + 1 each) exceed maxWidth.
void DrawStatusText(int x, int y, int maxWidth, const char* text);
// Restores the user field and draws the player record's text in it.
void DrawUserField();
// Once per frame: over an enabled button the timeout restarts; otherwise
// the line is emptied and the default text drawn after the game's
// statusEmptyFrames and statusDefaultFrames (GameDefinition.h).
void StatusMsgTimeout();
// Forgets the messages, the default text and the timeout (start of a run).
void ResetStatusLine();
