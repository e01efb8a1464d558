#include "core/edit/line_transforms.h"

#include <algorithm>

#include "core/edit/blank_trim.h"

namespace varnock {

namespace {

unsigned char AsciiUpper(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

}  // namespace

int CompareAsciiNoCase(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char ca = AsciiUpper(a[i]);
    const unsigned char cb = AsciiUpper(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// A merge sort: a comparison passed in from the system need not be a perfect strict
// weak ordering, and std::sort may run off the range when it is not.
void SortLinesAscending(std::vector<std::string>& lines, const LineCompare& compare) {
  if (!compare) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return CompareAsciiNoCase(a, b) < 0; });
    return;
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [&compare](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
}

void SortLinesDescending(std::vector<std::string>& lines) {
  std::stable_sort(lines.begin(), lines.end(),
                   [](const std::string& a, const std::string& b) { return CompareAsciiNoCase(a, b) > 0; });
}

int SplitWidth(FontMode mode, const std::string& displayFontName, int controlWidthPixels) {
  const int w = controlWidthPixels;
  int width = 0;
  switch (mode) {
    case FontMode::Ansi: width = w / 5 - 5; break;
    case FontMode::Auto:
      // Auto shows ANSI art in the narrow OEM face and anything else in the default one.
      width = displayFontName == "Terminal" ? w / 5 - 5 : w / 8 - 3;
      break;
    case FontMode::User: width = w / 7 - 4; break;
    default: width = w / 8 - 3; break;
  }
  return std::max(width, kMinSplitWidth);
}

std::vector<std::string> SplitLinesToWidth(const std::vector<std::string>& lines, std::size_t width) {
  if (width == 0) return lines;
  std::vector<std::string> result;
  result.reserve(lines.size());
  for (const std::string& line : lines) {
    std::size_t from = 0;
    while (line.size() - from >= width) {
      std::size_t cut = std::string::npos;  // index of the last blank or tab in the window
      for (std::size_t i = from + width; i > from; --i) {
        if (line[i - 1] == ' ' || line[i - 1] == '\t') {
          cut = i - 1;
          break;
        }
      }
      if (cut == std::string::npos) break;
      result.push_back(TrimBlanksRight(line.substr(from, cut + 1 - from)));
      from = cut + 1;
    }
    result.push_back(line.substr(from));
  }
  return result;
}

void IndentLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) line.insert(0, "  ");
}

void UnindentLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) line = TrimBlanksLeft(line);
}

std::string JoinLinesTrimmed(const std::vector<std::string>& lines) {
  std::string result;
  for (const std::string& line : lines) {
    if (!result.empty()) result += ' ';
    result += TrimBlanks(line);
  }
  return result;
}

}  // namespace varnock
