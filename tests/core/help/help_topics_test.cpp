// Help topics: the markup read into topics, turned into RTF, the code blocks taken out,
// the context table, and the program's own topics as they are built into the program.
#include "core/help/help_topics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace varnock {
namespace {

TEST(HelpTopics, SplitAtTopicLinesWithIdAndTitle) {
  const auto topics = ParseHelpTopics("ignored\n@topic contents Contents of it\nline 1\r\n\r\n@topic guide\nx\n");
  ASSERT_EQ(topics.size(), 2u);
  EXPECT_EQ(topics[0].id, "contents");
  EXPECT_EQ(topics[0].title, "Contents of it");
  EXPECT_EQ(topics[0].markup, "line 1\n\n");
  EXPECT_EQ(topics[1].id, "guide");
  EXPECT_EQ(topics[1].title, "guide");
  EXPECT_EQ(topics[1].markup, "x\n");
}

TEST(HelpTopics, ContextsOpenContentsOrTheInfGuide) {
  const std::pair<int, const char*> table[] = {{1, "contents"}, {100, "inf-guide"}, {0, "contents"},
                                               {2, "contents"}, {-100, "contents"}, {101, "contents"}};
  for (const auto& [context, topic] : table) EXPECT_EQ(HelpTopicIdForContext(context), topic) << context;
}

TEST(HelpMarkup, EachLineKindBecomesItsParagraph) {
  const std::pair<const char*, const char*> table[] = {
      {"# Title", "\\pard\\sb160\\sa80\\b\\fs28 Title\\b0\\fs20\\par\n"},
      {"## Sub", "\\pard\\sb120\\sa40\\b\\fs22 Sub\\b0\\fs20\\par\n"},
      {"- item", "\\pard\\li360\\fi-240\\sa20 \\'95 item\\par\n"},
      {"| [Version]  x", "\\pard\\li240\\f1\\fs18 [Version]  x\\f0\\fs20\\par\n"},
      {"\n", "\\pard\\par\n"},
      {"Press **F1** now", "\\pard\\sa60 Press \\b F1\\b0  now\\par\n"},
      {"open **bold", "\\pard\\sa60 open \\b bold\\b0 \\par\n"},
      {"a \\*\\* b", "\\pard\\sa60 a ** b\\par\n"},
      {"( \\xAF\\xaf \\xZZ \\x4", "\\pard\\sa60 ( \\'af\\'af \\\\xZZ \\\\x4\\par\n"},
      {"{x}\\y \xE9\t", "\\pard\\sa60 \\{x\\}\\\\y \\'e9\\tab \\par\n"},
      {"| **{\\}", "\\pard\\li240\\f1\\fs18 **\\{\\\\\\}\\f0\\fs20\\par\n"},
  };
  for (const auto& [markup, paragraph] : table) {
    const std::string rtf = HelpMarkupToRtf(markup);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find(paragraph), std::string::npos) << markup << "\n" << rtf;
    EXPECT_EQ(rtf.back(), '}');
  }
}

TEST(HelpMarkup, CodeBlocksAreRunsOfCodeLines) {
  const auto blocks = HelpCodeBlocks("text\n| [Version]\n|\n| a=b\nmore\n| second\n");
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0], "[Version]\r\n\r\na=b\r\n");
  EXPECT_EQ(blocks[1], "second\r\n");
}

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(VARNOCK_TEST_DATA) + "/../../res/help/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The topics that come with the program: both contexts have their topic, ids are unique,
// every character is in the ANSI code page's printable range, and RTF braces balance.
TEST(HelpMarkup, TheProgramsTopicsAreWellFormed) {
  auto topics = ParseHelpTopics(ReadSource("program.txt"));
  const auto guide = ParseHelpTopics(ReadSource("inf-guide.txt"));
  topics.insert(topics.end(), guide.begin(), guide.end());
  ASSERT_GE(topics.size(), 4u);
  std::vector<std::string> ids;
  for (const HelpTopic& topic : topics) {
    EXPECT_EQ(std::count(ids.begin(), ids.end(), topic.id), 0) << topic.id;
    ids.push_back(topic.id);
    EXPECT_GT(topic.markup.size(), 200u) << topic.id;
    const std::string rtf = HelpMarkupToRtf(topic.markup);
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
      if (rtf[i] == '\\') ++i;
      else if (rtf[i] == '{') ++depth;
      else if (rtf[i] == '}') --depth;
      ASSERT_GE(depth, 0) << topic.id;
    }
    EXPECT_EQ(depth, 0) << topic.id;
  }
  for (const char* id : {kHelpContentsTopic, kHelpInfGuideTopic})
    EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << id;
}

}  // namespace
}  // namespace varnock
