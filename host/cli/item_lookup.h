#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/object_store.h"

namespace ddhost {

// A request the user made that cannot be carried out; the message says why in one line.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The directory's object named by an object ID or a DD name (exact, else ignoring case).
// Throws CommandError naming the closest names when there is none.
const CDDObject& ResolveItem(const ReferenceObjectStore& store, std::string_view idOrName);

// Up to `limit` names close to the query: those it begins (case ignored) first, then those
// within a small edit distance, nearest first.
std::vector<std::string> ClosestNames(const std::vector<std::string>& names, std::string_view query,
                                      std::size_t limit = 5);

// A value typed by the user: an integer if it reads as one, else a floating-point number,
// else a string (taken from UTF-8 to the device's code page).
CDDCommonVariant ParseValue(std::string_view text);

// A whole number that the user typed, within `minimum` and `maximum`; otherwise throws
// CommandError: "<subject> takes a whole number from <minimum> to <maximum>, not '<text>'".
std::int64_t ParseWholeNumber(std::string_view text, std::string_view subject, std::int64_t minimum,
                              std::int64_t maximum);
std::int32_t ParseInteger(std::string_view text, std::string_view subject);

// The value that `text` gives the variable `name` of this type, checked against the type and
// its size: a whole number that the integer types hold, a finite number that a
// single-precision float holds, a text of no more characters than the size. Throws
// CommandError with one line that names the variable and what it takes.
CDDCommonVariant ParseVariableValue(const std::string& name, const CDDType& type,
                                    std::string_view text);

// Applies "NAME=VALUE" (NAME may be an object ID) to the store's current values, the value
// checked against the variable's type and size as its fill with `ctx` gives them.
void ApplySetting(ReferenceObjectStore& store, std::string_view setting, DDContext ctx);

// A method's named parameter from "NAME=INT" (its own integer) or "NAME=@ITEM" (the object ID
// of the item named by ID or name).
CDDMethodParameter ParseParameter(const ReferenceObjectStore& store, std::string_view parameter);

}  // namespace ddhost
