#include "core/inftools/inf_line_split.h"

namespace varnock {

namespace {

// The fields of an INF line, each but the last with its trailing comma. A quote
// toggles the quoted state; the doubled quote inside a quoted field toggles it twice.
std::vector<std::string> FieldsWithCommas(const std::string& line) {
  std::vector<std::string> fields;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ',' && !quoted) {
      fields.push_back(line.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

std::vector<std::string> SplitInfLine(const std::string& line, std::size_t maxLength) {
  if (line.size() <= maxLength) return {line};
  const std::vector<std::string> fields = FieldsWithCommas(line);
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // Every line but the last needs room for the continuation mark.
    const std::size_t mark = i + 1 < fields.size() ? 1 : 0;
    if (current.size() + fields[i].size() + mark > maxLength) {
      if (current.empty() || fields[i].size() + mark > maxLength) return {};
      lines.push_back(current + "\\");
      current.clear();
    }
    current += fields[i];
  }
  lines.push_back(current);
  return lines;
}

}  // namespace varnock
