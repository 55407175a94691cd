#include <cstdio>
#include <memory>
#include <vector>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"
#include "engine/plugin_call.h"
#include "interfaces/self_registration.h"
#include "platform/registry.h"

namespace ddhost {
namespace {

// Role ids that have a standard item, and the selectors of the special items.
constexpr std::int32_t kLastRole = 15;
constexpr std::int32_t kFirstExtendedRole = 10001;
constexpr std::int32_t kLastExtendedRole = 10007;
constexpr std::int32_t kLastSelector = 2;

Json Answers(CInformation& info) {
    // Each answer is the plug-in's; the JSON made of them is ddhost's own.
    const auto ask = [&info](auto query, auto... arguments) {
        return IntoPlugin([&] { return (info.*query)(arguments...); });
    };
    Json json;
    json["interfaceVersion"] = ask(&CInformation::GetInterfaceVersion);
    json["manufacturerId"] = ask(&CInformation::GetManufacturerId);
    json["manufacturerIconId"] = ask(&CInformation::GetManufacturerIconId);
    json["manufacturerBitmapId"] = ask(&CInformation::GetManufacturerBitmapId);
    json["manufacturerName"] = Describe(ask(&CInformation::GetManufacturerName));
    json["identNumber"] = ask(&CInformation::GetIdentNumber);
    json["deviceIconId"] = ask(&CInformation::GetDeviceIconId);
    json["deviceBitmapId"] = ask(&CInformation::GetDeviceBitmapId);
    json["deviceName"] = Describe(ask(&CInformation::GetDeviceName));
    json["deviceTypeName"] = Describe(ask(&CInformation::GetDeviceTypeName));
    json["deviceTypeCode"] = ask(&CInformation::GetDeviceTypeCode);
    json["helpFileName"] = Describe(ask(&CInformation::GetHelpFileName));

    Json& roles = json["standardItemNames"] = Json::object();
    auto role = [&](std::int32_t id) {
        roles[std::to_string(id)] = Describe(ask(&CInformation::GetStandardItemName, id));
    };
    for (std::int32_t id = 0; id <= kLastRole; ++id) role(id);
    for (std::int32_t id = kFirstExtendedRole; id <= kLastExtendedRole; ++id) role(id);

    const CStrPP list = ask(&CInformation::GetMappedItemList);
    json["mappedItemList"] = Describe(list);
    // The value of every listed key; with no keys, the answer for the empty key.
    Json& values = json["mappedItemValues"] = Json::object();
    std::string keys(list.ptr());
    for (std::size_t start = 0;;) {
        const std::size_t comma = keys.find(',', start);
        const CStrPP key(keys.substr(start, comma - start).c_str());
        values[Describe(key).get<std::string>()] =
            Describe(ask(&CInformation::GetMappedItemValue, key));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }

    Json& special = json["specialItemNames"] = Json::object();
    for (std::int32_t selector = 0; selector <= kLastSelector; ++selector) {
        special[std::to_string(selector)] =
            Describe(ask(&CInformation::GetSpecialItemName, selector));
    }
    json["moduleBasePath"] = Describe(ask(&CInformation::GetModuleBasePath));
    json["modulePath"] = Describe(ask(&CInformation::GetModulePath));
    json["versionLabel"] = Describe(ask(&CInformation::GetVersionLabel));
    json["generatorVersion"] = Describe(ask(&CInformation::GetGeneratorVersion));
    json["dtmVersion"] = Describe(ask(&CInformation::GetDtmVersion));
    json["technicalDescription"] = Describe(ask(&CInformation::GetTechnicalDescription));
    json["buildDate"] = Describe(ask(&CInformation::GetBuildDate));
    return json;
}

// The count and the entries that are not 0, by object ID.
Json DataCategories(const PluginExports& exports) {
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    IntoPlugin([&] { exports.getAttributeCalcDataCategory(&table, &count); });
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

// Deleted through its virtual destructor before the module can close.
std::unique_ptr<CInformation> Information(Session& session) {
    std::unique_ptr<CInformation> info(IntoPlugin(session.library().exports().getInformation));
    if (info == nullptr) {
        throw LoadError("plug-in " + session.library().path() +
                        ": GetInformation returned no information object");
    }
    return info;
}

constexpr char kUnreadable[] = "cannot be read";

// What is wrong with the device's key at `path` as one reading of the registry finds it; empty
// when it holds `values`, or, without them, when it is not there.
std::string KeyFault(const std::string& path,
                     const std::vector<platform::registry::NamedValue>* values) {
    using platform::registry::Outcome;
    const auto device = platform::registry::Key::LocalMachine().ReadValues(path);
    if (device.outcome == Outcome::Failed) return kUnreadable;
    if (values == nullptr) return device.outcome == Outcome::Done ? "is still there" : "";
    if (device.outcome == Outcome::Missing) return "is missing";
    for (const auto& [name, value] : *values) {
        const auto* stored = device.Find(name);
        if (!stored) return "lacks the value " + name;
        if (*stored != value) return "holds another " + name + " than the plug-in";
    }
    return {};
}

std::string StatusText(std::int32_t status) {
    char text[16];
    std::snprintf(text, sizeof text, status == 0 ? "%u" : "0x%08X",
                  static_cast<std::uint32_t>(status));
    return text;
}

}  // namespace

CommandOutput InfoCommand(Session& session) {
    const std::unique_ptr<CInformation> info = Information(session);
    Json json = Answers(*info);
    json["dataCategories"] = DataCategories(session.library().exports());
    return {json, RenderText(json)};
}

// Reads the device's key back after the call: a failure status, or a key that is not as it
// should be, ends the command with one line that gives the reason: the one the call left as the
// system's last error, or, after a call that succeeded, another writer's change; and why the
// registry cannot be read where it cannot.
CommandOutput RegisterCommand(Session& session, bool unregister) {
    const PluginExports& exports = session.library().exports();
    const std::string name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const std::int32_t status = IntoPlugin(
        [&] { return unregister ? exports.dllUnregisterServer() : exports.dllRegisterServer(); });
    // Read before anything else can change the system's last error.
    const platform::registry::Reason reason =
        status != kSelfRegistrationDone ? platform::registry::LastFailure() : 0;
    const std::unique_ptr<CInformation> info = Information(session);
    // What the plug-in reports about itself names the key and gives the values it should hold.
    struct Reported {
        CStrPP device, modulePath, deviceType, technical;
    };
    const Reported reported = IntoPlugin([&] {
        return Reported{info->GetDeviceName(), info->GetModulePath(), info->GetDeviceTypeName(),
                        info->GetTechnicalDescription()};
    });
    const auto values =
        DeviceKeyValues(reported.modulePath, reported.deviceType, reported.technical);
    const std::string path = std::string(kPluginsRegistryKey) + '\\' + reported.device.ptr();
    const std::string key = "HKEY_LOCAL_MACHINE\\" + Cp1252ToUtf8(path);
    const std::string fault = KeyFault(path, unregister ? nullptr : &values);
    if (status != kSelfRegistrationDone || !fault.empty()) {
        std::string line = name + " returned " + StatusText(status);
        if (!fault.empty()) line += ", and " + key + ' ' + fault;
        // Why the registry cannot be read, where it cannot; then why the call failed, or that
        // the key changed after a call that succeeded. Each said once.
        const std::string failure = platform::registry::FailureText(reason, key);
        std::string why = failure.empty() ? platform::registry::Problem() : failure;
        if (status == kSelfRegistrationDone) why = "it was changed by another writer meanwhile";
        const std::string reasons[] = {fault == kUnreadable ? platform::registry::Problem() : "",
                                       why};
        for (const std::string& reason : reasons) {
            if (!reason.empty() && line.find(reason) == std::string::npos) line += "; " + reason;
        }
        throw CommandError(line);
    }
    Json json = {{"export", name}, {"status", status}, {"key", key}};
    return {json, name + " returned 0\n"};
}

}  // namespace ddhost
