#pragma once

#include <cstdint>

#include "ddlib/ddlib.h"
#include "interfaces/dd_types.h"
#include "interfaces/host_interfaces.h"

// The plug-in's working interface to the host. The host calls the operations by their
// position, so their order is fixed. The calculate operations fill the object they are given
// and return it; all eighteen behave alike.
class CAttributeCalculation {
  public:
    CAttributeCalculation() = default;
    virtual ~CAttributeCalculation() = default;

    virtual void Attach(AttributeHost* host) = 0;
    virtual bool IsReady() = 0;
    virtual void Detach() = 0;
    virtual void BuildDefinitions() = 0;
    virtual CDDVariable* CalculateAttributes(DDContext ctx, CDDVariable* object) = 0;
    virtual CDDCommand* CalculateAttributes(DDContext ctx, CDDCommand* object) = 0;
    virtual CDDMenu* CalculateAttributes(DDContext ctx, CDDMenu* object) = 0;
    virtual CDDEditDisplay* CalculateAttributes(DDContext ctx, CDDEditDisplay* object) = 0;
    virtual CDDMethod* CalculateAttributes(DDContext ctx, CDDMethod* object) = 0;
    virtual CDDRefresh* CalculateAttributes(DDContext ctx, CDDRefresh* object) = 0;
    virtual CDDUnit* CalculateAttributes(DDContext ctx, CDDUnit* object) = 0;
    virtual CDDWriteAsOne* CalculateAttributes(DDContext ctx, CDDWriteAsOne* object) = 0;
    virtual CDDArray* CalculateAttributes(DDContext ctx, CDDArray* object) = 0;
    virtual bool CalculateMenuValidity(DDContext ctx, CDDMenu* menu) = 0;
    virtual CDDCollection* CalculateAttributes(DDContext ctx, CDDCollection* object) = 0;
    virtual bool CalculateMethodValidity(DDContext ctx, CDDMethod* method) = 0;
    virtual std::int32_t ExecuteMethod(DDContext ctx, CDDMethod* method, std::int32_t arg,
                                       bool noAbortThrow) = 0;
    virtual CDDItemArray* CalculateAttributes(DDContext ctx, CDDItemArray* object) = 0;
    virtual CDDConnection* CalculateAttributes(DDContext ctx, CDDConnection* object) = 0;
    virtual CDDBlock* CalculateAttributes(DDContext ctx, CDDBlock* object) = 0;
    virtual CDDRecord* CalculateAttributes(DDContext ctx, CDDRecord* object) = 0;
    virtual CDDVariableList* CalculateAttributes(DDContext ctx, CDDVariableList* object) = 0;
    virtual bool CalculateVariableValidity(DDContext ctx, CDDVariable* variable) = 0;
    virtual CDDResponseCodes* CalculateAttributes(DDContext ctx, CDDResponseCodes* object) = 0;
    virtual CDDObjectVariable* CalculateAttributes(DDContext ctx, CDDObjectVariable* object) = 0;
    virtual CDDObject* CalculateAttributes(DDContext ctx, CDDObject* object) = 0;
};
