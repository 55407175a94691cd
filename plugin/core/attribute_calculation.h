#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "core/relation_records.h"
#include "core/temp_object_list.h"
#include "core/variable_record.h"
#include "ddlib/ddlib.h"
#include "directory/item_registry.h"
#include "interfaces/attribute_calculation.h"
#include "interfaces/host_interfaces.h"

// One run of a method body (methods/method_run.h).
struct MethodRun;

// The attribute-calculation object: dispatches every request of the host by object ID to the
// generated code of the item.
class CDeviceAttributeCalculation : public CAttributeCalculation {
  public:
    using Factory = CDDObject* (CDeviceAttributeCalculation::*)(DDContext, CDDObject*);
    using Validity = bool (CDeviceAttributeCalculation::*)(DDContext, CDDObject*);
    using Execute = std::int32_t (CDeviceAttributeCalculation::*)(DDContext, CDDMethod*,
                                                                  std::int32_t, bool);

    CDeviceAttributeCalculation();
    ~CDeviceAttributeCalculation() override;
    CDeviceAttributeCalculation(const CDeviceAttributeCalculation&) = delete;
    CDeviceAttributeCalculation& operator=(const CDeviceAttributeCalculation&) = delete;

    void Attach(AttributeHost* host) override;
    bool IsReady() override;
    void Detach() override;
    void BuildDefinitions() override;
    CDDVariable* CalculateAttributes(DDContext ctx, CDDVariable* object) override;
    CDDCommand* CalculateAttributes(DDContext ctx, CDDCommand* object) override;
    CDDMenu* CalculateAttributes(DDContext ctx, CDDMenu* object) override;
    CDDEditDisplay* CalculateAttributes(DDContext ctx, CDDEditDisplay* object) override;
    CDDMethod* CalculateAttributes(DDContext ctx, CDDMethod* object) override;
    CDDRefresh* CalculateAttributes(DDContext ctx, CDDRefresh* object) override;
    CDDUnit* CalculateAttributes(DDContext ctx, CDDUnit* object) override;
    CDDWriteAsOne* CalculateAttributes(DDContext ctx, CDDWriteAsOne* object) override;
    CDDArray* CalculateAttributes(DDContext ctx, CDDArray* object) override;
    bool CalculateMenuValidity(DDContext ctx, CDDMenu* menu) override;
    CDDCollection* CalculateAttributes(DDContext ctx, CDDCollection* object) override;
    bool CalculateMethodValidity(DDContext ctx, CDDMethod* method) override;
    std::int32_t ExecuteMethod(DDContext ctx, CDDMethod* method, std::int32_t arg,
                               bool noAbortThrow) override;
    CDDItemArray* CalculateAttributes(DDContext ctx, CDDItemArray* object) override;
    CDDConnection* CalculateAttributes(DDContext ctx, CDDConnection* object) override;
    CDDBlock* CalculateAttributes(DDContext ctx, CDDBlock* object) override;
    CDDRecord* CalculateAttributes(DDContext ctx, CDDRecord* object) override;
    CDDVariableList* CalculateAttributes(DDContext ctx, CDDVariableList* object) override;
    bool CalculateVariableValidity(DDContext ctx, CDDVariable* variable) override;
    CDDResponseCodes* CalculateAttributes(DDContext ctx, CDDResponseCodes* object) override;
    CDDObjectVariable* CalculateAttributes(DDContext ctx, CDDObjectVariable* object) override;
    CDDObject* CalculateAttributes(DDContext ctx, CDDObject* object) override;

    // Read access for tests and diagnostics.
    AttributeHost* host() const { return m_host; }
    Factory factoryEntry(DDObjectId id) const {
        return m_factoryTable[static_cast<std::size_t>(id)];
    }
    const CDDDefinition* definition(DDObjectId id) const {
        return m_definitionTable[static_cast<std::size_t>(id)];
    }

    // Shared routines of the generated code.
    void ResetVariableClass(CDDVariableClass* classInfo);
    void ResetVariableHandling(CDDVariable* variable);
    void ResetMethodClass(CDDMethodClass* classInfo);
    CDDCommonVariant& FetchCurrentValue(DDContext ctx, DDObjectId id, CTempObjectList& temps);
    // The single test on another item's current value: == `code` when `equal`, else != `code`.
    bool CurrentValueTest(DDContext ctx, DDObjectId id, std::int32_t code, bool equal,
                          CTempObjectList& temps);

