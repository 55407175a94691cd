#include "ddlib/method.h"

#include "record.h"

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
