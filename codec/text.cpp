#include "codec/text.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x80; }

// Length of the character starting at i under the two-byte rule (1 or 2);
// a lead byte at the very end counts as a character of its own here, the
// callers decide what an unpaired lead byte means.
std::size_t CharLengthAt(const Text& t, std::size_t i) {
  return (IsLeadByte(static_cast<unsigned char>(t[i])) && i + 1 < t.size()) ? 2 : 1;
}

}  // namespace

Count TextLength(const Text& t) { return static_cast<Count>(t.size()); }

Text TextLeft(const Text& t, Count n) {
  if (n <= 0) return Text();
  return t.substr(0, static_cast<std::size_t>(std::min<Count>(n, TextLength(t))));
}

Text TextRight(const Text& t, Count n) {
  if (n <= 0) return Text();
  const Count len = TextLength(t);
  if (n >= len) return t;
  return t.substr(static_cast<std::size_t>(len - n));
}

Text TextMid(const Text& t, Count start, Count n) {
  const Count len = TextLength(t);
  if (start < 1 || start > len || n <= 0) return Text();
  const Count available = len - start + 1;
  return t.substr(static_cast<std::size_t>(start - 1),
                  static_cast<std::size_t>(std::min(n, available)));
}

std::uint8_t CharCodeAt(const Text& t, Count pos) {
  if (pos < 1 || pos > TextLength(t)) return 0;
  return static_cast<std::uint8_t>(t[static_cast<std::size_t>(pos - 1)]);
}

Text CharFromCode(std::uint8_t b) {
  return b == 0 ? Text() : Text(1, static_cast<char>(b));
}

Count FindText(const Text& hay, const Text& needle) {
  if (hay.empty()) return -1;
  if (needle.empty()) return 1;
  for (std::size_t i = 0; i < hay.size();) {
    const bool lead = IsLeadByte(static_cast<unsigned char>(hay[i]));
    if (lead && i + 1 == hay.size()) return -1;  // unpaired lead byte ends the search
    if (hay.compare(i, needle.size(), needle) == 0) return static_cast<Count>(i) + 1;
    i += lead ? 2 : 1;
  }
  return -1;
}

Text RemoveAllSpaces(const Text& t) {
  Text out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    if (IsLeadByte(c)) {
      if (i + 1 == t.size()) break;  // unpaired lead byte at the end is dropped
      const unsigned char c2 = static_cast<unsigned char>(t[i + 1]);
      if (!(c == 0xA1 && c2 == 0xA1)) out.append(t, i, 2);  // 0xA1A1: ideographic space
      i += 2;
    } else {
      if (c != 0x20) out.push_back(static_cast<char>(c));
      i += 1;
    }
  }
  return out;
}

Text RemoveSubtext(const Text& t, const Text& sub) {
  if (t.empty() || sub.empty()) return t;
  Text out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    if (t.compare(i, sub.size(), sub) == 0) {
      i += sub.size();
      continue;
    }
    const std::size_t n = CharLengthAt(t, i);
    out.append(t, i, n);
    i += n;
  }
  return out;
}

ByteArray TextToBytes(const Text& t) { return ByteArray(t.begin(), t.end()); }

Text BytesToText(const ByteArray& b) {
  const void* nul = b.empty() ? nullptr : std::memchr(b.data(), 0, b.size());
  const std::size_t n =
      nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - b.data()) : b.size();
  return Text(reinterpret_cast<const char*>(b.data()), n);
}

Count BytesLength(const ByteArray& b) { return static_cast<Count>(b.size()); }

ByteArray BytesLeft(const ByteArray& b, Count n) {
  if (n <= 0) return ByteArray();
  const std::size_t keep = static_cast<std::size_t>(std::min<Count>(n, BytesLength(b)));
  return ByteArray(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(keep));
}

Count FindBytes(const ByteArray& hay, const ByteArray& needle) {
  if (needle.empty()) return -1;
  const auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end());
  return it == hay.end() ? -1 : static_cast<Count>(it - hay.begin()) + 1;
}

ByteArray ZeroBytes(Count n) {
  return n <= 0 ? ByteArray() : ByteArray(static_cast<std::size_t>(n), 0);
}

ByteArray BytesConcat(const ByteArray& a, const ByteArray& b) {
  ByteArray out;
  out.reserve(a.size() + b.size());
  out.insert(out.end(), a.begin(), a.end());
  out.insert(out.end(), b.begin(), b.end());
  return out;
}
