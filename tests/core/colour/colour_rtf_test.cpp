#include "core/colour/colour_rtf.h"

#include "core/colour/text_lines.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

const RtfColours kColours = {0x00112233, ColourScheme{}};

FontSpec Font(const char* face, int points, int charset) {
  FontSpec f;
  f.face = face;
  f.pointSize = points;
  f.charset = charset;
  return f;
}

TEST(RtfTest, HeaderCarriesFontAndColourTable) {
  EXPECT_EQ(BuildColourRtf("", {}, kColours, Font("Terminal", 9, 255)),
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset255 Terminal;}}"
            "{\\colortbl ;\\red51\\green34\\blue17;\\red0\\green0\\blue255;"
            "\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green0\\blue128;}"
            "\\pard\\plain\\f0\\fs18\\cf1 }");
  FontSpec odd = Font("Caf\xE9 {x}", 12, 1);
  odd.bold = odd.italic = odd.underline = odd.strikeOut = true;
  const std::string rtf = BuildColourRtf("a", {}, kColours, odd);
  EXPECT_NE(rtf.find("\\fcharset1 Caf\\'e9 \\{x\\};}}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\fs24\\b\\i\\ul\\strike\\cf1 a}"), std::string::npos) << rtf;
}

TEST(RtfTest, EscapesBreaksAndColourSwitches) {
  // Painted in order: the section colour over the error colour leaves "a" in error.
  const std::vector<ColourRange> ranges = {{0, 2, ColourRole::Entry},
                                           {5, 3, ColourRole::Error},
                                           {5, 1, ColourRole::Section},
                                           {7, 1, ColourRole::Section},
                                           {19, 2, ColourRole::Comment}};
  // Every break (CR LF, LF, CR) is one \par; CR LF counts two positions, a lone LF or
  // CR one, as in the control. A blank opening a line survives the blank ending \par.
  const std::string rtf =
      BuildColourRtf("k=v\r\n[a]\n\\{}\t\xDB\x01\r\r\n ;x", ranges, kColours, Font("Lucida Console", 10, 1));
  EXPECT_NE(rtf.find("\\cf1 \\cf5 k=\\cf1 v\\par \\cf4 [\\cf3 a\\cf4 ]\\par \\cf1 "
                     "\\\\\\{\\}\\tab \\'db\\'01\\par \\par  \\cf2 ;x}"),
            std::string::npos)
      << rtf;
}

TEST(RtfTest, HighBytesTakeTheCallersCodePageWhenGiven) {
  std::vector<char16_t> table(0x80);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char16_t>(0x2500 + i);
  table[0xDB - 0x80] = 0x2588;  // full block
  table[0xFF - 0x80] = 0xFFFD;  // past 0x7FFF: RTF wants it signed
  const std::string rtf = BuildColourRtf("a\xDB\x01\xFF{", {}, kColours, Font("Terminal", 9, 255), &table);
  EXPECT_NE(rtf.find("\\cf1 a\\u9608?\\'01\\u-3?\\{}"), std::string::npos) << rtf;
  // A table of the wrong size is no table.
  const std::vector<char16_t> broken(3);
  EXPECT_EQ(BuildColourRtf("\xDB", {}, kColours, Font("Terminal", 9, 255), &broken),
            BuildColourRtf("\xDB", {}, kColours, Font("Terminal", 9, 255)));
}

TEST(RtfTest, AFinalLineBreakIsKept) {
  // The reader swallows the \par that ends a stream.
  const std::string end = "\\pard\\plain\\f0\\fs20\\cf1 ";
  auto body = [&](const std::string& text) {
    const std::string rtf = BuildColourRtf(text, {}, kColours, Font("Lucida Console", 10, 1));
    return rtf.substr(rtf.find(end) + end.size());
  };
  EXPECT_EQ(body("a"), "a}");
  EXPECT_EQ(body("a\r\n"), "a\\par \\par }");
  EXPECT_EQ(body("a\r\n\r\n"), "a\\par \\par \\par }");
  EXPECT_EQ(body(""), "}");
}

TEST(RtfTest, LoneBreaksAreTold) {
  EXPECT_FALSE(HasLoneLineBreak(""));
  EXPECT_FALSE(HasLoneLineBreak("a\r\nb\r\n"));
  EXPECT_TRUE(HasLoneLineBreak("a\r\nb\nc"));
  EXPECT_TRUE(HasLoneLineBreak("a\rb"));
  // Every text of up to six of "a", CR and LF: a lone break exactly where the line
  // splitter finds a one-byte break.
  const char alphabet[] = {'a', '\r', '\n'};
  std::vector<std::string> texts{""};
  for (size_t at = 0; at < texts.size(); ++at)
    if (texts[at].size() < 6)
      for (char c : alphabet) texts.push_back(texts[at] + c);
  for (const std::string& text : texts) {
    bool lone = false;
    for (const TextLineSpan& line : LocateTextLines(text)) lone = lone || line.breakLength == 1;
    EXPECT_EQ(HasLoneLineBreak(text), lone) << testing::PrintToString(text);
  }
}

TEST(RtfTest, PrintableAsciiWithCrLfIsTold) {
  const struct {
    std::string text;
    bool plain;
  } cases[] = {
      {"", true},
      {"[a]\r\nk = \"{\\x}\"\t~\r\n\r\n", true},
      {"a\r", false},
      {"a\nb", false},
      {"a\r\rb", false},
      {"a\r\n\n", false},
      {std::string("a\0b", 3), false},
      {"a\x7F", false},
      {"\x1F", false},
      {"caf\xE9", false},
      {"\x80", false},
      {" ", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPrintableAsciiWithCrLf(c.text), c.plain) << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace varnock
