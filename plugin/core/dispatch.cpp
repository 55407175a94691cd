#include "core/attribute_calculation.h"
#include "core/host_boundary.h"

namespace {

using Self = CDeviceAttributeCalculation;

// Validity function of every variable, menu and method; null for the other kinds.
const std::array<Self::Validity, registry::kTableSize> kValidityTable = [] {
    std::array<Self::Validity, registry::kTableSize> table{};
#define DD_VARIABLE(id, name, type, mask) table[id] = &Self::Validity_##name;
#define DD_MENU(id, name) table[id] = &Self::Validity_##name;
#define DD_METHOD(id, name) table[id] = &Self::Validity_##name;
#include "directory/for_each_item.h"
    return table;
}();

const std::array<Self::Execute, registry::kTableSize> kExecuteTable = [] {
    std::array<Self::Execute, registry::kTableSize> table{};
#define DD_METHOD(id, name) table[id] = &Self::Execute_##name;
#include "directory/for_each_item.h"
    return table;
}();

}  // namespace

bool CDeviceAttributeCalculation::DispatchValidity(DDContext ctx, CDDObject* object,
                                                   enumDDObjectKind kind, const char* kindText) {
    return AnswerOr(false, [&] {
        const DDObjectId id = IdOf(object);
        if (id < 0) return false;
        if (registry::IsKind(id, kind))
            return (this->*kValidityTable[static_cast<std::size_t>(id)])(ctx, object);
        ReportOn(kindText, object);
        return false;
    });
}

bool CDeviceAttributeCalculation::CalculateVariableValidity(DDContext ctx, CDDVariable* variable) {
    return DispatchValidity(ctx, variable, DD_KIND_VARIABLE,
                            "illegal object ID (calculate Variable validity) for object ");
}

bool CDeviceAttributeCalculation::CalculateMenuValidity(DDContext ctx, CDDMenu* menu) {
    return DispatchValidity(ctx, menu, DD_KIND_MENU,
                            "illegal object ID (calculate Menu validity) for object ");
}

bool CDeviceAttributeCalculation::CalculateMethodValidity(DDContext ctx, CDDMethod* method) {
    return DispatchValidity(ctx, method, DD_KIND_METHOD,
                            "illegal object ID (calculate Method validity) for object ");
}

std::int32_t CDeviceAttributeCalculation::ExecuteMethod(DDContext ctx, CDDMethod* method,
                                                        std::int32_t arg, bool noAbortThrow) {
    return AnswerOr(std::int32_t{-1}, [&] {
        const DDObjectId id = IdOf(method);
        if (id < 0) return std::int32_t{-1};
        if (registry::IsKind(id, DD_KIND_METHOD))
            return (this->*kExecuteTable[static_cast<std::size_t>(id)])(ctx, method, arg,
                                                                        noAbortThrow);
        Report(CStrPP(":   0,  0 : illegal method ID (execute)"));
        return std::int32_t{-1};
    });
}
