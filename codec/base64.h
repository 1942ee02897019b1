// Base64: standard encoding (RFC 4648 with padding) and a lenient decoder
// that never rejects its input. What the decoder makes of spaces, line
// breaks, missing padding and foreign characters is fixed to the byte,
// because it decides what a damaged link converts to.
#pragma once

#include "codec/text.h"

extern const Text Base64Alphabet;

// Stateless; any instance, or a temporary, serves equally.
class BASE64类 {
 public:
  Text Encode(const ByteArray& bytes) const;
  // Calls EventPump() once after every group of four characters.
  ByteArray Decode(const Text& text) const;
};
