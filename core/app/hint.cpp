#include "core/app/hint.h"

namespace varnock {

std::string LongHint(const std::string& hint) {
  const std::string::size_type bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

}  // namespace varnock
