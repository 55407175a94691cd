#include <cstdint>
#include <new>

#include "core/device_identity.h"
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

}  // namespace

// Answers the host's questions about the device and the plug-in. Holds nothing: every answer
// is a constant or a copy of a module-wide string.
class CDeviceInformation : public CInformation {
  public:
    std::int32_t GetInterfaceVersion() override { return kInterfaceVersion; }
    std::int32_t GetManufacturerId() override { return device_identity::kManufacturerId; }
    std::int32_t GetManufacturerIconId() override { return kManufacturerIconId; }
    std::int32_t GetManufacturerBitmapId() override { return kManufacturerBitmapId; }
    CStrPP GetManufacturerName() override { return g_strVendorName; }
    std::int32_t GetIdentNumber() override { return device_identity::kIdentNumber; }
    std::int32_t GetDeviceIconId() override { return kDeviceIconId; }
    std::int32_t GetDeviceBitmapId() override { return kDeviceBitmapId; }
    CStrPP GetDeviceName() override { return g_strDeviceName; }
    CStrPP GetDeviceTypeName() override { return g_strDeviceTypeName; }
    std::int32_t GetDeviceTypeCode() override { return kDeviceTypeCode; }
    CStrPP GetHelpFileName() override { return g_strHelpFileName; }
    CStrPP GetStandardItemName(std::int32_t role) override { return StandardItemName(role); }
    CStrPP GetMappedItemList() override {
        return MappedItemList(g_apszMappedItemKeys, g_apszMappedItemValues);
    }
    CStrPP GetMappedItemValue(const CStrPP& key) override {
        return MappedItemValue(g_apszMappedItemKeys, g_apszMappedItemValues, key);
    }
    CStrPP GetSpecialItemName(std::int32_t selector) override { return SpecialItemName(selector); }
    CStrPP GetModuleBasePath() override { return g_strModuleBasePath; }
    CStrPP GetModulePath() override { return g_strModulePath; }
    CStrPP GetVersionLabel() override { return g_strVersionLabel; }
    CStrPP GetGeneratorVersion() override { return g_strGeneratorVersion; }
    CStrPP GetDtmVersion() override { return g_strDtmVersion; }
    CStrPP GetTechnicalDescription() override { return g_strTechnicalDescription; }
    CStrPP GetBuildDate() override { return g_strBuildDate; }
};

extern "C" DD_PLUGIN_EXPORT CInformation* DD_PLUGIN_CALL GetInformation() {
    return new (std::nothrow) CDeviceInformation;
}
