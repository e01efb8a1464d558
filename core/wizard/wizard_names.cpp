#include "core/wizard/wizard_names.h"

#include <cstring>

#include "core/colour/file_extension.h"
#include "core/document/save_rules.h"

namespace varnock {

namespace {
constexpr const char* kSeparators = " +:;.,<>/-[]*|\"%\\?";
constexpr size_t kShortNameMax = 8;
}  // namespace

bool IsForbiddenShortNameChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F || std::strchr(kSeparators, c) != nullptr;
}

CutName CutShortName(const std::string& text, size_t caret) {
  CutName result{text, caret, false};
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsForbiddenShortNameChar(text[i])) {
      result.text = text.substr(0, i);
      result.changed = true;
      break;
    }
  }
  if (result.caret > result.text.size()) result.caret = result.text.size();
  return result;
}

std::string WizardNewFileName(const std::string& previousFileName, const std::string& documentFolder,
                              const std::string& shortName) {
  if (shortName.empty()) return "";
  std::string folder = FolderOf(previousFileName);
  if (folder.empty()) folder = documentFolder;
  return folder + shortName + ".inf";
}

std::string WizardBaseName(const std::string& fileName) {
  std::string base = fileName.substr(FolderOf(fileName).size());
  while (base.find('.') != std::string::npos) base.pop_back();
  return base;
}

std::optional<std::string> ShortNameFromFile(const std::string& fileName) {
  const std::string base = WizardBaseName(fileName);
  if (base.empty() || UpperCaseExtension(fileName) != ".INF") return std::nullopt;
  if (base.size() > kShortNameMax) return std::nullopt;
  for (char c : base)
    if (IsForbiddenShortNameChar(c)) return std::nullopt;
  return base;
}

}  // namespace varnock
