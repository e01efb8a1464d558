#include "core/settings/settings_values.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace varnock {

namespace {

std::optional<std::int32_t> InRange(const std::string& value, long long low, long long high) {
  const std::optional<std::int32_t> number = ParseWholeInteger(value);
  if (!number || *number < low || *number > high) return std::nullopt;
  return number;
}

bool IsProfileQuote(char c) { return c == '"' || c == '\''; }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// System colour indexes run from the scroll bar (0) to the menu bar (30).
constexpr std::uint32_t kSystemColourFlag = 0x80000000u;
constexpr std::uint32_t kLastSystemColour = 30;

}  // namespace

std::optional<std::int32_t> ParseWholeInteger(const std::string& value) {
  std::size_t i = 0;
  const bool negative = !value.empty() && value[0] == '-';
  if (!value.empty() && (value[0] == '-' || value[0] == '+')) i = 1;
  if (i == value.size()) return std::nullopt;
  long long number = 0;
  for (; i < value.size(); ++i) {
    if (value[i] < '0' || value[i] > '9') return std::nullopt;
    number = number * 10 + (value[i] - '0');
    if (number > 2147483648LL) return std::nullopt;
  }
  if (negative) number = -number;
  if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

std::int32_t IntegerOr(const std::string& value, std::int32_t fallback) {
  return ParseWholeInteger(value).value_or(fallback);
}

int FontModeSetting(const std::string& value) { return InRange(value, 1, 4).value_or(1); }
int FontSizeSetting(const std::string& value) { return InRange(value, 4, 96).value_or(10); }
int FontCharsetSetting(const std::string& value) { return InRange(value, 0, 255).value_or(kDefaultCharset); }

std::string FontNameSetting(const std::string& value) {
  if (value.empty() || value.size() > 31) return "MS Sans Serif";
  return value;
}

std::optional<ColourSetting> ParseColourSetting(const std::string& value) {
  const std::optional<std::int32_t> number = ParseWholeInteger(value);
  if (!number) return std::nullopt;
  const auto bits = static_cast<std::uint32_t>(*number);
  if ((bits & 0xFF000000u) == 0) return ColourSetting{bits, false};
  if ((bits & 0xFFFFFF00u) == kSystemColourFlag && (bits & 0xFFu) <= kLastSystemColour)
    return ColourSetting{bits & 0xFFu, true};
  return std::nullopt;
}

std::string FontStyleLetters(const FontSpec& font) {
  std::string letters;
  if (font.italic) letters += 'I';
  if (font.bold) letters += 'G';
  if (font.strikeOut) letters += 'B';
  if (font.underline) letters += 'S';
  return letters;
}

void ApplyFontStyleLetters(const std::string& letters, FontSpec& font) {
  font.italic = letters.find('I') != std::string::npos;
  font.bold = letters.find('G') != std::string::npos;
  font.strikeOut = letters.find('B') != std::string::npos;
  font.underline = letters.find('S') != std::string::npos;
}

std::vector<bool> ToolButtonChecks(const std::string& value, std::vector<bool> current) {
  for (std::size_t i = 0; i < current.size() && i < value.size(); ++i) current[i] = value[i] == '1';
  return current;
}

std::string ToolButtonsText(const std::vector<bool>& checks) {
  std::string text;
  for (bool on : checks) text += on ? '1' : '0';
  return text;
}

std::string QuoteForProfile(const std::string& value) {
  if (value.empty()) return value;
  const bool edgeBlank =
      std::isspace(static_cast<unsigned char>(value.front())) || std::isspace(static_cast<unsigned char>(value.back()));
  const bool quoted = value.size() > 1 && IsProfileQuote(value.front()) && value.back() == value.front();
  return edgeBlank || quoted ? "\"" + value + "\"" : value;
}

std::string ProfileReadBack(const std::string& written) {
  const std::string::size_type begin = written.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  std::string value = written.substr(begin, written.find_last_not_of(" \t") - begin + 1);
  if (value.size() > 1 && IsProfileQuote(value.front()) && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

std::vector<std::string> UniqueNames(const std::vector<std::string>& names) {
  std::vector<std::string> unique;
  std::vector<std::string> seen;
  for (const std::string& name : names) {
    const std::string key = Lower(name);
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    unique.push_back(name);
  }
  return unique;
}

}  // namespace varnock
