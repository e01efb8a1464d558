#include "win/app/toolbar_layout.h"

#include <utility>

namespace varnock {

namespace {

ToolButtonLayout Button(const char* name, const char* smallName, const char* entry, const char* runs, int image,
                        const char* hintFrom = nullptr) {
  return {name, smallName, entry, runs, hintFrom ? hintFrom : runs, image, {}};
}

ToolButtonLayout Separator(const char* name, const char* smallName, std::vector<const char*> shownBy) {
  return {name, smallName, nullptr, nullptr, nullptr, 0, std::move(shownBy)};
}

}  // namespace

const std::vector<ToolButtonLayout>& ToolBarLayout() {
  static const std::vector<ToolButtonLayout> layout = {
      Button("ToolButtonNew", "ToolButtonNewSmall", "TB1", "FileNewItem", kImageNew),
      Button("ToolButtonOpen", "ToolButtonOpenSmall", "TB2", "FileOpenItem", kImageOpen),
      Button("ToolButtonSave", "ToolButtonSaveSmall", "TB3", "FileSaveItem", kImageSave),
      Separator("ToolButton1b", "ToolButton1s", {"TB4", "TB5", "TB6"}),
      Button("ToolButtonCut", "ToolButtonCutSmall", "TB4", "EditCutItem", kImageCut),
      Button("ToolButtonCopy", "ToolButtonCopySmall", "TB5", "EditCopyItem", kImageCopy),
      Button("ToolButtonPaste", "ToolButtonPasteSmall", "TB6", "EditPasteItem", kImagePaste),
      Button("ToolButtonUndo", "ToolButtonUndoSmall", "TB7", "EditUndoItem", kImageUndo),
      Separator("ToolButton2b", "ToolButton2s", {"TB8"}),
      Button("ToolButtonWrap", "ToolButtonWrapSmall", "TB8", "EditWrapItem", kImageWrapOff),
      Separator("ToolButton3b", "ToolButton3s", {"TB9", "TB10"}),
      Button("ToolButtonFind", "ToolButtonFindSmall", "TB9", "FindItem", kImageFind),
      Button("ToolButtonReplace", "ToolButtonReplaceSmall", "TB10", "ReplaceItem", kImageReplace),
      Separator("ToolButton4b", "ToolButton4s", {"TB11", "TB14", "TB15"}),
      Button("ToolButtonWizard", "ToolButtonWizardSmall", "TB11", "AffWizardItem", kImageWizard),
      Button("ToolButtonReg", "ToolButtonRegSmall", "TB14", "AffRegItem", kImageReg),
      Button("ToolButtonTest", "ToolButtonTestSmall", "TB15", "AffTestItem", kImageTest),
      Separator("ToolButton5b", "ToolButton5s", {"TB12", "TB13"}),
      Button("ToolButtonAbout", "ToolButtonAboutSmall", "TB12", "HelpAboutItem", kImageAbout),
      // The Help buttons open the INF help but carry the Contents hint.
      Button("ToolButtonHelp", "ToolButtonHelpSmall", "TB13", "HelpINFItem", kImageHelp, "HelpContentsItem"),
  };
  return layout;
}

}  // namespace varnock
