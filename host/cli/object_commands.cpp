#include <algorithm>
#include <optional>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"
#include "engine/call_trace.h"
#include "engine/object_kinds.h"

namespace ddhost {
namespace {

std::string IdList(const Json& ids) {
    if (ids.empty()) return "-";
    std::string text;
    for (const Json& id : ids) text += (text.empty() ? "" : " ") + id.dump();
    return text;
}

// The text filled with blanks to `width`, on the left when `right`.
std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::string fill(text.size() < width ? width - text.size() : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string DirectoryText(const ReferenceObjectStore& store, const Json& json) {
    std::string text = "objects (" + std::to_string(json["objects"].size()) + "):\n";
    for (const Json& object : json["objects"]) {
        const std::string id = object["id"].dump();
        const std::string kind = KindName(static_cast<enumDDObjectKind>(object["kind"].get<int>()));
        text += Padded(id, 6, true) + "  " + Padded(kind, 14, false) + ' ' +
                object["name"].get<std::string>();
        if (object.contains("type")) text += "  type " + object["type"].dump();
        if (object.contains("classFlags")) text += "  class " + object["classFlags"].dump();
        text += '\n';
    }
    text += "transaction sets (" + std::to_string(json["transactionSets"].size()) + "):\n";
    for (const Json& sets : json["transactionSets"]) {
        const CDDObject* command = store.Find(sets["command"].get<DDObjectId>());
        text += "  " + sets["command"].dump() + " " +
                (command ? Cp1252ToUtf8(command->getcDefinition()->name().ptr()) : "?") +
                "  request: " + IdList(sets["request"]) + "  reply: " + IdList(sets["reply"]) +
                '\n';
    }
    text += "variable sets (" + std::to_string(json["variableSets"].size()) +
            "): " + IdList(json["variableSets"]) + '\n';
    return text;
}

// A heading per object ("222 func1_out_value (variable, CDDVariable)"), its attributes below.
std::string DumpText(const Json& json) {
    std::string text;
    for (Json object : json["objects"]) {
        const auto kind = static_cast<enumDDObjectKind>(object["kind"].get<int>());
        text += object["id"].dump() + ' ' + object["name"].get<std::string>() + " (" +
                KindName(kind) + ", " + object["class"].get<std::string>() + ")\n";
        for (const char* shown : {"id", "name", "kind", "class"}) object.erase(shown);
        text += RenderText(object, 4);
    }
    if (!json["messages"].empty()) text += RenderText({{"messages", json["messages"]}});
    return text;
}

// The object's ID, found by the user's ID or name.
DDObjectId IdOf(const ReferenceObjectStore& store, std::string_view item) {
    return ResolveItem(store, item).getcDefinition()->getID();
}

}  // namespace

Json TakeMessages(Session& session) {
    Json messages = Json::array();
    for (const std::string& message : session.host().sink().Take()) {
        messages.push_back(Cp1252ToUtf8(message));
    }
    return messages;
}

CommandOutput DirectoryCommand(Session& session) {
    Json json = DescribeDirectory(session.store());
    return {json, DirectoryText(session.store(), json)};
}

CommandOutput ShowCommand(Session& session, std::string_view item, bool trace) {
    std::unique_ptr<CDDObject> object = session.store().Copy(IdOf(session.store(), item));
    std::vector<TracedCall> calls;
    {
        std::optional<CallTrace> recorder;
        if (trace) recorder.emplace();
        Calculate(session.calculation(), kCommandContext, *object);
        if (recorder) calls = recorder->calls();
    }
    Json json = Describe(*object);
    json["messages"] = TakeMessages(session);
    if (!trace) return {json, RenderText(json)};

    Json& lines = json["trace"] = Json::array();
    std::string text;
    for (const TracedCall& call : calls) {
        lines.push_back(Cp1252ToUtf8(call.Text()));
        text += lines.back().get<std::string>() + '\n';
    }
    return {json, text};
}

CommandOutput DumpCommand(Session& session) {
    std::vector<const CDDObject*> order;
    for (const auto& object : session.store().objects()) order.push_back(object.get());
    std::stable_sort(order.begin(), order.end(), [](const CDDObject* a, const CDDObject* b) {
        return a->getcDefinition()->getID() < b->getcDefinition()->getID();
    });
    Json json;
    Json& objects = json["objects"] = Json::array();
    for (const CDDObject* directoryObject : order) {
        std::unique_ptr<CDDObject> object(directoryObject->Clone());
        Calculate(session.calculation(), kCommandContext, *object);
        objects.push_back(Describe(*object));
    }
    json["messages"] = TakeMessages(session);
    return {json, DumpText(json)};
}

}  // namespace ddhost
