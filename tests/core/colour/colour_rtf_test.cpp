#include "core/colour/colour_rtf.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

const RtfColours kColours = {0x00112233, ColourScheme{}};

FontSpec Font(const char* face, int points, int charset)
{
    FontSpec f;
    f.face = face;
    f.pointSize = points;
    f.charset = charset;
    return f;
}

TEST(RtfTest, HeaderCarriesFontAndColourTable)
{
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

TEST(RtfTest, EscapesBreaksAndColourSwitches)
{
    // Painted in order: the section colour over the error colour leaves "a" in error.
    const std::vector<ColourRange> ranges = {{0, 2, ColourRole::Entry},
                                             {5, 3, ColourRole::Error},
                                             {5, 1, ColourRole::Section},
                                             {7, 1, ColourRole::Section},
                                             {21, 2, ColourRole::Comment}};
    // Every break (CR LF, LF, CR) is one \par and two positions; a blank opening a
    // line survives the blank that ends \par.
    const std::string rtf =
        BuildColourRtf("k=v\r\n[a]\n\\{}\t\xDB\x01\r\r\n ;x", ranges, kColours,
                       Font("Lucida Console", 10, 1));
    EXPECT_NE(rtf.find("\\cf1 \\cf5 k=\\cf1 v\\par \\cf4 [\\cf3 a\\cf4 ]\\par \\cf1 "
                       "\\\\\\{\\}\\tab \\'db\\'01\\par \\par  \\cf2 ;x}"),
              std::string::npos)
        << rtf;
}

}  // namespace
}  // namespace varnock
