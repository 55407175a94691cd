#pragma once

#include "ddlib/class_info.h"
#include "ddlib/common_variant.h"
#include "ddlib/definition.h"
#include "ddlib/enums.h"
#include "ddlib/export.h"
#include "ddlib/object.h"
#include "ddlib/owned.h"
#include "ddlib/type.h"

// Base of variables and arrays.
class DDLIB_API CDDObjectVariable : public CDDObject {
  public:
    explicit CDDObjectVariable(const CDDDefinition& definition);
    ~CDDObjectVariable() override;
};

class DDLIB_API CDDVariable : public CDDObjectVariable {
    DD_OBJECT_CLASS(CDDVariable)

  public:
    explicit CDDVariable(const CDDDefinition& definition);
    ~CDDVariable() override;

    CDDVariableClass* getClass() { return &m_class; }
    const CDDVariableClass& classInfo() const { return m_class; }

    // Takes ownership; frees the type held before.
    void setTypeInfo(CDDType* type);
    CDDType* getTypeInfo() const { return m_type.get(); }

    void putHandling(enumDDVariableHandlingType handling, bool on);
    bool getHandling(enumDDVariableHandlingType handling) const;

    void putConstantUnit(const CStrPP& unit);
    bool hasConstantUnit() const { return m_hasUnit; }
    const CStrPP& getConstantUnit() const { return m_unit; }

    // Takes ownership; frees the list held before.
    void setPostEditActions(CDDDefinitionList* actions);
    CDDDefinitionList* getPostEditActions() const { return m_postEdit.get(); }

    void putValue(const CDDCommonVariant& value);
    bool hasValue() const { return m_hasValue; }
    // The value put last, or else the type's default, or else an empty variant.
    CDDCommonVariant getValue() const;

  private:
    CDDVariableClass m_class;
    DDOwned<CDDType> m_type;
    bool m_read;
    bool m_write;
    bool m_hasUnit;
    bool m_hasValue;
    CStrPP m_unit;
    DDOwned<CDDDefinitionList> m_postEdit;
    CDDCommonVariant m_value;
};

class DDLIB_API CDDArray : public CDDObjectVariable {
    DD_OBJECT_CLASS(CDDArray)

  public:
    explicit CDDArray(const CDDDefinition& definition);
    ~CDDArray() override;
};
