#pragma once

#include "ddlib/definition.h"
#include "ddlib/export.h"
#include "ddlib/object.h"
#include "ddlib/owned.h"

// A unit relation: the unit variable and the variables that follow its unit.
class DDLIB_API CDDUnit : public CDDObject {
    DD_OBJECT_CLASS(CDDUnit)

  public:
    explicit CDDUnit(const CDDDefinition& definition);
    ~CDDUnit() override;

    void putUnit(const CDDDefinition& unit);
    // Takes ownership; frees the set held before.
    void setReread(CDDVariableDefinitionSet* dependents);

    bool hasUnit() const { return m_hasUnit; }
    const CDDDefinition& getUnit() const { return m_unit; }
    CDDVariableDefinitionSet* getReread() const { return m_reread.get(); }

  private:
    bool m_hasUnit;
    CDDDefinition m_unit;
    DDOwned<CDDVariableDefinitionSet> m_reread;
};
