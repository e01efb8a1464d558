#pragma once
// The faults the colouring's line rules paint in the error colour, as a list a person
// or a build script can read, and two INF checks beyond one line: `%key%` names that no
// [Strings] section defines, and sections named by install directives that do not exist.
#include <cstddef>
#include <string>
#include <vector>

#include "core/colour/doc_kind.h"

namespace varnock {

enum class LineFault {
  UnclosedHeader,     // "[" with no "]" after it
  TextAfterHeader,    // something other than blanks or a comment after the "]"
  SemicolonInHeader,  // ";" between the brackets
  InfColon,           // INF: a colon outside quotes and before the comment
  LineTooLong,        // INF: more than 511 characters (the whole line is an error)
  UndefinedString,    // INF: `%key%` defined in no [Strings] section
  MissingSection,     // INF: a directive names a section the file does not hold
};

struct LineFaultAt {
  LineFault fault;
  std::size_t column;  // 1-based
  std::string detail;  // the `%key%` or the section name, for the two INF checks
};

// The faults of one line, in column order for each rule, the way the whole-document
// colouring pass sees them. An over-long INF line gives LineTooLong alone: the marker the
// editor puts in front of it turns the whole line into an error.
std::vector<LineFaultAt> LineFaults(const std::string& line, DocKind kind);

struct TextProblem {
  std::size_t line;    // 1-based
  std::size_t column;  // 1-based
  bool warning;        // a warning does not make the check fail
  std::string message;
};

// Every fault of a text (lines split at CR LF, CR or LF), INF checks included.
std::vector<TextProblem> CheckText(const std::string& text, DocKind kind);

// The English description of a fault.
std::string LineFaultText(const LineFaultAt& fault);

// The column that the colouring paints in the error colour for this fault (the "[" of
// a header with a ";" inside, the fault's own column otherwise); tests compare it with
// the painted ranges. For LineTooLong, column 1 of the marked line.
std::size_t ErrorPaintedColumn(const std::string& line, const LineFaultAt& fault);

}  // namespace varnock
