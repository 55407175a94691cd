#include "ddlib/variable.h"

#include "record.h"

namespace {
ddlib::detail::Described Describe(const CDDType* type) {
    if (type == nullptr) return {"null"};
    return {"CDDType(" + std::to_string(type->getType()) + ")"};
}
ddlib::detail::Described Describe(const CDDDefinitionList* list) {
    if (list == nullptr) return {"null"};
    std::string text = "CDDDefinitionList(";
    for (int i = 0; i < list->getCount(); ++i) {
        if (i > 0) text += ", ";
        text += list->getItem(i).definition.name().ptr();
    }
    return {text + ")"};
}
}  // namespace

CDDObjectVariable::CDDObjectVariable(const CDDDefinition& definition) : CDDObject(definition) {}
CDDObjectVariable::~CDDObjectVariable() = default;

CDDVariable::CDDVariable(const CDDDefinition& definition)
    : CDDObjectVariable(definition),
      m_read(false),
      m_write(false),
      m_hasUnit(false),
      m_hasValue(false) {}
CDDVariable::~CDDVariable() = default;

void CDDVariable::setTypeInfo(CDDType* type) {
    DD_RECORD_HANDOVER(m_type, type, "CDDVariable", "setTypeInfo", Describe(type));
}

void CDDVariable::putHandling(enumDDVariableHandlingType handling, bool on) {
    if (handling == DD_HANDLING_READ) m_read = on;
    if (handling == DD_HANDLING_WRITE) m_write = on;
    DD_RECORD("CDDVariable", "putHandling", static_cast<std::int32_t>(handling), on);
}

bool CDDVariable::getHandling(enumDDVariableHandlingType handling) const {
    return handling == DD_HANDLING_READ ? m_read : handling == DD_HANDLING_WRITE && m_write;
}

void CDDVariable::putConstantUnit(const CStrPP& unit) {
    DD_RECORD("CDDVariable", "putConstantUnit", unit);
    m_unit = unit;
    m_hasUnit = true;
}

void CDDVariable::setPostEditActions(CDDDefinitionList* actions) {
    DD_RECORD_HANDOVER(m_postEdit, actions, "CDDVariable", "setPostEditActions", Describe(actions));
}

void CDDVariable::putValue(const CDDCommonVariant& value) {
    DD_RECORD("CDDVariable", "putValue", value);
    m_value = value;
    m_hasValue = true;
}

CDDCommonVariant CDDVariable::getValue() const {
    if (m_hasValue) return m_value;
    if (m_type.get() && m_type.get()->hasDefaultValue()) return m_type.get()->getDefaultValue();
    return CDDCommonVariant();
}

CDDArray::CDDArray(const CDDDefinition& definition) : CDDObjectVariable(definition) {}
CDDArray::~CDDArray() = default;
