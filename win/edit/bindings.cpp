// The edit and search menus, the inserts of the tools menu and the text's pop-up menu.
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindEditCommands() {
  Bind("EditUndoItem", &TFormPad::EditUndo);
  Bind("PopUndo", &TFormPad::EditUndo);
  Bind("EditCutItem", &TFormPad::EditCut);
  Bind("PopCut", &TFormPad::EditCut);
  Bind("EditCopyItem", &TFormPad::EditCopy);
  Bind("PopCopy", &TFormPad::EditCopy);
  Bind("EditPasteItem", &TFormPad::EditPaste);
  Bind("PopPaste", &TFormPad::EditPaste);
  Bind("EditDeleteItem", &TFormPad::EditDelete);
  Bind("PopDel", &TFormPad::EditDelete);
  Bind("EditSort1", &TFormPad::EditSort1Click);
  Bind("EditSort2", &TFormPad::EditSort2Click);
  Bind("EditJoin", &TFormPad::EditJoinClick);
  Bind("EditSplit", &TFormPad::EditSplitClick);
  Bind("EditIndent1", &TFormPad::EditIndent1Click);
  Bind("EditIndent2", &TFormPad::EditIndent2Click);
  Bind("EditWrapItem", &TFormPad::EditWWrap);
  Bind("PopWrap", &TFormPad::EditWWrap);
  Bind("ToolInsert_1", &TFormPad::ToolInsert_1Click);
  Bind("ToolInsert_2", &TFormPad::ToolInsert_2Click);
  Bind("FindItem", &TFormPad::FindFind);
  Bind("ReplaceItem", &TFormPad::FindReplace);
  Bind("FindNextItem", &TFormPad::FindNext);
}

}  // namespace varnock
