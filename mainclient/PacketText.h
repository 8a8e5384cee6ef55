// What the main client reads in the packets it relays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/link/BtnLog.h"

// A relayed packet as it is passed on: the bytes up to the first zero (at
// most size), followed by one zero byte.
std::vector<std::uint8_t> PacketBytes(const void* data, std::size_t size);
// 1 when the packet's first "command" tag equals command ignoring case.
int PacketCommandIs(const char* text, const char* command);
// 1 when a server packet is one a saved game's replay sends (it carries
// PLAYBACK or PLAYBACKDONE).
int IsReplayedPacket(const char* text);
// The packet with the tags a replay adds (PLAYBACK, PLAYBACKDONE and the
// BTN, STE and VAL of button presses) left out, as text with its zero byte.
std::vector<std::uint8_t> WithoutPlaybackTags(const char* text);
// Appends the button presses the packet carries (BTN, STE, VAL triples, read
// as the server end reads them). Answers how many were appended.
int ReadButtonPresses(const char* text, std::vector<btnLog>* out);
