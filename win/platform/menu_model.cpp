#include "win/platform/menu_model.h"

#include <algorithm>
#include <cctype>

namespace varnock {

namespace {

UINT& NextGlobalId() {
  static UINT next = 1000;  // ids are unique across every menu of the process
  return next;
}

void ForEach(MenuItem& item, const std::function<void(MenuItem&)>& visit) {
  visit(item);
  for (auto& child : item.items) ForEach(*child, visit);
}

MenuItem* FindIf(MenuItem& item, const std::function<bool(const MenuItem&)>& match) {
  if (match(item)) return &item;
  for (auto& child : item.items)
    if (MenuItem* found = FindIf(*child, match)) return found;
  return nullptr;
}

WORD KeyOf(const std::string& token) {
  if (token.size() == 1) return static_cast<WORD>(std::toupper(static_cast<unsigned char>(token[0])));
  if (token.size() >= 2 && (token[0] == 'F' || token[0] == 'f')) {
    const int n = std::atoi(token.c_str() + 1);
    if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
  }
  if (token == "Ins") return VK_INSERT;
  if (token == "Del") return VK_DELETE;
  return 0;
}

}  // namespace

MenuItem& MenuItem::Add(std::unique_ptr<MenuItem> child) {
  child->parent = this;
  items.push_back(std::move(child));
  return *items.back();
}

void MenuItem::CheckRadio() {
  if (parent) {
    for (auto& sibling : parent->items)
      if (sibling->radioGroup == radioGroup) sibling->checked = false;
  }
  checked = true;
}

bool ParseShortcut(const std::string& text, WORD* key, BYTE* flags) {
  if (text.empty()) return false;
  *flags = FVIRTKEY;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type plus = text.find('+', start);
    const std::string token = text.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    if (plus == std::string::npos) {
      *key = KeyOf(token);
      return *key != 0;
    }
    if (token == "Ctrl") *flags |= FCONTROL;
    else if (token == "Alt") *flags |= FALT;
    else if (token == "Shift") *flags |= FSHIFT;
    start = plus + 1;
  }
}

MenuModel::MenuModel() : root_(std::make_unique<MenuItem>()), nextId_(0) {
  root_->name = "";
  root_->isSubMenu = true;
}

MenuItem& MenuModel::Add(MenuItem* parent, const std::string& name, const std::string& caption, const std::string& hint,
                         const std::string& shortcut) {
  auto item = std::make_unique<MenuItem>();
  item->name = name;
  item->caption = caption;
  item->hint = hint;
  item->shortcut = shortcut;
  item->id = NextGlobalId()++;
  MenuItem& owner = parent ? *parent : *root_;
  owner.isSubMenu = true;
  return owner.Add(std::move(item));
}

MenuItem* MenuModel::Find(const std::string& name) {
  return FindIf(*root_, [&](const MenuItem& m) { return !m.name.empty() && m.name == name; });
}

MenuItem* MenuModel::FindById(UINT id) {
  return FindIf(*root_, [&](const MenuItem& m) { return m.id == id && m.parent; });
}

MenuItem* MenuModel::FindByHandle(HMENU handle) {
  return FindIf(*root_, [&](const MenuItem& m) { return m.handle == handle; });
}

void MenuModel::Remove(MenuItem& item) {
  if (!item.parent) return;
  auto& siblings = item.parent->items;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                [&](const std::unique_ptr<MenuItem>& p) { return p.get() == &item; }),
                 siblings.end());
}

HMENU MenuModel::Build(bool popup) {
  ForEach(*root_, [](MenuItem& m) { m.handle = nullptr; });
  root_->handle = popup ? CreatePopupMenu() : CreateMenu();
  Fill(*root_);
  return root_->handle;
}

void MenuModel::Fill(MenuItem& item) {
  if (!item.handle) return;
  while (GetMenuItemCount(item.handle) > 0) {
    // Sub-menus are rebuilt below; detach them first so they are not destroyed twice.
    RemoveMenu(item.handle, 0, MF_BYPOSITION);
  }
  for (auto& child : item.items)
    if (child->visible) AppendTo(item.handle, *child);
}

void MenuModel::AppendTo(HMENU menu, MenuItem& item) {
  if (item.IsSeparator()) {
    AppendMenuA(menu, MF_SEPARATOR, item.id, nullptr);
    return;
  }
  std::string text = item.caption;
  if (!item.shortcut.empty()) text += "\t" + item.shortcut;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
  info.fType = item.radioGroup ? MFT_RADIOCHECK : MFT_STRING;
  info.fState = (item.checked ? MFS_CHECKED : 0) | (item.enabled ? MFS_ENABLED : MFS_DISABLED);
  info.wID = item.id;
  info.dwTypeData = &text[0];
  if (item.IsSubMenu()) {
    if (!item.handle) item.handle = CreatePopupMenu();
    Fill(item);
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = item.handle;
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

HACCEL MenuModel::BuildAccelerators() const {
  std::vector<ACCEL> table;
  std::function<void(const MenuItem&)> collect = [&](const MenuItem& m) {
    ACCEL accel{};
    if (m.parent && ParseShortcut(m.shortcut, &accel.key, &accel.fVirt)) {
      accel.cmd = static_cast<WORD>(m.id);
      table.push_back(accel);
    }
    for (const auto& child : m.items) collect(*child);
  };
  collect(*root_);
  if (table.empty()) return nullptr;
  return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

}  // namespace varnock
