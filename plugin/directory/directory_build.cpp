#include <memory>

#include "core/attribute_calculation.h"

void CDeviceAttributeCalculation::DefineDirectory() {
    // Without a host there is no store to hand the directory to.
    if (m_host == nullptr) return;
    DefineVariableLists();
    DefineBlocks();
    DefineConnections();
    DefineItemArrays();
    DefineArrays();
    DefineRecords();
    DefineVariables();
    DefineCommands();
    DefineMenus();
    DefineMethods();
    DefineCollections();
    DefineRelations();
    DefineResponseCodes();
    DefineTransactionItems();
    DefineVariableSets();
}

void CDeviceAttributeCalculation::StoreDefinition(DDObjectId id, CDDDefinition* definition) {
    // A repeated build replaces the entry; the one it replaces is freed, not lost.
    CDDDefinition*& entry = m_definitionTable[static_cast<std::size_t>(id)];
    delete entry;
    entry = definition;
}

void CDeviceAttributeCalculation::DeleteDefinitions() {
    for (CDDDefinition*& entry : m_definitionTable) {
        delete entry;
        entry = nullptr;
    }
}

// Kinds without items in this device have builders with nothing to build.
void CDeviceAttributeCalculation::DefineVariableLists() {}
void CDeviceAttributeCalculation::DefineConnections() {}
void CDeviceAttributeCalculation::DefineItemArrays() {}
void CDeviceAttributeCalculation::DefineArrays() {}
void CDeviceAttributeCalculation::DefineRecords() {}
void CDeviceAttributeCalculation::DefineResponseCodes() {}
void CDeviceAttributeCalculation::DefineEditDisplays() {}

void CDeviceAttributeCalculation::DefineBlocks() {
#define DD_BLOCK(id, name) DefineBlock(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineVariables() {
#define DD_VARIABLE(id, name, type, mask) \
    DefineVariable(CStrPP(#name), id, static_cast<enumDDVariableType>(type), mask);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineCommands() {
#define DD_COMMAND(id, name, block, index, op, ...) DefineCommand(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineMenus() {
#define DD_MENU(id, name) DefineMenu(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineMethods() {
#define DD_METHOD(id, name) DefineMethod(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineCollections() {
#define DD_COLLECTION(id, name) DefineCollection(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::DefineRelations() {
#define DD_UNIT(id, name) DefineUnit(CStrPP(#name), id);
#include "directory/for_each_item.h"
}

template <class Object, class... Extra>
std::unique_ptr<Object> CDeviceAttributeCalculation::NewDefinedObject(const CStrPP& name,
                                                                      DDObjectId id,
                                                                      enumDDObjectKind kind,
                                                                      Extra... extra) {
    auto* definition = new CDDDefinition(id, name, kind);
    StoreDefinition(id, definition);
    return std::unique_ptr<Object>(new Object(*definition, extra...));
}

// The store copies what it keeps; the object goes as soon as the call returns.
void CDeviceAttributeCalculation::HandToStore(CDDObject* object) {
    m_host->GetObjectStore()->AddObject(object);
}

void CDeviceAttributeCalculation::DefineBlock(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDBlock>(name, id, DD_KIND_BLOCK, DD_BLOCK_KIND_DEFAULT).get());
}

void CDeviceAttributeCalculation::DefineVariable(CStrPP name, DDObjectId id,
                                                 enumDDVariableType type, std::uint32_t mask) {
    const auto variable = NewDefinedObject<CDDVariable>(name, id, DD_KIND_VARIABLE);
    variable->setTypeInfo(new CDDType(type));
    // Every flag is set explicitly, the cleared ones included.
    for (std::int32_t flag = 0; flag <= 18; ++flag)
        variable->getClass()->putClassInfo(static_cast<enumDDVariableClassType>(flag),
                                           (mask >> flag) & 1u);
    HandToStore(variable.get());
}

void CDeviceAttributeCalculation::DefineVariableList(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDVariableList>(name, id, DD_KIND_VARIABLE_LIST).get());
}
void CDeviceAttributeCalculation::DefineConnection(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDConnection>(name, id, DD_KIND_CONNECTION).get());
}
void CDeviceAttributeCalculation::DefineItemArray(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDItemArray>(name, id, DD_KIND_ITEM_ARRAY).get());
}
void CDeviceAttributeCalculation::DefineArray(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDArray>(name, id, DD_KIND_ARRAY).get());
}
void CDeviceAttributeCalculation::DefineResponseCodesItem(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDResponseCodes>(name, id, DD_KIND_RESPONSE_CODES).get());
}
void CDeviceAttributeCalculation::DefineRecord(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDRecord>(name, id, DD_KIND_RECORD).get());
}
void CDeviceAttributeCalculation::DefineCommand(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDCommand>(name, id, DD_KIND_COMMAND).get());
}
void CDeviceAttributeCalculation::DefineMenu(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDMenu>(name, id, DD_KIND_MENU).get());
}
void CDeviceAttributeCalculation::DefineEditDisplay(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDEditDisplay>(name, id, DD_KIND_EDIT_DISPLAY).get());
}
void CDeviceAttributeCalculation::DefineMethod(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDMethod>(name, id, DD_KIND_METHOD).get());
}
void CDeviceAttributeCalculation::DefineCollection(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDCollection>(name, id, DD_KIND_COLLECTION).get());
}
void CDeviceAttributeCalculation::DefineRefresh(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDRefresh>(name, id, DD_KIND_REFRESH).get());
}
void CDeviceAttributeCalculation::DefineUnit(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDUnit>(name, id, DD_KIND_UNIT).get());
}
void CDeviceAttributeCalculation::DefineWriteAsOne(CStrPP name, DDObjectId id) {
    HandToStore(NewDefinedObject<CDDWriteAsOne>(name, id, DD_KIND_WRITE_AS_ONE).get());
}
