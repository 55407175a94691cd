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
// {"id", "name", "kind"}
Json Describe(const CDDDefinition& definition);
// Every attribute of the object, with "id", "name", "kind" and "class" first.
Json Describe(const CDDObject& object);

// The directory as the store received it: objects, transaction sets, variable sets.
Json DescribeDirectory(const ReferenceObjectStore& store);

}  // namespace ddhost
