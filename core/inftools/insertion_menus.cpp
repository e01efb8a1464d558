#include "core/inftools/insertion_menus.h"

#include "core/inftools/inf_text.h"

namespace varnock {

std::string LdidFromCaption(const std::string& caption) {
  const std::string rest = inftext::After(caption, 1);
  const std::size_t percent = rest.find('%');
  if (percent == std::string::npos) return "%";
  return "%" + rest.substr(0, percent + 1);
}

bool StringsMenuEnabled(const std::string& fileName) {
  const std::string name = inftext::FileNameOf(fileName);
  const std::size_t dot = name.rfind('.');
  return dot != std::string::npos && inftext::UpperAscii(name.substr(dot)) == ".INF";
}

namespace {

// The value up to the first ";" met outside double quotes.
std::string CutComment(const std::string& value) {
  bool outsideQuotes = true;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '"') outsideQuotes = !outsideQuotes;
    if (value[i] == ';' && outsideQuotes) return value.substr(0, i);
  }
  return value;
}

bool IsQuoted(const std::string& value) { return value.size() > 1 && value.front() == '"' && value.back() == '"'; }

}  // namespace

std::vector<StringsMenuEntry> FetchStrings(const std::vector<std::string>& lines) {
  std::vector<StringsMenuEntry> entries;
  bool insideStrings = false;
  for (const std::string& line : lines) {
    const std::string upper = inftext::UpperAscii(line);
    if (upper.find('[') != std::string::npos) insideStrings = false;
    if (upper.find("[STRINGS]") != std::string::npos) {
      insideStrings = true;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!insideStrings || equals == std::string::npos) continue;
    const std::string key = "%" + inftext::TrimBlanks(line.substr(0, equals)) + "%";
    const std::string value = CutComment(inftext::TrimBlanks(line.substr(equals + 1)));
    if (IsQuoted(value)) entries.push_back({value, key});
  }
  return std::vector<StringsMenuEntry>(entries.rbegin(), entries.rend());
}

std::vector<StringsMenuEntry> FetchStrings(const std::string& documentText) {
  return FetchStrings(inftext::SplitLines(documentText));
}

}  // namespace varnock
