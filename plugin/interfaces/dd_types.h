#pragma once

#include <cstdint>

// The host's opaque value, passed first to every calculate, validity and execute operation
// and handed back unchanged on every host call made on its behalf.
using DDContext = std::uint32_t;

// Object ID of a DD item: 1 to 637; 0 and negative IDs name no item.
using DDObjectId = std::int32_t;
