#pragma once
// Errors that stop a property evaluation. A text that is not a number raises
// ConversionError (core/fields/control.h); undefined arithmetic raises
// ArithmeticError. The window reports either and keeps the field's value.
#include <stdexcept>
#include <string>

#include "core/fields/control.h"

namespace tharvex::props {

struct ArithmeticError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads a number the way property texts write them ("." decimal point,
// blanks around allowed); throws ConversionError when it is not one.
double ToNumber(std::string_view text);

}  // namespace tharvex::props
