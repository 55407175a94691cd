#pragma once

#include <cstdint>

#include "ddlib/strpp.h"

// What describes the device and the plug-in. The host calls the queries by their position.
// String results are fresh copies owned by the caller.
class CInformation {
  public:
    virtual ~CInformation() = default;
    virtual std::int32_t GetInterfaceVersion() = 0;
    virtual std::int32_t GetManufacturerId() = 0;
    virtual std::int32_t GetManufacturerIconId() = 0;
    virtual std::int32_t GetManufacturerBitmapId() = 0;
    virtual CStrPP GetManufacturerName() = 0;
    virtual std::int32_t GetIdentNumber() = 0;
    virtual std::int32_t GetDeviceIconId() = 0;
    virtual std::int32_t GetDeviceBitmapId() = 0;
    virtual CStrPP GetDeviceName() = 0;
    virtual CStrPP GetDeviceTypeName() = 0;
    virtual std::int32_t GetDeviceTypeCode() = 0;
    virtual CStrPP GetHelpFileName() = 0;
    virtual CStrPP GetStandardItemName(std::int32_t role) = 0;
    virtual CStrPP GetMappedItemList() = 0;
    virtual CStrPP GetMappedItemValue(const CStrPP& key) = 0;
    virtual CStrPP GetSpecialItemName(std::int32_t selector) = 0;
    virtual CStrPP GetModuleBasePath() = 0;
    virtual CStrPP GetModulePath() = 0;
    virtual CStrPP GetVersionLabel() = 0;
    virtual CStrPP GetGeneratorVersion() = 0;
    virtual CStrPP GetDtmVersion() = 0;
    virtual CStrPP GetTechnicalDescription() = 0;
    virtual CStrPP GetBuildDate() = 0;
};
