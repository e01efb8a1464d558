#include "core/colour/line_check.h"

#include <cctype>
#include <set>

#include "core/colour/line_rules.h"
#include "core/inftools/inf_text.h"

namespace varnock {

namespace {

constexpr std::size_t npos = std::string::npos;

// Install directives whose values name sections of the same file.
const char* const kSectionDirectives[] = {
    "ADDREG",         "DELREG",       "BITREG",          "COPYFILES",   "DELFILES",
    "RENFILES",       "UPDATEINIS",   "UPDATEINIFIELDS", "INI2REG",     "REGISTERDLLS",
    "UNREGISTERDLLS", "PROFILEITEMS", "ADDPOWERSETTING", "DELPROPERTY", "ADDPROPERTY",
};

bool IsSectionDirective(const std::string& key) {
  const std::string upper = inftext::UpperAscii(key);
  for (const char* directive : kSectionDirectives) {
    if (upper == directive) return true;
  }
  return false;
}

void AddHeaderFaults(const std::string& line, std::vector<LineFaultAt>* faults) {
  const std::size_t k = line.find_first_not_of(" \t");
  if (k == npos || line[k] != '[') return;
  const std::size_t close = line.find(']');
  if (close == npos) {
    faults->push_back({LineFault::UnclosedHeader, k + 1, ""});
    return;
  }
  const std::size_t semicolon = line.find(';', 1);
  if (semicolon < close) faults->push_back({LineFault::SemicolonInHeader, semicolon + 1, ""});
  // Blanks after the "]" are painted too, but nobody sees them; a comment after it is
  // painted in the comment colour. Only what stays visibly red is reported.
  const std::size_t after = line.find_first_not_of(" \t", close + 1);
  if (after != npos && after < CommentStart(line)) faults->push_back({LineFault::TextAfterHeader, after + 1, ""});
}

// The section name of a header line (text between "[" and the first "]", blanks
// trimmed); false for any other line.
bool HeaderName(const std::string& line, std::string* name) {
  const std::size_t k = line.find_first_not_of(" \t");
  if (k == npos || line[k] != '[') return false;
  const std::size_t close = line.find(']', k);
  if (close == npos) return false;
  *name = inftext::TrimBlanks(line.substr(k + 1, close - k - 1));
  return true;
}

bool IsStringsSection(const std::string& name) {
  const std::string upper = inftext::UpperAscii(name);
  return upper == "STRINGS" || inftext::StartsWith(upper, "STRINGS.");
}

std::string WithoutComment(const std::string& line) {
  const std::size_t comment = CommentStart(line);
  return comment == npos ? line : line.substr(0, comment);
}

bool AllDigits(const std::string& text) {
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return !text.empty();
}

struct InfIndex {
  std::set<std::string> sections;  // upper-cased
  std::set<std::string> strings;   // upper-cased keys of every [Strings] section
};

InfIndex IndexInf(const std::vector<std::string>& lines) {
  InfIndex index;
  bool inStrings = false;
  for (const std::string& line : lines) {
    std::string name;
    if (HeaderName(line, &name)) {
      index.sections.insert(inftext::UpperAscii(name));
      inStrings = IsStringsSection(name);
      continue;
    }
    if (!inStrings) continue;
    const std::string text = WithoutComment(line);
    const std::size_t equals = text.find('=');
    if (equals == npos) continue;
    std::string key = inftext::TrimBlanks(text.substr(0, equals));
    if (key.size() >= 2 && key.front() == '"' && key.back() == '"') key = key.substr(1, key.size() - 2);
    if (!key.empty()) index.strings.insert(inftext::UpperAscii(key));
  }
  return index;
}

// `%key%` uses whose key no [Strings] section defines; "%%" is a percent sign and a
// number between percent signs is a directory identifier.
void AddUndefinedStrings(const std::string& line, const InfIndex& index, std::vector<LineFaultAt>* faults) {
  const std::string text = WithoutComment(line);
  std::size_t open = text.find('%');
  while (open != npos) {
    const std::size_t close = text.find('%', open + 1);
    if (close == npos) return;
    const std::string key = text.substr(open + 1, close - open - 1);
    if (!key.empty() && !AllDigits(key) && index.strings.count(inftext::UpperAscii(key)) == 0) {
      faults->push_back({LineFault::UndefinedString, open + 1, "%" + key + "%"});
    }
    open = text.find('%', close + 1);
  }
}

void AddMissingSections(const std::string& line, const InfIndex& index, std::vector<LineFaultAt>* faults) {
  const std::string text = WithoutComment(line);
  const std::size_t equals = text.find('=');
  if (equals == npos || !IsSectionDirective(inftext::TrimBlanks(text.substr(0, equals)))) return;
  std::size_t start = equals + 1;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == npos) comma = text.size();
    const std::size_t first = text.find_first_not_of(" \t", start);
    const std::string name = inftext::TrimBlanks(text.substr(start, comma - start));
    // "@file" copies one file; a `%key%` name is resolved by setup.
    if (!name.empty() && name[0] != '@' && name[0] != '%' && index.sections.count(inftext::UpperAscii(name)) == 0) {
      faults->push_back({LineFault::MissingSection, first + 1, name});
    }
    start = comma + 1;
  }
}

}  // namespace

