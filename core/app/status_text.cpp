#include "core/app/status_text.h"

namespace varnock {

std::string SizeText(std::size_t characters) { return " " + std::to_string(characters / 1024) + " Kb"; }

std::string CaretText(const std::string& lineWord, std::size_t line, const std::string& colWord, std::size_t column) {
  return lineWord + std::to_string(line) + "  " + colWord + std::to_string(column);
}

std::string TitleText(const TitleParts& parts) {
  std::string caption = parts.prefix + " - ";
  if (parts.instanceNumber != 0 && parts.windowsMenuVisible) caption += std::to_string(parts.instanceNumber) + " - ";
  if (parts.modified)
    return caption + (parts.fileName.empty() ? parts.notSavedText : parts.fileName + parts.modifiedText);
  return caption + parts.fileName;
}

std::size_t TabBlanks(std::size_t column) { return 4 - column % 4; }

}  // namespace varnock
