#pragma once
// Which lines contain which patterns, found in one pass over the lines (Aho-Corasick)
// instead of one search per pattern and line.
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {

// For each pattern, the increasing indices of the lines that contain it (case-sensitive
// substring). An empty pattern is contained in every line. Patterns may repeat.
std::vector<std::vector<std::size_t>> LinesContainingPatterns(const std::vector<std::string>& lines,
                                                              const std::vector<std::string>& patterns);

}  // namespace varnock
