#pragma once
// The patchable texts of the RunInf launcher: their sizes and initial texts. The
// launcher's source declares its fields from these, and the patcher finds each field in
// the built image by its initial text; no offset is written down anywhere.

// Question asked before installing: prefix + found name up to its first "." + " ?".
#define RUNINF_QUESTION_TEXT "Do you want to install: "
#define RUNINF_QUESTION_SIZE 40
// The files the launcher looks for in its current directory.
#define RUNINF_PATTERN_TEXT "*.inf"
#define RUNINF_PATTERN_SIZE 16
// Shown when no file matches.
#define RUNINF_NOT_FOUND_TEXT "Inf file not found.  "
#define RUNINF_NOT_FOUND_SIZE 32
// FileDescription of the version resource: 34 UTF-16 characters and a terminating zero.
#define RUNINF_DESCRIPTION_TEXT "Will install any INF file.        "
#define RUNINF_DESCRIPTION_CHARS 34
