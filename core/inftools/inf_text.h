#pragma once
// Small 8-bit text helpers shared by the INF tools. ASCII case rules only: the
// comparisons they serve (folder names, section names, registry roots) are made on
// ASCII text.
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {
namespace inftext {

char UpperAscii(char c);
std::string UpperAscii(std::string text);
bool EqualsIgnoreCaseAscii(const std::string& a, const std::string& b);
bool StartsWith(const std::string& text, const std::string& prefix);

// Space or tab.
bool IsBlank(char c);
std::string TrimBlanks(const std::string& text);
std::string TrimTrailingBlanks(const std::string& text);

// `text` from `count` characters on; empty when it is not that long.
std::string After(const std::string& text, std::size_t count);

// Lines split at CR LF, a lone CR or a lone LF. A final line break does not start
// another line, and an empty text has no line.
std::vector<std::string> SplitLines(const std::string& text);

// An INF quoted field: `"` around the text, `""` for a quote inside it and `%%` for a
// percent sign, so that the setup library reads back exactly `text`.
std::string QuoteInfField(const std::string& text);

// The text that, inserted at the end of `documentText`, adds `lines` as new last lines
// of the document: each one followed by CR LF when the document is empty or ends with a
// line break; otherwise a CR LF before each one, so the text still ends without a break.
std::string TextAppendingLines(const std::string& documentText, const std::vector<std::string>& lines);

// The last component of a path (after the last backslash, slash or colon).
std::string FileNameOf(const std::string& path);
// The folder part of a path, with its trailing separator; empty without one.
std::string FolderOf(const std::string& path);

}  // namespace inftext
}  // namespace varnock
