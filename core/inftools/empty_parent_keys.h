#pragma once
// The pass that drops "empty parent keys" from the cleaned lines of a REG file.
//
// The rule, over the current list of lines: for each index m, for each index g, line m
// is deleted when KEY (line m without its first and last character) is not empty,
// line g contains KEY, line g differs from line m, and the line after m exists and
// begins with "[". After a deletion the scan over g goes on at g+1 against the line
// that has moved into index m, and the scan over m then advances.
//
// Written as stated that is a quadratic number of substring searches. This
// implementation gives the same result in about linear time: only lines followed by a
// "[" line can be deleted, so only their KEYs are searched for, all at once.
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {

// Indices (into `lines`, increasing) of the lines the pass deletes.
std::vector<std::size_t> EmptyParentKeyLinesToDrop(const std::vector<std::string>& lines);

// `lines` without the lines the pass deletes.
std::vector<std::string> DropEmptyParentKeys(const std::vector<std::string>& lines);

}  // namespace varnock
