#include "core/attribute_calculation.h"

// The compiled bodies of the device's methods, and their execute entries.

namespace {

// The factory resets write their reset code into the reset parameter and send it to the
// device.
template <int Code>
void FactoryReset(MethodServices& services) {
    services.PutValue(CStrPP("phys_factory_reset"), CDDCommonVariant(Code));
    services.SendCommand(CStrPP("write_phys_factory_reset"));
}

}  // namespace

#define DD_METHOD_ENTRY(name, body)                                              \
    std::int32_t CDeviceAttributeCalculation::Execute_##name(                    \
        DDContext ctx, CDDMethod* method, std::int32_t arg, bool noAbortThrow) { \
        return RunMethod(ctx, method, arg, noAbortThrow, body);                  \
    }

DD_METHOD_ENTRY(method_phys_factory_reset_params, FactoryReset<1>)
DD_METHOD_ENTRY(method_phys_factory_reset_warm, FactoryReset<2506>)
DD_METHOD_ENTRY(method_phys_factory_reset_address, FactoryReset<2712>)

// Methods whose body has no statements.
DD_METHOD_ENTRY(method_set, nullptr)
DD_METHOD_ENTRY(std_NodeAddress, nullptr)
DD_METHOD_ENTRY(std_LoadinDevice, nullptr)
DD_METHOD_ENTRY(std_LoadinPC, nullptr)
DD_METHOD_ENTRY(std_Funktionsleiste, nullptr)
DD_METHOD_ENTRY(std_Statuszeile, nullptr)
DD_METHOD_ENTRY(std_Update, nullptr)
DD_METHOD_ENTRY(std_Einstellungen, nullptr)
DD_METHOD_ENTRY(std_Untereintraege, nullptr)
