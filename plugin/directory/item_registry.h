#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "ddlib/enums.h"
#include "interfaces/dd_types.h"

// Object IDs by DD name: `item::func1_out_value` is 222. Generated from the item registry.
namespace item {
enum Id : DDObjectId {
#define DD_ITEM_ROW(kind, id, name) name = id,
#include "directory/for_each_item.h"
};
}  // namespace item

namespace registry {

// The highest object ID; the ID-indexed tables have one entry more, for the unused ID 0.
inline constexpr DDObjectId kMaxId = 637;
inline constexpr std::size_t kTableSize = kMaxId + 1;

// Marks ID 0, which names no item, in the kind table.
inline constexpr std::int32_t kNoKind = -1;

struct ItemInfo {
    DDObjectId id;
    std::int32_t kind;  // an enumDDObjectKind, or kNoKind for ID 0
    const char* name;
    // Variables only: the type and class mask the directory gives them.
    std::int32_t type;
    std::uint32_t classMask;
};

// Every item, indexed by object ID.
inline constexpr std::array<ItemInfo, kTableSize> kItems = {{
    {0, kNoKind, "", 0, 0},
#define DD_VARIABLE(id, name, type, mask) {id, DD_KIND_VARIABLE, #name, type, mask},
#define DD_ITEM_ROW(kind, id, name) {id, kind, #name, 0, 0},
#include "directory/for_each_item.h"
}};

constexpr bool IdsAreDense() {
    for (std::size_t i = 0; i < kItems.size(); ++i)
        if (kItems[i].id != static_cast<DDObjectId>(i)) return false;
    return true;
}
static_assert(IdsAreDense(), "the registry lists IDs 1 to 637 in order, each once");

constexpr bool IsKind(DDObjectId id, enumDDObjectKind kind) {
    return id > 0 && id <= kMaxId && kItems[static_cast<std::size_t>(id)].kind == kind;
}

// Data-item variables of every command, by command.
struct CommandRow {
    DDObjectId command;
    DDObjectId block;
    std::int32_t index;
    enumDDCommandOperationType operation;
    std::span<const DDObjectId> items;
};

namespace command_items {
using namespace item;
#define DD_COMMAND(id, name, block, index, op, ...) \
    inline constexpr DDObjectId name##_items[] = {__VA_ARGS__};
#include "directory/for_each_item.h"
}  // namespace command_items

namespace command_rows {
using namespace item;
#define DD_COMMAND(id, name, block, index, op, ...)                                  \
    inline constexpr CommandRow name = {id, block, index,                            \
                                        static_cast<enumDDCommandOperationType>(op), \
                                        command_items::name##_items};
#include "directory/for_each_item.h"
}  // namespace command_rows

// The command rows in ascending ID order.
inline constexpr CommandRow kCommandRows[] = {
#define DD_COMMAND(id, name, block, index, op, ...) command_rows::name,
#include "directory/for_each_item.h"
};

// The variables in the order in which the directory hands over their variable sets.
inline constexpr DDObjectId kVariableSetOrder[] = {
#define DD_VARIABLE_SET(name) item::name,
#include "directory/variable_sets.def"
#undef DD_VARIABLE_SET
};

}  // namespace registry
