#include "core/attribute_calculation.h"

namespace {
// The class flags that a factory clears before it sets its item's own, in the order the
// generated code has always cleared them.
constexpr std::int32_t kResetClassFlags[] = {2, 15, 14, 9, 10, 11, 16, 13, 18, 12};

void ClearClassFlags(CDDClassInfo* classInfo) {
    for (std::int32_t flag : kResetClassFlags)
        classInfo->putClassInfo(static_cast<enumDDVariableClassType>(flag), false);
}
}  // namespace

void CDeviceAttributeCalculation::ResetVariableClass(CDDVariableClass* classInfo) {
    ClearClassFlags(classInfo);
}

void CDeviceAttributeCalculation::ResetMethodClass(CDDMethodClass* classInfo) {
    ClearClassFlags(classInfo);
}

void CDeviceAttributeCalculation::ResetVariableHandling(CDDVariable* variable) {
    variable->putHandling(DD_HANDLING_WRITE, false);
    variable->putHandling(DD_HANDLING_READ, false);
}

// Without a host to ask, without a directory to name the item by, or when the host has no
// value for it, the value is empty: it equals no code.
CDDCommonVariant& CDeviceAttributeCalculation::FetchCurrentValue(DDContext ctx, DDObjectId id,
                                                                 CTempObjectList& temps) {
    const CDDDefinition* definition = id > 0 && id <= registry::kMaxId
                                          ? m_definitionTable[static_cast<std::size_t>(id)]
                                          : nullptr;
    CDDCommonVariant* value = m_host != nullptr && definition != nullptr
                                  ? m_host->GetObjectStore()->GetCurrentValue(ctx, *definition)
                                  : nullptr;
    return *temps.Add(value != nullptr ? value : new CDDCommonVariant);
}

bool CDeviceAttributeCalculation::CurrentValueTest(DDContext ctx, DDObjectId id, std::int32_t code,
                                                   bool equal, CTempObjectList& temps) {
    // The comparand exists before the fetch and goes before the answer is used.
    const CDDCommonVariant comparand(static_cast<int>(code));
    const CDDCommonVariant& value = FetchCurrentValue(ctx, id, temps);
    return equal ? value == comparand : value != comparand;
}
