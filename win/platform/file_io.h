#pragma once
// Whole-file reads and safe writes.
#include <string>

namespace varnock {

enum class ReadResult { Ok, CannotOpen, ReadFailed };

// Reads the whole file, shared for reading and writing by others.
ReadResult ReadWholeFile(const std::string& path, std::string* bytes);

bool FileExists(const std::string& path);
// True when the file exists and can be opened for reading and writing.
bool CanOpenReadWrite(const std::string& path);

// Writes the bytes to a temporary file beside the target and replaces the target only
// once everything is written, so a failed write leaves the old file as it was.
// On failure returns false and a description of the system error.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace varnock
