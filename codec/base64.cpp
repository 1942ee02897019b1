#include "codec/base64.h"

#include <array>

#include "codec/event_pump.h"

const Text Base64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

namespace {

constexpr int kForeign = -1;

// Value of each byte in the alphabet, kForeign where it has none. Byte 0
// never occurs inside a Text; it is what a position past the end reads
// as, and the empty needle it makes is found at position 1: value 0.
constexpr std::array<int, 256> MakeDecodeTable() {
  std::array<int, 256> table{};
  for (int& v : table) v = kForeign;
  const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(alphabet[i])] = i;
  table[0] = 0;
  return table;
}
constexpr std::array<int, 256> kDecodeTable = MakeDecodeTable();

// Space, CR and lead bytes are the only ones cleaning can change.
bool NeedsCleaning(const Text& text) {
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == ' ' || c == '\r' || c >= 0x80) return true;
  }
  return false;
}

Text Clean(const Text& text) {
  if (!NeedsCleaning(text)) return text;
  return RemoveSubtext(RemoveAllSpaces(text), "\r\n");
}

}  // namespace

Text BASE64类::Encode(const ByteArray& bytes) const {
  const std::size_t n = bytes.size();
  if (n == 0) return Text();
  Text out((n + 2) / 3 * 4, '=');
  const char* alphabet = Base64Alphabet.data();
  const std::uint8_t* in = bytes.data();
  char* o = &out[0];
  std::size_t i = 0;
  for (; i + 3 <= n; i += 3, o += 4) {
    const unsigned b1 = in[i], b2 = in[i + 1], b3 = in[i + 2];
    o[0] = alphabet[b1 >> 2];
    o[1] = alphabet[((b1 & 3) << 4) | (b2 >> 4)];
    o[2] = alphabet[((b2 & 15) << 2) | (b3 >> 6)];
    o[3] = alphabet[b3 & 63];
  }
  const std::size_t r = n - i;
  if (r > 0) {  // last group: zero-filled, then 3 - r characters of padding
    const unsigned b1 = in[i], b2 = r == 2 ? in[i + 1] : 0;
    o[0] = alphabet[b1 >> 2];
    o[1] = alphabet[((b1 & 3) << 4) | (b2 >> 4)];
    if (r == 2) o[2] = alphabet[(b2 & 15) << 2];
  }
  return out;
}

ByteArray BASE64类::Decode(const Text& text) const {
  const Text cleaned = Clean(text);
  const std::size_t n = cleaned.size();
  const std::size_t groups = (n + 3) / 4;
  ByteArray out(groups * 3);
  const unsigned char* in = reinterpret_cast<const unsigned char*>(cleaned.data());
  std::uint8_t* o = out.data();

  // Slot values survive from one group to the next: a group whose lookups
  // stop early keeps the previous group's values in its later slots.
  unsigned slot[4] = {0, 0, 0, 0};
  int stop = 5;
  for (std::size_t g = 0; g < groups; ++g, o += 3) {
    const std::size_t at = g * 4;
    if (at + 4 <= n) {
      // Fast path: four alphabet characters.
      const int v0 = kDecodeTable[in[at]], v1 = kDecodeTable[in[at + 1]];
      const int v2 = kDecodeTable[in[at + 2]], v3 = kDecodeTable[in[at + 3]];
      if ((v0 | v1 | v2 | v3) >= 0) {
        slot[0] = static_cast<unsigned>(v0);
        slot[1] = static_cast<unsigned>(v1);
        slot[2] = static_cast<unsigned>(v2);
        slot[3] = static_cast<unsigned>(v3);
        stop = 5;
        o[0] = static_cast<std::uint8_t>((slot[0] << 2) | (slot[1] >> 4));
        o[1] = static_cast<std::uint8_t>((slot[1] << 4) | (slot[2] >> 2));
        o[2] = static_cast<std::uint8_t>((slot[2] << 6) | slot[3]);
        EventPump();
        continue;
      }
    }
    // Careful path: a short last group, or a character outside the alphabet.
    stop = 5;
    for (std::size_t k = 0; k < 4; ++k) {
      const unsigned char c = at + k < n ? in[at + k] : 0;
      const int value = kDecodeTable[c];
      if (value == kForeign) {
        slot[k] = c;  // the raw byte stays in its slot
        stop = static_cast<int>(k) + 1;
        break;
      }
      slot[k] = static_cast<unsigned>(value);
    }
    o[0] = static_cast<std::uint8_t>((slot[0] << 2) | (slot[1] >> 4));
    o[1] = static_cast<std::uint8_t>((slot[1] << 4) | (slot[2] >> 2));
    o[2] = static_cast<std::uint8_t>((slot[2] << 6) | slot[3]);
    EventPump();
  }
  // Only the last group's stop mark shortens the output.
  // (what BytesLeft(out, length - (5 - stop)) gives, without the copy).
  if (stop < 5) {
    const std::size_t cut = static_cast<std::size_t>(5 - stop);
    out.resize(out.size() > cut ? out.size() - cut : 0);
  }
  return out;
}
