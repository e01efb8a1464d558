#pragma once
// Texts of the title bar and the status bar.
#include <cstddef>
#include <string>

namespace varnock {

// " 12 Kb": characters (line breaks included) divided by 1,024, remainder dropped.
std::string SizeText(std::size_t characters);

// "Line 12  Col 3" with the catalogue's two words.
std::string CaretText(const std::string& lineWord, std::size_t line, const std::string& colWord, std::size_t column);

struct TitleParts {
  std::string prefix;      // "Varnock v2.9.2"
  int instanceNumber = 0;  // shown when not 0 and the Windows menu is visible
  bool windowsMenuVisible = false;
  std::string fileName;  // empty: untitled
  bool modified = false;
  std::string notSavedText;  // " (not saved)"
  std::string modifiedText;  // " (modified)"
};

std::string TitleText(const TitleParts& parts);

// Blanks a Tab inserts: up to the next stop of 4.
std::size_t TabBlanks(std::size_t column);

// Texts above this many characters (line breaks included) bring the size warning.
inline constexpr std::size_t kBigTextWarning = 65530;

}  // namespace varnock