std::vector<LineFaultAt> LineFaults(const std::string& line, DocKind kind) {
  std::vector<LineFaultAt> faults;
  if (line.empty() || kind == DocKind::None) return faults;
  if (kind == DocKind::Inf && line.size() > kInfLineLimit && line[0] != ':' && line[0] != ';') {
    faults.push_back({LineFault::LineTooLong, 1, ""});
    return faults;
  }
  AddHeaderFaults(line, &faults);
  if (kind == DocKind::Inf) {
    const std::size_t colon = InfColonErrorStart(line);
    if (colon != npos) faults.push_back({LineFault::InfColon, colon + 1, ""});
  }
  return faults;
}

std::vector<TextProblem> CheckText(const std::string& text, DocKind kind) {
  const std::vector<std::string> lines = inftext::SplitLines(text);
  std::vector<TextProblem> problems;
  const InfIndex index = kind == DocKind::Inf ? IndexInf(lines) : InfIndex();
  bool inStrings = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::vector<LineFaultAt> faults = LineFaults(lines[i], kind);
    std::string name;
    const bool header = HeaderName(lines[i], &name);
    if (header) inStrings = IsStringsSection(name);
    if (kind == DocKind::Inf && !header && !inStrings) {
      AddUndefinedStrings(lines[i], index, &faults);
      AddMissingSections(lines[i], index, &faults);
    }
    for (const LineFaultAt& fault : faults) {
      problems.push_back({i + 1, fault.column, fault.fault == LineFault::MissingSection, LineFaultText(fault)});
    }
  }
  return problems;
}

std::string LineFaultText(const LineFaultAt& fault) {
  switch (fault.fault) {
    case LineFault::UnclosedHeader: return "section header has no closing \"]\"";
    case LineFault::TextAfterHeader: return "text after the \"]\" of a section header";
    case LineFault::SemicolonInHeader: return "\";\" inside the brackets of a section header";
    case LineFault::InfColon: return "colon outside quotes";
    case LineFault::LineTooLong: return "line longer than 511 characters";
    case LineFault::UndefinedString: return fault.detail + " is not defined in a [Strings] section";
    case LineFault::MissingSection: return "section [" + fault.detail + "] does not exist";
  }
  return std::string();
}

std::size_t ErrorPaintedColumn(const std::string& line, const LineFaultAt& fault) {
  if (fault.fault == LineFault::SemicolonInHeader) return line.find_first_not_of(" \t") + 1;
  return fault.column;
}

}  // namespace varnock
