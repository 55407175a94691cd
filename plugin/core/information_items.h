#pragma once

#include <cstdint>

#include "ddlib/strpp.h"

// The DD item that plays a standard role for the host, by role id; "" for a role without one.
const char* StandardItemName(std::int32_t role);

// The DD item behind one of the host's special selectors; "" for any other selector.
const char* SpecialItemName(std::int32_t selector);

// Items the host maps to its own: two parallel tables, entry i of the values belonging to
// entry i of the keys, both ending with an empty entry.
extern const char* const g_apszMappedItemKeys[];
extern const char* const g_apszMappedItemValues[];

// The keys that have a non-empty value, joined by ",".
CStrPP MappedItemList(const char* const keys[], const char* const values[]);
// The value of the first entry whose key equals `key`; "" when none does.
CStrPP MappedItemValue(const char* const keys[], const char* const values[], const CStrPP& key);
