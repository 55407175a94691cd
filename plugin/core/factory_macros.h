#pragma once

#include "core/attribute_calculation.h"
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
