// Times the edit commands that touch the whole document: replace-all of a frequent
// one-character string in a text at the size limit, and the two sorts over 5,000 lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/edit/line_commands.h"
#include "core/edit/search_commands.h"

using namespace varnock;

namespace {

constexpr std::size_t kDocumentLimit = 65534;
constexpr int kRuns = 9;

// INF-looking lines of random keys and values, cut to exactly `size` bytes.
std::string InfText(std::size_t size, std::size_t maxLines) {
  std::mt19937 random(7);
  const char* letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
  std::string text;
  for (std::size_t line = 0; text.size() < size && line < maxLines; ++line) {
    const std::size_t keyLength = 3 + random() % 12;
    for (std::size_t i = 0; i < keyLength; ++i) text += letters[random() % 53];
    text += " = \"";
    const std::size_t valueLength = random() % 30;
    for (std::size_t i = 0; i < valueLength; ++i) text += letters[random() % 26];
    text += "\",%10%\\System\r\n";
  }
  if (text.size() > size) text.resize(size);
  return text;
}

// Median of several runs, in milliseconds.
double MedianMs(const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void BenchReplaceAll() {
  const std::string text = InfText(kDocumentLimit, 1000000);
  const UpperCaseTable upper = AsciiUpperCaseTable();
  std::size_t replaced = 0;
  const double anyCase = MedianMs([&] {
    replaced = ReplaceAll(text, {0, 0}, "e", "ee", {false, false}, upper).replacements;
  });
  std::printf("replace-all \"e\" -> \"ee\" in %zu bytes (%zu matches, any case): %.3f ms\n", text.size(), replaced,
              anyCase);

  const std::string blanks(kDocumentLimit, ' ');
  const double everyByte = MedianMs([&] {
    replaced = ReplaceAll(blanks, {0, 0}, " ", "  ", {true, true}, upper).replacements;
  });
  std::printf("replace-all \" \" -> \"  \" whole word in %zu blanks (%zu matches): %.3f ms\n", blanks.size(), replaced,
              everyByte);
}

void BenchSorts() {
  const std::string text = InfText(1000000, 5000);
  const Selection all{0, text.size()};
  // Stand-in for the locale comparison the Windows layer passes in.
  const LineCompare compare = CompareAsciiNoCase;
  const double ascending = MedianMs([&] { (void)PlanSortAscending(text, all, compare); });
  const double descending = MedianMs([&] { (void)PlanSortDescending(text, all); });
  std::printf("sort A..Z of 5000 lines (%zu bytes): %.3f ms\n", text.size(), ascending);
  std::printf("sort Z..A of 5000 lines (%zu bytes): %.3f ms\n", text.size(), descending);
}

}  // namespace

int main() {
  std::printf("median of %d runs\n", kRuns);
  BenchReplaceAll();
  BenchSorts();
  return 0;
}
