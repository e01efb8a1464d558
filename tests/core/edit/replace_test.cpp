#include "core/edit/search_commands.h"

#include <gtest/gtest.h>

#include "tests/core/edit/selection_printer.h"

#include <random>

namespace varnock {
namespace {

const UpperCaseTable kAscii = AsciiUpperCaseTable();
constexpr SearchOptions kAnyCase{false, false};
constexpr SearchOptions kMatchCase{true, false};
constexpr SearchOptions kWholeWord{false, true};

std::string After(const std::string& text, const ReplaceOutcome& outcome) {
  return outcome.edit ? ApplyReplacement(text, *outcome.edit) : text;
}

TEST(EditReplace, AClickOnAnotherSelectionOnlyFindsTheNextClickReplaces) {
  const std::string text = "DiskName=old\r\nName=old";
  const ReplaceOutcome first = ReplaceOnce(text, {0, 4}, "old", "new", kAnyCase, kAscii);
  EXPECT_FALSE(first.edit.has_value());
  EXPECT_EQ(first.select, (Selection{9, 3}));
  EXPECT_FALSE(first.notFound);

  const ReplaceOutcome second = ReplaceOnce(text, *first.select, "old", "newer", kAnyCase, kAscii);
  EXPECT_EQ(After(text, second), "DiskName=newer\r\nName=old");
  EXPECT_EQ(second.select, (Selection{9, 5}));
  EXPECT_EQ(second.replacements, 1u);
  EXPECT_FALSE(second.notFound);
}

TEST(EditReplace, TheSelectionMustBeTheSearchTextExactly) {
  // "OLD" selected while searching "old" without match case: not the search text, so
  // the click finds the next match after the selection instead of replacing.
  const std::string text = "OLD old";
  EXPECT_TRUE(SelectionIsSearchText(text, {4, 3}, "old"));
  EXPECT_FALSE(SelectionIsSearchText(text, {0, 3}, "old"));
  const ReplaceOutcome outcome = ReplaceOnce(text, {0, 3}, "old", "x", kAnyCase, kAscii);
  EXPECT_FALSE(outcome.edit.has_value());
  EXPECT_EQ(outcome.select, (Selection{4, 3}));
}

TEST(EditReplace, WholeWordAcceptsTheSelectedMatchAtTheStartOfTheText) {
  const std::string text = "INF x.INF";
  const ReplaceOutcome outcome = ReplaceOnce(text, {0, 3}, "INF", "ini", kWholeWord, kAscii);
  EXPECT_EQ(After(text, outcome), "ini x.INF");
  EXPECT_EQ(outcome.select, (Selection{0, 3}));
}

TEST(EditReplace, NotFoundLeavesEverythingAsItWas) {
  const std::string text = "abc";
  for (const ReplaceOutcome& o :
       {ReplaceOnce(text, {1, 1}, "x", "y", kAnyCase, kAscii), ReplaceOnce(text, {1, 0}, "", "y", kAnyCase, kAscii),
        ReplaceAll(text, {0, 0}, "x", "y", kAnyCase, kAscii), ReplaceAll(text, {2, 0}, "a", "y", kAnyCase, kAscii)}) {
    EXPECT_TRUE(o.notFound);
    EXPECT_FALSE(o.edit.has_value());
    EXPECT_FALSE(o.select.has_value());
    EXPECT_EQ(o.replacements, 0u);
  }
  EXPECT_FALSE(FindNextMatch(text, {1, 1}, "a", kAnyCase, kAscii).has_value());  // no wrap-around
}

TEST(EditReplace, ReplaceAllOfAByAaTerminates) {
  const std::string text = "a-A-a";
  const ReplaceOutcome outcome = ReplaceAll(text, {0, 0}, "a", "aa", kAnyCase, kAscii);
  EXPECT_EQ(After(text, outcome), "aa-aa-aa");
  EXPECT_EQ(outcome.replacements, 3u);
  EXPECT_EQ(outcome.select, (Selection{6, 2}));  // the last inserted text
  EXPECT_TRUE(outcome.notFound);                 // replace-all always ends not finding

  const std::string many(65534, 'a');
  const ReplaceOutcome big = ReplaceAll(many, {0, 0}, "a", "aa", kMatchCase, kAscii);
  EXPECT_EQ(big.replacements, many.size());
  EXPECT_EQ(After(many, big), std::string(2 * many.size(), 'a'));
}

TEST(EditReplace, ReplaceAllStartsAtTheSelectionStartAndCoversOneStretch) {
  const std::string text = "x=1, x=2, x=3";
  const ReplaceOutcome outcome = ReplaceAll(text, {5, 1}, "x", "key", kAnyCase, kAscii);
  ASSERT_TRUE(outcome.edit.has_value());
  EXPECT_EQ(outcome.edit->start, 5u);
  EXPECT_EQ(outcome.edit->length, 6u);
  EXPECT_EQ(After(text, outcome), "x=1, key=2, key=3");
  EXPECT_EQ(outcome.select, (Selection{12, 3}));
}

TEST(EditReplace, ReplaceAllJudgesWholeWordsInTheTextAsItBecomes) {
  // After ".a." becomes "X", the next ".a." follows an X, no longer a delimiter.
  const std::string text = ".a..a.";
  const ReplaceOutcome outcome = ReplaceAll(text, {0, 0}, ".a.", "X", kWholeWord, kAscii);
  EXPECT_EQ(After(text, outcome), "X.a.");
  EXPECT_EQ(outcome.replacements, 1u);

  // With nothing inserted, the neighbour is whatever now stands before the origin.
  EXPECT_EQ(After(text, ReplaceAll(text, {0, 0}, ".a.", "", kWholeWord, kAscii)), "");
}

// The replace-all loop done the slow way: rewrite the text after every match and
// search the rewritten text again.
std::string SlowReplaceAll(std::string text, const std::string& what, const std::string& with, SearchOptions options,
                           std::size_t origin, std::size_t& count) {
  const auto fold = [&](std::string s) {
    if (!options.matchCase) {
      for (char& c : s) c = static_cast<char>(kAscii[static_cast<unsigned char>(c)]);
    }
    return s;
  };
  const auto edge = [&](const std::string& t, std::size_t i, bool before) {
    if (before ? i == 0 : i >= t.size()) return true;
    return IsWordDelimiter(t[before ? i - 1 : i]);
  };
  count = 0;
  for (;;) {
    const std::string folded = fold(text);
    std::size_t at = origin;
    std::size_t match = std::string::npos;
    while ((match = folded.find(fold(what), at)) != std::string::npos && options.wholeWord &&
           !(edge(text, match, true) && edge(text, match + what.size(), false))) {
      at = match + 1;
    }
    if (what.empty() || match == std::string::npos) return text;
    text.replace(match, what.size(), with);
    origin = match + with.size();
    ++count;
  }
}

TEST(EditReplace, ReplaceAllAgreesWithTheSlowLoop) {
  std::mt19937 random(20240611);
  const std::string alphabet = "aAb .,";
  const std::vector<std::string> whats{"a", "ab", "a.", "A a", ".a.", "aa"};
  const std::vector<std::string> withs{"", "a", "aa", "X", " ", "b."};
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const std::string& what = whats[random() % whats.size()];
    const std::string& with = withs[random() % withs.size()];
    const SearchOptions options{random() % 2 == 0, random() % 2 == 0};
    const std::size_t origin = text.empty() ? 0 : random() % (text.size() + 1);

    std::size_t slowCount = 0;
    const std::string expected = SlowReplaceAll(text, what, with, options, origin, slowCount);
    const ReplaceOutcome outcome = ReplaceAll(text, {origin, 0}, what, with, options, kAscii);
    ASSERT_EQ(After(text, outcome), expected) << '"' << text << "\" " << what << " -> " << with << " from " << origin
                                              << " case " << options.matchCase << " word " << options.wholeWord;
    ASSERT_EQ(outcome.replacements, slowCount);
  }
}

}  // namespace
}  // namespace varnock
