// libFuzzer target over the link codec: properties that hold for every
// input, checked on each one. A violation names itself and traps.
#include <climits>
#include <cstdint>
#include <cstdio>

#include "codec/base64.h"
#include "codec/event_pump.h"
#include "codec/link_forms.h"
#include "codec/shift_cipher.h"
#include "codec/text.h"
#include "tests/codec/decode_by_the_rules.h"

namespace {

void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  __builtin_trap();
}

long long g_pump_calls = 0;
void CountPump() { ++g_pump_calls; }

Count GroupsOf(Count length) { return (length + 3) / 4; }
Count Base64LengthOf(Count bytes) { return 4 * ((bytes + 2) / 3); }

bool OnlyBytesOf(const Text& text, std::size_t from, const Text& alphabet) {
  return text.find_first_not_of(alphabet, from) == Text::npos;
}

bool StartsWith(const Text& text, const Text& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

bool HasAKnownPrefix(const Text& text) {
  for (const char* prefix : {"thunder://", "flashget://", "qqdl://", "boxdl://"})
    if (StartsWith(text, prefix)) return true;
  return false;
}

void CheckDecode(const Text& input) {
  const Count groups = GroupsOf(TextLength(RemoveSubtext(RemoveAllSpaces(input), "\r\n")));
  g_pump_calls = 0;
  const ByteArray out = BASE64类().Decode(input);
  Check(g_pump_calls == groups, "Decode calls EventPump once per group of the cleaned text");
  Check(BytesLength(out) <= 3 * groups, "Decode gives at most 3 bytes per group");
  Check(BytesLength(out) >= 3 * groups - 4, "Decode cuts at most 4 bytes");
  Check(out == DecodeByTheRules(input), "Decode agrees with the rules read literally");
}

void CheckEncode(const ByteArray& bytes) {
  const Text encoded = BASE64类().Encode(bytes);
  Check(TextLength(encoded) == Base64LengthOf(BytesLength(bytes)), "Encode length");
  Check(BASE64类().Decode(encoded) == bytes, "Decode undoes Encode");
  Check(ShiftDecode(ShiftEncode(encoded, BoxdlKey), BoxdlKey) == encoded, "ShiftDecode undoes ShiftEncode");
}

void CheckConvertLink(const Text& input) {
  const Text real = ConvertLink(input, link_form::Real);
  Check(real.find('\0') == Text::npos, "a real address holds no 0 byte");
  if (!HasAKnownPrefix(input)) Check(real == input, "an address without prefix is its own real address");

  // Codes that name no form act as Real.
  for (const LinkForm odd : {4LL, 5LL, 7LL, -1LL, LLONG_MIN, LLONG_MAX})
    Check(ConvertLink(input, odd) == real, "an unnamed form code gives the real address");

  struct Encoded {
    LinkForm form;
    const char* prefix;
    Count wrapper_bytes;
    const char* alphabet;
  };
  const Text base64_and_padding = Base64Alphabet + "=";
  const Encoded encoded_forms[] = {
      {link_form::FlashGet, "flashget://", 20, base64_and_padding.c_str()},
      {link_form::Qq, "qqdl://", 0, base64_and_padding.c_str()},
      {link_form::Thunder, "thunder://", 4, base64_and_padding.c_str()},
      {link_form::Boxdl, "boxdl://", 5, ShiftAlphabet.c_str()},
  };
  for (const Encoded& f : encoded_forms) {
    const Text link = ConvertLink(input, f.form);
    const Text prefix = f.prefix;
    Check(link.find('\0') == Text::npos, "an encoded link holds no 0 byte");
    Check(StartsWith(link, prefix), "an encoded link starts with its prefix");
    Check(OnlyBytesOf(link, prefix.size(), f.alphabet), "an encoded link holds only its alphabet");
    Check(TextLength(link) == TextLength(prefix) + Base64LengthOf(TextLength(real) + f.wrapper_bytes),
          "an encoded link's length follows from the real address");
    Check(ConvertLink(link, link_form::Real) == real, "an encoded link converts back to its real address");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetEventPump(CountPump);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteArray bytes(data, data + size);
  // As a Text the input ends at its first 0 byte, as a pasted link would.
  const Text input = BytesToText(bytes);
  CheckConvertLink(input);
  CheckDecode(input);
  CheckEncode(bytes);
  return 0;
}
