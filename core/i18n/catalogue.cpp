#include "core/i18n/catalogue.h"

#include "core/i18n/message_table.h"

namespace varnock {

const char* BuiltInMessage(const std::string& key) {
  for (const MessageDefault& entry : MessageTable()) {
    if (key == entry.key) return entry.text;
  }
  return nullptr;
}

std::string ReplaceBackslashR(std::string text) {
  for (;;) {
    const std::string::size_type at = text.find("\\r");
    if (at == std::string::npos) return text;
    text.replace(at, 2, "\r");
  }
}

std::string ResolveMessage(const std::string& key, const std::string& fileValue) {
  std::string text = ReplaceBackslashR(fileValue);
  if (text != kLocSentinel) return text;
  const char* builtIn = BuiltInMessage(key);
  return builtIn ? builtIn : kLocError;
}

}  // namespace varnock
