#include "ddlib/collection.h"

#include "record.h"

CDDMember::CDDMember(const CStrPP& name) : m_name(name) {}
CDDMember::~CDDMember() = default;

void CDDMember::putDefinition(const CDDDefinition& definition) {
    DD_RECORD("CDDMember", "putDefinition", definition);
    m_definition = definition;
}
void CDDMember::putDescription(const CStrPP& text) {
    DD_RECORD("CDDMember", "putDescription", text);
    m_description = text;
}
void CDDMember::putHelp(const CStrPP& text) {
    DD_RECORD("CDDMember", "putHelp", text);
    m_help = text;
}

CDDMemberSet::CDDMemberSet() = default;
CDDMemberSet::~CDDMemberSet() = default;

void CDDMemberSet::Add(const CDDMember& member) {
    DD_RECORD("CDDMemberSet", "Add", member.getName());
    m_items.push_back(member);
}

const CDDMember* CDDMemberSet::getItem(const CStrPP& name) const {
    for (const CDDMember& member : m_items)
        if (member.getName() == name) return &member;
    return nullptr;
}

CDDCollection::CDDCollection(const CDDDefinition& definition) : CDDObject(definition) {}
CDDCollection::~CDDCollection() = default;

void CDDCollection::setMemberSet(CDDMemberSet* members) {
    DD_RECORD_HANDOVER(m_members, members, "CDDCollection", "setMemberSet",
                       ddlib::detail::Described{members ? "CDDMemberSet" : "null"});
}
