// Subclass chains kept in the process: the latest subclass first, each passing the
// message on down to the window's own procedure, a subclass leaving in the middle of a
// message, a message sent again from inside one, and the window's end.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/platform/subclass.h"

namespace varnock::test {
namespace {

constexpr UINT kProbe = WM_APP + 7;
// What a subclass does with the probe besides noting its name (the probe's wParam).
enum Action : WPARAM { kPass, kLeave, kSendAgain, kSwallow };

std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}

LRESULT CALLBACK Own(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kProbe) return DefWindowProcW(hwnd, msg, wp, lp);
  Calls().push_back("window");
  return 100;
}

// Subclass 2 acts on the probe; subclass 1 only passes it on. Each adds 1 to the answer.
LRESULT CALLBACK Noting(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  const std::string name = reinterpret_cast<const char*>(data);
  if (msg == WM_NCDESTROY) Calls().push_back("end of " + name);
  if (msg != kProbe) return NextSubclassProc(hwnd, msg, wp, lp);
  Calls().push_back(name);
  if (id == 2 && wp == kLeave) RemoveSubclass(hwnd, Noting, 1);
  if (id == 2 && wp == kSwallow) return 7;
  if (id == 2 && wp == kSendAgain) {
    SendMessageW(hwnd, kProbe, kPass, 0);
    Calls().push_back("back in " + name);
  }
  return NextSubclassProc(hwnd, msg, wp, lp) + 1;
}

HWND ChainedWindow() {
  static const ATOM registered = [] {
    WNDCLASSW type{};
    type.lpfnWndProc = Own;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"VarnockSubclassTest";
    return RegisterClassW(&type);
  }();
  EXPECT_NE(registered, 0);
  HWND hwnd = CreateWindowW(L"VarnockSubclassTest", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  EXPECT_TRUE(InstallSubclass(hwnd, Noting, 1, reinterpret_cast<DWORD_PTR>("first")));
  EXPECT_TRUE(InstallSubclass(hwnd, Noting, 2, reinterpret_cast<DWORD_PTR>("second")));
  Calls().clear();
  return hwnd;
}

TEST(SubclassChain, CallsTheLatestFirstAndPassesEachMessageDown) {
  struct Case {
    WPARAM action;
    LRESULT answer;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {kPass, 102, {"second", "first", "window"}},
      {kSwallow, 7, {"second"}},
      {kLeave, 101, {"second", "window"}},  // a subclass that left sees nothing more
      {kSendAgain, 102, {"second", "second", "first", "window", "back in second", "first", "window"}},
  };
  for (const Case& c : cases) {
    HWND hwnd = ChainedWindow();
    EXPECT_EQ(SendMessageW(hwnd, kProbe, c.action, 0), c.answer) << c.action;
    EXPECT_EQ(Calls(), c.calls) << c.action;
    DestroyWindow(hwnd);
  }
}

TEST(SubclassChain, LeavingAndReinstallingChangeOnlyWhatTheySay) {
  HWND hwnd = ChainedWindow();
  SendMessageW(hwnd, kProbe, kLeave, 0);
  Calls().clear();
  EXPECT_EQ(SendMessageW(hwnd, kProbe, kPass, 0), 101);  // and stays out
  EXPECT_EQ(Calls(), (std::vector<std::string>{"second", "window"}));
  // The same procedure and id again: new data, no second entry.
  EXPECT_TRUE(InstallSubclass(hwnd, Noting, 2, reinterpret_cast<DWORD_PTR>("renamed")));
  Calls().clear();
  SendMessageW(hwnd, kProbe, kPass, 0);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"renamed", "window"}));
  // Every subclass sees the window's end, and the chain goes with the window.
  Calls().clear();
  DestroyWindow(hwnd);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"end of renamed"}));
  EXPECT_EQ(NextSubclassProc(hwnd, kProbe, kPass, 0), 0);
  EXPECT_FALSE(InstallSubclass(nullptr, Noting, 1, 0));
}

}  // namespace
}  // namespace varnock::test
