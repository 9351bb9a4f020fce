#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/positional_reader.h"

using namespace wabo;

TEST(PositionalReader, HeaderSkipStopsAfterTheByteFollowingCrOrAfterThirtyBytes) {
  PositionalReader in(std::string("[表示位置]\r\nX"));
  in.skipHeaderLine();
  EXPECT_EQ(in.get(), 'X');

  // The byte after the CR is consumed whatever it is.
  PositionalReader noLf(std::string("[a]\rXY"));
  noLf.skipHeaderLine();
  EXPECT_EQ(noLf.get(), 'Y');

  // A header of more than 30 bytes: only 30 are skipped.
  std::string longHeader(40, 'h');
  PositionalReader in2(longHeader + "\r\n");
  in2.skipHeaderLine();
  std::string rest;
  for (int c = in2.get(); c != PositionalReader::kEnd; c = in2.get()) rest.push_back(static_cast<char>(c));
  EXPECT_EQ(rest, std::string(10, 'h') + "\r\n");

  PositionalReader empty{std::string()};
  empty.skipHeaderLine();
  EXPECT_EQ(empty.get(), PositionalReader::kEnd);
}

TEST(PositionalReader, TextLinesStayWithinTheirBufferAndKeepTheNextLineInPlace) {
  std::string text = "old";
  // 29 bytes fit a 30-byte buffer with its terminating zero.
  std::string fits(29, 'a');
  PositionalReader in(fits + "\r\nnext\r\n");
  ASSERT_TRUE(in.readTextLine(30, text));
  EXPECT_EQ(text, fits);
  ASSERT_TRUE(in.readTextLine(30, text));
  EXPECT_EQ(text, "next");

  // 30 bytes do not: the text is cut and the rest of the line skipped, so
  // the following line is still read as the following value.
  std::string tooLong(45, 'b');
  PositionalReader in2(tooLong + "\r\nnext\r\n");
  ASSERT_TRUE(in2.readTextLine(30, text));
  EXPECT_EQ(text, std::string(29, 'b'));
  ASSERT_TRUE(in2.readTextLine(30, text));
  EXPECT_EQ(text, "next");

  // A cut that would leave the first byte of 表 (95 5C) alone drops it.
  std::string dbcs = std::string(28, 'c') + "表表";
  PositionalReader in3(dbcs + "\r\nnext\r\n");
  ASSERT_TRUE(in3.readTextLine(30, text));
  EXPECT_EQ(text, std::string(28, 'c'));
  ASSERT_TRUE(in3.readTextLine(30, text));
  EXPECT_EQ(text, "next");

  // The longer path buffer: 255 bytes of text.
  PositionalReader in4(std::string(300, 'p') + "\r\n");
  ASSERT_TRUE(in4.readTextLine(256, text));
  EXPECT_EQ(text, std::string(255, 'p'));
  EXPECT_EQ(in4.get(), PositionalReader::kEnd);
}

TEST(PositionalReader, TextLinesNeverHoldTheEndOfFileOrBytesAfterANul) {
  std::string text = "kept";
  PositionalReader empty{std::string()};
  EXPECT_FALSE(empty.readTextLine(30, text));
  EXPECT_EQ(text, "kept");

  // A last line without CR LF is still a line.
  PositionalReader unterminated(std::string("abc"));
  ASSERT_TRUE(unterminated.readTextLine(30, text));
  EXPECT_EQ(text, "abc");
  EXPECT_FALSE(unterminated.readTextLine(30, text));
  EXPECT_EQ(text, "abc");

  // An empty line is an empty text, not a missing one.
  PositionalReader blank(std::string("\r\n"));
  ASSERT_TRUE(blank.readTextLine(30, text));
  EXPECT_EQ(text, "");

  PositionalReader withNul(std::string("ab\0cd\r\nx", 8));
  ASSERT_TRUE(withNul.readTextLine(30, text));
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(withNul.get(), 'x');

  // A lone first byte of a double-byte character before the CR is dropped:
  // it would otherwise swallow whatever is appended to the text.
  PositionalReader halfCharacter(std::string("dir\x95\r\n"));
  ASSERT_TRUE(halfCharacter.readTextLine(256, text));
  EXPECT_EQ(text, "dir");

  // Trail bytes that look like '\' stay part of their character.
  PositionalReader trail(std::string("C:\\表\\ソ\r\n"));
  ASSERT_TRUE(trail.readTextLine(256, text));
  EXPECT_EQ(text, "C:\\表\\ソ");
}

TEST(PositionalReader, ScanBehavesLikeTheCLibraryForDecimalFields) {
  int a = 1, b = 2, c = 3, d = 4;
  PositionalReader in(std::string("  -12,+34,\r\n 56,7\r\n\r\n  X"));
  EXPECT_EQ(in.scan("%d,%d,%d,%d\n", {&a, &b, &c, &d}), 4);
  EXPECT_EQ(a, -12);
  EXPECT_EQ(b, 34);
  EXPECT_EQ(c, 56);  // white space before a number is skipped, even CR LF
  EXPECT_EQ(d, 7);
  EXPECT_EQ(in.get(), 'X');  // the trailing "\n" skipped every blank and line end

  // A field that does not scan keeps its value and ends the scan; the byte
  // that did not fit stays in the stream.
  a = 1, b = 2, c = 3;
  PositionalReader bad(std::string("5,x,7\r\n"));
  EXPECT_EQ(bad.scan("%d,%d,%d\n", {&a, &b, &c}), 1);
  EXPECT_EQ(a, 5);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 3);
  EXPECT_EQ(bad.get(), 'x');

  // A separator that does not match ends the scan too.
  PositionalReader semicolon(std::string("8;9"));
  EXPECT_EQ(semicolon.scan("%d,%d", {&a, &b}), 1);
  EXPECT_EQ(a, 8);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(semicolon.get(), ';');

  // A sign without digits is no number.
  PositionalReader sign(std::string("-,1"));
  EXPECT_EQ(sign.scan("%d", {&a}), 0);
  EXPECT_EQ(a, 8);

  PositionalReader end{std::string()};
  EXPECT_EQ(end.scan("%d\n", {&a}), 0);
  EXPECT_EQ(a, 8);
}

TEST(PositionalReader, HugeNumbersSaturateInsteadOfOverflowing) {
  int a = 0, b = 0, c = 0, d = 0;
  PositionalReader in(std::string("99999999999,-99999999999,2147483647,-2147483648"));
  EXPECT_EQ(in.scan("%d,%d,%d,%d", {&a, &b, &c, &d}), 4);
  EXPECT_EQ(a, INT_MAX);
  EXPECT_EQ(b, INT_MIN);
  EXPECT_EQ(c, INT_MAX);
  EXPECT_EQ(d, INT_MIN);

  // A number of a million digits is one field and ends where the digits end.
  PositionalReader longNumber(std::string(1000000, '9') + ",5");
  EXPECT_EQ(longNumber.scan("%d,%d", {&a, &b}), 2);
  EXPECT_EQ(a, INT_MAX);
  EXPECT_EQ(b, 5);

  PositionalReader justOver(std::string("2147483648,-2147483649"));
  EXPECT_EQ(justOver.scan("%d,%d", {&a, &b}), 2);
  EXPECT_EQ(a, INT_MAX);
  EXPECT_EQ(b, INT_MIN);
}
