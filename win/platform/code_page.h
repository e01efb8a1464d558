#pragma once
// Conversions between 8-bit text in the system's ANSI code page and UTF-16.
#include <string>

namespace varnock {

// UTF-16 of ANSI text; false when some byte has no character in the code page.
bool WideFromAnsi(const std::string& text, std::u16string* wide);
// ANSI text of UTF-16; false when some character had to be replaced (no exact or
// best-fit-free counterpart in the code page).
bool AnsiFromWide(const std::u16string& wide, std::string* text);

}  // namespace varnock
