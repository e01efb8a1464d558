#pragma once
// The work list: the list of lines the line commands transform.
#include <string>
#include <vector>

namespace varnock {

// Splits at CR LF, a lone CR or a lone LF. A line break at the very end starts no
// further line, so "a\r\n" is one line and the empty text has none.
std::vector<std::string> SplitWorkList(const std::string& text);

// Every line followed by CR LF, the last one included.
std::string WorkListText(const std::vector<std::string>& lines);

}  // namespace varnock
