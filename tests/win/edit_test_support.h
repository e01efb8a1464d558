#pragma once
// Helpers shared by the editing tests: menu clicks, the control's text and selection.
#include "tests/win/harness.h"

#include <dlgs.h>

#include <string>
#include <utility>
#include <vector>

#include "win/platform/sound.h"

namespace varnock::test {

// A selection as start and length, as the control reports it.
using Sel = std::pair<long, long>;

// Opens the replace dialog from its menu entry and types the two texts into it.
inline HWND OpenReplaceDialog(TFormPad& pad, const std::string& what, const std::string& with) {
  MenuItem* item = pad.Item("ReplaceItem");
  item->onClick(*item);
  const HWND dialog = pad.ReplaceDialog.hwnd();
  SetDlgItemTextA(dialog, edt1, what.c_str());
  SetDlgItemTextA(dialog, edt2, with.c_str());
  return dialog;
}

// A main window whose beeps are counted instead of sounded.
class EditTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    SetBeepHook([this](UINT type) { beeps.push_back(type); });
  }
  void TearDown() override {
    SetBeepHook(nullptr);
    FormTest::TearDown();
  }

  // Runs a menu entry's handler as a click on it would (main menu or text pop-up).
  void Click(const std::string& name) {
    MenuItem* item = pad().Item(name);
    if (!item) item = pad().PopupMenu.Find(name);
    ASSERT_NE(item, nullptr) << name;
    ASSERT_TRUE(item->onClick) << name;
    item->onClick(*item);
  }
  void Load(const std::string& text, long start = 0, long length = 0) {
    pad().Rich1.SetText(text);
    pad().Rich1.Select(start, length);
  }
  std::string Text() { return pad().Rich1.Text(); }
  Sel Selected() { return {pad().Rich1.SelStart(), pad().Rich1.SelLength()}; }

  std::vector<UINT> beeps;
};

}  // namespace varnock::test
