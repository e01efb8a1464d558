#include "core/colour/colour_rtf.h"

#include <algorithm>

#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"

namespace varnock {

namespace {

// Index in the colour table written by ColourTable (0 is the "auto" entry).
int ColourIndex(ColourRole role) {
  switch (role) {
    case ColourRole::Comment: return 2;
    case ColourRole::Error: return 3;
    case ColourRole::Section: return 4;
    case ColourRole::Entry: return 5;
    case ColourRole::Text: break;
  }
  return 1;
}

void AppendColour(std::string& out, std::uint32_t bgr) {
  out += "\\red" + std::to_string(bgr & 0xFF);
  out += "\\green" + std::to_string((bgr >> 8) & 0xFF);
  out += "\\blue" + std::to_string((bgr >> 16) & 0xFF);
  out += ';';
}

std::string ColourTable(const RtfColours& c) {
  std::string out = "{\\colortbl ;";
  AppendColour(out, c.text);
  AppendColour(out, c.scheme.comment);
  AppendColour(out, c.scheme.error);
  AppendColour(out, c.scheme.section);
  AppendColour(out, c.scheme.entry);
  out += '}';
  return out;
}

void AppendEscaped(std::string& out, unsigned char b, const std::vector<char16_t>* highBytes = nullptr) {
  static const char kHex[] = "0123456789abcdef";
  if (b >= 0x80 && highBytes && highBytes->size() == 0x80) {
    // RTF numbers are signed 16-bit; "?" is what a reader without \u shows.
    const int unit = (*highBytes)[b - 0x80];
    out += "\\u" + std::to_string(unit > 0x7FFF ? unit - 0x10000 : unit) + '?';
  } else if (b == '\\' || b == '{' || b == '}') {
    out += '\\';
    out += static_cast<char>(b);
  } else if (b == '\t') {
    out += "\\tab ";
  } else if (b < 0x20 || b >= 0x80) {
    out += "\\'";
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  } else {
    out += static_cast<char>(b);
  }
}

bool NeedsEscape(unsigned char b) { return b < 0x20 || b >= 0x80 || b == '\\' || b == '{' || b == '}'; }

// Bytes [from, from + count) of `text`: plain ones copied in stretches.
void AppendEscapedBytes(std::string& out, const std::string& text, std::size_t from, std::size_t count,
                        const std::vector<char16_t>* highBytes) {
  const std::size_t end = from + count;
  while (from < end) {
    std::size_t plain = from;
    while (plain < end && !NeedsEscape(static_cast<unsigned char>(text[plain]))) ++plain;
    out.append(text, from, plain - from);
    if (plain == end) break;
    AppendEscaped(out, static_cast<unsigned char>(text[plain]), highBytes);
    from = plain + 1;
  }
}

std::string Header(const RtfColours& colours, const FontSpec& font) {
  std::string out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset";
  out += std::to_string(font.charset & 0xFF) + ' ';
  for (char c : font.face) AppendEscaped(out, static_cast<unsigned char>(c));
  out += ";}}";
  out += ColourTable(colours);
  out += "\\pard\\plain\\f0";
  if (font.pointSize > 0) out += "\\fs" + std::to_string(font.pointSize * 2);
  if (font.bold) out += "\\b";
  if (font.italic) out += "\\i";
  if (font.underline) out += "\\ul";
  if (font.strikeOut) out += "\\strike";
  out += "\\cf1 ";
  return out;
}

}  // namespace

std::string BuildColourRtf(const std::string& text, const std::vector<ColourRange>& ranges, const RtfColours& colours,
                           const FontSpec& font, const std::vector<char16_t>* highBytes) {
  std::string out = Header(colours, font);
  out.reserve(out.size() + text.size() + text.size() / 4 + 16);

  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  const std::size_t length = lines.back().offset + lines.back().length;
  const std::vector<ColourRange> runs = PaintColourRanges(ranges, length);
  std::size_t run = 0;
  int current = 1;
  for (std::size_t li = 0; li < lines.size(); ++li) {
    const TextLineSpan& line = lines[li];
    if (li > 0) out += "\\par ";
    // The line in stretches of one colour: up to the end of the run it is in, or up to
    // the next run's start.
    for (std::size_t i = 0; i < line.length;) {
      const std::size_t pos = line.offset + i;
      while (run < runs.size() && runs[run].end() <= pos) ++run;
      const bool inRun = run < runs.size() && runs[run].start <= pos;
      const int wanted = inRun ? ColourIndex(runs[run].role) : 1;
      std::size_t until = line.length;
      if (run < runs.size()) until = std::min(until, (inRun ? runs[run].end() : runs[run].start) - line.offset);
      if (wanted != current) {
        out += "\\cf";
        out += static_cast<char>('0' + wanted);  // the colour table has five entries
        out += ' ';
        current = wanted;
      }
      AppendEscapedBytes(out, text, line.byteStart + i, until - i, highBytes);
      i = until;
    }
  }
  // The reader takes a \par that ends the stream for the mark that ends the
  // document's last paragraph, which no text shows: a text ending with a line break
  // needs one more to keep it.
  if (lines.size() > 1 && lines.back().length == 0) out += "\\par ";
  out += '}';
  return out;
}

bool HasLoneLineBreak(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') return true;  // an LF after a CR went with it below
    if (text[i] == '\r' && (i + 1 == text.size() || text[++i] != '\n')) return true;
  }
  return false;
}

bool IsPrintableAsciiWithCrLf(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    } else if ((b < 0x20 || b > 0x7E) && b != '\t') {
      return false;
    }
  }
  return true;
}

}  // namespace varnock
