#include "codec/text.h"

#include <gtest/gtest.h>

namespace {

const Text kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

TEST(TextCuts, CountsAndPositionsOutOfRange) {
  struct Case {
    const char* name;
    Text got, want;
  } cases[] = {
      {"Mid from 3 for 100", TextMid("AAabc", 3, 100), "abc"},
      {"Mid from 3 for 3", TextMid("AAabc", 3, 3), "abc"},
      {"Mid one past the end", TextMid("AAabc", 6, 1), ""},
      {"Mid from 0", TextMid("AAabc", 0, 3), ""},
      {"Mid from -4", TextMid("AAabc", -4, 10), ""},
      {"Mid count 0", TextMid("AAabc", 1, 0), ""},
      {"Mid count -1", TextMid("AAabc", 1, -1), ""},
      {"Mid of empty", TextMid("", 1, 1), ""},
      {"Right 0", TextRight("qqdl://", 0), ""},
      {"Right -3", TextRight("qqdl://", -3), ""},
      {"Right 2", TextRight("qqdl://", 2), "//"},
      {"Right past length", TextRight("qq", 7), "qq"},
      {"Left past length", TextLeft("qq", 7), "qq"},
      {"Left -3", TextLeft("abc", -3), ""},
      {"Left 1", TextLeft("abc", 1), "a"},
      {"Left cuts a pair", TextLeft("\xC4\xE3", 1), "\xC4"},
      {"Concat", TextConcat("AA", "abc", "ZZ"), "AAabcZZ"},
      {"Concat of none", TextConcat(), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(TextBytes, CharCodesAndConversions) {
  EXPECT_EQ(CharCodeAt("AB", 3), 0);
  EXPECT_EQ(CharCodeAt("AB", 0), 0);
  EXPECT_EQ(CharCodeAt("AB", 2), 'B');
  EXPECT_EQ(CharCodeAt("\xFF", 1), 0xFF);
  EXPECT_EQ(CharFromCode(0), "");
  EXPECT_EQ(CharFromCode(0xC1), "\xC1");
  EXPECT_EQ(BytesToText(ByteArray{0x41, 0x00, 0x42}), "A");
  EXPECT_EQ(BytesToText(ByteArray{0x00}), "");
  EXPECT_EQ(BytesToText(ByteArray{}), "");
  EXPECT_EQ(BytesToText(ByteArray{0x41, 0xC1}), "A\xC1");
  EXPECT_EQ(TextToBytes("A\xC1"), (ByteArray{0x41, 0xC1}));
  EXPECT_EQ(TextToBytes(""), ByteArray{});
}

TEST(TextScan, FindTextFollowsTheTwoByteRule) {
  struct Case {
    const char* name;
    Text hay, needle;
    Count want;
  } cases[] = {
      {"empty needle", kAlphabet, "", 1},
      {"empty needle, empty hay", "", "", -1},
      {"needle in empty hay", "", "a", -1},
      {"lowercase a", kAlphabet, "a", 27},
      {"padding is not in the alphabet", kAlphabet, "=", -1},
      {"case matters", "abc", "B", -1},
      {"second byte of a pair is skipped", "\xC1" "A" "A", "A", 3},
      {"lone lead byte at the end stops", "\xC1" "A" "\xC1", "\xC1", 1},
      {"trailing lead byte gives -1", "AB\xC1", "C", -1},
      {"trailing lead byte before a match", "\xC1", "\xC1", -1},
      {"longer needle", "abcabd", "abd", 4},
      {"needle past the end", "ab", "abc", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindText(c.hay, c.needle), c.want);
  }
}

TEST(TextScan, RemoveAllSpacesAndRemoveSubtext) {
  struct Case {
    const char* name;
    Text got, want;
  } cases[] = {
      {"spaces go, tab stays", RemoveAllSpaces("a b\tc"), "ab\tc"},
      {"ideographic space goes", RemoveAllSpaces("a\xA1\xA1" "b"), "ab"},
      {"space inside a pair stays", RemoveAllSpaces("a\xC1 b"), "a\xC1 b"},
      {"unpaired lead byte at the end is dropped", RemoveAllSpaces("ab\xC1"), "ab"},
      {"CR and LF stay", RemoveAllSpaces("a\r\nb"), "a\r\nb"},
      {"A1 pairs with the next byte only", RemoveAllSpaces("\xA1" "a\xA1\xA1"), "\xA1" "a"},
      {"only spaces", RemoveAllSpaces("  \xA1\xA1 "), ""},
      {"CR LF pairs go, lone CR and LF stay", RemoveSubtext("a\r\nb\rc\n", "\r\n"), "ab\rc\n"},
      {"CR as second byte of a pair stays", RemoveSubtext("\xC1\r\n", "\r\n"), "\xC1\r\n"},
      {"matches do not overlap", RemoveSubtext("aaa", "aa"), "a"},
      {"empty sub", RemoveSubtext("abc", ""), "abc"},
      {"empty text", RemoveSubtext("", "\r\n"), ""},
      {"trailing lead byte is kept", RemoveSubtext("\r\n\xC1", "\r\n"), "\xC1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(ByteArrays, EdgesOfTheByteOperations) {
  const ByteArray abc{'a', 'b', 'c'};
  EXPECT_EQ(FindBytes(abc, ByteArray{}), -1);
  EXPECT_EQ(FindBytes(abc, ByteArray{'c'}), 3);
  EXPECT_EQ(FindBytes(abc, ByteArray{'d'}), -1);
  EXPECT_EQ(FindBytes(ByteArray{1, 0, 2}, ByteArray{0, 2}), 2);
  EXPECT_EQ(BytesLeft(abc, -5), ByteArray{});
  EXPECT_EQ(BytesLeft(abc, 2), (ByteArray{'a', 'b'}));
  EXPECT_EQ(BytesLeft(abc, 9), abc);
  EXPECT_EQ(ZeroBytes(0), ByteArray{});
  EXPECT_EQ(ZeroBytes(-2), ByteArray{});
  EXPECT_EQ(ZeroBytes(2), (ByteArray{0, 0}));
  EXPECT_EQ(BytesConcat(abc, ByteArray{0}), (ByteArray{'a', 'b', 'c', 0}));
  EXPECT_EQ(BytesLength(ByteArray{0, 0, 0}), 3);
}

}  // namespace
