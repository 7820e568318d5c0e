#include "records/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, EveryWindows1252ByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("M\xFCller \x80"), "M\xC3\xBCller \xE2\x82\xAC");
}

TEST(TextEncoding, CharactersWithoutAByteBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD" "a\xF0\x9F\x98\x80" "b"), "?a?b");  // CJK, emoji
  // Malformed input: a lone continuation byte, a cut sequence, an overlong
  // slash and an encoded surrogate.
  EXPECT_EQ(Utf8ToCp1252("\x80" "x\xC3"), "?x?");
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "?");
}

TEST(TextEncoding, Utf16ToWindows1252) {
  EXPECT_EQ(Utf16ToCp1252(u"Caf\u00E9 \u20AC\u0152"), "Caf\xE9 \x80\x8C");
  EXPECT_EQ(Utf16ToCp1252(u"\U0001F600!"), "?!");  // a pair is one character
  const char16_t lone[] = {0xD800, u'x', 0xDC00, 0};
  EXPECT_EQ(Utf16ToCp1252(lone), "?x?");
}

}  // namespace
