#pragma once
// The buttons of both toolbars, in the order they stand: their names on the large and the
// small bar, the customisation entry that shows them, the menu entry whose command they
// run and the one whose hint they carry. Separators are listed with the entries of which
// one checked shows them.
#include <vector>

namespace varnock {

// Image positions in the toolbar strips (res/toolbar/make-images.sh draws them in this order).
enum ToolBarImage {
  kImageNew,
  kImageOpen,
  kImageSave,
  kImageCut,
  kImageCopy,
  kImagePaste,
  kImageUndo,
  kImageWrapOn,
  kImageWrapOff,
  kImageFind,
  kImageReplace,
  kImageWizard,
  kImageReg,
  kImageTest,
  kImageAbout,
  kImageHelp
};

struct ToolButtonLayout {
  const char* name;       // on the large bar
  const char* smallName;  // on the small bar
  const char* entry;      // the TB entry that shows the button; nullptr for a separator
  const char* runs;       // the menu entry whose click the button runs
  const char* hintFrom;   // the menu entry whose hint the button carries
  int image;
  std::vector<const char*> shownBy;  // separators: the TB entries that show them
  bool IsSeparator() const { return entry == nullptr; }
};

const std::vector<ToolButtonLayout>& ToolBarLayout();

}  // namespace varnock
