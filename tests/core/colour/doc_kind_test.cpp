#include "core/colour/doc_kind.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

struct KindCase {
  const char* name;
  const char* text;
  ColourMode mode;
  DocKind kind;
  int saveFilter;
};

TEST(DocKindTest, NameThenContentThenMode) {
  using M = ColourMode;
  using K = DocKind;
  const KindCase cases[] = {
      {"C:\\x\\SETUP.INF", "", M::All, K::Inf, 0},
      {"win.Ini", "", M::All, K::Ini, 0},
      {"tweak.reg", "[version]", M::All, K::Reg, 0},
      {"File_ID.DIZ", "", M::All, K::AnsiArt, 0},
      {"art.nfo", "", M::All, K::AnsiArt, 0},
      {"setup.inf.bak", "", M::All, K::Other, 0},
      {"setup.inff", "", M::All, K::Other, 0},
      // Content counts only without an extension; "." alone is an extension.
      {"readme.txt", "[version]", M::All, K::Other, 0},
      {"setup.", "[version]", M::All, K::Other, 0},
      // A dot in a folder name is no extension.
      {"C:\\My.App\\setup", "[version]", M::All, K::Inf, 1},
      {"C:\\setup.inf\\notes.txt", "", M::All, K::Other, 0},
      // REG header anywhere in the first line only, exact case; it wins over [version].
      {"", "REGEDIT4\r\n[version]", M::All, K::Reg, 2},
      {"setup", "  REGEDIT4 (old)", M::All, K::Reg, 2},
      {"setup", "Windows Registry Editor Version 5.00\r\n", M::All, K::Reg, 2},
      {"setup", "; x\r\nREGEDIT4", M::All, K::Other, 0},
      {"setup", "x\nREGEDIT4", M::All, K::Other, 0},
      {"setup", "regedit4", M::All, K::Other, 0},
      // "[version]" anywhere, case-sensitive.
      {"setup", "; x\r\n[version]", M::All, K::Inf, 1},
      {"setup", "[Version]", M::All, K::Other, 0},
      {"", "", M::All, K::Other, 0},
      // The mode filters; the save filter is decided before it.
      {"", "REGEDIT4", M::No, K::None, 2},
      {"", "REGEDIT4", M::Inf, K::None, 2},
      {"", "REGEDIT4", M::Iri, K::Reg, 2},
      {"setup", "[version]", M::Inf, K::Inf, 1},
      {"win.ini", "", M::Inf, K::None, 0},
      {"win.ini", "", M::Iri, K::Ini, 0},
      {"art.nfo", "", M::Iri, K::None, 0},
      {"notes.txt", "", M::NoneChecked, K::Other, 0},
      {"a.inf", "", M::No, K::None, 0},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.text);
    const DocKindDecision d = DecideDocKind(c.name, c.text, c.mode);
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_EQ(d.saveFilterIndex, c.saveFilter);
  }
}

TEST(DocKindTest, ColourModeSettingValues) {
  EXPECT_EQ(ColourModeFromSetting("INF"), ColourMode::Inf);
  EXPECT_EQ(ColourModeFromSetting("IRI"), ColourMode::Iri);
  EXPECT_EQ(ColourModeFromSetting("ALL"), ColourMode::All);
  EXPECT_EQ(ColourModeFromSetting("NO"), ColourMode::No);
  // Exact and case-sensitive; anything else leaves the built-in INF check.
  EXPECT_EQ(ColourModeFromSetting("iri"), ColourMode::Inf);
  EXPECT_EQ(ColourModeFromSetting(""), ColourMode::Inf);
  EXPECT_EQ(ColourModeFromSetting(kColourModeSettingDefault), ColourMode::All);
  for (ColourMode m : {ColourMode::Inf, ColourMode::Iri, ColourMode::All, ColourMode::No}) {
    EXPECT_EQ(ColourModeFromSetting(ColourModeSetting(m)), m);
  }
}

}  // namespace
}  // namespace varnock
