// The temporary profile file: whatever the names and data, the profile functions must
// hand back exactly what the translation needs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/inftools/inf_text.h"
#include "core/inftools/reg_codec.h"
#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_translate.h"
#include "tests/core/inftools/fake_profile_reader.h"

namespace varnock {
namespace {

using testing_profile::FakeProfileReader;

std::string RegQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

TEST(RegProfile, FileIsPrintableAsciiInRegOrder) {
  const RegProfile profile = BuildRegProfile(
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"Path\"=\"C:\\\\x\"\r\n@=dword:1\r\n"
      "[HKEY_CURRENT_USER\\a]\r\n\"\xE9\"=\"\t\"\r\n"
      "Windows Registry Editor Version 5.00\r\n[-HKEY_CURRENT_USER\\B]\r\n");
  EXPECT_EQ(profile.text,
            "[4+HKEY_CURRENT_USER\\A]\r\nPath=|\"C:\\\\x\"|\r\n@=|dword:1|\r\n"
            "[4+HKEY_CURRENT_USER\\a#2]\r\n%E9=|\"%09\"|\r\n"
            "[5-HKEY_CURRENT_USER\\B]\r\n");
}

TEST(RegProfile, CleaningFollowsTheHeaderInEffect) {
  const std::vector<CleanRegLine> lines = CleanRegLines(
      "  REGEDIT4  \r\n\t[K]\r\n;\"c\"=\"1\"\\\r\n\"v\"=hex:01,\\\r\n\r\n02\r\n"
      "Windows Registry Editor Version 5.00\r\n[L]\r\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "[K]");
  EXPECT_EQ(lines[0].format, RegFormat::Regedit4);
  EXPECT_EQ(lines[1].text, "\"v\"=hex:01,");  // joined with the empty line that followed
  EXPECT_EQ(lines[2].text, "02");
  EXPECT_EQ(lines[3].text, "[L]");
  EXPECT_EQ(lines[3].format, RegFormat::Version5);
}

// Random names and data drawn from the characters the profile functions treat
// specially, in keys that repeat with other letter cases.
TEST(RegProfile, EveryNameAndValueSurvivesTheProfileFunctions) {
  const std::string alphabet = "aA =;[]#%\"'@!\\|\t\xE9\x01-:";
  std::mt19937 random(20240611);
  auto text = [&](std::size_t maxLength) {
    std::string s;
    const std::size_t length = random() % (maxLength + 1);
    for (std::size_t i = 0; i < length; ++i) s += alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    std::string reg = "REGEDIT4\r\n";
    std::vector<std::string> expected;
    const int keys = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < keys; ++k) {
      const std::string path = "HKEY_CURRENT_USER\\" + text(6);
      reg += "[" + path + "]\r\n";
      const std::string prefix = RegKeyPrefix(path);
      const int values = 1 + static_cast<int>(random() % 4);
      for (int v = 0; v < values; ++v) {
        const std::string name = text(5);
        const std::string data = text(8);
        reg += (name.empty() && random() % 2 ? std::string("@") : RegQuoted(name)) + "=" + RegQuoted(data) + "\r\n";
        expected.push_back(prefix + "," + (name.empty() ? "" : inftext::QuoteInfField(name)) + ",," +
                           inftext::QuoteInfField(data));
      }
    }
    const RegProfile profile = BuildRegProfile(reg);
    const FakeProfileReader reader(profile.text);
    ASSERT_EQ(reader.SectionNames().size(), profile.sections.size()) << reg;
    std::vector<std::string> lines;
    for (const RegProfileSection& section : profile.sections) {
      ASSERT_EQ(reader.KeyNames(section.name).size(), section.entries.size()) << reg;
      std::vector<RegProfileEntry> readBack;
      for (std::size_t i = 0; i < section.entries.size(); ++i) {
        const std::string key = reader.KeyNames(section.name)[i];
        EXPECT_EQ(key, section.entries[i].key);
        readBack.push_back({key, reader.Value(section.name, key, "ERROR!")});
        EXPECT_EQ(readBack.back().value, section.entries[i].value) << reg;
      }
      for (const InfLine& line : TranslateRegSection(section.name, readBack, {})) lines.push_back(line.text);
    }
    EXPECT_EQ(lines, expected) << reg;
  }
}

TEST(RegProfile, WideFilesAreNarrowedWithoutStoppingAtZeroBytes) {
  const std::string file = std::string("\xFF\xFE", 2) + std::string("A\0\0\0B\0\x00\x01\r\0\n\0", 12);
  ASSERT_TRUE(IsUtf16LeFile(file));
  std::string text;
  EXPECT_FALSE(TextFromUtf16LeFile(file, {}, &text));  // U+0100 has no ASCII form
  EXPECT_EQ(text, "AB?\r\n");
  EXPECT_FALSE(IsUtf16LeFile("REGEDIT4"));
}

}  // namespace
}  // namespace varnock
