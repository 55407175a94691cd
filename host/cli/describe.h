#pragma once

#include <nlohmann/json.hpp>

#include "engine/object_store.h"

namespace ddhost {

// Keys keep the order in which they are written.
using Json = nlohmann::ordered_json;

// JSON views of what the library holds, texts in UTF-8. Attributes that were never put are
// left out.

Json Describe(const CStrPP& text);
// Integers as integers, floating point as numbers, strings as strings, empty as null.
Json Describe(const CDDCommonVariant& value);
// A value as the host holds it for a variable of the type: a four-byte number that is shown
// otherwise than the double it widens to (ShownText) is a number given by its text.
Json Describe(const HeldType* type, const CDDCommonVariant& value);

// A number written with exactly the digits of `text` (JsonText writes it as it is), for a value
// whose shortest text as a double is not the one to show. It travels as a binary value of its
// own subtype, which no other JSON of ddhost holds.
Json NumberWithText(std::string_view text);
// The text of such a number; null for any other JSON.
const std::vector<std::uint8_t>* NumberTextOf(const Json& json);
// {"id", "name", "kind"}
Json Describe(const CDDDefinition& definition);
// Every attribute of the object, with "id", "name", "kind" and "class" first.
Json Describe(const CDDObject& object);

// The directory as the store received it: objects, transaction sets, variable sets.
Json DescribeDirectory(const ReferenceObjectStore& store);

}  // namespace ddhost
