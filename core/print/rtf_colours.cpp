#include "core/print/rtf_colours.h"

#include <algorithm>
#include <cctype>

namespace varnock {

namespace {

struct Colour {
  std::uint32_t value = 0;
  bool automatic = true;
};

struct GroupState {
  int colourIndex = 0;
  bool skip = false;  // a destination whose text is not document text
  bool colourTable = false;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class RtfReader {
 public:
  explicit RtfReader(const std::string& rtf) : rtf_(rtf) {}

  std::optional<ColouredText> Read() {
    if (rtf_.compare(0, 5, "{\\rtf") != 0) return std::nullopt;
    std::vector<GroupState> stack{GroupState{}};
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_];
      if (c == '{') {
        stack.push_back(stack.back());
        stack.back().colourTable = false;
        ++pos_;
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        // The document ends with its group; what follows is no text.
        if (stack.size() <= 2) break;
        stack.pop_back();
        ++pos_;
        groupStart_ = false;
        continue;
      }
      if (c == '\\') {
        ControlWord(stack.back());
        groupStart_ = false;
        continue;
      }
      ++pos_;
      groupStart_ = false;
      if (c == '\r' || c == '\n') continue;
      GroupState& state = stack.back();
      if (state.colourTable) {
        if (c == ';') EndColour();
        continue;
      }
      if (!state.skip) Append(std::string(1, c), state);
    }
    return result_;
  }

 private:
  void ControlWord(GroupState& state) {
    ++pos_;  // the backslash
    if (pos_ >= rtf_.size()) return;
    const char first = rtf_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(first))) {
      Symbol(first, state);
      return;
    }
    std::size_t end = pos_;
    while (end < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[end]))) ++end;
    const std::string word = rtf_.substr(pos_, end - pos_);
    std::size_t numberEnd = end;
    if (numberEnd < rtf_.size() && rtf_[numberEnd] == '-') ++numberEnd;
    while (numberEnd < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[numberEnd]))) ++numberEnd;
    const bool hasNumber = numberEnd > end && !(numberEnd == end + 1 && rtf_[end] == '-');
    const long number = hasNumber ? NumberAt(end, numberEnd) : -1;
    pos_ = hasNumber ? numberEnd : end;
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    Word(word, hasNumber, number, state);
  }

  // A control word's parameter, held to a sane range however many digits it has.
  long NumberAt(std::size_t from, std::size_t to) const {
    const bool negative = rtf_[from] == '-';
    long value = 0;
    for (std::size_t i = negative ? from + 1 : from; i < to; ++i)
      value = std::min(value * 10 + (rtf_[i] - '0'), 1000000L);
    return negative ? -value : value;
  }

  void Symbol(char c, GroupState& state) {
    ++pos_;
    if (c == '*') {
      state.skip = true;
    } else if (c == '\'') {
      if (pos_ + 2 > rtf_.size()) return;
      const int high = HexDigit(rtf_[pos_]), low = HexDigit(rtf_[pos_ + 1]);
      if (high < 0 || low < 0) return;
      const int byte = high * 16 + low;
      pos_ += 2;
      if (!state.skip && !state.colourTable) Append(std::string(1, static_cast<char>(byte)), state);
    } else if (c == '\\' || c == '{' || c == '}') {
      if (!state.skip && !state.colourTable) Append(std::string(1, c), state);
    } else if (c == '~') {
      if (!state.skip) Append(" ", state);
    } else if (c == '_') {
      if (!state.skip) Append("-", state);
    } else if (c == '\r' || c == '\n') {
      if (!state.skip) Append("\r\n", state);
    }
  }

  void Word(const std::string& word, bool hasNumber, long number, GroupState& state) {
    if (groupStart_ && (word == "fonttbl" || word == "stylesheet" || word == "info" || word == "pict" ||
                        word == "header" || word == "footer" || word == "object")) {
      state.skip = true;
    } else if (word == "colortbl") {
      state.colourTable = true;
      pending_ = Colour{};
    } else if (state.colourTable) {
      if (word == "red") Channel(number, 0);
      if (word == "green") Channel(number, 8);
      if (word == "blue") Channel(number, 16);
    } else if (word == "cf") {
      state.colourIndex = hasNumber ? static_cast<int>(number) : 0;
    } else if (word == "plain") {
      state.colourIndex = 0;
    } else if (state.skip) {
      return;
    } else if (word == "par" || word == "line") {
      Append("\r\n", state);
    } else if (word == "tab") {
      Append("\t", state);
    }
    // \u (a character outside the code page) is left out: its stand-in that follows is
    // the character of the 8-bit text.
  }

  void Channel(long number, int shift) {
    pending_.automatic = false;
    pending_.value |= static_cast<std::uint32_t>(std::clamp<long>(number, 0, 255)) << shift;
  }

  void EndColour() {
    table_.push_back(pending_);
    pending_ = Colour{};
  }

  void Append(const std::string& text, const GroupState& state) {
    Colour colour;
    if (state.colourIndex > 0 && static_cast<std::size_t>(state.colourIndex) < table_.size())
      colour = table_[state.colourIndex];
    const std::size_t start = result_.text.size();
    result_.text += text;
    auto& runs = result_.runs;
    if (!runs.empty() && runs.back().automatic == colour.automatic && runs.back().colour == colour.value) {
      runs.back().length += text.size();
    } else {
      runs.push_back({start, text.size(), colour.value, colour.automatic});
    }
  }

  const std::string& rtf_;
  std::size_t pos_ = 0;
  bool groupStart_ = false;
  std::vector<Colour> table_;
  Colour pending_;
  ColouredText result_;
};

}  // namespace

std::optional<ColouredText> ReadRtfColours(const std::string& rtf) { return RtfReader(rtf).Read(); }

const ColourRun* RunAt(const std::vector<ColourRun>& runs, std::size_t offset) {
  auto after = std::upper_bound(runs.begin(), runs.end(), offset,
                                [](std::size_t at, const ColourRun& run) { return at < run.start; });
  if (after == runs.begin()) return nullptr;
  const ColourRun& run = *(after - 1);
  return offset < run.start + run.length ? &run : nullptr;
}

}  // namespace varnock
