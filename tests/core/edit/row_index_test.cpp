#include "core/edit/row_index.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/colour/text_lines.h"
#include "tests/core/edit/generated_texts.h"

namespace varnock {
namespace {

// The control's rows as it lays out a loaded text: it takes CR CR LF for one break,
// other breaks as the text does, and wraps each line every `width` characters (0: no
// wrap). A text ending with a break ends with an empty row.
class ModelRows : public RowIndex {
 public:
  ModelRows(const std::string& text, std::size_t width) : length_(text.size()) {
    std::size_t start = 0;
    for (std::size_t i = 0;; ++i) {
      const bool end = i == text.size();
      std::size_t brk = 0;
      if (!end && text.compare(i, 3, "\r\r\n") == 0) brk = 3;
      else if (!end && text.compare(i, 2, "\r\n") == 0) brk = 2;
      else if (!end && (text[i] == '\r' || text[i] == '\n')) brk = 1;
      if (!end && brk == 0) continue;
      AddLine(start, i - start, width);
      if (end) break;
      i += brk - 1;
      start = i + 1;
    }
  }
  std::size_t textLength() const override { return length_; }
  std::size_t rowCount() const override { return starts_.size(); }
  std::size_t rowOf(std::size_t position) const override {
    std::size_t row = 0;
    while (row + 1 < starts_.size() && starts_[row + 1] <= position) ++row;
    return row;
  }
  std::size_t rowStart(std::size_t row) const override { return starts_[row]; }
  std::size_t rowLength(std::size_t row) const override { return lengths_[row]; }

 private:
  void AddLine(std::size_t start, std::size_t length, std::size_t width) {
    do {
      const std::size_t piece = width == 0 || length <= width ? length : width;
      starts_.push_back(start);
      lengths_.push_back(piece);
      start += piece;
      length -= piece;
    } while (length > 0);
  }
  std::size_t length_;
  std::vector<std::size_t> starts_, lengths_;
};

// The slow way: the whole text split into its lines.
std::optional<TextLineRange> SlowTextLineNear(const std::string& text, std::size_t position, int delta) {
  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  const long line = static_cast<long>(LocateCaret(LineGeometry(text), position).line) - 1 + delta;
  if (line < 0 || line >= static_cast<long>(lines.size())) return std::nullopt;
  return TextLineRange{lines[static_cast<std::size_t>(line)].offset, lines[static_cast<std::size_t>(line)].length};
}

TEST(EditRowIndex, CaretPlaceFromTheRowsIsTheTextsOnEveryGeneratedText) {
  int compared = 0;
  for (const std::string& text : test::GeneratedTexts(300)) {
    if (!ControlKeepsTextLines(text)) continue;
    const ModelRows rows(text, 0);
    const LineGeometry geometry(text);
    for (std::size_t p = 0; p <= text.size(); ++p, ++compared) {
      const CaretPlace fast = LocateCaretByRows(rows, p), slow = LocateCaret(geometry, p);
      ASSERT_EQ(fast.line, slow.line) << "position " << p << " of " << testing::PrintToString(text);
      ASSERT_EQ(fast.column, slow.column) << "position " << p << " of " << testing::PrintToString(text);
    }
  }
  EXPECT_GT(compared, 5000);
}

TEST(EditRowIndex, CaretPlaceFromTheLinesStartAndTheTextBeforeItIsTheTexts) {
  for (const std::size_t width : {0u, 3u}) {
    for (const std::string& text : test::GeneratedTexts(150, width + 3)) {
      if (!ControlKeepsTextLines(text)) continue;
      const ModelRows rows(text, width);
      const LineGeometry geometry(text);
      for (std::size_t p = 0; p <= text.size(); ++p) {
        const std::size_t start = TextLineNear(rows, p, 0)->start;
        const CaretPlace fast = LocateCaretAfter(text.substr(0, start), start, p, text.size());
        const CaretPlace slow = LocateCaret(geometry, p);
        ASSERT_EQ(fast.line, slow.line) << "position " << p << " of " << testing::PrintToString(text);
        ASSERT_EQ(fast.column, slow.column) << "position " << p << " of " << testing::PrintToString(text);
      }
    }
  }
}

TEST(EditRowIndex, TextLinesFromWrappedOrPlainRowsAreTheTexts) {
  for (const std::size_t width : {0u, 1u, 4u, 9u}) {
    for (const std::string& text : test::GeneratedTexts(120, width + 7)) {
      if (!ControlKeepsTextLines(text)) continue;
      const ModelRows rows(text, width);
      for (std::size_t p = 0; p <= text.size(); ++p)
        for (const int delta : {-2, -1, 0, 1, 2})
          ASSERT_EQ(TextLineNear(rows, p, delta), SlowTextLineNear(text, p, delta))
              << "width " << width << ", position " << p << ", delta " << delta << " of "
              << testing::PrintToString(text);
    }
  }
}

TEST(EditRowIndex, CrCrLfIsOneBreakForTheControlAndTwoForTheText) {
  const std::string text = "ab\r\r\ncd";
  EXPECT_FALSE(ControlKeepsTextLines(text));
  EXPECT_EQ(LocateCaretByRows(ModelRows(text, 0), 5).line, 2u);
  EXPECT_EQ(LocateCaret(LineGeometry(text), 5).line, 3u);
}

TEST(EditRowIndex, WhichTextsAndInsertionsKeepTheControlsLines) {
  struct Case {
    const char* text;
    bool kept;
  };
  for (const Case& c : {Case{"", true}, Case{"a\r\nb", true}, Case{"a\rb\r", true}, Case{"a\nb\n", true},
                        Case{"a\r\nb\nc", true}, Case{"a\rb\nc", false}, Case{"a\r\r\nb", false}, Case{"\n\r", false}})
    EXPECT_EQ(ControlKeepsTextLines(c.text), c.kept) << testing::PrintToString(c.text);
  for (const Case& c : {Case{"", true}, Case{"abc", true}, Case{"a\r\nb\r\n", true}, Case{"a\r", false},
                        Case{"\nb", false}, Case{"a\rb", false}, Case{"\r\r\n", false}})
    EXPECT_EQ(InsertionKeepsTextLines(c.text), c.kept) << testing::PrintToString(c.text);
}

TEST(EditRowIndex, NothingBeforeTheFirstLineNorAfterTheLast) {
  const ModelRows rows("ab\r\ncd", 0);
  EXPECT_FALSE(TextLineNear(rows, 1, -1));
  EXPECT_FALSE(TextLineNear(rows, 5, 1));
  EXPECT_EQ(TextLineNear(rows, 5, -1), (TextLineRange{0, 2}));
  EXPECT_EQ(TextLineNear(rows, 1, 1), (TextLineRange{4, 2}));
}

}  // namespace
}  // namespace varnock
