#include "core/colour/line_rules.h"

namespace varnock {

namespace {

constexpr std::size_t npos = std::string::npos;

class RangeSink {
 public:
  RangeSink(std::vector<ColourRange>& out, std::size_t lineOffset) : out_(out), lineOffset_(lineOffset) {}
  // Colours [from, to) of the line; nothing when empty.
  void Add(std::size_t from, std::size_t to, ColourRole role) {
    if (to > from) out_.push_back({lineOffset_ + from, to - from, role});
  }

 private:
  std::vector<ColourRange>& out_;
  std::size_t lineOffset_;
};

// Entry key: the line start through the first "=", unless a delimiter comes first.
void AddEntryKey(const std::string& line, EntryDelimiters delimiters, RangeSink& sink) {
  const std::size_t eq = line.find('=');
  if (eq == npos) return;
  if (line.find_first_of(EntryDelimiterSet(delimiters)) < eq) return;
  sink.Add(0, eq + 1, ColourRole::Entry);
}

// A REG header line, only when it is exactly the header.
void AddRegHeader(const std::string& line, RangeSink& sink) {
  if (line == "REGEDIT4" || line == "Windows Registry Editor Version 5.00") {
    sink.Add(0, line.size(), ColourRole::Entry);
  }
}

// Section header: "[" after the leading blanks opens one. Text after the "]" and a header
// without "]" are errors, and so is a header with a ";" between its brackets.
void AddSectionHeader(const std::string& line, RangeSink& sink) {
  const std::size_t n = line.size();
  const std::size_t k = line.find_first_not_of(" \t");
  if (k == npos || line[k] != '[') return;
  sink.Add(k, n, ColourRole::Error);
  const std::size_t close = line.find(']');
  if (close == npos) return;
  sink.Add(k, close + 1, ColourRole::Section);
  if (line.find(';', 1) < close) sink.Add(k, n, ColourRole::Error);
}

}  // namespace

const char* EntryDelimiterSet(EntryDelimiters which) {
  return which == EntryDelimiters::OneLine ? ",;[](){}/\"\\:" : ",;[](){}/\"\\";
}

std::string LongLineMarker(const std::string& catalogueText) {
  if (!catalogueText.empty() && catalogueText[0] == ':') return catalogueText;
  return ":" + catalogueText;
}

std::size_t CommentStart(const std::string& line) {
  const std::size_t semicolon = line.find(';');
  if (semicolon == npos) return npos;
  const std::size_t quote = line.find('"');
  if (quote == npos || quote > semicolon) return semicolon;
  bool outside = true;
  for (std::size_t j = 0; j < line.size(); ++j) {
    if (line[j] == '"') outside = !outside;
    else if (line[j] == ';' && outside) return j;
  }
  return npos;
}

std::size_t InfColonErrorStart(const std::string& line) {
  const std::size_t colon = line.find(':');
  if (colon == npos) return npos;
  if (line.find(';') < colon) return npos;
  const std::size_t quote = line.find('"');
  if (quote == npos || quote > colon) return colon;
  // A quoted value may hold a drive colon; only a colon outside quotes is an error,
  // and the walk ends where the comment starts, since a comment may say anything.
  bool outside = true;
  for (std::size_t j = 0; j < line.size(); ++j) {
    const char c = line[j];
    if (c == '"') outside = !outside;
    else if (outside && c == ';') return npos;
    else if (outside && c == ':') return j;
  }
  return npos;
}

LineColouring ColourLine(const std::string& line, std::size_t lineOffset, DocKind kind, EntryDelimiters delimiters,
                         const std::string& longLineMarker) {
  LineColouring out;
  out.line = line;
  // Kind None means the colouring mode forbids colouring: the line keeps its colours.
  if (line.empty() || kind == DocKind::None) return out;

  // Setup refuses an over-long INF line; it is marked so that it shows as an error.
  // The caller inserts the marker before it paints anything, so every range below is
  // in the lengthened line; the entry key and REG header keep their characters.
  std::size_t shift = 0;
  if (kind == DocKind::Inf && line.size() > kInfLineLimit && line[0] != ':' && line[0] != ';') {
    out.overLong = true;
    out.marker = LongLineMarker(longLineMarker);
    out.markerOffset = lineOffset;
    shift = out.marker.size();
  }
  if (out.overLong) out.line = out.marker + line;

  out.ranges.reserve(4);  // the whole line, and mostly a key, a header or a comment
  RangeSink whole(out.ranges, lineOffset);
  whole.Add(0, out.line.size(), ColourRole::Text);
  RangeSink original(out.ranges, lineOffset + shift);
  AddEntryKey(line, delimiters, original);
  if (kind == DocKind::Reg) AddRegHeader(line, original);

  const std::string& L = out.line;
  const std::size_t n = L.size();
  AddSectionHeader(L, whole);
  // Every unquoted ";" would colour from itself to the end in the comment colour; the
  // first one covers all the later ones, so it alone is painted.
  const std::size_t comment = CommentStart(L);
  if (comment != npos) whole.Add(comment, n, ColourRole::Comment);
  if (kind == DocKind::Inf) {
    const std::size_t colon = InfColonErrorStart(L);
    if (colon != npos) whole.Add(colon, n, ColourRole::Error);
  }
  return out;
}

}  // namespace varnock
