#include "core/document/save_rules.h"

#include "core/colour/file_extension.h"

namespace varnock {

std::size_t SaveSizeMeasure(const std::string& text) {
  std::size_t breaks = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\r' && text[i + 1] == '\n') ++breaks;
  return text.size() - 2 * breaks;
}

bool NeedsSizeQuestion(const std::string& fileName, const std::string& text) {
  const std::string ext = UpperCaseExtension(fileName);
  if (ext != ".INF" && ext != ".INI") return false;
  return SaveSizeMeasure(text) >= 65536;
}

std::string DefaultExtensionForFilter(int filterIndex) {
  switch (filterIndex) {
    case 1: return "INF";
    case 2: return "REG";
    case 3: return "INI";
    case 4: return "TXT";  // the NFO type has always saved extension-less names as TXT
    default: return "";
  }
}

std::string ApplyDefaultExtension(const std::string& fileName, const std::string& extension) {
  if (extension.empty() || fileName.empty() || !UpperCaseExtension(fileName).empty()) return fileName;
  return fileName + "." + extension;
}

std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string NameWithoutFolder(const std::string& path) {
  const std::string::size_type slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace varnock
