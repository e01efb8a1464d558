#pragma once
// The AddReg fields that store one REG value: what follows `ROOT,"SUBKEY",` on the
// line. Each form was checked against the setup library: it installs the value byte
// for byte where the kind is Exact.
#include <cstddef>
#include <string>

#include "core/inftools/reg_codec.h"
#include "core/inftools/reg_data.h"
#include "core/inftools/reg_profile.h"

namespace varnock {

enum class AddRegFieldsKind {
  Exact,            // the fields install exactly the REG data
  Inexact,          // the closest the setup library can store; say so beside it
  DefaultDeletion,  // `@=-`: AddReg cannot delete a default value
  Unwritable,       // malformed data, or a type AddReg cannot name
};

struct AddRegFields {
  AddRegFieldsKind kind = AddRegFieldsKind::Unwritable;
  std::string text;
};

// `nameField` is the quoted value name, or empty for the default value. `format` says
// how hex(1), hex(2) and hex(7) bytes are encoded (8-bit text or UTF-16LE). `room` is
// what one line leaves for the fields: a multi-string whose quoted strings pass it is
// written as its bytes, which can be continued over several lines at any byte.
AddRegFields AddRegFieldsFor(const std::string& nameField, const RegData& data, RegFormat format, const RegCodec& codec,
                             std::size_t room = std::string::npos);

}  // namespace varnock
