#include "core/colour/keystroke_recolour.h"

namespace varnock {

namespace {

constexpr unsigned kBack = 0x08, kReturn = 0x0D, kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24,
                   kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E;

bool IsTypingKey(unsigned vk) {
  // Digits and letters, space, the two erasing keys, and the punctuation keys.
  return (vk >= 48 && vk <= 90) || vk == kSpace || vk == kBack || vk == kDelete || vk > 185;
}

}  // namespace

KeystrokeRecolour RecolourForKey(const KeyEvent& key, std::size_t caretLine, bool liveColouring) {
  KeystrokeRecolour r;
  const unsigned vk = key.virtualKey;
  if (key.down && vk == kInsert && key.shift) r.setRecolourPending = true;
  if (!liveColouring) return r;

  const std::size_t line = caretLine;
  if (!key.down) {
    if (key.selectionEmpty && IsTypingKey(vk)) r.lines = {line};
    return r;
  }
  if (vk == kReturn) {
    if (!key.shift && !key.ctrl && !key.alt) r.lines = {line};
    return r;
  }
  if (!key.selectionEmpty) return r;
  switch (vk) {
    case kPrior:
    case kNext:
    case kEnd:
    case kHome:
    case kLeft:
    case kRight: r.lines = {line}; break;
    case kDown: r.lines = {line, line + 1}; break;
    case kUp: r.lines = {line > 0 ? line - 1 : 0, line}; break;
    default: break;
  }
  return r;
}

KeystrokeSteps RecolourStepsForKey(const KeyEvent& key, bool liveColouring) {
  // Any line far from the first gives the steps; the rules only add and subtract.
  constexpr std::size_t kFarLine = 1000;
  const KeystrokeRecolour lines = RecolourForKey(key, kFarLine, liveColouring);
  KeystrokeSteps steps;
  steps.setRecolourPending = lines.setRecolourPending;
  for (const std::size_t line : lines.lines) steps.steps.push_back(static_cast<int>(line) - static_cast<int>(kFarLine));
  return steps;
}

bool KeyNeedsModifiers(bool down, unsigned virtualKey) {
  return down && (virtualKey == kInsert || virtualKey == kReturn);
}

}  // namespace varnock
