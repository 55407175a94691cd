#include "ddlib/method.h"

#include "record.h"

CDDMethodParameter::CDDMethodParameter(const CStrPP& name, std::int32_t value, bool isReference)
    : m_name(name), m_value(value), m_isReference(isReference) {}
CDDMethodParameter::~CDDMethodParameter() = default;

CDDMethod::CDDMethod(const CDDDefinition& definition)
    : CDDObject(definition),
      m_hasAccess(false),
      m_hasValidity(false),
      m_validity(false),
      m_access(0) {}
CDDMethod::~CDDMethod() = default;

void CDDMethod::putAccess(std::int32_t access) {
    m_access = access;
    m_hasAccess = true;
    DD_RECORD("CDDMethod", "putAccess", access);
}
void CDDMethod::putValidity(bool valid) {
    m_validity = valid;
    m_hasValidity = true;
    DD_RECORD("CDDMethod", "putValidity", valid);
}

void CDDMethod::AddParameter(const CDDMethodParameter& parameter) {
    DD_RECORD("CDDMethod", "AddParameter", parameter.getName(), parameter.getValue(),
              parameter.isReference());
    m_parameters.push_back(parameter);
}

const CDDMethodParameter* CDDMethod::getParameter(int index) const {
    if (index < 0 || index >= getParameterCount()) return nullptr;
    return &m_parameters[static_cast<std::size_t>(index)];
}
