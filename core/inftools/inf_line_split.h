#pragma once
// Long INF lines written over several physical lines. The INF parser joins a line that
// ends in "\" with the next one, so a value whose fields pass the line limit can still
// be written whole: the line is cut after a comma between two fields.
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {

// The physical lines of the INF line `line`, none longer than `maxLength`: as many
// whole fields as fit on each, every line but the last ending in "," and "\". A line
// that fits is returned as it is. Commas inside quoted fields do not separate fields.
// Empty when one field alone (with its comma and the mark) is longer than `maxLength`:
// such a line cannot be split.
std::vector<std::string> SplitInfLine(const std::string& line, std::size_t maxLength);

}  // namespace varnock
