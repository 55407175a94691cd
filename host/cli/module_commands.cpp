#include <memory>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_output.h"

namespace ddhost {
namespace {

// Role ids that have a standard item, and the selectors of the special items.
constexpr std::int32_t kLastRole = 15;
constexpr std::int32_t kFirstExtendedRole = 10001;
constexpr std::int32_t kLastExtendedRole = 10007;
constexpr std::int32_t kLastSelector = 2;

Json Answers(CInformation& info) {
    Json json;
    json["interfaceVersion"] = info.GetInterfaceVersion();
    json["manufacturerId"] = info.GetManufacturerId();
    json["manufacturerIconId"] = info.GetManufacturerIconId();
    json["manufacturerBitmapId"] = info.GetManufacturerBitmapId();
    json["manufacturerName"] = Describe(info.GetManufacturerName());
    json["identNumber"] = info.GetIdentNumber();
    json["deviceIconId"] = info.GetDeviceIconId();
    json["deviceBitmapId"] = info.GetDeviceBitmapId();
    json["deviceName"] = Describe(info.GetDeviceName());
    json["deviceTypeName"] = Describe(info.GetDeviceTypeName());
    json["deviceTypeCode"] = info.GetDeviceTypeCode();
    json["helpFileName"] = Describe(info.GetHelpFileName());

    Json& roles = json["standardItemNames"] = Json::object();
    auto role = [&](std::int32_t id) {
        roles[std::to_string(id)] = Describe(info.GetStandardItemName(id));
    };
    for (std::int32_t id = 0; id <= kLastRole; ++id) role(id);
    for (std::int32_t id = kFirstExtendedRole; id <= kLastExtendedRole; ++id) role(id);

    const CStrPP list = info.GetMappedItemList();
    json["mappedItemList"] = Describe(list);
    // The value of every listed key; with no keys, the answer for the empty key.
    Json& values = json["mappedItemValues"] = Json::object();
    std::string keys(list.ptr());
    for (std::size_t start = 0;;) {
        const std::size_t comma = keys.find(',', start);
        const CStrPP key(keys.substr(start, comma - start).c_str());
        values[Describe(key).get<std::string>()] = Describe(info.GetMappedItemValue(key));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }

    Json& special = json["specialItemNames"] = Json::object();
    for (std::int32_t selector = 0; selector <= kLastSelector; ++selector) {
        special[std::to_string(selector)] = Describe(info.GetSpecialItemName(selector));
    }
    json["moduleBasePath"] = Describe(info.GetModuleBasePath());
    json["modulePath"] = Describe(info.GetModulePath());
    json["versionLabel"] = Describe(info.GetVersionLabel());
    json["generatorVersion"] = Describe(info.GetGeneratorVersion());
    json["dtmVersion"] = Describe(info.GetDtmVersion());
    json["technicalDescription"] = Describe(info.GetTechnicalDescription());
    json["buildDate"] = Describe(info.GetBuildDate());
    return json;
}

// The count and the entries that are not 0, by object ID.
Json DataCategories(const PluginExports& exports) {
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    exports.getAttributeCalcDataCategory(&table, &count);
    Json json = {{"count", count}};
    if (table == nullptr) {
        json["nonZero"] = nullptr;
        return json;
    }
    Json& nonZero = json["nonZero"] = Json::object();
    for (std::int32_t id = 0; id < count; ++id) {
        if (table[id] != 0) nonZero[std::to_string(id)] = table[id];
    }
    return json;
}

}  // namespace

CommandOutput InfoCommand(Session& session) {
    const PluginExports& exports = session.library().exports();
    // Deleted through its virtual destructor before the module can close.
    std::unique_ptr<CInformation> info(exports.getInformation());
    if (info == nullptr) {
        throw CommandError("plug-in " + session.library().path() +
                           ": GetInformation returned no information object");
    }
    Json json = Answers(*info);
    json["dataCategories"] = DataCategories(exports);
    return {json, RenderText(json)};
}

CommandOutput RegisterCommand(Session& session, bool unregister) {
    const PluginExports& exports = session.library().exports();
    const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const std::int32_t status =
        unregister ? exports.dllUnregisterServer() : exports.dllRegisterServer();
    Json json = {{"export", name}, {"status", status}};
    return {json, std::string(name) + " returned " + std::to_string(status) + '\n'};
}

}  // namespace ddhost
