#include "win/platform/toolbar.h"

#include <algorithm>

#include "win/platform/subclass.h"

namespace varnock {

namespace {

HIMAGELIST LoadStrip(const std::string& resource, int size) {
  auto bitmap = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return nullptr;
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32, info.bmWidth / size, 0);
  if (list) ImageList_Add(list, bitmap, nullptr);
  DeleteObject(bitmap);
  return list;
}

// The short part of a hint: the text before the first '|', or the whole hint.
std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

}  // namespace

// The window goes with its parent; the bar gives back only what this object owns.
ToolBarControl::~ToolBarControl() {
  if (hwnd_ && IsWindow(hwnd_)) {
    RemoveSubclass(hwnd_, Subclass, 1);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, 0);
    SendMessageA(hwnd_, TB_SETDISABLEDIMAGELIST, 0, 0);
  }
  if (images_) ImageList_Destroy(images_);
  if (disabledImages_) ImageList_Destroy(disabledImages_);
}

bool ToolBarControl::Create(HWND parent, const ToolBarMetrics& metrics) {
  hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0,
                          0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) return false;
  disabledIds_.clear();  // a new bar's buttons start enabled
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SetMetrics(metrics);
  InstallSubclass(hwnd_, Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

// The old image lists go only once the bar holds the new ones.
void ToolBarControl::SetMetrics(const ToolBarMetrics& metrics) {
  const int size = metrics.images.size;
  HIMAGELIST oldImages = images_;
  HIMAGELIST oldDisabled = disabledImages_;
  images_ = LoadStrip(metrics.images.normal, size);
  disabledImages_ = LoadStrip(metrics.images.disabled, size);
  SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageA(hwnd_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages_));
  if (oldImages) ImageList_Destroy(oldImages);
  if (oldDisabled) ImageList_Destroy(oldDisabled);
  SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(metrics.button.cx, metrics.button.cy));
  separatorWidth_ = metrics.separatorWidth;
  const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON control{};
    SendMessageA(hwnd_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&control));
    if (!(control.fsStyle & BTNS_SEP)) continue;
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(separatorWidth_);
    SendMessageA(hwnd_, TB_SETBUTTONINFOA, static_cast<WPARAM>(control.idCommand), reinterpret_cast<LPARAM>(&info));
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int ToolBarControl::ImageSize() const {
  int width = 0;
  int height = 0;
  if (!images_ || !ImageList_GetIconSize(images_, &width, &height)) return 0;
  return width;
}

SIZE ToolBarControl::ButtonSize() const {
  const DWORD size = static_cast<DWORD>(SendMessageA(hwnd_, TB_GETBUTTONSIZE, 0, 0));
  return SIZE{LOWORD(size), HIWORD(size)};
}

void ToolBarControl::AddButton(const std::string& name, int image, const std::string& hint,
                               std::function<void()> onClick) {
  Insert({name, static_cast<int>(buttons_.size()) + 1, hint, std::move(onClick)}, image, BTNS_BUTTON);
}

void ToolBarControl::AddSeparator(const std::string& name) {
  Insert({name, static_cast<int>(buttons_.size()) + 1, "", nullptr}, separatorWidth_, BTNS_SEP);
}

// `image` is a separator's width.
void ToolBarControl::Insert(const Button& button, int image, BYTE style) {
  TBBUTTON control{};
  control.iBitmap = image;
  control.idCommand = button.id;
  control.fsState = TBSTATE_ENABLED;
  control.fsStyle = style;
  control.iString = -1;
  buttons_.push_back(button);
  SendMessageA(hwnd_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&control));
}

std::vector<std::string> ToolBarControl::Names() const {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON control{};
    SendMessageA(hwnd_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&control));
    const Button* button = FindById(control.idCommand);
    names.push_back(button ? button->name : std::string());
  }
  return names;
}

const ToolBarControl::Button* ToolBarControl::Find(const std::string& name) const {
  for (const Button& button : buttons_)
    if (button.name == name) return &button;
  return nullptr;
}

const ToolBarControl::Button* ToolBarControl::FindById(int id) const {
  for (const Button& button : buttons_)
    if (button.id == id) return &button;
  return nullptr;
}

int ToolBarControl::IdOf(const std::string& name) const {
  const Button* button = Find(name);
  return button ? button->id : 0;
}

void ToolBarControl::SetButtonVisible(const std::string& name, bool visible) {
  if (const int id = IdOf(name)) SendMessageA(hwnd_, TB_HIDEBUTTON, static_cast<WPARAM>(id), visible ? FALSE : TRUE);
}

bool ToolBarControl::ButtonVisible(const std::string& name) const {
  const int id = IdOf(name);
  return id && !SendMessageA(hwnd_, TB_ISBUTTONHIDDEN, static_cast<WPARAM>(id), 0);
}

void ToolBarControl::SetButtonEnabled(const std::string& name, bool enabled) {
  const int id = IdOf(name);
  if (!id) return;
  const auto known = std::find(disabledIds_.begin(), disabledIds_.end(), id);
  if ((known == disabledIds_.end()) == enabled) return;
  if (enabled) disabledIds_.erase(known);
  else disabledIds_.push_back(id);
  SendMessageA(hwnd_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), enabled ? TRUE : FALSE);
}

