#include "core/edit/row_index.h"

#include <algorithm>

namespace varnock {

namespace {

bool LoneCr(const std::string& text, std::size_t i) {
  return text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
}

bool LoneLf(const std::string& text, std::size_t i) { return text[i] == '\n' && (i == 0 || text[i - 1] != '\r'); }

// A line break lies between `row` and the row before it.
bool StartsTextLine(const RowIndex& rows, std::size_t row) {
  return row == 0 || rows.rowStart(row - 1) + rows.rowLength(row - 1) < rows.rowStart(row);
}

std::size_t FirstRowOfLine(const RowIndex& rows, std::size_t row) {
  while (!StartsTextLine(rows, row)) --row;
  return row;
}

std::size_t LastRowOfLine(const RowIndex& rows, std::size_t row) {
  while (row + 1 < rows.rowCount() && !StartsTextLine(rows, row + 1)) ++row;
  return row;
}

}  // namespace

bool ControlKeepsTextLines(const std::string& text) {
  if (text.find("\r\r\n") != std::string::npos) return false;
  bool loneCr = false, loneLf = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    loneCr = loneCr || LoneCr(text, i);
    loneLf = loneLf || LoneLf(text, i);
  }
  return !(loneCr && loneLf);
}

bool InsertionKeepsTextLines(const std::string& inserted) {
  for (std::size_t i = 0; i < inserted.size(); ++i)
    if (LoneCr(inserted, i) || LoneLf(inserted, i)) return false;
  return true;
}

CaretPlace LocateCaretByRows(const RowIndex& rows, std::size_t position) {
  const std::size_t length = rows.textLength();
  if (length == 0) return {1, 1};
  position = std::min(position, length);
  const std::size_t row = rows.rowOf(position);
  return {row + 1, position - rows.rowStart(row)};
}

CaretPlace LocateCaretAfter(const std::string& textBefore, std::size_t lineStart, std::size_t position,
                            std::size_t textLength) {
  if (textLength == 0) return {1, 1};
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < textBefore.size(); ++i) {
    if (textBefore[i] == '\n' || (textBefore[i] == '\r' && !(i + 1 < textBefore.size() && textBefore[i + 1] == '\n')))
      ++breaks;
  }
  position = std::min(position, textLength);
  return {breaks + 1, position >= lineStart ? position - lineStart : 0};
}

std::optional<TextLineRange> TextLineNear(const RowIndex& rows, std::size_t position, int delta) {
  std::size_t first = FirstRowOfLine(rows, rows.rowOf(std::min(position, rows.textLength())));
  std::size_t last = LastRowOfLine(rows, first);
  for (; delta < 0; ++delta) {
    if (first == 0) return std::nullopt;
    last = first - 1;
    first = FirstRowOfLine(rows, last);
  }
  for (; delta > 0; --delta) {
    if (last + 1 >= rows.rowCount()) return std::nullopt;
    first = last + 1;
    last = LastRowOfLine(rows, first);
  }
  const std::size_t start = rows.rowStart(first);
  return TextLineRange{start, rows.rowStart(last) + rows.rowLength(last) - start, first, last};
}

}  // namespace varnock
