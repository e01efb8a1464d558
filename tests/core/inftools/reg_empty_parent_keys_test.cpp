// The empty-parent pass against a line-by-line transcription of its rule.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/inftools/empty_parent_keys.h"
#include "core/inftools/line_pattern_index.h"

namespace varnock {
namespace {

// The rule exactly as stated, quadratic: for each m, for each g, delete line m when
// its inner text is not empty, line g contains it, line g differs from line m and the
// line after m begins with "["; the g loop then goes on against the line now at m.
// `repeatDeletions` counts deletions of a line that moved into m during the g loop.
std::vector<std::string> TranscribedPass(std::vector<std::string> lines, int* repeatDeletions) {
  for (std::size_t m = 0; m < lines.size(); ++m) {
    int deletionsAtM = 0;
    for (std::size_t g = 0; g < lines.size(); ++g) {
      const std::string& line = lines[m];
      const std::string key = line.size() > 2 ? line.substr(1, line.size() - 2) : std::string();
      if (!key.empty() && lines[g].find(key) != std::string::npos && lines[g] != lines[m] && m + 1 < lines.size() &&
          !lines[m + 1].empty() && lines[m + 1][0] == '[') {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(m));
        if (++deletionsAtM > 1) ++*repeatDeletions;
      }
    }
  }
  return lines;
}

TEST(RegEmptyParentKeys, DropsAKeyLineFollowedByItsSubkey) {
  const std::vector<std::string> lines{"[HKEY_LOCAL_MACHINE\\A]", "[HKEY_LOCAL_MACHINE\\A\\B]", "\"x\"=\"1\"",
                                       "[HKEY_LOCAL_MACHINE\\C]"};
  EXPECT_EQ(DropEmptyParentKeys(lines), std::vector<std::string>(lines.begin() + 1, lines.end()));
  // As stated the rule also drops a value line, or a key whose name starts alike: the
  // import applies it to key lines only, in a form where neither can happen.
  EXPECT_EQ(
      DropEmptyParentKeys(
          {"[HKEY_LOCAL_MACHINE\\A]", "\"Path\"=\"C:\\Acme\"", "[HKEY_LOCAL_MACHINE\\AB]", "\"OldPath\"=\"C:\\Acme\""}),
      (std::vector<std::string>{"[HKEY_LOCAL_MACHINE\\A]", "[HKEY_LOCAL_MACHINE\\AB]", "\"OldPath\"=\"C:\\Acme\""}));
}

TEST(RegEmptyParentKeys, MatchesTheTranscriptionOnRandomLines) {
  std::mt19937 random(7);
  int repeats = 0;
  int dropping = 0;
  auto check = [&](const std::vector<std::string>& lines) {
    const std::vector<std::string> expected = TranscribedPass(lines, &repeats);
    if (expected.size() != lines.size()) ++dropping;
    ASSERT_EQ(DropEmptyParentKeys(lines), expected);
  };
  // Short lines over a tiny alphabet: many containments, duplicates and cascades.
  const std::string alphabet = "[]ab";
  for (int round = 0; round < 20000; ++round) {
    std::vector<std::string> lines(random() % 16);
    for (std::string& line : lines) {
      const std::size_t length = random() % 6;
      for (std::size_t i = 0; i < length; ++i) line += alphabet[random() % alphabet.size()];
    }
    check(lines);
  }
  // REG-shaped lines: keys of a small tree, some repeated, with or without values.
  const std::vector<std::string> keys{"[H\\A]",  "[H\\A\\B]", "[H\\A\\B\\C]", "[H\\AB]",
                                      "[-H\\A]", "[H\\D]",    "[H\\D\\A]"};
  const std::vector<std::string> values{"\"v\"=\"1\"", "\"x\"=\"H\\A\"", "@=\"H\\D\\A\"", "\"A\"=\"1\""};
  for (int round = 0; round < 5000; ++round) {
    std::vector<std::string> lines;
    const std::size_t count = random() % 24;
    for (std::size_t i = 0; i < count; ++i) {
      lines.push_back(random() % 3 ? keys[random() % keys.size()] : values[random() % values.size()]);
    }
    check(lines);
  }
  EXPECT_GT(dropping, 1000);
  EXPECT_GT(repeats, 100);  // the moved-in line case is exercised
}

TEST(RegEmptyParentKeys, PatternIndexMatchesPlainSearch) {
  std::mt19937 random(11);
  const std::string alphabet = "aab\\";
  auto text = [&](std::size_t maxLength) {
    std::string s(random() % (maxLength + 1), 'a');
    for (char& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> lines(random() % 10);
    std::vector<std::string> patterns(random() % 8);
    for (std::string& line : lines) line = text(12);
    for (std::string& pattern : patterns) pattern = text(4);
    const std::vector<std::vector<std::size_t>> found = LinesContainingPatterns(lines, patterns);
    ASSERT_EQ(found.size(), patterns.size());
    for (std::size_t p = 0; p < patterns.size(); ++p) {
      std::vector<std::size_t> expected;
      for (std::size_t l = 0; l < lines.size(); ++l) {
        if (lines[l].find(patterns[p]) != std::string::npos) expected.push_back(l);
      }
      ASSERT_EQ(found[p], expected) << patterns[p];
    }
  }
}

}  // namespace
}  // namespace varnock
