#include "core/attribute_calculation.h"

#include "core/host_boundary.h"
#include "interfaces/exports.h"

namespace {

// The library class that each kind of this device's items must come with.
bool HasClassOfKind(CDDObject* object, std::int32_t kind) {
    switch (kind) {
        case DD_KIND_VARIABLE:
            return dynamic_cast<CDDVariable*>(object) != nullptr;
        case DD_KIND_COMMAND:
            return dynamic_cast<CDDCommand*>(object) != nullptr;
        case DD_KIND_MENU:
            return dynamic_cast<CDDMenu*>(object) != nullptr;
        case DD_KIND_METHOD:
            return dynamic_cast<CDDMethod*>(object) != nullptr;
        case DD_KIND_UNIT:
            return dynamic_cast<CDDUnit*>(object) != nullptr;
        case DD_KIND_COLLECTION:
            return dynamic_cast<CDDCollection*>(object) != nullptr;
        case DD_KIND_BLOCK:
            return dynamic_cast<CDDBlock*>(object) != nullptr;
        default:
            return false;
    }
}

}  // namespace

CDeviceAttributeCalculation::CDeviceAttributeCalculation() : m_host(nullptr) {
    for (std::size_t i = 0; i < registry::kTableSize; ++i) {
        m_factoryTable[i] = nullptr;
        m_definitionTable[i] = nullptr;
    }
}

CDeviceAttributeCalculation::~CDeviceAttributeCalculation() {
    DeleteDefinitions();
    m_host = nullptr;
}

void CDeviceAttributeCalculation::Attach(AttributeHost* host) {
    m_host = host;
    InitFactoryTable();
    OnAttach();
}

void CDeviceAttributeCalculation::InitFactoryTable() {
#define DD_ITEM_ROW(kind, id, name) \
    m_factoryTable[id] = &CDeviceAttributeCalculation::Create_##name;
#include "directory/for_each_item.h"
}

void CDeviceAttributeCalculation::OnAttach() {}

void CDeviceAttributeCalculation::BuildDefinitions() {
    try {
        DefineDirectory();
    } catch (...) {
        // Factories refer to other items through the table: a directory built in part would
        // leave them references to nothing, so the host gets none at all and is told so at
        // its next request.
        DeleteDefinitions();
    }
}

bool CDeviceAttributeCalculation::IsReady() { return true; }

void CDeviceAttributeCalculation::Detach() { m_host = nullptr; }

void CDeviceAttributeCalculation::Report(const CStrPP& message) {
    if (m_host == nullptr) return;
    m_host->GetMessageSink()->Report(message);
}

void CDeviceAttributeCalculation::ReportOn(const char* text, const CDDObject* object) {
    // Without a host the message is not even made.
    if (m_host == nullptr) return;
    Report(CStrPP(":   0,  0 : ") + text + object->getcDefinition()->getName());
}

DDObjectId CDeviceAttributeCalculation::IdOf(const CDDObject* object) {
    // No object is treated as one of no item: nothing is done and nothing is said.
    return object != nullptr ? object->getcDefinition()->getID() : -1;
}

// The host promises IDs 1 to 637 with an object of the ID's class, after attach and build. A
// request outside that promise would call no factory or the wrong one; it is reported instead
// and the object goes back unchanged. Without a host there is nobody to tell.
bool CDeviceAttributeCalculation::CanCalculate(CDDObject* object, DDObjectId id) {
    if (m_host == nullptr) return false;
    const char* problem = nullptr;
    if (id == 0 || id > registry::kMaxId)
        problem = "illegal object ID (calculate attributes) for object ";
    else if (m_definitionTable[static_cast<std::size_t>(id)] == nullptr ||
             m_factoryTable[static_cast<std::size_t>(id)] == nullptr)
        problem = "object directory not built (calculate attributes) for object ";
    else if (!HasClassOfKind(object, registry::kItems[static_cast<std::size_t>(id)].kind))
        problem = "object class does not match its ID (calculate attributes) for object ";
    if (problem == nullptr) return true;
    ReportOn(problem, object);
    return false;
}

// A factory that fails part way returns the object without its attributes marked available.
template <class Object>
Object* CDeviceAttributeCalculation::Calculate(DDContext ctx, Object* object) {
    return AnswerOr(object, [&] {
        const DDObjectId id = IdOf(object);
        if (id >= 0 && CanCalculate(object, id))
            (this->*m_factoryTable[static_cast<std::size_t>(id)])(ctx, object);
        return object;
    });
}

#define DD_CALCULATE(Class)                                                                 \
    Class* CDeviceAttributeCalculation::CalculateAttributes(DDContext ctx, Class* object) { \
        return Calculate(ctx, object);                                                      \
    }
DD_CALCULATE(CDDVariable)
DD_CALCULATE(CDDCommand)
DD_CALCULATE(CDDMenu)
DD_CALCULATE(CDDEditDisplay)
DD_CALCULATE(CDDMethod)
DD_CALCULATE(CDDRefresh)
DD_CALCULATE(CDDUnit)
DD_CALCULATE(CDDWriteAsOne)
DD_CALCULATE(CDDArray)
DD_CALCULATE(CDDCollection)
DD_CALCULATE(CDDItemArray)
DD_CALCULATE(CDDConnection)
DD_CALCULATE(CDDBlock)
DD_CALCULATE(CDDRecord)
DD_CALCULATE(CDDVariableList)
DD_CALCULATE(CDDResponseCodes)
DD_CALCULATE(CDDObjectVariable)
DD_CALCULATE(CDDObject)
#undef DD_CALCULATE

extern "C" DD_PLUGIN_EXPORT CAttributeCalculation* DD_PLUGIN_CALL GetAttributeCalculation() {
    return NewForHost<CDeviceAttributeCalculation>();
}
