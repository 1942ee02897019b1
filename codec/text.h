// Text and byte primitives the link codec is written in.
//
// Text: bytes in the ANSI (multibyte) code page, never holding a 0 byte;
// the empty text stands for a missing one. Lengths and 1-based positions
// count bytes. ByteArray: bytes of explicit length, 0 allowed.
//
// Every primitive is total: counts and positions far out of range have a
// defined result, and nothing throws (short of running out of memory).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using ByteArray = std::vector<std::uint8_t>;

// Counts and positions may arrive negative (a decoded text shorter than
// its wrappers), so they are signed and wide.
using Count = long long;

Count TextLength(const Text& t);
Text TextLeft(const Text& t, Count n);
Text TextRight(const Text& t, Count n);
Text TextMid(const Text& t, Count start, Count n);

inline Text TextConcat() { return Text(); }
template <typename... Rest>
Text TextConcat(const Text& first, const Rest&... rest) {
  Text out = first;
  (out.append(rest), ...);
  return out;
}

// Byte at 1-based position pos; 0 outside the text.
std::uint8_t CharCodeAt(const Text& t, Count pos);
// One-byte text of b; empty for 0, so a Text never receives a 0 byte.
Text CharFromCode(std::uint8_t b);

// Scanning under the two-byte character rule: a byte of 0x80 or more
// takes the byte after it as the second half of one character.
Count FindText(const Text& hay, const Text& needle);
Text RemoveAllSpaces(const Text& t);
Text RemoveSubtext(const Text& t, const Text& sub);

ByteArray TextToBytes(const Text& t);
// Stops in front of the first 0 byte.
Text BytesToText(const ByteArray& b);

Count BytesLength(const ByteArray& b);
ByteArray BytesLeft(const ByteArray& b, Count n);
Count FindBytes(const ByteArray& hay, const ByteArray& needle);
ByteArray ZeroBytes(Count n);
ByteArray BytesConcat(const ByteArray& a, const ByteArray& b);
