#pragma once
// Menus as a model: a tree of named items turned into a real HMENU (hidden items
// left out) and into an accelerator table. Every item is reachable by its name.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnock {

struct MenuItem {
  std::string name;
  std::string caption;  // "-" for a separator
  std::string hint;
  std::string shortcut;  // "Ctrl+Alt+A", "F3", "Ctrl+Shift+Q", or empty
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  int radioGroup = 0;  // 0: not a radio item
  std::intptr_t tag = 0;
  std::function<void(MenuItem&)> onClick;
  std::vector<std::unique_ptr<MenuItem>> items;
  MenuItem* parent = nullptr;
  UINT id = 0;             // command id, given when added
  HMENU handle = nullptr;  // the real pop-up of a sub-menu while built

  bool IsSeparator() const { return caption == "-"; }
  bool IsSubMenu() const { return !items.empty() || isSubMenu; }
  bool isSubMenu = false;
  MenuItem& Add(std::unique_ptr<MenuItem> child);
  // Checks this radio item and unchecks the others of its group among its siblings.
  void CheckRadio();
};

// Parses a shortcut text into virtual key and FCONTROL/FALT/FSHIFT flags; false if empty.
bool ParseShortcut(const std::string& text, WORD* key, BYTE* flags);

class MenuModel {
 public:
  MenuModel();
  MenuItem& root() { return *root_; }
  const MenuItem& root() const { return *root_; }

  // Adds an item under parent (nullptr: the top level) and gives it a command id.
  MenuItem& Add(MenuItem* parent, const std::string& name, const std::string& caption, const std::string& hint = "",
                const std::string& shortcut = "");
  MenuItem* Find(const std::string& name);
  MenuItem* FindById(UINT id);
  MenuItem* FindByHandle(HMENU handle);
  void Remove(MenuItem& item);

  // Builds a menu bar (or a pop-up menu when popup is true) of the whole tree.
  HMENU Build(bool popup);
  // Refills one real pop-up from its model item (captions, checks, states, visibility).
  void Fill(MenuItem& item);
  HACCEL BuildAccelerators() const;

 private:
  void AppendTo(HMENU menu, MenuItem& item);
  std::unique_ptr<MenuItem> root_;
  UINT nextId_;
};

}  // namespace varnock
