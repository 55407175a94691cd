#include "core/attribute_calculation.h"

namespace {

// Items that are valid only while another item holds a given code: the user-defined units,
// valid while their unit selector holds 253, "user defined".
struct ValidityRule {
    DDObjectId item;
    DDObjectId selector;
    std::int32_t code;
};

constexpr ValidityRule kValidityRules[] = {
    {item::trans1_user_flow_rate_unit, item::trans1_flowrate_unit, 253},
    {item::func2_UserUnit, item::func2_tot_units, 253},
};

constexpr const ValidityRule* FindValidityRule(DDObjectId id) {
    for (const ValidityRule& rule : kValidityRules)
        if (rule.item == id) return &rule;
    return nullptr;
}

}  // namespace

// Every variable, menu and method has its validity function. Most are always valid; the rule
// table above decides for the rest, at every request, from the host's current value. A rule
// needs the directory to name its selector by: asked before the build, it answers false.
#define DD_VALIDITY(id, name)                                                                    \
    bool CDeviceAttributeCalculation::Validity_##name(DDContext ctx, CDDObject* object) {        \
        CTempObjectList temps;                                                                   \
        if constexpr (constexpr const ValidityRule* rule = FindValidityRule(id); rule) {         \
            if (m_definitionTable[static_cast<std::size_t>(rule->selector)] == nullptr) {        \
                ReportOn("object directory not built (calculate Variable validity) for object ", \
                         object);                                                                \
                return false;                                                                    \
            }                                                                                    \
            return CurrentValueTest(ctx, rule->selector, rule->code, true, temps);               \
        } else {                                                                                 \
            (void)ctx;                                                                           \
            (void)object;                                                                        \
            return true;                                                                         \
        }                                                                                        \
    }
#define DD_VARIABLE(id, name, type, mask) DD_VALIDITY(id, name)
#define DD_MENU(id, name) DD_VALIDITY(id, name)
#define DD_METHOD(id, name) DD_VALIDITY(id, name)
#include "directory/for_each_item.h"
