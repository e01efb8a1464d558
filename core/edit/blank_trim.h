#pragma once
// Trimming as the line commands understand it: every byte with a code of 32 or less
// (blank, tab, line breaks, other control characters) is trimmable.
#include <string>

namespace varnock {

bool IsTrimmableByte(char c);

std::string TrimBlanksLeft(const std::string& text);
std::string TrimBlanksRight(const std::string& text);
std::string TrimBlanks(const std::string& text);

// True when the text is empty or holds trimmable bytes only.
bool IsBlankText(const std::string& text);

}  // namespace varnock
