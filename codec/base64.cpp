#include "codec/base64.h"

#include <array>
#include <cstdint>
#include <cstring>

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

// The same values already moved to their place in a group's 24 bits, one
// table per slot. A foreign byte sets bit 24, so one test of the OR of
// four lookups tells whether the whole group lies in the alphabet.
constexpr std::uint32_t kForeignBit = 1u << 24;
constexpr std::array<std::uint32_t, 256> MakeSlotTable(int shift) {
  std::array<std::uint32_t, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[c] = kDecodeTable[c] == kForeign ? kForeignBit
                                           : static_cast<std::uint32_t>(kDecodeTable[c]) << shift;
  return table;
}
constexpr std::array<std::uint32_t, 256> kSlot1 = MakeSlotTable(18), kSlot2 = MakeSlotTable(12),
                                         kSlot3 = MakeSlotTable(6), kSlot4 = MakeSlotTable(0);

// Space, CR and lead bytes are the only ones cleaning can change. Looks at
// eight bytes at a time: this scan runs over every link decoded.
bool NeedsCleaning(const Text& text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
  const auto has_byte = [](std::uint64_t w, unsigned char b) {
    const std::uint64_t x = w ^ (kOnes * b);
    return ((x - kOnes) & ~x & kHigh) != 0;
  };
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    if ((w & kHigh) != 0 || has_byte(w, ' ') || has_byte(w, '\r')) return true;
  }
  for (; n > 0; ++p, --n) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == ' ' || c == '\r' || c >= 0x80) return true;
  }
  return false;
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
  // Most texts are clean already and are decoded where they stand.
  const bool dirty = NeedsCleaning(text);
  const Text cleaned_copy = dirty ? RemoveSubtext(RemoveAllSpaces(text), "\r\n") : Text();
  const Text& cleaned = dirty ? cleaned_copy : text;
  const std::size_t n = cleaned.size();
  const std::size_t groups = (n + 3) / 4;
  ByteArray out(groups * 3);
  const unsigned char* in = reinterpret_cast<const unsigned char*>(cleaned.data());
  std::uint8_t* o = out.data();

  // Slot values survive from one group to the next: a group whose lookups
  // stop early keeps the previous group's values in its later slots. The
  // fast path leaves them behind; slots_current says whether they are.
  unsigned slot[4] = {0, 0, 0, 0};
  bool slots_current = true;
  int stop = 5;
  for (std::size_t g = 0; g < groups; ++g, o += 3) {
    const std::size_t at = g * 4;
    if (at + 4 <= n) {
      // Fast path: four alphabet characters.
      const std::uint32_t bits =
          kSlot1[in[at]] | kSlot2[in[at + 1]] | kSlot3[in[at + 2]] | kSlot4[in[at + 3]];
      if (bits < kForeignBit) {
        o[0] = static_cast<std::uint8_t>(bits >> 16);
        o[1] = static_cast<std::uint8_t>(bits >> 8);
        o[2] = static_cast<std::uint8_t>(bits);
        slots_current = false;
        stop = 5;
        EventPump();
        continue;
      }
    }
    // Careful path: a short last group, or a character outside the alphabet.
    if (!slots_current) {
      // The group before went the fast path: its four characters all lay
      // in the alphabet, so their values are what the slots would hold.
      for (std::size_t k = 0; k < 4; ++k) slot[k] = static_cast<unsigned>(kDecodeTable[in[at - 4 + k]]);
      slots_current = true;
    }
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
  // Only the last group's stop mark shortens the output
  // (what BytesLeft(out, length - (5 - stop)) gives, without the copy).
  if (stop < 5) {
    const std::size_t cut = static_cast<std::size_t>(5 - stop);
    out.resize(out.size() > cut ? out.size() - cut : 0);
  }
  return out;
}
