#include "core/edit/blank_trim.h"

namespace varnock {

bool IsTrimmableByte(char c) {
  // Bytes above 127 are letters and symbols of the code page, never blanks.
  return static_cast<unsigned char>(c) <= 32;
}

std::string TrimBlanksLeft(const std::string& text) {
  std::size_t first = 0;
  while (first < text.size() && IsTrimmableByte(text[first])) ++first;
  return text.substr(first);
}

std::string TrimBlanksRight(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsTrimmableByte(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string TrimBlanks(const std::string& text) { return TrimBlanksLeft(TrimBlanksRight(text)); }

bool IsBlankText(const std::string& text) {
  for (const char c : text) {
    if (!IsTrimmableByte(c)) return false;
  }
  return true;
}

}  // namespace varnock
