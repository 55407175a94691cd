#pragma once

#include <cstdint>

// Enumerations of the object model. The plug-in passes them as the numbers that the device
// description uses, so each value is spelled out.

enum enumDDObjectKind : std::int32_t {
    DD_KIND_VARIABLE = 0,
    DD_KIND_COMMAND = 1,
    DD_KIND_MENU = 2,
    DD_KIND_EDIT_DISPLAY = 3,
    DD_KIND_METHOD = 4,
    DD_KIND_REFRESH = 5,
    DD_KIND_UNIT = 6,
    DD_KIND_WRITE_AS_ONE = 7,
    DD_KIND_ARRAY = 8,
    DD_KIND_COLLECTION = 9,
    DD_KIND_ITEM_ARRAY = 10,
    DD_KIND_CONNECTION = 11,
    DD_KIND_BLOCK = 12,
    DD_KIND_RECORD = 13,
    DD_KIND_VARIABLE_LIST = 15,
    DD_KIND_RESPONSE_CODES = 18,
};

enum enumDDVariableType : std::int32_t {
    DD_TYPE_FLOAT = 0,
    DD_TYPE_INTEGER = 2,
    DD_TYPE_UNSIGNED = 3,
    DD_TYPE_ENUMERATED = 4,
    DD_TYPE_BIT_ENUMERATED = 5,
    DD_TYPE_STRING = 7,
    DD_TYPE_TIME_STAMP = 18,
};

// Class flags are numbered 0 to 31; the device uses 9, 11, 12, 14 and 15.
enum enumDDVariableClassType : std::int32_t {};

enum enumDDVariableHandlingType : std::int32_t {
    DD_HANDLING_WRITE = 0,
    DD_HANDLING_READ = 1,
};

enum enumDDBlockType : std::int32_t {
    DD_BLOCK_PHYSICAL = 0,
    DD_BLOCK_TRANSDUCER = 1,
    DD_BLOCK_FUNCTION = 2,
};

enum enumDDBlockKind : std::int32_t { DD_BLOCK_KIND_DEFAULT = 0 };

enum enumDDCommandOperationType : std::int32_t {
    DD_OPERATION_READ = 2,
    DD_OPERATION_WRITE = 3,
};

enum enumDDDataItemType : std::int32_t { DD_DATA_ITEM_REFERENCE = 1 };
