#pragma once
#include <string>

namespace varnock {

// The long part of a hint: the text after the first '|', or the whole hint.
std::string LongHint(const std::string& hint);

}  // namespace varnock
