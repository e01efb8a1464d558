#include "core/inftools/line_pattern_index.h"

#include <cstdint>
#include <deque>
#include <unordered_map>

namespace varnock {

namespace {

// Trie of the distinct patterns with failure and dictionary links.
class PatternAutomaton {
 public:
  explicit PatternAutomaton(const std::vector<std::string>& distinctPatterns) {
    nodes_.emplace_back();
    for (std::size_t id = 0; id < distinctPatterns.size(); ++id) Insert(distinctPatterns[id], id);
    BuildLinks();
  }

  // Reports each pattern found in `line` once, through `found(patternId)`.
  template <typename Found>
  void Scan(const std::string& line, std::vector<std::size_t>& lastLine, std::size_t lineIndex, Found found) const {
    int state = 0;
    for (const char c : line) {
      state = Step(state, static_cast<unsigned char>(c));
      int node = nodes_[state].pattern >= 0 ? state : nodes_[state].dictionary;
      while (node > 0) {
        const auto id = static_cast<std::size_t>(nodes_[node].pattern);
        // A pattern already seen in this line had its whole dictionary chain (its
        // suffixes that are patterns) reported with it.
        if (lastLine[id] == lineIndex) break;
        lastLine[id] = lineIndex;
        found(id);
        node = nodes_[node].dictionary;
      }
    }
  }

 private:
  struct Node {
    std::vector<std::pair<unsigned char, int>> children;
    int failure = 0;
    int dictionary = 0;  // nearest node on the failure chain that ends a pattern, or 0
    int pattern = -1;
  };

  static std::uint64_t EdgeKey(int node, unsigned char c) { return (static_cast<std::uint64_t>(node) << 8) | c; }

  int Child(int node, unsigned char c) const {
    const auto it = edges_.find(EdgeKey(node, c));
    return it == edges_.end() ? -1 : it->second;
  }

  void Insert(const std::string& pattern, std::size_t id) {
    int node = 0;
    for (const char ch : pattern) {
      const auto c = static_cast<unsigned char>(ch);
      int next = Child(node, c);
      if (next < 0) {
        next = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
        nodes_[node].children.emplace_back(c, next);
        edges_.emplace(EdgeKey(node, c), next);
      }
      node = next;
    }
    nodes_[node].pattern = static_cast<int>(id);
  }

  void BuildLinks() {
    std::deque<int> queue;
    for (const auto& child : nodes_[0].children) queue.push_back(child.second);
    while (!queue.empty()) {
      const int node = queue.front();
      queue.pop_front();
      for (const auto& child : nodes_[node].children) {
        const int next = child.second;
        int fallback = nodes_[node].failure;
        while (fallback > 0 && Child(fallback, child.first) < 0) fallback = nodes_[fallback].failure;
        const int target = Child(fallback, child.first);
        nodes_[next].failure = (target >= 0 && target != next) ? target : 0;
        const Node& failure = nodes_[nodes_[next].failure];
        nodes_[next].dictionary = failure.pattern >= 0 ? nodes_[next].failure : failure.dictionary;
        queue.push_back(next);
      }
    }
  }

  int Step(int state, unsigned char c) const {
    for (;;) {
      const int next = Child(state, c);
      if (next >= 0) return next;
      if (state == 0) return 0;
      state = nodes_[state].failure;
    }
  }

  std::vector<Node> nodes_;
  std::unordered_map<std::uint64_t, int> edges_;
};

}  // namespace

std::vector<std::vector<std::size_t>> LinesContainingPatterns(const std::vector<std::string>& lines,
                                                              const std::vector<std::string>& patterns) {
  std::vector<std::vector<std::size_t>> result(patterns.size());
  std::unordered_map<std::string, std::size_t> distinctIds;
  std::vector<std::string> distinct;
  std::vector<std::size_t> idOfPattern(patterns.size());
  std::vector<std::size_t> emptyPatterns;
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    if (patterns[i].empty()) {
      emptyPatterns.push_back(i);
      continue;
    }
    const auto inserted = distinctIds.emplace(patterns[i], distinct.size());
    if (inserted.second) distinct.push_back(patterns[i]);
    idOfPattern[i] = inserted.first->second;
  }

  std::vector<std::vector<std::size_t>> found(distinct.size());
  if (!distinct.empty()) {
    const PatternAutomaton automaton(distinct);
    std::vector<std::size_t> lastLine(distinct.size(), static_cast<std::size_t>(-1));
    for (std::size_t line = 0; line < lines.size(); ++line) {
      automaton.Scan(lines[line], lastLine, line, [&](std::size_t id) { found[id].push_back(line); });
    }
  }

  for (std::size_t i = 0; i < patterns.size(); ++i) {
    if (!patterns[i].empty()) result[i] = found[idOfPattern[i]];
  }
  for (const std::size_t i : emptyPatterns) {
    result[i].resize(lines.size());
    for (std::size_t line = 0; line < lines.size(); ++line) result[i][line] = line;
  }
  return result;
}

}  // namespace varnock
