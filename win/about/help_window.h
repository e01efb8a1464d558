#pragma once
// The help window: the program's own help, built into the program file. Modeless, one
// per copy: a list of topics and the topic's text, read-only but selectable.
#include <windows.h>

#include <string>
#include <vector>

#include "core/help/help_topics.h"
#include "win/platform/rich_edit.h"
#include "win/platform/window_base.h"

namespace varnock {

class HelpWindow : public WindowBase {
 public:
  static HelpWindow& Instance();

  // Opens the window (made on first use, owned by the owner's top window) at the topic
  // of `context` and brings it to the front.
  void Show(HWND owner, int context);

  const std::vector<HelpTopic>& Topics() const { return topics_; }
  // The topic shown (its id), empty before the first.
  std::string CurrentTopic() const;
  HWND TopicList() const { return list_; }
  RichEdit& Text() { return text_; }
  // The DPI the window lays out at (its sizes are designed at 96 dpi).
  int Dpi() const { return dpi_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HelpWindow();
  bool Make(HWND owner);
  void ShowTopic(size_t index);
  void Layout();

  std::vector<HelpTopic> topics_;
  HWND list_ = nullptr;
  RichEdit text_;
  size_t current_ = static_cast<size_t>(-1);
  int dpi_ = 96;
};

// The topics built into the program file, in order.
std::vector<HelpTopic> BuiltInHelpTopics();

}  // namespace varnock
