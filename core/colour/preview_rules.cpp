#include "core/colour/preview_rules.h"

#include "core/colour/line_rules.h"
#include "core/colour/text_lines.h"

namespace varnock {

namespace {

constexpr std::size_t npos = std::string::npos;

}  // namespace

const std::vector<std::string>& ColourPreviewSampleLines() {
  static const std::vector<std::string> lines = {
      "; ****   Varnock sample file   ****",
      "[version]        ; look below for error detection samples..",
      "signature=\"$CHICAGO$\"",
      "",
      "[DefaultInstall]       ; Made with Varnock !",
      "CopyFiles = Varnock.Copy",
      "",
      "[STRINGS; This is a wrong place for a comment !",
      "KEY_RUNONCE = \"Software\\Microsoft\\Windows\\CurrentVersion\\R",
      "[STRINGS} ; This is a typo!",
      ": Another typo....",
  };
  return lines;
}

std::string ColourPreviewSampleText() {
  const std::vector<std::string>& lines = ColourPreviewSampleLines();
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

std::vector<ColourRange> ColourPreviewLine(const std::string& line, std::size_t lineOffset) {
  std::vector<ColourRange> out;
  const std::size_t n = line.size();
  if (n == 0) return out;
  auto add = [&](std::size_t from, std::size_t to, ColourRole role) {
    if (to > from) out.push_back({lineOffset + from, to - from, role});
  };
  add(0, n, ColourRole::Text);

  const std::size_t eq = line.find('=');
  if (eq != npos) add(0, eq + 1, ColourRole::Entry);
  if (line == "REGEDIT4") add(0, n, ColourRole::Entry);
  if (line[0] == '[') {
    add(0, n, ColourRole::Error);
    const std::size_t close = line.find(']');
    if (close != npos) {
      add(0, close + 1, ColourRole::Section);
      if (line.find(';', 1) < close) add(0, n, ColourRole::Error);
    }
  }
  const std::size_t comment = CommentStart(line);
  if (comment != npos) add(comment, n, ColourRole::Comment);
  const std::size_t colon = line.find(':');
  if (colon != npos && colon < line.find(';') && colon < line.find('"')) {
    add(colon, n, ColourRole::Error);
  }
  return out;
}

std::vector<ColourRange> ColourPreviewText(const std::string& text) {
  std::vector<ColourRange> out;
  for (const TextLineSpan& span : LocateTextLines(text)) {
    const std::vector<ColourRange> line = ColourPreviewLine(text.substr(span.byteStart, span.length), span.offset);
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

}  // namespace varnock
