#pragma once
// How REG content is written into the temporary profile file so that the Windows
// profile functions hand every piece back unchanged.
//
// Those functions trim blanks around names and values, strip a pair of quotes (double
// or single) around a value, split a line at its first "=", compare section and entry
// names without regard to case, read only the first of two sections or entries of the
// same name, treat a line starting with ";" as a comment and one starting with "[" as a
// section, and convert non-ASCII text through the ANSI code page. So:
//  - names and values are escaped to printable ASCII: "%XX" (two upper-case hex
//    digits) stands for every byte that one of those rules could alter;
//  - a value is written between two "|" guards, so it never begins or ends with a
//    blank or a quote, and a read-back that lacks them is known to have failed;
//  - a name that occurs again (ASCII case folded, after escaping) gets "#2", "#3", ...
//    appended; "#" itself is always escaped, so the suffix cannot be confused.
#include <string>
#include <unordered_map>

namespace varnock {

// A section or entry name escaped for the profile file. Escapes "%", "#", "=", "[",
// "]", ";", quotes, control and non-ASCII bytes, a blank at either end and a first
// "@" or "!" (entry names of their own, see reg_profile.h).
std::string EscapeProfileName(const std::string& name);

// A value escaped and guarded: "|" + escaped text + "|".
std::string EncodeProfileValue(const std::string& value);

// Reverses the escapes of a name (after RemoveOccurrence). False on a malformed escape.
bool UnescapeProfileText(const std::string& escaped, std::string* text);

// The value from a guarded read-back. False when the guards or escapes are missing,
// which is what an entry that could not be read looks like.
bool DecodeProfileValue(const std::string& readBack, std::string* value);

// A name without its "#n" occurrence suffix.
std::string RemoveOccurrence(const std::string& name);

// Hands out profile names that the profile functions cannot confuse with one another.
class UniqueProfileNames {
 public:
  // `escaped`, or `escaped` + "#n" when an equal name (ASCII case folded) was given out.
  std::string Add(const std::string& escaped);

 private:
  std::unordered_map<std::string, int> seen_;
};

}  // namespace varnock
