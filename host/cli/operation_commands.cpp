#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"
#include "engine/object_kinds.h"
#include "engine/plugin_call.h"

namespace ddhost {
namespace {

// The directory's object of the item when it is of class T, else a bare T carrying the item's
// definition.
template <class T>
std::unique_ptr<T> ObjectAs(const ReferenceObjectStore& store, const CDDDefinition& definition) {
    return Narrow<T>(store.Copy(definition.getID()), definition);
}

struct ValidityOperation {
    const char* as;
    enumDDObjectKind kind;
    const char* name;
    bool (*call)(Session&, const CDDDefinition&);
};

template <class T, bool (CAttributeCalculation::*Operation)(DDContext, T*)>
bool AskValidity(Session& session, const CDDDefinition& definition) {
    std::unique_ptr<T> object = ObjectAs<T>(session.store(), definition);
    return IntoPlugin(
        [&] { return (session.calculation().*Operation)(kCommandContext, object.get()); });
}

constexpr ValidityOperation kValidityOperations[] = {
    {"variable", DD_KIND_VARIABLE, "CalculateVariableValidity",
     &AskValidity<CDDVariable, &CAttributeCalculation::CalculateVariableValidity>},
    {"menu", DD_KIND_MENU, "CalculateMenuValidity",
     &AskValidity<CDDMenu, &CAttributeCalculation::CalculateMenuValidity>},
    {"method", DD_KIND_METHOD, "CalculateMethodValidity",
     &AskValidity<CDDMethod, &CAttributeCalculation::CalculateMethodValidity>},
};

const ValidityOperation& ChooseOperation(const CDDDefinition& definition, std::string_view as) {
    for (const ValidityOperation& operation : kValidityOperations) {
        if (as.empty() ? definition.getKind() == operation.kind : as == operation.as)
            return operation;
    }
    if (!as.empty()) {
        throw UsageError("--as takes variable, menu or method, not '" + std::string(as) + "'");
    }
    throw WrongKind(definition, "validity is asked of variables, menus and methods (or use --as)");
}

std::string MessagesText(const Json& messages) {
    std::string text;
    for (const Json& message : messages) text += "message: " + message.get<std::string>() + '\n';
    return text;
}

}  // namespace

CommandOutput ValidityCommand(Session& session, std::string_view item, std::string_view as) {
    const CDDDefinition definition = *ResolveItem(session.store(), item).getcDefinition();
    const ValidityOperation& operation = ChooseOperation(definition, as);
    const bool valid = operation.call(session, definition);
    Json json = {{"item", Describe(definition)},
                 {"operation", operation.name},
                 {"valid", valid},
                 {"messages", TakeMessages(session)}};
    return {json, (valid ? "true\n" : "false\n") + MessagesText(json["messages"])};
}

CommandOutput ExecCommand(Session& session, std::string_view item, const ExecOptions& options) {
    ReferenceObjectStore& store = session.store();
    CDDDefinition definition = *ResolveItem(store, item).getcDefinition();
    if (definition.getKind() != DD_KIND_METHOD) throw WrongKind(definition, "exec runs methods");
    for (const std::string& parameter : options.parameters)
        definition.AddParameter(ParseParameter(store, parameter));
    // The method's definition carries the parameters, so the method is made from it.
    std::unique_ptr<CDDMethod> method = MakeBare<CDDMethod>(definition);

    MethodRuns& runs = session.host().methodRuns();
    runs.inputs.assign(options.inputs.begin(), options.inputs.end());
    runs.abortAtMessage = options.abortAtMessage;
    runs.messagesShown = 0;
    runs.written.clear();
    const std::int32_t result = IntoPlugin([&] {
        return session.calculation().ExecuteMethod(kCommandContext, method.get(), options.arg,
                                                   options.noAbortThrow);
    });

    Json services = Json::array();
    std::string text = "result: " + std::to_string(result) + '\n';
    for (const std::string& call : session.host().TakeMethodLog()) {
        services.push_back(Cp1252ToUtf8(call));
        text += "services: " + Cp1252ToUtf8(call) + '\n';
    }
    Json values = Json::object();
    for (DDObjectId id : runs.written) {
        const std::string name = Cp1252ToUtf8(store.Find(id)->getcDefinition()->name().ptr());
        values[name] =
            Describe(store.TypeOf(kCommandContext, id), store.CurrentValue(kCommandContext, id));
        text += "value: " + name + " = " + JsonText(values[name]) + '\n';
    }
    Json json = {{"method", Describe(definition)},
                 {"arg", options.arg},
                 {"noAbortThrow", options.noAbortThrow},
                 {"result", result},
                 {"services", services},
                 {"messages", TakeMessages(session)},
                 {"values", values}};
    return {json, text + MessagesText(json["messages"]), result};
}

}  // namespace ddhost
