#pragma once
// The extension of a document name as the kind and font decisions compare it.
#include <string>

namespace varnock {

// The extension of the last path component, from its last "." on (dot included),
// upper-cased (ASCII); empty when the name has none. A dot in a folder name is not an
// extension: "C:\\My.App\\setup" has none, so its content decides its kind.
std::string UpperCaseExtension(const std::string& fileName);

}  // namespace varnock
