#include "core/edit/line_commands.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/edit/blank_trim.h"
#include "core/edit/line_geometry.h"
#include "core/edit/work_list.h"

namespace varnock {

namespace {

using Lines = std::vector<std::string>;

// Blank lines at the end of the command's result: kept as empty lines, or dropped.
enum class TrailingBlanks { kKeepSelected, kDrop };
// What stays selected afterwards: the lines as whole lines, or exactly the inserted text.
enum class SelectAfter { kWholeLines, kInsertedText };

struct Touched {
  LineGeometry geometry;
  TouchedLines lines;
};

Touched Touch(const std::string& text, Selection selection) {
  Touched touched{LineGeometry(text), {}};
  touched.lines = FindTouchedLines(touched.geometry, ClampSelection(selection, text.size()));
  return touched;
}

Lines TouchedLineTexts(const std::string& text, const Touched& touched) {
  Lines lines;
  for (std::size_t i = touched.lines.first; i <= touched.lines.last; ++i) {
    lines.push_back(text.substr(touched.geometry.start(i), touched.geometry.length(i)));
  }
  return lines;
}

// The touched lines' characters with the breaks between them, never the break after
// the last one: the replacement ends without a break, so that one must survive.
Selection TouchedRange(const Touched& touched) {
  const LineGeometry& g = touched.geometry;
  const std::size_t from = g.start(touched.lines.first);
  return {from, g.start(touched.lines.last) + g.length(touched.lines.last) - from};
}

std::size_t TrailingBlankLines(const Lines& lines) {
  std::size_t count = 0;
  while (count < lines.size() && IsBlankText(lines[lines.size() - 1 - count])) ++count;
  return count;
}

// The work list's text trimmed right, which drops its final break and the blanks a
// command leaves at the end (the two blanks an indent puts on an empty last line).
// Lines the user selected that were blank at the end stay, as empty lines: trimming
// must not delete lines. Only Sort Z..A drops them, having moved every empty line there.
std::string ReplacementText(const Lines& selected, const Lines& result, TrailingBlanks policy) {
  std::string text = TrimBlanksRight(WorkListText(result));
  if (policy == TrailingBlanks::kDrop || result.empty()) return text;
  const std::size_t keep = std::min({TrailingBlankLines(selected), TrailingBlankLines(result), result.size() - 1});
  for (std::size_t i = 0; i < keep; ++i) text += "\r\n";
  return text;
}

LineEdit PlanOnTouchedLines(const std::string& text, Selection selection, std::size_t minimumLines,
                            const std::function<Lines(Lines)>& transform, TrailingBlanks policy,
                            SelectAfter selectAfter) {
  const Touched touched = Touch(text, selection);
  LineEdit edit;
  edit.selectFirst = touched.lines.widened;
  if (touched.lines.count == 0 || touched.lines.count < minimumLines) return edit;

  const Lines selected = TouchedLineTexts(text, touched);
  const Lines result = transform(selected);
  const Selection range = TouchedRange(touched);
  edit.changes = true;
  edit.recolour = true;
  edit.replacement = {range.start, range.length, ReplacementText(selected, result, policy)};

  const std::size_t inserted = edit.replacement.text.size();
  std::size_t length = inserted;
  if (selectAfter == SelectAfter::kWholeLines) {
    // Every line plus its break, but never past the break after the inserted text
    // when trimming made the replacement shorter than the list.
    length = std::min(WorkListText(result).size(), inserted + 2);
  }
  const std::size_t newTextLength = text.size() - range.length + inserted;
  edit.selectAfter = ClampSelection({range.start, length}, newTextLength);
  return edit;
}

}  // namespace

LineEdit PlanSortAscending(const std::string& text, Selection selection, const LineCompare& compare) {
  return PlanOnTouchedLines(
      text, selection, 2,
      [&compare](Lines lines) {
        SortLinesAscending(lines, compare);
        return lines;
      },
      TrailingBlanks::kKeepSelected, SelectAfter::kWholeLines);
}

LineEdit PlanSortDescending(const std::string& text, Selection selection) {
  return PlanOnTouchedLines(
      text, selection, 2,
      [](Lines lines) {
        SortLinesDescending(lines);
        return lines;
      },
      TrailingBlanks::kDrop, SelectAfter::kWholeLines);
}

LineEdit PlanSplit(const std::string& text, Selection selection, std::size_t width) {
  return PlanOnTouchedLines(
      text, selection, 1, [width](Lines lines) { return SplitLinesToWidth(lines, width); },
      TrailingBlanks::kKeepSelected, SelectAfter::kInsertedText);
}

LineEdit PlanIndent(const std::string& text, Selection selection) {
  return PlanOnTouchedLines(
      text, selection, 1,
      [](Lines lines) {
        IndentLines(lines);
        return lines;
      },
      TrailingBlanks::kKeepSelected, SelectAfter::kWholeLines);
}

LineEdit PlanUnindent(const std::string& text, Selection selection) {
  return PlanOnTouchedLines(
      text, selection, 1,
      [](Lines lines) {
        UnindentLines(lines);
        return lines;
      },
      TrailingBlanks::kKeepSelected, SelectAfter::kWholeLines);
}

LineEdit PlanJoin(const std::string& text, Selection selection) {
  const Touched touched = Touch(text, selection);
  LineEdit edit;
  edit.selectFirst = touched.lines.widened;
  if (touched.lines.count < 2) return edit;

  const Selection range = TouchedRange(touched);
  edit.changes = true;
  edit.recolour = true;
  edit.replacement = {range.start, range.length, JoinLinesTrimmed(TouchedLineTexts(text, touched))};
  edit.selectAfter = {range.start, edit.replacement.text.size()};
  return edit;
}

LineEdit PlanUnderline(const std::string& text, Selection selection) {
  selection = ClampSelection(selection, text.size());
  LineEdit edit;
  edit.selectFirst = selection;
  const LineGeometry geometry(text);
  if (geometry.count() == 0) return edit;

  // The first line with S(i) <= t <= E(i).
  const std::size_t t = selection.end();
  std::size_t line = 0;
  while (line < geometry.count() && geometry.end(line) < t) ++line;
  if (line == geometry.count()) return edit;

  std::string insert(geometry.length(line), kUnderlineByte);
  insert += "\r\n";
  std::size_t at = geometry.end(line);
  if (at > text.size()) {
    // The last line has no break: E(i) lies past the end of the text.
    at = text.size();
    insert.insert(0, "\r\n");
  }
  edit.selectFirst = {at, 0};
  edit.changes = true;
  edit.recolour = true;
  edit.replacement = {at, 0, insert};
  edit.selectAfter = {at + insert.size(), 0};
  return edit;
}

LineEdit PlanRegHeader() {
  LineEdit edit;
  const std::string header = kRegFileHeader;
  edit.changes = true;
  edit.replacement = {0, 0, header};
  edit.selectAfter = {header.size(), 0};
  return edit;
}

}  // namespace varnock
