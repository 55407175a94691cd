#pragma once

#include <span>

#include "interfaces/dd_types.h"

// One member of a collection: its name, the item it refers to and its description. Every
// member's help is the empty text.
struct MemberRecord {
    const char* name;
    DDObjectId item;
    const char* description;
};

// A unit relation: the unit variable and the variables that follow its unit, in order.
struct UnitRecord {
    DDObjectId unit;
    std::span<const DDObjectId> dependents;
};
