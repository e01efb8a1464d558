// The caret's place and the lines the keystroke pass colours, found from the control's
// line index, against the slow way (the whole text read and split) on generated texts
// loaded into the real control, with word wrap off and on, and after typing, pastes and
// replacements that the control would keep apart from the text's own line breaks.
#include <optional>

#include "core/colour/text_lines.h"
#include "core/edit/row_index.h"
#include "tests/core/edit/generated_texts.h"
#include "tests/win/harness.h"
#include "win/platform/rich_format.h"

namespace varnock::test {
namespace {

class LineIndex : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    // Narrow, so that long lines wrap into several rows with word wrap on.
    MoveWindow(pad().Rich1.hwnd(), 0, 0, 160, 300, TRUE);
  }
  // The caret at every place the control lets it be: the status bar's line and column
  // as the slow way gives them, and (where the control's lines are trusted) the text
  // lines around the caret as the whole text has them.
  void ExpectEveryCaretPlaceAsTheTextHasIt(const std::string& text) {
    RichEdit& rich = pad().Rich1;
    ASSERT_EQ(rich.Text(), text);
    const LineGeometry geometry(text);
    const std::vector<TextLineSpan> lines = LocateTextLines(text);
    for (long p = 0; p <= static_cast<long>(text.size()); ++p) {
      rich.Select(p, 0);
      const size_t at = static_cast<size_t>(rich.SelStart());
      const CaretPlace slow = LocateCaret(geometry, at);
      ASSERT_EQ(pad().fGetLineNB(), static_cast<int>(slow.line)) << "at " << at;
      ASSERT_EQ(pad().fGetColNB(), static_cast<int>(slow.column)) << "at " << at;
      if (!rich.LinesMatchText()) continue;
      ++fastCompared;
      for (const int step : {-1, 0, 1}) {
        const long line = static_cast<long>(slow.line) - 1 + step;
        const std::optional<TextLineRange> fast = TextLineNear(ControlRows(rich), at, step);
        if (line < 0 || line >= static_cast<long>(lines.size())) {
          ASSERT_FALSE(fast) << "at " << at << " step " << step;
          continue;
        }
        const TextLineSpan& span = lines[static_cast<size_t>(line)];
        ASSERT_TRUE(fast) << "at " << at << " step " << step;
        ASSERT_EQ(fast->start, span.offset) << "at " << at << " step " << step;
        ASSERT_EQ(fast->length, span.length) << "at " << at << " step " << step;
        ASSERT_EQ(ReadRows(rich, fast->firstRow, fast->lastRow), text.substr(span.byteStart, span.length));
      }
    }
  }
  int fastCompared = 0;
};

TEST_F(LineIndex, FastCaretPlaceAndLinesAreTheSlowWaysOnGeneratedTexts) {
  bool wrapped = false;
  for (const bool wrap : {false, true}) {
    if (wrap) pad().EditWWrap();
    for (const std::string& text : GeneratedTexts(25, wrap ? 5 : 3)) {
      SCOPED_TRACE(testing::PrintToString(text) + (wrap ? ", word wrap on" : ", word wrap off"));
      pad().Rich1.SetText(text);
      EXPECT_EQ(pad().Rich1.LinesMatchText(), ControlKeepsTextLines(text));
      wrapped = wrapped || (wrap && LineCount(pad().Rich1) > static_cast<long>(LocateTextLines(text).size()));
      ExpectEveryCaretPlaceAsTheTextHasIt(text);
      if (HasFatalFailure()) return;
    }
  }
  EXPECT_TRUE(wrapped);
  EXPECT_GT(fastCompared, 1000);
}

void Type(HWND rich, WPARAM key, WPARAM character) {
  SendMessageA(rich, WM_KEYDOWN, key, 1);
  if (character) SendMessageA(rich, WM_CHAR, character, 1);
  SendMessageA(rich, WM_KEYUP, key, 0xC0000001);
}

// Typing adds CR LF breaks only: a document of CR LF or LF breaks keeps its lines the
// control's. (Enter after a lone CR makes CR CR LF, which the text then reads as a lone
// CR and a CR LF: the control's lines are checked against the text from then on.)
TEST_F(LineIndex, TypingKeepsTheCaretPlaceTheTexts) {
  for (const char* text : {"ab\ncd\n", "ab\r\ncd\r\n\r\nef", "ab\rcd"}) {
    SCOPED_TRACE(text);
    pad().Rich1.SetText(text);
    pad().Rich1.Select(3, 0);
    Type(pad().Rich1.hwnd(), VK_RETURN, '\r');
    Type(pad().Rich1.hwnd(), 'X', 'x');
    Type(pad().Rich1.hwnd(), VK_RETURN, '\r');
    Type(pad().Rich1.hwnd(), VK_BACK, '\b');
    Type(pad().Rich1.hwnd(), VK_BACK, '\b');
    Type(pad().Rich1.hwnd(), VK_DELETE, 0);
    EXPECT_EQ(pad().Rich1.LinesMatchText(), text[2] == '\n' || text[3] == '\n');
    ExpectEveryCaretPlaceAsTheTextHasIt(pad().Rich1.Text());
  }
}

// A lone CR put before a lone LF stays two breaks for the control, where the text holds
// one CR LF: the rows would count a line too many, so the caret's line comes from the
// text until the control's lines are found right again.
TEST_F(LineIndex, ALoneCrBeforeALoneLfIsNotTakenFromTheRows) {
  pad().Rich1.SetText("ab\ncd\nef");
  pad().Rich1.Select(2, 0);
  pad().Rich1.ReplaceSelection("X\r");
  const std::string text = pad().Rich1.Text();
  ASSERT_EQ(text, "abX\r\ncd\nef");
  EXPECT_EQ(LineCount(pad().Rich1), 4);  // what the rows would say
  EXPECT_FALSE(pad().Rich1.LinesMatchText());
  ExpectEveryCaretPlaceAsTheTextHasIt(text);
  EXPECT_FALSE(pad().Rich1.LinesMatchText());  // checked again against the text
}

void PutOnClipboard(HWND owner, const std::string& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  SetClipboardData(CF_TEXT, data);
  CloseClipboard();
}

// A paste whose text ends with a lone CR, put before a lone LF, makes the same split.
TEST_F(LineIndex, APasteTheClipboardCannotVouchForIsNotTakenFromTheRows) {
  for (const auto& [clip, kept] : {std::pair<const char*, bool>{"x\ny", true}, {"x\r", false}}) {
    SCOPED_TRACE(clip);
    pad().Rich1.SetText("ab\ncd\nef");
    PutOnClipboard(pad().hwnd(), clip);
    pad().Rich1.Select(2, 0);
    SendMessageA(pad().Rich1.hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(pad().Rich1.LinesMatchText(), kept);
    ExpectEveryCaretPlaceAsTheTextHasIt(pad().Rich1.Text());
    EXPECT_EQ(pad().Rich1.LinesMatchText(), kept);
  }
}

}  // namespace
}  // namespace varnock::test
