// The help window: every entry point opens its topic at once from the topics built into
// the program, the contents cover every menu command, and the guide's first INF installs.
#include <algorithm>

#include "core/help/help_topics.h"
#include "tests/win/harness.h"
#include "win/about/help.h"
#include "win/about/help_window.h"
#include "win/colour/form_color.h"

namespace varnock::test {
namespace {

class Help : public FormTest {
 protected:
  HelpWindow& help() { return HelpWindow::Instance(); }
  std::string Shown() { return help().Text().Text(); }
  const HelpTopic& Topic(const std::string& id) {
    const auto& topics = help().Topics();
    auto found = std::find_if(topics.begin(), topics.end(), [&](const HelpTopic& t) { return t.id == id; });
    EXPECT_NE(found, topics.end()) << id;
    return *found;
  }
  void Click(const char* entry) {
    MenuItem* item = pad().Item(entry);
    ASSERT_TRUE(item && item->onClick) << entry;
    item->onClick(*item);
  }
};

TEST_F(Help, EachContextOpensItsTopicAtOnceAndAskingAgainBringsItBack) {
  const std::pair<int, const char*> table[] = {{kHelpInfGuide, "Your first INF file"},
                                               {kHelpContents, "Varnock help"},
                                               {42, "Varnock help"},
                                               {kHelpInfGuide, "Your first INF file"}};
  for (const auto& [context, heading] : table) {
    ShowHelp(pad().hwnd(), context);
    ASSERT_NE(help().hwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(help().hwnd())) << context;
    EXPECT_EQ(help().CurrentTopic(), HelpTopicIdForContext(context));
    EXPECT_EQ(Shown().rfind(heading, 0), 0u) << context << ": " << Shown().substr(0, 40);
    EXPECT_EQ(GetForegroundWindow(), help().hwnd()) << context;
    EXPECT_EQ(SendMessageA(help().TopicList(), LB_GETCURSEL, 0, 0),
              std::find_if(help().Topics().begin(), help().Topics().end(), [&](const HelpTopic& t) {
                return t.id == help().CurrentTopic();
              }) - help().Topics().begin());
    SendMessageA(help().hwnd(), WM_CLOSE, 0, 0);  // closing only hides it
    EXPECT_FALSE(IsWindowVisible(help().hwnd()));
  }
  // Read-only text, and one window however often it is asked for.
  EXPECT_TRUE(GetWindowLongA(help().Text().hwnd(), GWL_STYLE) & ES_READONLY);
  HWND first = help().hwnd();
  ShowHelp(forms->colour.hwnd(), kHelpContents);
  EXPECT_EQ(help().hwnd(), first);
  EXPECT_EQ(GetWindow(first, GW_OWNER), pad().hwnd());
}

TEST_F(Help, MenuKeyAndButtonsOpenTheirTopics) {
  Click("HelpINFItem");
  EXPECT_EQ(help().CurrentTopic(), kHelpInfGuideTopic);
  Click("HelpContentsItem");
  EXPECT_EQ(help().CurrentTopic(), kHelpContentsTopic);
  Click("HelpINFItem");
  MSG f1{pad().Rich1.hwnd(), WM_KEYDOWN, VK_F1, 0, 0, {}};
  ASSERT_TRUE(TranslateAcceleratorA(pad().hwnd(), pad().Accelerators(), &f1));
  Pump();
  EXPECT_EQ(help().CurrentTopic(), kHelpContentsTopic);
  // The toolbar's Help buttons run the INF entry.
  PostMessageA(help().hwnd(), WM_CLOSE, 0, 0);
  Pump();
  SendMessageA(pad().hwnd(), WM_COMMAND, pad().Item("HelpINFItem")->id, 0);
  EXPECT_EQ(help().CurrentTopic(), kHelpInfGuideTopic);
}

TEST_F(Help, ChoosingATopicInTheListShowsIt) {
  ShowHelp(pad().hwnd(), kHelpContents);
  const auto& topics = help().Topics();
  for (size_t i = 0; i < topics.size(); ++i) {
    SendMessageA(help().TopicList(), LB_SETCURSEL, i, 0);
    SendMessageA(help().hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(help().TopicList()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(help().TopicList()));
    EXPECT_EQ(help().CurrentTopic(), topics[i].id);
    EXPECT_GT(Shown().size(), 200u) << topics[i].id;
  }
}

std::string Plain(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') text += caption[++i];
    else if (caption[i] != '&') text += caption[i];
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Entries whose lists are data (folders, toolbar buttons, languages, recent files) are
// described as lists; every command and its shortcut is named as the menu shows it.
void CollectCommands(const MenuItem& item, std::vector<const MenuItem*>& out) {
  for (const auto& child : item.items) {
    if (child->IsSeparator() || child->name.rfind("Old", 0) == 0) continue;
    out.push_back(child.get());
    const bool list = child->name == "AffLDID" || child->name == "HelpFolders" || child->name == "AffCustomize" ||
                      child->name == "AffStrings";
    if (!list) CollectCommands(*child, out);
  }
}

TEST_F(Help, ContentsNameEveryMenuCommandAndShortcut) {
  ShowHelp(pad().hwnd(), kHelpContents);
  const std::string contents = Shown();
  std::vector<const MenuItem*> entries;
  CollectCommands(pad().MainMenu.root(), entries);
  ASSERT_GT(entries.size(), 60u);
  for (const MenuItem* entry : entries) {
    EXPECT_NE(contents.find(Plain(entry->caption)), std::string::npos)
        << entry->name << " \"" << Plain(entry->caption) << "\"";
    if (!entry->shortcut.empty())
      EXPECT_NE(contents.find(Plain(entry->caption) + " (" + entry->shortcut + ")"), std::string::npos) << entry->name;
  }
}

// The first INF of the guide, typed as it stands, installs through the setup library.
TEST_F(Help, TheGuidesFirstInfInstallsThroughTheSetupLibrary) {
  const std::vector<std::string> blocks = HelpCodeBlocks(Topic(kHelpInfGuideTopic).markup);
  ASSERT_FALSE(blocks.empty());
  const std::string folder = TestFolder();
  WriteTextFile(folder + "hello.inf", blocks[0]);
  WriteTextFile(folder + "hello.txt", "Hello!\r\n");
  char programFiles[MAX_PATH] = "";
  ASSERT_TRUE(GetEnvironmentVariableA("ProgramFiles", programFiles, MAX_PATH));
  const std::string installed = std::string(programFiles) + "\\Hello\\hello.txt";
  DeleteFileA(installed.c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Hello");

  std::string command = "rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 " + folder + "hello.inf";
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(
      CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  EXPECT_EQ(ReadTextFile(installed), "Hello!\r\n");
  char value[256] = "";
  DWORD size = sizeof value;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Hello", "Progress", RRF_RT_REG_SZ, nullptr, value, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, "100% done");
  size = sizeof value;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Hello", "Greeting", RRF_RT_REG_SZ, nullptr, value, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, "Hello from my first INF");
  DeleteFileA(installed.c_str());
  RemoveDirectoryA((std::string(programFiles) + "\\Hello").c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Hello");
}

}  // namespace
}  // namespace varnock::test
