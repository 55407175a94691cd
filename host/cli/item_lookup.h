#pragma once

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

// Applies "NAME=VALUE" (NAME may be an object ID) to the store's current values.
void ApplySetting(ReferenceObjectStore& store, std::string_view setting);

}  // namespace ddhost
