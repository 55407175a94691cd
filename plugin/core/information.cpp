#include <cstdint>

#include "core/device_identity.h"
#include "core/host_boundary.h"
#include "core/info_strings.h"
#include "core/information_items.h"
#include "core/module_app.h"
#include "interfaces/exports.h"

namespace {

constexpr std::int32_t kInterfaceVersion = 1;
constexpr std::int32_t kDeviceTypeCode = 11;
// Resource ids. The module holds no icon 101: the host falls back to its own.
constexpr std::int32_t kManufacturerIconId = 101;
constexpr std::int32_t kManufacturerBitmapId = 103;
constexpr std::int32_t kDeviceIconId = 102;
constexpr std::int32_t kDeviceBitmapId = 104;

// A text for the host, made inside the module's boundary: an empty one when there is no
// memory for it.
template <class Make>
CStrPP Answer(Make&& make) {
    return AnswerOr(CStrPP(), [&] { return CStrPP(make()); });
}

CStrPP Copy(const char* text) {
    return Answer([&] { return text; });
}

}  // namespace

// Answers the host's questions about the device and the plug-in. Holds nothing: every answer
// is a constant or a copy of a module-wide string.
class CDeviceInformation : public CInformation {
  public:
    std::int32_t GetInterfaceVersion() override { return kInterfaceVersion; }
    std::int32_t GetManufacturerId() override { return device_identity::kManufacturerId; }
    std::int32_t GetManufacturerIconId() override { return kManufacturerIconId; }
    std::int32_t GetManufacturerBitmapId() override { return kManufacturerBitmapId; }
    CStrPP GetManufacturerName() override { return Copy(g_strVendorName); }
    std::int32_t GetIdentNumber() override { return device_identity::kIdentNumber; }
    std::int32_t GetDeviceIconId() override { return kDeviceIconId; }
    std::int32_t GetDeviceBitmapId() override { return kDeviceBitmapId; }
    CStrPP GetDeviceName() override { return Copy(g_strDeviceName); }
    CStrPP GetDeviceTypeName() override { return Copy(g_strDeviceTypeName); }
    std::int32_t GetDeviceTypeCode() override { return kDeviceTypeCode; }
    CStrPP GetHelpFileName() override { return Copy(g_strHelpFileName); }
    CStrPP GetStandardItemName(std::int32_t role) override {
        return Answer([&] { return StandardItemName(role); });
    }
    CStrPP GetMappedItemList() override {
        return Answer([] { return MappedItemList(g_apszMappedItemKeys, g_apszMappedItemValues); });
    }
    CStrPP GetMappedItemValue(const CStrPP& key) override {
        return Answer(
            [&] { return MappedItemValue(g_apszMappedItemKeys, g_apszMappedItemValues, key); });
    }
    CStrPP GetSpecialItemName(std::int32_t selector) override {
        return Answer([&] { return SpecialItemName(selector); });
    }
    CStrPP GetModuleBasePath() override { return Copy(g_strModuleBasePath.ptr()); }
    CStrPP GetModulePath() override { return Copy(g_strModulePath.ptr()); }
    CStrPP GetVersionLabel() override { return Copy(g_strVersionLabel); }
    CStrPP GetGeneratorVersion() override { return Copy(g_strGeneratorVersion); }
    CStrPP GetDtmVersion() override { return Copy(g_strDtmVersion); }
    CStrPP GetTechnicalDescription() override { return Copy(g_strTechnicalDescription); }
    CStrPP GetBuildDate() override { return Copy(g_strBuildDate); }
};

extern "C" DD_PLUGIN_EXPORT CInformation* DD_PLUGIN_CALL GetInformation() {
    return NewForHost<CDeviceInformation>();
}
