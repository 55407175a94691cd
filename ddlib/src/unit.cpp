#include "ddlib/unit.h"

#include "record.h"

CDDUnit::CDDUnit(const CDDDefinition& definition) : CDDObject(definition), m_hasUnit(false) {}
CDDUnit::~CDDUnit() = default;

void CDDUnit::putUnit(const CDDDefinition& unit) {
    DD_RECORD("CDDUnit", "putUnit", unit);
    m_unit = unit;
    m_hasUnit = true;
}
void CDDUnit::setReread(CDDVariableDefinitionSet* dependents) {
    DD_RECORD_HANDOVER(m_reread, dependents, "CDDUnit", "setReread",
                       ddlib::detail::Described{dependents ? "CDDVariableDefinitionSet" : "null"});
}
