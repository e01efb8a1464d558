// The close query: the save question and its three answers.
#include "tests/win/harness.h"
#include "win/i18n/message.h"
#include "win/platform/profile.h"
#include "win/settings/settings_file.h"

namespace varnock::test {
namespace {

using CloseQuery = FormTest;

TEST_F(CloseQuery, UnmodifiedTextClosesWithoutAQuestion) {
  EXPECT_TRUE(pad().FormClose());
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(CloseQuery, ModifiedTextAsksAndCancelKeepsTheWindowAndStopsACloseAll) {
  pad().Rich1.ReplaceSelection("typed");
  ASSERT_TRUE(pad().Rich1.Modified());
  ProfileWrite(SettingsFile(), "Instances", "Destroy", "1");
  boxes->answers = {IDCANCEL};
  pad().Close();
  Pump();
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, "Current file has been modified, do you want to save it ?");
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
  EXPECT_TRUE(IsWindow(pad().hwnd()));
  EXPECT_FALSE(ProfileKeyExists(SettingsFile(), "Instances", "Destroy"));
}

TEST_F(CloseQuery, NoClosesWithoutSaving) {
  pad().Rich1.ReplaceSelection("typed");
  boxes->answers = {IDNO};
  EXPECT_TRUE(pad().FormClose());
  EXPECT_EQ(boxes->shown.size(), 1u);
}

TEST_F(CloseQuery, LaterPaintClosesTheWindowWhileTheCloseAllKeyIsPresent) {
  ProfileWrite(SettingsFile(), "Instances", "Destroy", "1");
  HWND window = pad().hwnd();
  InvalidateRect(window, nullptr, TRUE);
  Pump(50);
  EXPECT_FALSE(IsWindow(window));
  ProfileDeleteKey(SettingsFile(), "Instances", "Destroy");
}

}  // namespace
}  // namespace varnock::test
