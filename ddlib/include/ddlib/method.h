#pragma once

#include <cstdint>

#include "ddlib/class_info.h"
#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"

class DDLIB_API CDDMethod : public CDDObject {
    DD_OBJECT_CLASS(CDDMethod)

  public:
    explicit CDDMethod(const CDDDefinition& definition);
    ~CDDMethod() override;

    CDDMethodClass* getClass() { return &m_class; }
    const CDDMethodClass& classInfo() const { return m_class; }

    void putAccess(std::int32_t access);
    void putValidity(bool valid);

    bool hasAccess() const { return m_hasAccess; }
    std::int32_t getAccess() const { return m_access; }
    bool hasValidity() const { return m_hasValidity; }
    bool getValidity() const { return m_validity; }

  private:
    CDDMethodClass m_class;
    bool m_hasAccess;
    bool m_hasValidity;
    bool m_validity;
    std::int32_t m_access;
};
