#include <charconv>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "engine/object_kinds.h"

namespace ddhost {
namespace {

// The definition of the item; with `lenient`, an object ID outside the directory stands for
// itself with an empty name, so that requests for IDs no item answers can be made.
CDDDefinition DefinitionOf(const ReferenceObjectStore& store, std::string_view item,
                           enumDDObjectKind kind, bool lenient) {
    try {
        return *ResolveItem(store, item).getcDefinition();
    } catch (const CommandError&) {
        DDObjectId id = 0;
        const char* end = item.data() + item.size();
        auto [stop, error] = std::from_chars(item.data(), end, id);
        if (!lenient || error != std::errc() || stop != end) throw;
        return CDDDefinition(id, CStrPP(), kind);
    }
}

// The directory's object when it is of class T, else a bare T carrying the definition.
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
    return (session.calculation().*Operation)(kCommandContext, object.get());
}

constexpr ValidityOperation kValidityOperations[] = {
    {"variable", DD_KIND_VARIABLE, "CalculateVariableValidity",
     &AskValidity<CDDVariable, &CAttributeCalculation::CalculateVariableValidity>},
    {"menu", DD_KIND_MENU, "CalculateMenuValidity",
     &AskValidity<CDDMenu, &CAttributeCalculation::CalculateMenuValidity>},
    {"method", DD_KIND_METHOD, "CalculateMethodValidity",
     &AskValidity<CDDMethod, &CAttributeCalculation::CalculateMethodValidity>},
};

const ValidityOperation& ChooseOperation(const ReferenceObjectStore& store, std::string_view item,
                                         std::string_view as) {
    for (const ValidityOperation& operation : kValidityOperations) {
        if (as == operation.as) return operation;
    }
    if (!as.empty()) {
        throw CommandError("--as takes variable, menu or method, not '" + std::string(as) + "'");
    }
    const enumDDObjectKind kind = ResolveItem(store, item).getcDefinition()->getKind();
    for (const ValidityOperation& operation : kValidityOperations) {
        if (kind == operation.kind) return operation;
    }
    throw CommandError(std::string(item) + " is a " + KindName(kind) +
                       "; validity is asked of variables, menus and methods (or use --as)");
}

std::string MessagesText(const Json& messages) {
    std::string text;
    for (const Json& message : messages) text += "message: " + message.get<std::string>() + '\n';
    return text;
}

}  // namespace

CommandOutput ValidityCommand(Session& session, std::string_view item, std::string_view as) {
    const ValidityOperation& operation = ChooseOperation(session.store(), item, as);
    const CDDDefinition definition =
        DefinitionOf(session.store(), item, operation.kind, !as.empty());
    const bool valid = operation.call(session, definition);
    Json json = {{"item", Describe(definition)},
                 {"operation", operation.name},
                 {"valid", valid},
                 {"messages", TakeMessages(session)}};
    return {json, (valid ? "true\n" : "false\n") + MessagesText(json["messages"])};
}

CommandOutput ExecCommand(Session& session, std::string_view item, std::int32_t arg,
                          bool noAbortThrow) {
    const CDDDefinition definition = DefinitionOf(session.store(), item, DD_KIND_METHOD, true);
    std::unique_ptr<CDDMethod> method = ObjectAs<CDDMethod>(session.store(), definition);
    const std::int32_t result =
        session.calculation().ExecuteMethod(kCommandContext, method.get(), arg, noAbortThrow);
    Json services = Json::array();
    std::string servicesText;
    for (const std::string& call : session.host().TakeMethodLog()) {
        services.push_back(Cp1252ToUtf8(call));
        servicesText += "services: " + Cp1252ToUtf8(call) + '\n';
    }
    Json json = {{"method", Describe(definition)}, {"arg", arg},
                 {"noAbortThrow", noAbortThrow},   {"result", result},
                 {"services", services},           {"messages", TakeMessages(session)}};
    return {json, "result: " + std::to_string(result) + '\n' + servicesText +
                      MessagesText(json["messages"])};
}

}  // namespace ddhost
