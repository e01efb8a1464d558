#include "core/help/help_topics.h"

#include <cstdio>

namespace varnock {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// One character of text as RTF.
void AppendEscaped(std::string& rtf, unsigned char c) {
  if (c == '\\' || c == '{' || c == '}') {
    rtf += '\\';
    rtf += static_cast<char>(c);
  } else if (c == '\t') {
    rtf += "\\tab ";
  } else if (c >= 0x80 || c < 0x20) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", c);
    rtf += hex;
  } else {
    rtf += static_cast<char>(c);
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The byte of "\xHH" at `at`, or -1.
int EscapedByte(const std::string& text, size_t at) {
  if (at + 3 >= text.size() || text[at] != '\\' || text[at + 1] != 'x') return -1;
  const int high = HexValue(text[at + 2]), low = HexValue(text[at + 3]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// Inline text: **bold** pairs, "\*" a literal star, "\xHH" a byte; a bold left open ends
// with the line.
std::string InlineRtf(const std::string& text) {
  std::string rtf;
  bool bold = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (const int byte = EscapedByte(text, i); byte >= 0) {
      AppendEscaped(rtf, static_cast<unsigned char>(byte));
      i += 3;
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '*') {
      rtf += '*';
      ++i;
    } else if (text[i] == '*' && i + 1 < text.size() && text[i + 1] == '*') {
      bold = !bold;
      rtf += bold ? "\\b " : "\\b0 ";
      ++i;
    } else {
      AppendEscaped(rtf, static_cast<unsigned char>(text[i]));
    }
  }
  if (bold) rtf += "\\b0 ";
  return rtf;
}

std::string VerbatimRtf(const std::string& text) {
  std::string rtf;
  for (unsigned char c : text) AppendEscaped(rtf, c);
  return rtf;
}

std::string Rest(const std::string& line, size_t from) {
  return from < line.size() ? line.substr(from) : std::string();
}

std::string LineRtf(const std::string& line) {
  if (line.empty()) return "\\pard\\par\n";
  if (StartsWith(line, "## ")) return "\\pard\\sb120\\sa40\\b\\fs22 " + InlineRtf(Rest(line, 3)) + "\\b0\\fs20\\par\n";
  if (StartsWith(line, "# ")) return "\\pard\\sb160\\sa80\\b\\fs28 " + InlineRtf(Rest(line, 2)) + "\\b0\\fs20\\par\n";
  if (StartsWith(line, "- ")) return "\\pard\\li360\\fi-240\\sa20 \\'95 " + InlineRtf(Rest(line, 2)) + "\\par\n";
  if (line == "|" || StartsWith(line, "| "))
    return "\\pard\\li240\\f1\\fs18 " + VerbatimRtf(Rest(line, 2)) + "\\f0\\fs20\\par\n";
  return "\\pard\\sa60 " + InlineRtf(line) + "\\par\n";
}

bool IsCodeLine(const std::string& line) { return line == "|" || StartsWith(line, "| "); }

}  // namespace

std::vector<HelpTopic> ParseHelpTopics(const std::string& source) {
  std::vector<HelpTopic> topics;
  for (const std::string& line : SplitLines(source)) {
    if (StartsWith(line, "@topic ")) {
      const std::string rest = Rest(line, 7);
      const size_t blank = rest.find(' ');
      HelpTopic topic;
      topic.id = rest.substr(0, blank);
      topic.title = blank == std::string::npos ? topic.id : Rest(rest, blank + 1);
      topics.push_back(topic);
    } else if (!topics.empty()) {
      topics.back().markup += line + "\n";
    }
  }
  return topics;
}

std::string HelpTopicIdForContext(int context) { return context == 100 ? kHelpInfGuideTopic : kHelpContentsTopic; }

std::string HelpMarkupToRtf(const std::string& markup) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0"
      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Tahoma;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n"
      "\\f0\\fs20\n";
  for (const std::string& line : SplitLines(markup)) rtf += LineRtf(line);
  rtf += "}";
  return rtf;
}

std::vector<std::string> HelpCodeBlocks(const std::string& markup) {
  std::vector<std::string> blocks;
  bool inBlock = false;
  for (const std::string& line : SplitLines(markup)) {
    if (!IsCodeLine(line)) {
      inBlock = false;
      continue;
    }
    if (!inBlock) blocks.emplace_back();
    inBlock = true;
    blocks.back() += Rest(line, 2) + "\r\n";
  }
  return blocks;
}

}  // namespace varnock
