#include "ddlib/object.h"

#include "record.h"

CDDObject::CDDObject(const CDDDefinition& definition)
    : m_definition(definition), m_attributesAvailable(false), m_hasLabel(false), m_hasHelp(false) {}
CDDObject::~CDDObject() = default;

const CDDDefinition* CDDObject::getcDefinition() const { return &m_definition; }

void CDDObject::putAttributesAvailable(bool available) {
    m_attributesAvailable = available;
    DD_RECORD(getClassName(), "putAttributesAvailable", available);
}
void CDDObject::putLabel(const CStrPP& label) {
    DD_RECORD(getClassName(), "putLabel", label);
    m_label = label;
    m_hasLabel = true;
}
void CDDObject::putHelp(const CStrPP& help) {
    DD_RECORD(getClassName(), "putHelp", help);
    m_help = help;
    m_hasHelp = true;
}