bool ToolBarControl::ButtonEnabled(const std::string& name) const {
  const int id = IdOf(name);
  return id && SendMessageA(hwnd_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0);
}

void ToolBarControl::SetButtonPressed(const std::string& name, bool pressed) {
  if (const int id = IdOf(name)) SendMessageA(hwnd_, TB_PRESSBUTTON, static_cast<WPARAM>(id), pressed ? TRUE : FALSE);
}

bool ToolBarControl::ButtonPressed(const std::string& name) const {
  const int id = IdOf(name);
  return id && SendMessageA(hwnd_, TB_ISBUTTONPRESSED, static_cast<WPARAM>(id), 0);
}

void ToolBarControl::SetButtonImage(const std::string& name, int image) {
  if (const int id = IdOf(name)) SendMessageA(hwnd_, TB_CHANGEBITMAP, static_cast<WPARAM>(id), image);
}

int ToolBarControl::ButtonImage(const std::string& name) const {
  const int id = IdOf(name);
  return id ? static_cast<int>(SendMessageA(hwnd_, TB_GETBITMAP, static_cast<WPARAM>(id), 0)) : -1;
}

void ToolBarControl::SetHint(const std::string& name, const std::string& hint) {
  for (Button& button : buttons_)
    if (button.name == name) button.hint = hint;
}

std::string ToolBarControl::Hint(const std::string& name) const {
  const Button* button = Find(name);
  return button ? button->hint : std::string();
}

RECT ToolBarControl::ButtonRect(const std::string& name) const {
  RECT rect{};
  if (const int id = IdOf(name))
    SendMessageA(hwnd_, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void ToolBarControl::Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool ToolBarControl::Visible() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

int ToolBarControl::AutoSize() {
  SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

void ToolBarControl::Repaint() { InvalidateRect(hwnd_, nullptr, TRUE); }

bool ToolBarControl::HandleCommand(HWND from, UINT id) {
  if (!hwnd_ || from != hwnd_) return false;
  const Button* button = FindById(static_cast<int>(id));
  if (button && button->onClick) {
    const std::function<void()> run = button->onClick;  // the action may change the bar
    run();
  }
  return true;
}

bool ToolBarControl::HandleNotify(NMHDR* header, LRESULT* result) {
  if (!hwnd_) return false;
  if (header->hwndFrom == reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0)))
    return HandleToolTip(header);
  if (header->hwndFrom != hwnd_) return false;
  const auto* mouse = reinterpret_cast<const NMMOUSE*>(header);
  if (header->code == NM_RCLICK && onRightClick) {
    // Where the button went up, on the screen; the notification's own point is given in
    // client coordinates by some systems and in screen coordinates by others.
    const DWORD where = GetMessagePos();
    onRightClick({static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))});
    *result = TRUE;
    return true;
  }
  if (header->code == NM_CLICK && mouse->dwItemSpec == static_cast<DWORD_PTR>(-1) && onEmptyClick) {
    onEmptyClick();
    return true;
  }
  return false;
}

bool ToolBarControl::HandleToolTip(NMHDR* header) {
  const Button* button = FindById(static_cast<int>(header->idFrom));
  if (!button) return false;
  toolTipText_ = ShortHint(button->hint);
  if (header->code == TTN_GETDISPINFOA) {
    reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = &toolTipText_[0];
    return true;
  }
  if (header->code == TTN_GETDISPINFOW) {
    const int length = MultiByteToWideChar(CP_ACP, 0, toolTipText_.c_str(), -1, nullptr, 0);
    toolTipWide_.assign(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, toolTipText_.c_str(), -1, &toolTipWide_[0], length);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = &toolTipWide_[0];
    return true;
  }
  return false;
}

// The hint follows the button under the mouse, disabled buttons included, which the
// control's own hot tracking skips.
void ToolBarControl::HoverAt(POINT clientPoint) {
  const int index = static_cast<int>(SendMessageA(hwnd_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&clientPoint)));
  int id = 0;
  if (index >= 0) {
    TBBUTTON control{};
    if (SendMessageA(hwnd_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&control)))
      id = control.idCommand;
  }
  if (id == hoveredId_) return;
  hoveredId_ = id;
  const Button* button = FindById(id);
  if (onHint) onHint(button ? button->hint : std::string());
}

LRESULT CALLBACK ToolBarControl::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* bar = reinterpret_cast<ToolBarControl*>(self);
  switch (msg) {
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      bar->HoverAt({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      break;
    }
    case WM_MOUSELEAVE:
      if (bar->hoveredId_ != 0) {
        bar->hoveredId_ = 0;
        if (bar->onHint) bar->onHint("");
      }
      break;
    case WM_NCDESTROY:
      RemoveSubclass(hwnd, Subclass, 1);
      bar->hwnd_ = nullptr;
      break;
  }
  return NextSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace varnock
