#include <memory>

#include "core/attribute_calculation.h"

CDDObject* CDeviceAttributeCalculation::FillCollection(CDDObject* object,
                                                       std::span<const MemberRecord> members) {
    auto* collection = static_cast<CDDCollection*>(object);
    CTempObjectList temps;
    collection->putLabel(CStrPP(""));
    collection->setMemberSet(new CDDMemberSet);
    for (const MemberRecord& record : members) {
        const std::unique_ptr<CDDMember> member(new CDDMember(CStrPP(record.name)));
        member->putDefinition(*m_definitionTable[static_cast<std::size_t>(record.item)]);
        member->putDescription(CStrPP(record.description));
        member->putHelp(CStrPP(""));
        collection->getMemberSet()->Add(*member);
    }
    collection->putAttributesAvailable(true);
    return collection;
}

CDDObject* CDeviceAttributeCalculation::FillUnit(CDDObject* object, const UnitRecord& record) {
    auto* unit = static_cast<CDDUnit*>(object);
    CTempObjectList temps;
    unit->putUnit(*m_definitionTable[static_cast<std::size_t>(record.unit)]);
    unit->setReread(new CDDVariableDefinitionSet);
    for (DDObjectId dependent : record.dependents)
        unit->getReread()->Insert(*m_definitionTable[static_cast<std::size_t>(dependent)]);
    unit->putAttributesAvailable(true);
    return unit;
}
