#pragma once
// Shared by the fuzz targets: a property check that stops the fuzzer with a message,
// and the input split into the pieces a target needs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (0)

namespace varnock::fuzz {

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at NUL bytes.
inline std::vector<std::string> SplitAtNul(const std::string& input) {
  std::vector<std::string> pieces(1);
  for (const char c : input) {
    if (c == '\0') pieces.emplace_back();
    else pieces.back() += c;
  }
  return pieces;
}

inline bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace varnock::fuzz
