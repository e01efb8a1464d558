#pragma once
// The user locale's case rules for the line commands and the search.
#include <string>

#include "core/edit/text_search.h"

namespace varnock {

// The locale-aware comparison ignoring case: negative, zero or positive.
int LocaleCompareNoCase(const std::string& a, const std::string& b);

// The locale's upper-case form of every byte of the ANSI code page.
const UpperCaseTable& LocaleUpperCaseTable();

}  // namespace varnock
