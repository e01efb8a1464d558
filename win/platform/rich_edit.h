#pragma once
// The text control: a first-version rich edit (a line break counts two positions).
// Every read and write of its text goes through one code page, so the document's
// bytes never change: the ANSI code page normally, 437 while the OEM font shows.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace varnock {

class RichEdit {
 public:
  // `extraStyle` is added to the usual styles, `withoutStyle` taken from them.
  bool Create(HWND parent, int id, DWORD extraStyle = 0, DWORD withoutStyle = 0);
  HWND hwnd() const { return hwnd_; }

  // Sends a message straight to the control's own window procedure, past its subclasses,
  // which have nothing to do with requests. For requests only: keys, characters, the
  // mouse and the context menu must reach the subclasses. `wide` calls the Unicode
  // procedure (no text mapping).
  // Counted as in progress, so Renew never destroys the control inside it.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, bool wide = false) const;
  // Messages sent so far through Send, and reads of the whole text (for measurements).
  static long messagesSent;
  static long wholeTextReads;

  void SetCodePage(UINT codePage) { codePage_ = codePage; }
  UINT CodePage() const { return codePage_; }

  std::string Text() const;
  // Replaces the whole text; the undo history is emptied.
  void SetText(const std::string& text);
  // Empties the control, undo history included. A control of more than 200 rows is
  // replaced by a new, empty window with the same set-up (see Renew).
  void Clear();
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
  void SetFont(HFONT font);
  void ShowHorizontalScrollBar(bool show);
  // Subclasses the control; the subclass outlives Renew.
  void AddSubclass(SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);

  // Puts a new, empty control window in this one's place: same parent, id, styles,
  // place in the z-order, font and default character format, event mask, text limit,
  // options, word wrap, scroll bars, drawing state, subclasses, modified flag and focus.
  // Under Wine, deleting text costs time that grows with the square of the line count
  // (seconds for a full document) while a new window costs a few milliseconds, so a
  // whole text is never deleted from a full control. The undo history starts empty.
  bool Renew();  // false (nothing changed) when no window could be made

  // The live-colouring flag: 1 lets the key handlers recolour the caret line.
  int tag = 1;

  // Whether the control's line index (its rows, while word wrap is off) gives exactly
  // the lines of its text, so the caret's line needs no read of the whole text. Known
  // from what went in: loads and replacements through this wrapper, pastes (the
  // clipboard is looked at), typing (which only ever adds CR LF breaks).
  bool LinesMatchText() const { return linesMatchText_; }
  bool WordWrap() const { return wordWrap_; }
  // Whether the control has the keyboard focus, from the focus messages it received:
  // asking the system is a round trip to the server under Wine, at every keystroke.
  bool HasFocus() const { return focused_; }
  // After the whole text went in some other way (an RTF stream): what it holds.
  void NoteLoadedText(const std::string& text);
  // After a read of the whole text: checks again (with word wrap off), so a paste the
  // clipboard could not vouch for stops costing reads once the lines are found right.
  void CheckLines(const std::string& text);
  // A paste is about to insert the clipboard's text.
  void NotePaste();
  // The control gained or lost the focus.
  void NoteFocus(bool focused) { focused_ = focused; }

 private:
  struct Subclass {
    SUBCLASSPROC proc;
    UINT_PTR id;
    DWORD_PTR data;
  };
  std::string GetTextEx(DWORD flags, long chars) const;
  void CopySetUpTo(HWND fresh) const;
  // Counts the window's messages in progress and hands stray keys of a retired window on.
  void TrackMessagesOf(HWND hwnd) const;
  HWND hwnd_ = nullptr;
  UINT codePage_ = CP_ACP;
  DWORD style_ = 0;
  HFONT font_ = nullptr;
  bool wordWrap_ = false;
  bool horizontalBar_ = true;
  bool redraw_ = true;
  bool linesMatchText_ = true;
  bool focused_ = false;
  std::vector<Subclass> subclasses_;
};

}  // namespace varnock
