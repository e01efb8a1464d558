// New and open.
#include <fstream>
#include <iterator>

#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::FileNew() {
  Rich1.tag = 0;
  Rich1.SetText("");
  saveDialogFileName.clear();
  wasUnicode = false;
  Rich1.SetModified(false);
  Rich1.EmptyUndo();
  SetTitle();
  Rich1.tag = 1;
}

bool TFormPad::fOpenFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Rich1.SetText(text);
  char full[MAX_PATH * 4];
  saveDialogFileName = GetFullPathNameA(fileName.c_str(), sizeof full, full, nullptr) ? full : fileName;
  Rich1.SetModified(false);
  Rich1.EmptyUndo();
  SetTitle();
  return true;
}

void TFormPad::FileSave() {}

}  // namespace varnock
