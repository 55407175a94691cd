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

// A command line that is not understood, whatever the plug-in holds: an option's value of the
// wrong form.
class UsageError : public CommandError {
  public:
    using CommandError::CommandError;
};

// The refusal of an item whose kind the command does not take: "<name> is a <kind>; <takes>".
CommandError WrongKind(const CDDDefinition& definition, std::string_view takes);

// The directory's object named by an object ID or a DD name (exact, else ignoring case).
// Throws CommandError naming the closest names when there is none.
const CDDObject& ResolveItem(const ReferenceObjectStore& store, std::string_view idOrName);

// Up to `limit` names close to the query: those it begins (case ignored) first, then those
// within a small edit distance, nearest first.
std::vector<std::string> ClosestNames(const std::vector<std::string>& names, std::string_view query,
                                      std::size_t limit = 5);

// "; closest: a, b" for the names close to the query; empty when none is.
std::string ClosestText(const std::vector<std::string>& names, std::string_view query);

// A value typed by the user: an integer if it reads as one, else a floating-point number,
// else a string (taken from UTF-8 to the device's code page).
CDDCommonVariant ParseValue(std::string_view text);

// A whole number that the user typed as an option's value, within `minimum` and `maximum`;
// otherwise throws UsageError: "<subject> takes a whole number from <minimum> to <maximum>, not
// '<text>'".
std::int64_t ParseWholeNumber(std::string_view text, std::string_view subject, std::int64_t minimum,
                              std::int64_t maximum);
std::int32_t ParseInteger(std::string_view text, std::string_view subject);

// The value that `text` gives the variable `name` of this type, checked against the type and
// its size: a whole number that the integer types hold; a number that a floating-point type
// holds, read straight to its four or eight bytes, one too small for them being 0; a text of
// no more characters than the size. A variable whose size is 0 or less holds no value. Throws
// CommandError with one line that names the variable and what it takes.
CDDCommonVariant ParseVariableValue(const std::string& name, const HeldType& type,
                                    std::string_view text);

// Applies "NAME=VALUE" (NAME may be an object ID) to the store's current values, the value
// checked against the variable's type and size as its fill with `ctx` gives them. A setting
// without NAME= is a UsageError.
void ApplySetting(ReferenceObjectStore& store, std::string_view setting, DDContext ctx);

// A method's named parameter from "NAME=INT" (its own integer) or "NAME=@ITEM" (the object ID
// of the item named by ID or name); any other form is a UsageError.
CDDMethodParameter ParseParameter(const ReferenceObjectStore& store, std::string_view parameter);

}  // namespace ddhost
