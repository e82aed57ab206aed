#include <channel_key.h>
#include <crypt.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using channel::CryptDecode;
using channel::CryptEncode;
using channel::CryptEncodeWith;

TEST(CryptTest, EmptyAndShortTextsGiveEmpty) {
  EXPECT_EQ(CryptEncode(""), "");
  EXPECT_EQ(CryptDecode(""), "");
  EXPECT_EQ(CryptDecode("A"), "");
}

TEST(CryptTest, PipesStandForThemselvesAndDoNotMoveTheKey) {
  std::string scrambled = CryptEncodeWith("|||", 10);
  EXPECT_EQ(scrambled, std::string("\x0b|||"));
  // The byte after the pipes uses key index s, exactly as if the pipes were not there.
  EXPECT_EQ(CryptEncodeWith("||A", 10).substr(3), CryptEncodeWith("A", 10).substr(1));
}

TEST(CryptTest, HeaderByteIsStartValuePlusOneAndNeverASpace) {
  for (int i = 0; i < 2000; ++i) {
    std::string scrambled = CryptEncode("x");
    int header = static_cast<unsigned char>(scrambled[0]);
    ASSERT_GE(header, 3);
    ASSERT_LE(header, 56);
    ASSERT_NE(header, ' ');
  }
}

TEST(CryptTest, FirstByteUsesKeyIndexOfTheStartValue) {
  const int s = 7;
  std::string scrambled = CryptEncodeWith("A", s);
  auto expected = static_cast<unsigned char>('A' ^ channel::ChannelKey[s - 1] ^ s);
  if (expected == 0 || expected == 1 || expected == '|')
    EXPECT_EQ(scrambled.substr(1), std::string("\x01") + "A");
  else
    EXPECT_EQ(static_cast<unsigned char>(scrambled[1]), expected);
}

// Every plain byte whose scrambled value would be 0, 1 or "|" is escaped, at every key
// position, and decoding still lines up the bytes after it.
TEST(CryptTest, EscapedBytesKeepTheKeyInStep) {
  for (int s = 2; s <= 55; ++s) {
    if (s == 31) continue;
    for (int k = 0; k < 59; ++k) {
      int index = ((s - 1 + k) % 59) + 1;
      // A prefix of k bytes that are not escaped themselves puts the byte under test at
      // key position k.
      std::string plain;
      for (int j = 0; j < k; ++j) {
        auto key = channel::ChannelKey[static_cast<std::size_t>((s - 1 + j) % 59)];
        char c = 'q';
        while ((c ^ key ^ s) == 0 || (c ^ key ^ s) == 1 || (c ^ key ^ s) == '|') ++c;
        plain += c;
      }
      for (int value : {0, 1, int{'|'}}) {
        auto c = static_cast<char>(value ^ channel::ChannelKey[index - 1] ^ s);
        if (c == '\0' || c == '|') continue;
        std::string text = plain + c + "tail";
        std::string scrambled = CryptEncodeWith(text, s);
        ASSERT_EQ(scrambled[1 + k], '\x01');
        ASSERT_EQ(scrambled[2 + k], c);
        ASSERT_EQ(CryptDecode(scrambled), text);
      }
    }
  }
}

TEST(CryptTest, ScrambledBodyHasNoZeroAndPipesOnlyWherePlainHadThem) {
  std::mt19937 random(42);
  for (int round = 0; round < 200; ++round) {
    std::string plain(static_cast<std::size_t>(random() % 300), ' ');
    for (char& c : plain) c = static_cast<char>(1 + random() % 255);
    std::string body = CryptEncode(plain).substr(plain.empty() ? 0 : 1);
    std::size_t at = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
      ASSERT_LT(at, body.size());
      ASSERT_NE(body[at], '\0');
      if (plain[i] == '|') {
        ASSERT_EQ(body[at++], '|');
      } else if (body[at] == '\x01') {
        ASSERT_EQ(body[at + 1], plain[i]);
        at += 2;
      } else {
        ASSERT_NE(body[at], '|');
        ++at;
      }
    }
    ASSERT_EQ(at, body.size());
  }
}

TEST(CryptTest, RoundTripHoldsForEveryLengthWellPastTheOldWorkBuffer) {
  std::mt19937 random(7);
  std::vector<std::size_t> lengths = {1, 2, 58, 59, 60, 118, 119, 51'200, 102'400, 102'401, 250'000};
  for (int i = 0; i < 300; ++i) lengths.push_back(random() % 4000);
  for (std::size_t length : lengths) {
    std::string plain(length, ' ');
    for (char& c : plain) c = static_cast<char>(1 + random() % 255);
    ASSERT_EQ(CryptDecode(CryptEncode(plain)), plain) << "length " << length;
  }
  // A text made only of bytes that must be escaped doubles in size and still comes back.
  std::string worst(150'000, '\x01');
  EXPECT_EQ(CryptDecode(CryptEncode(worst)), worst);
}

TEST(CryptTest, DecodeStopsAtTheFirstZeroProduced) {
  std::string scrambled = CryptEncodeWith("ab", 5);
  EXPECT_EQ(CryptDecode(scrambled + "\x01"), "ab");                  // trailing escape
  EXPECT_EQ(CryptDecode(scrambled + std::string("\x01\0z", 3)), "ab");  // escaped zero
}

TEST(CryptTest, GarbageNeverReadsOutsideTheKey) {
  std::mt19937 random(3);
  for (int round = 0; round < 2000; ++round) {
    std::string garbage(static_cast<std::size_t>(random() % 200), ' ');
    for (char& c : garbage) c = static_cast<char>(random());
    (void)CryptDecode(garbage);  // ASan and UBSan watch this
  }
}

}  // namespace
