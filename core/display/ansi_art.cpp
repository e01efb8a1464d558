#include "core/display/ansi_art.h"

#include "core/colour/file_extension.h"

namespace varnock {

bool ContainsAnsiArtBytes(const std::string& text) {
  static const char* const kSigns[] = {"\xDB", "\xB2", "\xB1", "\xCD\xCD", "\xC4\xC4", "\xDC", "\xDF"};
  for (const char* sign : kSigns) {
    if (text.find(sign) != std::string::npos) return true;
  }
  return false;
}

bool IsAnsiArtText(const std::string& fileName, const std::string& text) {
  if (fileName.empty()) return false;
  const std::string ext = UpperCaseExtension(fileName);
  if (ext == ".NFO" || ext == ".DIZ") return true;
  return ContainsAnsiArtBytes(text);
}

}  // namespace varnock
