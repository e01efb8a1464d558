#include "core/inftools/profile_encoding.h"

#include <cstring>

#include "core/inftools/inf_text.h"

namespace varnock {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

void AppendEscape(std::string& out, unsigned char byte) {
  out += '%';
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

bool IsControlOrWide(unsigned char byte) { return byte < 0x20 || byte >= 0x7F; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EscapeProfileName(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    const bool atEdge = i == 0 || i + 1 == name.size();
    const bool special = std::strchr("%#=[];\"'", byte) != nullptr && byte != 0;
    const bool reservedFirst = i == 0 && (byte == '@' || byte == '!');
    if (special || reservedFirst || IsControlOrWide(byte) || (atEdge && byte == ' ')) {
      AppendEscape(out, byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

std::string EncodeProfileValue(const std::string& value) {
  std::string out = "|";
  out.reserve(value.size() + 2);
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '%' || IsControlOrWide(byte)) {
      AppendEscape(out, byte);
    } else {
      out += c;
    }
  }
  out += '|';
  return out;
}

bool UnescapeProfileText(const std::string& escaped, std::string* text) {
  text->clear();
  text->reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '%') {
      *text += escaped[i];
      continue;
    }
    if (i + 2 >= escaped.size()) return false;
    const int high = HexValue(escaped[i + 1]);
    const int low = HexValue(escaped[i + 2]);
    if (high < 0 || low < 0) return false;
    *text += static_cast<char>((high << 4) | low);
    i += 2;
  }
  return true;
}

bool DecodeProfileValue(const std::string& readBack, std::string* value) {
  if (readBack.size() < 2 || readBack.front() != '|' || readBack.back() != '|') return false;
  return UnescapeProfileText(readBack.substr(1, readBack.size() - 2), value);
}

std::string RemoveOccurrence(const std::string& name) {
  const std::size_t hash = name.find('#');
  return hash == std::string::npos ? name : name.substr(0, hash);
}

std::string UniqueProfileNames::Add(const std::string& escaped) {
  const int occurrence = ++seen_[inftext::UpperAscii(escaped)];
  return occurrence == 1 ? escaped : escaped + "#" + std::to_string(occurrence);
}

}  // namespace varnock
