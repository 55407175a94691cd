#pragma once

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"

// Base of every DD object. An object keeps its own copy of the definition it was made from.
class DDLIB_API CDDObject : public CDDPersistent {
  public:
    explicit CDDObject(const CDDDefinition& definition);
    ~CDDObject() override;

    virtual const CDDDefinition* getcDefinition() const;
    // A new object of the same class holding a deep copy of this one.
    virtual CDDObject* Clone() const = 0;
    // The library class name, as a host shows it.
    virtual const char* getClassName() const = 0;

    void putAttributesAvailable(bool available);
    bool getAttributesAvailable() const { return m_attributesAvailable; }

    void putLabel(const CStrPP& label);
    void putHelp(const CStrPP& help);
    const CStrPP& getLabel() const { return m_label; }
    const CStrPP& getHelp() const { return m_help; }
    bool hasLabel() const { return m_hasLabel; }
    bool hasHelp() const { return m_hasHelp; }

  private:
    CDDDefinition m_definition;
    bool m_attributesAvailable;
    bool m_hasLabel;
    bool m_hasHelp;
    CStrPP m_label;
    CStrPP m_help;
};

// Gives an object class its copy and name operations.
#define DD_OBJECT_CLASS(Name)                                \
  public:                                                    \
    Name* Clone() const override { return new Name(*this); } \
    const char* getClassName() const override { return #Name; }
