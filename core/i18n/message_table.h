#pragma once
#include <vector>

namespace varnock {

struct MessageDefault {
  const char* key;
  const char* text;
};

// The built-in English table, in the catalogue's order.
const std::vector<MessageDefault>& MessageTable();

}  // namespace varnock
