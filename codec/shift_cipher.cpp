#include "codec/shift_cipher.h"

#include <array>

const Text ShiftAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";
const ByteArray BoxdlKey = {0x1D, 0x07, 0x52, 0x0C};

namespace {

constexpr unsigned kModulus = 65;
constexpr unsigned kForeignIndex = 254;  // FindBytes' -1, less 1, kept in a byte

std::array<unsigned, 256> MakeIndexTable() {
  std::array<unsigned, 256> table{};
  table.fill(kForeignIndex);
  for (unsigned i = 0; i < ShiftAlphabet.size(); ++i)
    table[static_cast<unsigned char>(ShiftAlphabet[i])] = i;
  return table;
}

// Every pass is an addition modulo 65, so the passes fold into one shift.
Text Shift(const Text& text, unsigned shift) {
  if (text.empty()) return text;
  static const std::array<unsigned, 256> index = MakeIndexTable();
  Text out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned from = index[static_cast<unsigned char>(text[i])];
    out[i] = ShiftAlphabet[(from + shift) % kModulus];
  }
  return out;
}

}  // namespace

// An empty key makes no pass; foreign bytes then have no place in the
// alphabet, so the text is returned as it is.
Text ShiftEncode(const Text& text, const ByteArray& key) {
  if (key.empty()) return text;
  unsigned shift = 0;
  for (const std::uint8_t k : key) shift = (shift + k + 1u) % kModulus;
  return Shift(text, shift);
}

Text ShiftDecode(const Text& text, const ByteArray& key) {
  if (key.empty()) return text;
  unsigned shift = 0;
  for (const std::uint8_t k : key) shift = (shift + kModulus - (k + 1u) % kModulus) % kModulus;
  return Shift(text, shift);
}
