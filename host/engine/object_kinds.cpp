#include "engine/object_kinds.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <typeinfo>

#include "engine/plugin_call.h"

namespace ddhost {
namespace {

template <class T>
std::unique_ptr<CDDObject> Make(const CDDDefinition& definition) {
    return MakeBare<T>(definition);
}

template <class T>
bool IsA(const CDDObject& object) {
    return dynamic_cast<const T*>(&object) != nullptr;
}

template <class T>
bool IsExactly(const CDDObject& object) {
    return typeid(object) == typeid(T);
}

template <class T>
CDDObject* CalculateAs(CAttributeCalculation& calculation, DDContext ctx, CDDObject& object) {
    return calculation.CalculateAttributes(ctx, static_cast<T*>(&object));
}

// One row per object kind: its name, its library class and the calculate overload of that
// class.
struct KindRow {
    enumDDObjectKind kind;
    const char* name;
    std::unique_ptr<CDDObject> (*make)(const CDDDefinition&);
    bool (*isA)(const CDDObject&);
    bool (*isExactly)(const CDDObject&);
    CDDObject* (*calculate)(CAttributeCalculation&, DDContext, CDDObject&);
};

template <class T>
constexpr KindRow Row(enumDDObjectKind kind, const char* name) {
    return {kind, name, &Make<T>, &IsA<T>, &IsExactly<T>, &CalculateAs<T>};
}

constexpr KindRow kKinds[] = {
    Row<CDDVariable>(DD_KIND_VARIABLE, "variable"),
    Row<CDDCommand>(DD_KIND_COMMAND, "command"),
    Row<CDDMenu>(DD_KIND_MENU, "menu"),
    Row<CDDEditDisplay>(DD_KIND_EDIT_DISPLAY, "edit display"),
    Row<CDDMethod>(DD_KIND_METHOD, "method"),
    Row<CDDRefresh>(DD_KIND_REFRESH, "refresh relation"),
    Row<CDDUnit>(DD_KIND_UNIT, "unit relation"),
    Row<CDDWriteAsOne>(DD_KIND_WRITE_AS_ONE, "write-as-one relation"),
    Row<CDDArray>(DD_KIND_ARRAY, "array"),
    Row<CDDCollection>(DD_KIND_COLLECTION, "collection"),
    Row<CDDItemArray>(DD_KIND_ITEM_ARRAY, "item array"),
    Row<CDDConnection>(DD_KIND_CONNECTION, "connection"),
    Row<CDDBlock>(DD_KIND_BLOCK, "block"),
    Row<CDDRecord>(DD_KIND_RECORD, "record"),
    Row<CDDVariableList>(DD_KIND_VARIABLE_LIST, "variable list"),
    Row<CDDResponseCodes>(DD_KIND_RESPONSE_CODES, "response codes"),
};

constexpr std::size_t kKindValues = [] {
    std::size_t count = 0;
    for (const KindRow& row : kKinds) count = std::max<std::size_t>(count, row.kind + 1);
    return count;
}();

// The row of each kind value, -1 for a value that no class stands for.
constexpr auto kRowOfKind = [] {
    std::array<int, kKindValues> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < std::size(kKinds); ++i) rows[kKinds[i].kind] = static_cast<int>(i);
    return rows;
}();

const KindRow* FindRow(enumDDObjectKind kind) {
    const auto value = static_cast<std::size_t>(kind);
    if (value >= kRowOfKind.size() || kRowOfKind[value] < 0) return nullptr;
    return &kKinds[kRowOfKind[value]];
}

CDDObject* CalculateByClass(CAttributeCalculation& calculation, DDContext ctx, CDDObject& object) {
    // The definition's kind names the class; an object of another class than its kind names, or
    // of a class derived from it, is sorted out below.
    const KindRow* named = FindRow(object.getcDefinition()->getKind());
    if (named != nullptr && named->isExactly(object)) {
        return named->calculate(calculation, ctx, object);
    }
    // The classes of the table are leaves of the hierarchy, so at most one row matches.
    for (const KindRow& row : kKinds) {
        if (row.isA(object)) return row.calculate(calculation, ctx, object);
    }
    if (auto* variable = dynamic_cast<CDDObjectVariable*>(&object)) {
        return calculation.CalculateAttributes(ctx, variable);
    }
    return calculation.CalculateAttributes(ctx, &object);
}

}  // namespace

std::unique_ptr<CDDObject> MakeObject(const CDDDefinition& definition) {
    const KindRow* row = FindRow(definition.getKind());
    return row ? row->make(definition) : nullptr;
}

CDDObject* Calculate(CAttributeCalculation& calculation, DDContext ctx, CDDObject& object) {
    return IntoPlugin([&] { return CalculateByClass(calculation, ctx, object); });
}

std::string KindName(enumDDObjectKind kind) {
    const KindRow* row = FindRow(kind);
    return row ? row->name : "kind " + std::to_string(static_cast<int>(kind));
}

}  // namespace ddhost
