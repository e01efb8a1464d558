#pragma once
// The program's help: topics written in a small markup, kept inside the program file,
// and turned into rich text for the help window.
//
// Markup, one line at a time:
//   @topic ID Title     starts a topic (ID without blanks); lines before the first are ignored
//   # text              heading
//   ## text             sub-heading
//   - text              list item
//   | text              a line of a code block (fixed-width font, blanks kept)
//   (empty line)        paragraph gap
//   anything else       a paragraph; **text** is bold
// A literal "**" is written "\*\*"; "\xHH" is the byte of hexadecimal HH (the files stay
// ASCII); a backslash before anything else stands for itself.
#include <string>
#include <vector>

namespace varnock {

struct HelpTopic {
  std::string id;
  std::string title;
  std::string markup;  // the topic's lines, without its @topic line
};

std::vector<HelpTopic> ParseHelpTopics(const std::string& source);

// The topic a help context opens: 1 the contents, 100 the INF guide, others the contents.
std::string HelpTopicIdForContext(int context);
constexpr const char* kHelpContentsTopic = "contents";
constexpr const char* kHelpInfGuideTopic = "inf-guide";

// The topic as an RTF document (8-bit text in the ANSI code page).
std::string HelpMarkupToRtf(const std::string& markup);

// The topic's code blocks, each as CR LF separated lines, in order.
std::vector<std::string> HelpCodeBlocks(const std::string& markup);

}  // namespace varnock
