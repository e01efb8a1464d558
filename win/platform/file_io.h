#pragma once
// Whole-file reads and safe writes.
#include <cstddef>
#include <functional>
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

// Test seam for faults the disk cannot be made to give on demand. Before each piece of
// a safe write the hook is asked with the target path and the bytes written so far; a
// non-zero system error code makes that piece stop half-way and the write fail with
// that error, as a full disk would. Empty (the default) never interferes.
using WriteFaultHook = std::function<unsigned long(const std::string& path, std::size_t written)>;
void SetWriteFaultHook(WriteFaultHook hook);

}  // namespace varnock
