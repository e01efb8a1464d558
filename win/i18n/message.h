#pragma once
// The message catalogue: a message key in, the text of the current language out.
#include <string>

namespace varnock {

// Path of the language file beside the program.
std::string LanguageFile();

// Text of a message key in the main window's current language, from the language
// file when it has it, else the built-in English text.
std::string fMessage(const std::string& key);

// FileVersion of a program file; cut before its last separator unless whole.
// A resource that exists but cannot be read is reported in an error box.
std::string fGetFileVersion(const std::string& path, bool whole);

}  // namespace varnock
