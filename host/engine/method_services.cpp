#include "engine/method_services.h"

#include "engine/object_store.h"

namespace ddhost {

namespace {

std::string ValueText(const CDDCommonVariant& value) {
    if (value.getKind() == CDDCommonVariant::String)
        return std::string("\"") + value.getString().ptr() + "\"";
    return value.getString().ptr();
}

}  // namespace

void ReferenceMethodServices::Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) {
    const std::string name = method ? method->getcDefinition()->name().ptr() : "null";
    m_log.push_back("Begin(" + name + ", " + std::to_string(arg) + ", " +
                    (noAbortThrow ? "true" : "false") + ")");
}

void ReferenceMethodServices::PutValue(const CStrPP& variable, const CDDCommonVariant& value) {
    m_log.push_back(std::string("PutValue(") + variable.ptr() + ", " + ValueText(value) + ")");
    const CDDObject* object = m_store.Find(variable.ptr());
    if (object != nullptr && object->getcDefinition()->getKind() == DD_KIND_VARIABLE)
        m_store.SetCurrentValue(object->getcDefinition()->getID(), value);
}

bool ReferenceMethodServices::SendCommand(const CStrPP& command) {
    m_log.push_back(std::string("SendCommand(") + command.ptr() + ")");
    const CDDObject* object = m_store.Find(command.ptr());
    return object != nullptr && object->getcDefinition()->getKind() == DD_KIND_COMMAND;
}

void ReferenceMethodServices::PutResult(std::int32_t result) {
    m_log.push_back("PutResult(" + std::to_string(result) + ")");
    m_result = result;
}

}  // namespace ddhost
