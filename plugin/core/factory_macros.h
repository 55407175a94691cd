#pragma once

#include "core/attribute_calculation.h"
#include "core/relation_records.h"
#include "core/variable_record.h"

// Defines the record of one variable, named after the item, and its factory, which runs the
// variable frame on it. The record is a braced VariableRecord initializer.
#define DD_VARIABLE_FACTORY(name, ...)                                                         \
    namespace variable_records {                                                               \
    inline constexpr VariableRecord name = __VA_ARGS__;                                        \
    }                                                                                          \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext ctx, CDDObject* object) { \
        return FillVariable(ctx, object, item::name, variable_records::name);                  \
    }

// Defines the factory of a block object: its block type and its number among the blocks of
// that type.
#define DD_BLOCK_FACTORY(name, type, number)                                                   \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext, CDDObject* object) {     \
        return FillBlock(object, type, number);                                                \
    }

// Defines the members of a collection, `collection_members::name`, and its factory.
#define DD_COLLECTION_FACTORY(name, ...)                                                       \
    namespace collection_members {                                                             \
    inline constexpr MemberRecord name[] = __VA_ARGS__;                                        \
    }                                                                                          \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext, CDDObject* object) {     \
        return FillCollection(object, collection_members::name);                               \
    }

// Defines a unit relation, `unit_relations::name`: the unit variable, then the variables that
// follow its unit, all by item name; and its factory.
#define DD_UNIT_FACTORY(name, unitVariable, ...)                                               \
    namespace unit_relations {                                                                 \
    inline constexpr DDObjectId name##_dependents[] = {__VA_ARGS__};                           \
    inline constexpr UnitRecord name = {unitVariable, name##_dependents};                      \
    }                                                                                          \
    CDDObject* CDeviceAttributeCalculation::Create_##name(DDContext, CDDObject* object) {     \
        return FillUnit(object, unit_relations::name);                                         \
    }
