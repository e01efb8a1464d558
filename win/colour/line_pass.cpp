// SetColourThisLine: the caret's line recoloured as the user types.
//
// A keystroke must cost next to nothing, so the pass sends the control few messages,
// past its subclasses, and colours the line's runs without moving the selection. The
// line is found from the control's line index and read alone, word wrap on or off (a
// text line is the rows between two line breaks, core/edit/row_index.h), whenever the
// control's lines are known to be the text's; otherwise it is found in the whole text.
// Word wrap itself is left as it is: switching it would lay out the whole document twice
// per keystroke. The focus stays in the text, since the key being handled has yet to
// reach it.
#include <optional>

#include "core/colour/file_extension.h"
#include "core/colour/line_rules.h"
#include "core/colour/line_runs.h"
#include "core/colour/marker_shift.h"
#include "core/colour/text_lines.h"
#include "core/edit/row_index.h"
#include "win/colour/colour_paint.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

struct TextLine {
  size_t offset;  // where it starts in the control
  std::string text;
};

std::optional<TextLine> LineOfText(const std::string& text, size_t lineNumber) {
  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  if (lineNumber > lines.size()) return std::nullopt;
  const TextLineSpan& span = lines[lineNumber - 1];
  return TextLine{span.offset, text.substr(span.byteStart, span.length)};
}

std::optional<TextLine> LineOfControl(const RichEdit& rich, size_t lineNumber) {
  TextLine line{0, ""};
  long start = 0;
  if (!ReadLine(rich, static_cast<long>(lineNumber) - 1, &start, &line.text)) return std::nullopt;
  line.offset = static_cast<size_t>(start);
  return line;
}

std::optional<TextLine> LineNearCaret(const RichEdit& rich, int step) {
  const std::optional<TextLineRange> range =
      TextLineNear(ControlRows(rich), static_cast<size_t>(rich.SelStart()), step);
  if (!range) return std::nullopt;
  return TextLine{range->start, ReadRows(rich, range->firstRow, range->lastRow)};
}

// Through the selection, drawing held and only the line's band repainted: for a
// control without the text object model, and when a marker goes in.
void PaintLineThroughSelection(TFormPad& pad, const TextLine& line, const LineColouring& colouring) {
  RichEdit& rich = pad.Rich1;
  const RichSelection before = SelectionOf(rich);
  TextSelection selection{static_cast<size_t>(before.start), static_cast<size_t>(before.length)};
  {
    RedrawOff redrawOff(rich);
    if (colouring.overLong) {
      rich.Select(static_cast<long>(colouring.markerOffset), 0);
      rich.ReplaceSelection(colouring.marker);
      selection = SelectionAfterMarkers(selection, {colouring.markerOffset}, colouring.marker.size());
    }
    FormatOutsideUndo outsideUndo(rich);
    PaintRuns(pad, LineRuns(colouring.ranges, line.offset, colouring.line.size()));
    SetSelection(rich, {static_cast<long>(selection.start), static_cast<long>(selection.length)});
    // What the user types next starts in the text colour.
    SetSelectionColour(rich, TextColour(pad));
  }
  RepaintTextRange(rich, static_cast<long>(line.offset), static_cast<long>(line.offset + colouring.line.size()));
}

// The selection left where it is, runs already right left alone, and the control
// repainting what changed; false when the control cannot do it.
bool PaintLineInPlace(TFormPad& pad, const TextLine& line, const LineColouring& colouring) {
  FormatOutsideUndo outsideUndo(pad.Rich1);
  if (!PaintRunsInPlace(pad, LineRuns(colouring.ranges, line.offset, colouring.line.size()))) return false;
  SetSelectionColour(pad.Rich1, TextColour(pad));
  return true;
}

// The line's colours from the rules, painted; the title follows.
void RecolourLine(TFormPad& pad, const TextLine& line, DocKind kind) {
  const bool mayBeOverLong = kind == DocKind::Inf && line.text.size() > kInfLineLimit;
  const LineColouring colouring = ColourLine(line.text, line.offset, kind, EntryDelimiters::OneLine,
                                             mayBeOverLong ? LongLineMarkerText() : std::string());
  if (colouring.overLong) ShowMessage(pad.hwnd(), fMessage("REG_512_WARN"), MB_OK | MB_ICONERROR);

  QuietNotifications quiet(pad.Rich1);
  {
    // Formatting marks the text modified; a modified text stays so anyway.
    KeepModifiedFlag keepModified(pad.Rich1);
    if (colouring.overLong || !PaintLineInPlace(pad, line, colouring)) PaintLineThroughSelection(pad, line, colouring);
  }
  DisableUndoEntry(pad);
  pad.SetTitle();
}

// The line `step` lines from the caret's, found in the whole text (read once).
void RecolourFromText(TFormPad& pad, int step) {
  const std::string text = pad.Rich1.Text();
  pad.Rich1.CheckLines(text);
  const long number =
      static_cast<long>(LocateCaret(LineGeometry(text), static_cast<size_t>(pad.Rich1.SelStart())).line) + step;
  const DocKind kind = CurrentDocKind(pad, text);
  if (number < 1 || kind == DocKind::None) return;
  if (const std::optional<TextLine> line = LineOfText(text, static_cast<size_t>(number)))
    RecolourLine(pad, *line, kind);
}

}  // namespace

void TFormPad::SetColourThisLine(int lineNumber) {
  if (Rich1.tag == 0 || lineNumber < 1) return;
  const size_t number = static_cast<size_t>(lineNumber);
  // The text is read whole only when its lines are not the control's rows, or the
  // kind depends on it.
  const bool wholeText = Rich1.WordWrap() || !Rich1.LinesMatchText() || UpperCaseExtension(saveDialogFileName).empty();
  const std::string text = wholeText ? Rich1.Text() : std::string();
  if (wholeText) Rich1.CheckLines(text);
  if (wholeText && number > LocateTextLines(text).size()) return;
  const DocKind kind = CurrentDocKind(*this, text);
  if (kind == DocKind::None) return;
  const std::optional<TextLine> line = wholeText ? LineOfText(text, number) : LineOfControl(Rich1, number);
  if (line) RecolourLine(*this, *line, kind);
}

void TFormPad::SetColourCaretLine(int step) {
  if (Rich1.tag == 0) return;
  if (!Rich1.LinesMatchText() || UpperCaseExtension(saveDialogFileName).empty()) {
    RecolourFromText(*this, step);
    return;
  }
  const DocKind kind = CurrentDocKind(*this, std::string());
  if (kind == DocKind::None) return;
  if (const std::optional<TextLine> line = LineNearCaret(Rich1, step)) RecolourLine(*this, *line, kind);
}

}  // namespace varnock
