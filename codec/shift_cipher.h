// The shift cipher of boxdl links: every byte of a Base64 text is moved
// along a 65-character alphabet (Base64's and "="), once per key byte.
#pragma once

#include "codec/text.h"

extern const Text ShiftAlphabet;   // Base64 alphabet followed by "="
extern const ByteArray BoxdlKey;   // 1D 07 52 0C

// Both keep the length of text. A byte outside ShiftAlphabet starts at
// index 254 and so comes out as an ordinary alphabet character.
Text ShiftEncode(const Text& text, const ByteArray& key);
Text ShiftDecode(const Text& text, const ByteArray& key);
