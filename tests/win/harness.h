#pragma once
// In-process test harness: a real main window under Wine, a private program folder
// and scripted message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "win/app/forms.h"
#include "win/platform/prompter.h"

namespace varnock::test {

// Handles every pending message, then keeps pumping for ms milliseconds.
void Pump(DWORD ms = 0);

// The temporary folder the tests use as the program's folder (emptied per fixture).
std::string TestFolder();
void WriteTextFile(const std::string& path, const std::string& bytes);
std::string ReadTextFile(const std::string& path);

// Records every message box and answers from a queue (IDOK when it runs dry).
struct ScriptedBoxes {
  ScriptedBoxes();
  ~ScriptedBoxes();
  std::vector<PromptRequest> shown;
  std::vector<int> answers;
};

// A fixture with the four forms created and the first paint done.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Recreates the forms (for example after writing a language file).
  void Restart(const std::string& commandLine = "");
  TFormPad& pad() { return forms->pad; }
  std::string Title() const;
  std::string PanelText(int index) const;
  std::unique_ptr<Forms> forms;
  std::unique_ptr<ScriptedBoxes> boxes;
};

}  // namespace varnock::test
