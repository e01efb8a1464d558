#pragma once
// The Windows-1252 ("Western") code page as a REG text codec, for a program that has
// no system code page to ask (the command-line companion off Windows). It converts as
// the system does for that code page: the five bytes the code page leaves unassigned
// stand for the control characters of the same number, and a character the code page
// lacks becomes "?" and makes the conversion inexact.
#include "core/inftools/reg_codec.h"

namespace varnock {

RegCodec Windows1252Codec();

char16_t Windows1252ToUnicode(unsigned char byte);
// False when the character has no byte in the code page.
bool UnicodeToWindows1252(char16_t unit, unsigned char* byte);

}  // namespace varnock
