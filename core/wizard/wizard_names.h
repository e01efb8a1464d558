#pragma once
// The wizard's name rules: what a short name may hold, the INF name it gives, and the
// short name an already saved INF file proposes.
#include <optional>
#include <string>

namespace varnock {

// True for a character no short name may hold: the separators of INF and file names
// (" +:;.,<>/-[]*|"), and the quote, percent, backslash, question mark and control
// characters that no section or file name can carry either.
bool IsForbiddenShortNameChar(char c);

struct CutName {
  std::string text;
  size_t caret = 0;
  bool changed = false;
};

// The name rule on a typed or pasted short name: everything from the first forbidden
// character on is dropped; the caret stays where it was, within the new text.
CutName CutShortName(const std::string& text, size_t caret);

// The INF name the wizard proposes: empty for an empty short name, otherwise the
// previous file's folder (or `documentFolder` when there is none) + SHORT + ".inf".
std::string WizardNewFileName(const std::string& previousFileName, const std::string& documentFolder,
                              const std::string& shortName);

// The base name of a file: its name without folder, cut before its first ".".
std::string WizardBaseName(const std::string& fileName);

// The short name an opened file proposes: its base name when it is an INF file whose
// base name is at most 8 characters and holds no forbidden character; none otherwise
// (the wizard then marks the document modified).
std::optional<std::string> ShortNameFromFile(const std::string& fileName);

}  // namespace varnock
