// The Base64 decoding rules read literally, one lookup at a time through
// the text primitives: what the decoder's fast paths must agree with.
// Shared by the unit tests and the fuzz target.
#pragma once

#include "codec/base64.h"
#include "codec/text.h"

inline ByteArray DecodeByTheRules(const Text& text) {
  const Text t = RemoveSubtext(RemoveAllSpaces(text), "\r\n");
  const Count groups = (TextLength(t) + 3) / 4;
  unsigned slot[4] = {0, 0, 0, 0};
  int stop = 5;
  ByteArray out;
  for (Count g = 1; g <= groups; ++g) {
    stop = 5;
    for (int k = 1; k <= 4; ++k) {
      const std::uint8_t c = CharCodeAt(t, 4 * (g - 1) + k);
      slot[k - 1] = c;
      const Count found = FindText(Base64Alphabet, CharFromCode(c));
      if (found == -1) {
        stop = k;
        break;
      }
      slot[k - 1] = static_cast<unsigned>(found - 1);
    }
    out.push_back(static_cast<std::uint8_t>((slot[0] * 4) | (slot[1] / 16)));
    out.push_back(static_cast<std::uint8_t>((slot[1] * 16) | (slot[2] / 4)));
    out.push_back(static_cast<std::uint8_t>((slot[2] * 64) | slot[3]));
  }
  if (stop < 5) out = BytesLeft(out, BytesLength(out) - (5 - stop));
  return out;
}
