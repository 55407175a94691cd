#include "engine/method_services.h"

#include <algorithm>

#include "engine/held_value.h"
#include "engine/object_store.h"

namespace ddhost {

namespace {

std::string Quoted(const CStrPP& text) { return std::string("\"") + text.ptr() + "\""; }

std::string Call(const char* operation, const std::string& arguments) {
    return std::string(operation) + "(" + arguments + ")";
}

}  // namespace

DDObjectId ReferenceMethodServices::VariableId(const CStrPP& name) const {
    const CDDObject* object = m_store.Find(name.ptr());
    if (object == nullptr || object->getcDefinition()->getKind() != DD_KIND_VARIABLE) return 0;
    return object->getcDefinition()->getID();
}

void ReferenceMethodServices::Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) {
    const std::string name = method ? method->getcDefinition()->name().ptr() : "null";
    Log(Call("Begin",
             name + ", " + std::to_string(arg) + ", " + (noAbortThrow ? "true" : "false")));
}

CDDCommonVariant ReferenceMethodServices::ReadValue(const char* operation, const CStrPP& variable) {
    const DDObjectId id = VariableId(variable);
    if (id == 0) {
        Log(Call(operation, variable.ptr()) + " -> no such variable");
        return CDDCommonVariant(0);
    }
    CDDCommonVariant value = m_store.CurrentValue(m_ctx, id);
    Log(Call(operation, variable.ptr()) + " -> " + Text(id, value));
    return value;
}

std::string ReferenceMethodServices::Text(DDObjectId variable, const CDDCommonVariant& value) {
    if (value.getKind() == CDDCommonVariant::String) return Quoted(value.getString());
    // Only a floating-point number can be shown otherwise: only then is the type needed.
    if (variable == 0 || value.getKind() != CDDCommonVariant::Float) return value.getString().ptr();
    std::optional<std::string> shown =
        ShownText(m_store.TypeOf(m_ctx, variable), value.getDouble());
    if (!shown) return value.getString().ptr();
    if (!ShownAsSingle(value)) m_singlesShown.push_back(value.getDouble());
    return std::move(*shown);
}

bool ReferenceMethodServices::ShownAsSingle(const CDDCommonVariant& value) const {
    return value.getKind() == CDDCommonVariant::Float &&
           std::find(m_singlesShown.begin(), m_singlesShown.end(), value.getDouble()) !=
               m_singlesShown.end();
}

std::int32_t ReferenceMethodServices::GetIntegerValue(const CStrPP& variable) {
    return ReadValue("GetIntegerValue", variable).getInt();
}

double ReferenceMethodServices::GetFloatValue(const CStrPP& variable) {
    return ReadValue("GetFloatValue", variable).getDouble();
}

void ReferenceMethodServices::PutValue(const CStrPP& variable, const CDDCommonVariant& value) {
    const DDObjectId id = VariableId(variable);
    Log(Call("PutValue", std::string(variable.ptr()) + ", " + Text(id, value)));
    if (id == 0) return;
    m_store.SetCurrentValue(m_ctx, id, value);
    if (std::find(m_runs.written.begin(), m_runs.written.end(), id) == m_runs.written.end())
        m_runs.written.push_back(id);
}

void ReferenceMethodServices::PutLocal(const CStrPP& local, const CDDCommonVariant& value) {
    Log(Call("PutLocal",
             std::string(local.ptr()) + ", " +
                 (ShownAsSingle(value) ? SingleText(value.getDouble()) : Text(0, value))));
}

bool ReferenceMethodServices::ShowMessage(const CStrPP& message) {
    ++m_runs.messagesShown;
    const bool abortPending =
        m_runs.abortAtMessage > 0 && m_runs.messagesShown >= m_runs.abortAtMessage;
    Log(Call("ShowMessage", Quoted(message)) + " -> " + (abortPending ? "true" : "false"));
    return abortPending;
}

bool ReferenceMethodServices::AskInteger(const CStrPP& prompt, std::int32_t& value) {
    const std::string call = Call("AskInteger", Quoted(prompt));
    if (m_runs.inputs.empty()) {
        Log(call + " -> cancelled");
        return false;
    }
    value = m_runs.inputs.front();
    m_runs.inputs.pop_front();
    Log(call + " -> " + std::to_string(value));
    return true;
}

bool ReferenceMethodServices::SendCommand(const CStrPP& command) {
    const CDDObject* object = m_store.Find(command.ptr());
    const bool sent = object != nullptr && object->getcDefinition()->getKind() == DD_KIND_COMMAND;
    Log(Call("SendCommand", command.ptr()) + (sent ? "" : " -> failed"));
    return sent;
}

void ReferenceMethodServices::PutResult(std::int32_t result) {
    Log(Call("PutResult", std::to_string(result)));
    m_result = result;
}

}  // namespace ddhost
