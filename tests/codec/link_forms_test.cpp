#include "codec/link_forms.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codec/base64.h"
#include "codec/shift_cipher.h"

namespace {

Text Real(const Text& in) { return ConvertLink(in, link_form::Real); }

// The four forms in the order the window asks for them.
struct Four {
  Text thunder, qq, flashget, real;
};
Four ConvertAll(const Text& in) {
  return {ConvertLink(in, 3), ConvertLink(in, 2), ConvertLink(in, 1), ConvertLink(in, 0)};
}
void ExpectFour(const Text& in, const Four& want) {
  SCOPED_TRACE("input '" + in + "'");
  const Four got = ConvertAll(in);
  EXPECT_EQ(got.thunder, want.thunder);
  EXPECT_EQ(got.qq, want.qq);
  EXPECT_EQ(got.flashget, want.flashget);
  EXPECT_EQ(got.real, want.real);
}

const Four kEmpty = {"thunder://QUFaWg==", "qqdl://", "flashget://W0ZMQVNIR0VUXVtGTEFTSEdFVF0=", ""};
const Four kAbc = {"thunder://QUFhYmNaWg==", "qqdl://YWJj",
                   "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=", "abc"};

TEST(ConvertLink, EmptyInputsAndBarePrefixes) {
  for (const Text in : {"", "thunder://", "flashget://", "qqdl://", "boxdl://"}) ExpectFour(in, kEmpty);
}

TEST(ConvertLink, PlainAddressAndItsEncodedForms) {
  for (const Text& in : std::vector<Text>{"abc", "thunder://QUFhYmNaWg==", "qqdl://YWJj",
                        "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=",
                        ConvertLink("abc", link_form::Boxdl)})
    ExpectFour(in, kAbc);
}

TEST(ConvertLink, RealAddressOfDamagedLinks) {
  struct Case {
    const char* rule;
    Text in, want;
  } cases[] = {
      {"prefix is case-sensitive", "THUNDER://QUFhYmNaWg==", "THUNDER://QUFhYmNaWg=="},
      {"prefix must stand first", " thunder://QUFhYmNaWg==", " thunder://QUFhYmNaWg=="},
      {"missing padding", "thunder://QUFhYmNaWg", "abc"},
      {"space in the body", "qqdl://YW Jj", "abc"},
      {"CR LF after the body", "qqdl://YWJj\r\n", "abc"},
      {"shorter than the wrappers", "thunder://QUFa", ""},
      {"shorter than the wrappers", "flashget://W0ZMQVNIR0VUXQ==", ""},
      {"wrappers are not compared", "thunder://eHlhYmN4eQ==", "abc"},
      {"a 0 byte ends the text", "thunder://QUFhYgBjZFpa", ""},
      {"trailing character after padding", "thunder://QUFhYmNaWg==/", "abcZZ\x0F"},
      {"trailing padding", "qqdl://YWJj=", "ab"},
      {"GBK bytes survive", "qqdl://xOO6ww==", "\xC4\xE3\xBA\xC3"},
      {"flashget is tested before qqdl", "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + ": '" + c.in + "'");
    EXPECT_EQ(Real(c.in), c.want);
  }
}

TEST(ConvertLink, UnknownFormCodesActAsReal) {
  for (const LinkForm form : {4LL, 5LL, 7LL, -1LL, 1LL << 40}) {
    SCOPED_TRACE(form);
    EXPECT_EQ(ConvertLink("thunder://QUFhYmNaWg==", form), "abc");
    EXPECT_EQ(ConvertLink("THUNDER://x", form), "THUNDER://x");
  }
}

TEST(ConvertLink, UnrecognisedInputIsEncodedWhole) {
  EXPECT_EQ(ConvertLink("THUNDER://QUFhYmNaWg==", link_form::Qq),
            "qqdl://" + BASE64类().Encode(TextToBytes("THUNDER://QUFhYmNaWg==")));
}

TEST(ConvertLink, BoxdlSpaceInBodyIsNotIgnored) {
  const Text link = ConvertLink("abcdef", link_form::Boxdl);
  const Text spaced = link.substr(0, 12) + " " + link.substr(12);
  EXPECT_EQ(Real(link), "abcdef");
  EXPECT_NE(Real(spaced), "abcdef");
}

// Random texts that begin with no prefix: every form decodes back, and
// form 6 has the length and alphabet the form demands.
TEST(ConvertLink, RoundTripsAndBoxdlShape) {
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    Text x;
    const int len = static_cast<int>(rng() % 40);
    for (int i = 0; i < len; ++i) x.push_back(static_cast<char>(1 + rng() % 255));
    if (x.rfind("thunder://", 0) == 0 || x.rfind("flashget://", 0) == 0 ||
        x.rfind("qqdl://", 0) == 0 || x.rfind("boxdl://", 0) == 0)
      continue;
    SCOPED_TRACE("'" + x + "'");
    for (const LinkForm f : {1, 2, 3, 6}) EXPECT_EQ(Real(ConvertLink(x, f)), x) << "form " << f;
    const Text box = ConvertLink(x, link_form::Boxdl);
    ASSERT_EQ(box.rfind("boxdl://", 0), 0u);
    EXPECT_EQ(box.size(), 8 + (x.size() + 5 + 2) / 3 * 4);
    EXPECT_EQ(box.find_first_not_of(ShiftAlphabet, 8), std::string::npos);
  }
}

TEST(ShiftCipher, DecodeUndoesEncodeAndForeignBytesLandInTheAlphabet) {
  EXPECT_EQ(ShiftDecode(ShiftEncode(ShiftAlphabet, BoxdlKey), BoxdlKey), ShiftAlphabet);
  EXPECT_EQ(ShiftEncode("", BoxdlKey), "");
  // Net shift of the key is (30 + 8 + 83 + 13) mod 65 = 4.
  EXPECT_EQ(ShiftEncode("A=", BoxdlKey), "ED");
  const Text foreign = ShiftDecode(" \x80", BoxdlKey);
  ASSERT_EQ(foreign.size(), 2u);
  EXPECT_NE(ShiftAlphabet.find(foreign[0]), std::string::npos);
  EXPECT_EQ(foreign[0], foreign[1]);  // both start at index 254
}

}  // namespace
