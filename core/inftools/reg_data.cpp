#include "core/inftools/reg_data.h"

#include "core/inftools/inf_text.h"

namespace varnock {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number of 1 to `maxDigits` hexadecimal digits, nothing else.
bool ParseHexNumber(const std::string& digits, std::size_t maxDigits, std::uint32_t* value) {
  if (digits.empty() || digits.size() > maxDigits) return false;
  std::uint32_t result = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    result = (result << 4) | static_cast<std::uint32_t>(digit);
  }
  *value = result;
  return true;
}

// A quoted REG string starting at `text[0]`: \\ is a backslash, \" a quote, a backslash
// before anything else stands for itself. Sets `end` after the closing quote.
bool ParseQuoted(const std::string& text, std::string* value, std::size_t* end) {
  if (text.empty() || text[0] != '"') return false;
  value->clear();
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      *end = i + 1;
      return true;
    }
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      *value += text[++i];
    } else {
      *value += c;
    }
  }
  return false;
}

// Only blanks, or a comment, may follow the data.
bool IsEndOfLine(const std::string& rest) {
  const std::string trimmed = inftext::TrimBlanks(rest);
  return trimmed.empty() || trimmed[0] == ';';
}

// The text before a comment; for data forms that hold no quoted text.
std::string BeforeComment(const std::string& text) { return text.substr(0, text.find(';')); }

// Comma-separated bytes of one or two hex digits; blanks around them and one trailing
// comma are accepted, and a ";" starts a comment.
bool ParseByteList(const std::string& list, std::vector<unsigned char>* bytes) {
  const std::string text = inftext::TrimBlanks(BeforeComment(list));
  bytes->clear();
  if (text.empty()) return true;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string item =
        inftext::TrimBlanks(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    std::uint32_t value = 0;
    if (item.empty() && comma == std::string::npos && start > 0) return true;  // trailing comma
    if (!ParseHexNumber(item, 2, &value)) return false;
    bytes->push_back(static_cast<unsigned char>(value));
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

RegValueLine ParseRegValueLine(const std::string& line) {
  RegValueLine result;
  std::size_t afterName = 0;
  if (!line.empty() && line[0] == '@') {
    result.isDefault = true;
    afterName = 1;
  } else if (!ParseQuoted(line, &result.name, &afterName)) {
    return result;
  }
  std::size_t equals = afterName;
  while (equals < line.size() && inftext::IsBlank(line[equals])) ++equals;
  if (equals >= line.size() || line[equals] != '=') return result;
  result.valid = true;
  result.isDefault = result.isDefault || result.name.empty();
  result.data = inftext::TrimBlanks(line.substr(equals + 1));
  return result;
}

RegData ParseRegData(const std::string& data) {
  RegData result;
  if (!data.empty() && data[0] == '-' && IsEndOfLine(data.substr(1))) {
    result.kind = RegDataKind::Delete;
    return result;
  }
  if (!data.empty() && data[0] == '"') {
    std::size_t end = 0;
    if (ParseQuoted(data, &result.text, &end) && IsEndOfLine(data.substr(end))) {
      result.kind = RegDataKind::String;
    }
    return result;
  }
  if (inftext::StartsWith(data, "dword:")) {
    std::uint32_t value = 0;
    if (!ParseHexNumber(inftext::TrimBlanks(BeforeComment(data.substr(6))), 8, &value)) return result;
    for (int i = 0; i < 4; ++i) result.bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    result.kind = RegDataKind::Dword;
    return result;
  }
  std::string list;
  if (inftext::StartsWith(data, "hex:")) {
    list = data.substr(4);
  } else if (inftext::StartsWith(data, "hex(")) {
    const std::size_t close = data.find("):", 4);
    if (close == std::string::npos || !ParseHexNumber(data.substr(4, close - 4), 8, &result.type)) {
      return result;
    }
    result.typed = true;
    list = data.substr(close + 2);
  } else {
    return result;
  }
  if (ParseByteList(list, &result.bytes)) result.kind = RegDataKind::Binary;
  return result;
}

}  // namespace varnock
