#pragma once
// The message catalogue's rules that do not need the operating system: the built-in
// English table, the backslash-r escape and the choice between file text and default.
#include <string>

namespace varnock {

// Default passed to the language-file read: a read that returns exactly this text
// means the file has no entry for the key.
inline constexpr const char* kLocSentinel = "Error_in_locfile";
// What an unknown key turns into.
inline constexpr const char* kLocError = " Error in localisation function! ";
// The two computed keys, never read from the language file.
inline constexpr const char* kKeyTitle = "SH_TITRE_VARNOCK";
inline constexpr const char* kKeyVersion = "VARNOCK_VERSION";

// English default of a message key (exact, case-sensitive); nullptr when unknown.
const char* BuiltInMessage(const std::string& key);

// Replaces every backslash-r pair by one CR, scanning again from the start after each
// replacement (so "\\\\r" gives a backslash followed by a CR).
std::string ReplaceBackslashR(std::string text);

// The text of a key given what the language file returned for it (read with the
// sentinel as default). Not for the two computed keys.
std::string ResolveMessage(const std::string& key, const std::string& fileValue);

}  // namespace varnock
