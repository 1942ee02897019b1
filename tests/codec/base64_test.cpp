#include "codec/base64.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/event_pump.h"
#include "tests/codec/decode_by_the_rules.h"

namespace {

ByteArray Bytes(std::initializer_list<int> values) {
  ByteArray out;
  for (const int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}
ByteArray Bytes(const std::string& s) { return ByteArray(s.begin(), s.end()); }

ByteArray Decode(const Text& t) { return BASE64类().Decode(t); }
Text Encode(const ByteArray& b) { return BASE64类().Encode(b); }

TEST(Base64Encode, StandardVectors) {
  struct Case {
    ByteArray in;
    Text want;
  } cases[] = {
      {{}, ""},
      {Bytes({0x41}), "QQ=="},
      {Bytes({0x41, 0x42}), "QUI="},
      {Bytes({0x41, 0x42, 0x43}), "QUJD"},
      {Bytes({0x00}), "AA=="},
      {Bytes("AAabcZZ"), "QUFhYmNaWg=="},
      {Bytes({0xFB, 0xFF, 0xBF}), "+/+/"},
      {Bytes("foobar"), "Zm9vYmFy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(Encode(c.in), c.want);
  }
}

// Grouped by the rule each case shows.
TEST(Base64Decode, LenientRules) {
  struct Case {
    const char* rule;
    Text in;
    ByteArray want;
  } cases[] = {
      {"empty", "", {}},
      {"padded", "QQ==", Bytes({0x41})},
      {"padded", "QUI=", Bytes({0x41, 0x42})},
      {"padded", "QUJD", Bytes({0x41, 0x42, 0x43})},
      {"no padding keeps the zero bytes", "QQ", Bytes({0x41, 0, 0})},
      {"no padding keeps the zero bytes", "QUI", Bytes({0x41, 0x42, 0})},
      {"no padding keeps the zero bytes", "Q", Bytes({0x40, 0, 0})},
      {"padding alone", "=", {}},
      {"padding alone", "==", {}},
      {"last group starts outside the alphabet", "QUJD=", Bytes({0x41, 0x42})},
      {"last group starts outside the alphabet", "QUJD====", Bytes({0x41, 0x42})},
      {"last group starts outside the alphabet", "QUJD\n", Bytes({0x41, 0x42})},
      {"last group starts outside the alphabet", "QUJD\r", Bytes({0x41, 0x42})},
      {"last group starts outside the alphabet", "QUJD\t", Bytes({0x41, 0x42})},
      {"cleaning", "QU JD", Bytes({0x41, 0x42, 0x43})},
      {"cleaning", "QU\xA1\xA1JD", Bytes({0x41, 0x42, 0x43})},
      {"cleaning", "QU\r\nJD", Bytes({0x41, 0x42, 0x43})},
      {"cleaning", "QUJD\xC1", Bytes({0x41, 0x42, 0x43})},
      {"cleaning", "QU \r \nJD", Bytes({0x41, 0x42, 0x43})},
      {"lone CR inside", "QU\rJD", Bytes({0x41, 0x43, 0x40, 0x0C, 0, 0})},
      {"foreign character in an earlier group", "QU-DQUJD",
       Bytes({0x41, 0x4B, 0x40, 0x41, 0x42, 0x43})},
      {"padding in an earlier group", "QQ==QUJD", Bytes({0x41, 0x0F, 0x40, 0x41, 0x42, 0x43})},
      {"case matters", "qujd", Bytes({0xAA, 0xE8, 0xDD})},
      {"stale slots come from the previous group", "QUJD-", Bytes({0x41, 0x42})},
      {"first-character stop cuts into the previous group", "QUJDQUJD=AAA",
       Bytes({0x41, 0x42, 0x43, 0x41, 0x42})},
      {"lead byte pair stops the group", "QUJDQ\xC1\xC1" "A",
       Bytes({0x41, 0x42, 0x43})},
      {"stop in the only group cuts past the start", "=AAA", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + ": '" + c.in + "'");
    EXPECT_EQ(Decode(c.in), c.want);
  }
}

TEST(Base64RoundTrip, AllBytesAtEveryOffsetAndLength) {
  ByteArray all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
  for (std::size_t offset = 0; offset < all.size(); ++offset) {
    for (std::size_t len : {1u, 2u, 3u, 4u, 5u, 64u}) {
      ByteArray chunk;
      for (std::size_t i = 0; i < len; ++i) chunk.push_back(all[(offset + i) % 256]);
      SCOPED_TRACE("offset " + std::to_string(offset) + " length " + std::to_string(len));
      EXPECT_EQ(Decode(Encode(chunk)), chunk);
    }
  }
}

// A foreign byte at each position of a valid text must only disturb the
// group it stands in (and, in the last group, the cut at the end).
TEST(Base64Decode, CorruptionAtEveryPositionStaysInItsGroup) {
  const ByteArray data = Bytes("0123456789abcdef01234567");  // 24 bytes, 32 characters
  const Text clean = Encode(data);
  ASSERT_EQ(clean.size(), 32u);
  for (std::size_t pos = 0; pos < clean.size(); ++pos) {
    Text damaged = clean;
    damaged[pos] = '-';
    SCOPED_TRACE("position " + std::to_string(pos));
    const ByteArray got = Decode(damaged);
    const std::size_t group = pos / 4;
    const bool last = group == clean.size() / 4 - 1;
    const std::size_t k = pos % 4;  // slot where the lookups stop
    EXPECT_EQ(got.size(), last ? data.size() - (4 - k) : data.size());
    for (std::size_t g = 0; g < data.size() / 3; ++g) {
      if (g == group) continue;
      if (last && g + 1 == group && k == 0) continue;  // its last byte is cut
      for (std::size_t b = 0; b < 3 && g * 3 + b < got.size(); ++b)
        EXPECT_EQ(got[g * 3 + b], data[g * 3 + b]) << "group " << g;
    }
  }
}

int g_pump_calls = 0;
void CountPump() { ++g_pump_calls; }

class EventPumpTest : public testing::Test {
 protected:
  void SetUp() override {
    g_pump_calls = 0;
    SetEventPump(CountPump);
  }
  void TearDown() override { SetEventPump(nullptr); }
};

TEST_F(EventPumpTest, CalledOncePerGroupOfTheCleanedText) {
  struct Case {
    Text in;
    int groups;
  } cases[] = {
      {"", 0},         {"    ", 0},     {"\xA1\xA1", 0},   {"Q", 1},
      {"QUJD", 1},     {"QUJDQ", 2},    {"QU JD", 1},      {"QU\r\nJDQQ==", 2},
      {"QQ==QUJD", 2}, {"----", 1},     {"QUJD\xC1", 1},   {Text(4000, 'A'), 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.in.substr(0, 16) + "'");
    g_pump_calls = 0;
    Decode(c.in);
    EXPECT_EQ(g_pump_calls, c.groups);
  }
}

TEST_F(EventPumpTest, EncodeDoesNotCallIt) {
  Encode(Bytes(std::string(300, 'x')));
  EXPECT_EQ(g_pump_calls, 0);
}

// The fast path for clean groups must agree with the careful one: random
// texts over the alphabet plus a few foreign bytes.
TEST(Base64Decode, AgreesWithTheRulesOnRandomDamage) {
  std::minstd_rand rng(12345);
  const std::string extra = " \r\n\t=-_\xA1\xC1";
  for (int round = 0; round < 20000; ++round) {
    Text t;
    const int len = static_cast<int>(rng() % 24);
    for (int i = 0; i < len; ++i) {
      const auto r = rng() % 100;
      t.push_back(r < 85 ? Base64Alphabet[static_cast<std::size_t>(rng() % 64)] : extra[rng() % extra.size()]);
    }
    SCOPED_TRACE("'" + t + "'");
    ASSERT_EQ(Decode(t), DecodeByTheRules(t));
  }
}

}  // namespace
