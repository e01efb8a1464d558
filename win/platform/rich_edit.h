#pragma once
// The text control: a first-version rich edit (a line break counts two positions).
// Every read and write of its text goes through one code page, so the document's
// bytes never change: the ANSI code page normally, 437 while the OEM font shows.
#include <windows.h>

#include <string>

namespace varnock {

class RichEdit {
 public:
  // `extraStyle` is added to the usual styles, `withoutStyle` taken from them.
  bool Create(HWND parent, int id, DWORD extraStyle = 0, DWORD withoutStyle = 0);
  HWND hwnd() const { return hwnd_; }

  void SetCodePage(UINT codePage) { codePage_ = codePage; }
  UINT CodePage() const { return codePage_; }

  std::string Text() const;
  void SetText(const std::string& text);
  long TextLength() const;
  std::string SelectedText() const;
  // Replaces the selection as typing would (undoable); the caret ends after it.
  void ReplaceSelection(const std::string& text);

  long SelStart() const;
  long SelLength() const;
  void Select(long start, long length);

  bool Modified() const;
  void SetModified(bool modified);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool CanUndo() const;
  void Undo();
  void EmptyUndo();
  void SetWordWrap(bool wrap);
  void SetRedraw(bool on);

  // The live-colouring flag: 1 lets the key handlers recolour the caret line.
  int tag = 1;

 private:
  std::string GetTextEx(DWORD flags, long chars) const;
  HWND hwnd_ = nullptr;
  UINT codePage_ = CP_ACP;
};

}  // namespace varnock