    // The generated code of every item: factories, validity functions and execute entries.
#define DD_ITEM_ROW(kind, id, name) CDDObject* Create_##name(DDContext ctx, CDDObject* object);
#include "directory/for_each_item.h"
#define DD_VARIABLE(id, name, type, mask) bool Validity_##name(DDContext ctx, CDDObject* object);
#define DD_MENU(id, name) bool Validity_##name(DDContext ctx, CDDObject* object);
#define DD_METHOD(id, name) bool Validity_##name(DDContext ctx, CDDObject* object);
#include "directory/for_each_item.h"
#define DD_METHOD(id, name)                                                         \
    std::int32_t Execute_##name(DDContext ctx, CDDMethod* method, std::int32_t arg, \
                                bool noAbortThrow);
#include "directory/for_each_item.h"

    // The frames that the factories share.
    CDDObject* FillVariable(DDContext ctx, CDDObject* object, DDObjectId id,
                            const VariableRecord& record);
    CDDObject* FillBlock(CDDObject* object, enumDDBlockType type, std::int32_t number);
    CDDObject* FillCommand(DDContext ctx, CDDObject* object, const registry::CommandRow& row);
    CDDObject* FillMethod(DDContext ctx, CDDObject* object);
    using MethodBody = void (*)(MethodRun&);
    std::int32_t RunMethod(DDContext ctx, CDDMethod* method, std::int32_t arg, bool noAbortThrow,
                           MethodBody body, const std::array<std::int32_t, 2>& namedIntegers = {});
    CDDObject* FillCollection(CDDObject* object, std::span<const MemberRecord> members);
    CDDObject* FillUnit(CDDObject* object, const UnitRecord& record);
    CDDObject* FillAlarmOverview(DDContext ctx, CDDObject* object);
    CDDObject* FillMainTable(DDContext ctx, CDDObject* object);
    CDDObject* FillPlaceholder(DDContext ctx, CDDObject* object);

  private:
    void PutHandling(CDDVariable* variable, Handling handling);
    void FillHandling(DDContext ctx, CDDVariable* variable, const VariableRecord& record,
                      CTempObjectList& temps);
    void FillType(DDContext ctx, CDDVariable* variable, enumDDVariableType type,
                  const VariableRecord& record, CTempObjectList& temps);

    // Directory builders and define routines.
    void DefineDirectory();
    void DefineVariableLists();
    void DefineBlocks();
    void DefineConnections();
    void DefineItemArrays();
    void DefineArrays();
    void DefineRecords();
    void DefineVariables();
    void DefineCommands();
    void DefineMenus();
    void DefineEditDisplays();
    void DefineMethods();
    void DefineCollections();
    void DefineRelations();
    void DefineResponseCodes();
    void DefineTransactionItems();
    void DefineVariableSets();
    void DefineVariableList(CStrPP name, DDObjectId id);
    void DefineBlock(CStrPP name, DDObjectId id);
    void DefineConnection(CStrPP name, DDObjectId id);
    void DefineItemArray(CStrPP name, DDObjectId id);
    void DefineArray(CStrPP name, DDObjectId id);
    void DefineResponseCodesItem(CStrPP name, DDObjectId id);
    void DefineRecord(CStrPP name, DDObjectId id);
    void DefineVariable(CStrPP name, DDObjectId id, enumDDVariableType type, std::uint32_t mask);
    void DefineCommand(CStrPP name, DDObjectId id);
    void DefineMenu(CStrPP name, DDObjectId id);
    void DefineEditDisplay(CStrPP name, DDObjectId id);
    void DefineMethod(CStrPP name, DDObjectId id);
    void DefineCollection(CStrPP name, DDObjectId id);
    void DefineRefresh(CStrPP name, DDObjectId id);
    void DefineUnit(CStrPP name, DDObjectId id);
    void DefineWriteAsOne(CStrPP name, DDObjectId id);
    template <class Object, class... Extra>
    std::unique_ptr<Object> NewDefinedObject(const CStrPP& name, DDObjectId id,
                                             enumDDObjectKind kind, Extra... extra);
    void HandToStore(CDDObject* object);
    void StoreDefinition(DDObjectId id, CDDDefinition* definition);
    void DeleteDefinitions();

    void InitFactoryTable();
    void OnAttach();

    template <class Object>
    Object* Calculate(DDContext ctx, Object* object);
    bool CanCalculate(CDDObject* object, DDObjectId id);
    bool DispatchValidity(DDContext ctx, CDDObject* object, enumDDObjectKind kind,
                          const char* kindText);
    static DDObjectId IdOf(const CDDObject* object);
    // Sends the message to the host's message sink; without a host there is nobody to tell.
    void Report(const CStrPP& message);
    // Reports ":   0,  0 : " followed by `text` and the name of the object's definition.
    void ReportOn(const char* text, const CDDObject* object);

    AttributeHost* m_host;
    std::array<Factory, registry::kTableSize> m_factoryTable;
    std::array<CDDDefinition*, registry::kTableSize> m_definitionTable;
};
