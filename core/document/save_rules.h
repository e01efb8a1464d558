#pragma once
// Rules of saving that need no operating system.
#include <cstddef>
#include <string>

namespace varnock {

// Characters of the text without its line breaks (each CR LF pair removed).
std::size_t SaveSizeMeasure(const std::string& text);

// INF and INI texts of 65,536 characters or more (breaks not counted) are too big for
// the setup functions that read them.
bool NeedsSizeQuestion(const std::string& fileName, const std::string& text);

// The save dialog's default extension for a file type (1-based filter index).
std::string DefaultExtensionForFilter(int filterIndex);

// The name as written: a typed name without extension gets the default one.
std::string ApplyDefaultExtension(const std::string& fileName, const std::string& extension);

// The folder part of a path, with its trailing separator; empty when there is none.
std::string FolderOf(const std::string& path);

// The file name without its folder.
std::string NameWithoutFolder(const std::string& path);

}  // namespace varnock
