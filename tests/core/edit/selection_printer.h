#pragma once
// Lets GoogleTest show a Selection as {start, length} in failure messages.
#include <ostream>

#include "core/edit/selection.h"

namespace varnock {

inline void PrintTo(Selection selection, std::ostream* out) {
  *out << '{' << selection.start << ", " << selection.length << '}';
}

}  // namespace varnock
