#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/class_info.h"
#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"

// A named parameter that the host gives a method for a run: an integer of its own, or the
// object ID of the item whose current value stands for it.
class DDLIB_API CDDMethodParameter : public CDDPersistent {
  public:
    CDDMethodParameter(const CStrPP& name, std::int32_t value, bool isReference);
    ~CDDMethodParameter() override;

    const CStrPP& getName() const { return m_name; }
    // The integer, or the object ID of the item it refers to.
    std::int32_t getValue() const { return m_value; }
    bool isReference() const { return m_isReference; }

  private:
    CStrPP m_name;
    std::int32_t m_value;
    bool m_isReference;
};

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

    // The named parameters, in the order added; a parameter is copied.
    void AddParameter(const CDDMethodParameter& parameter);
    int getParameterCount() const { return static_cast<int>(m_parameters.size()); }
    // The parameter at that position, or null when there is none.
    const CDDMethodParameter* getParameter(int index) const;

  private:
    CDDMethodClass m_class;
    bool m_hasAccess;
    bool m_hasValidity;
    bool m_validity;
    std::int32_t m_access;
    std::vector<CDDMethodParameter> m_parameters;
};
