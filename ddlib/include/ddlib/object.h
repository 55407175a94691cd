#pragma once

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/persistent.h"
#include "ddlib/strpp.h"
#include "ddlib/unlisted_slots.h"

// Base of every DD object. An object keeps its own copy of the definition it was made from.
class DDLIB_API CDDObject : public CDDPersistent {
  public:
    explicit CDDObject(const CDDDefinition& definition);
    ~CDDObject() override;

    // A new object of the same class holding a deep copy of this one (slot 1).
    virtual CDDObject* Clone() const = 0;
    // The library class name, as a host shows it (slot 2).
    virtual const char* getClassName() const = 0;
    DD_UNLISTED_SLOTS(3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                      24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34);
    // Slot 35, where a host calls it: the definition, never null.
    virtual const CDDDefinition* getcDefinition() const;

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
