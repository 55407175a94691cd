#include "methods/method_run.h"

// The bodies of the factory resets, the totalizer reset, the software revision and the
// methods without statements, with their execute entries.

namespace {

// The reset parameter takes a two-byte code.
constexpr std::int32_t kLargestResetCode = 65535;

void WriteResetCode(MethodRun& run, std::int32_t code) {
    run.services.PutValue(ItemName(item::phys_factory_reset), CDDCommonVariant(code));
    SendCommand(run, ItemName(item::write_phys_factory_reset));
}

// The factory resets write their reset code into the reset parameter and send it to the
// device.
template <int Code>
void FactoryReset(MethodRun& run) {
    WriteResetCode(run, Code);
}

// The device-specific reset sends the code that the user enters; nothing when the user
// cancels, and nothing that the two-byte parameter cannot hold.
void DeviceSpecificReset(MethodRun& run) {
    std::int32_t code = 0;
    if (!run.services.AskInteger(CStrPP("Enter the device-specific reset code  "
                                        "|de|Gerätespezifischen Rücksetzcode eingeben"),
                                 code))
        EndMethod(-2);
    if (code < 0 || code > kLargestResetCode) {
        ShowMessage(run,
                    "The reset code must lie between 0 and 65535  "
                    "|de|Der Rücksetzcode muss zwischen 0 und 65535 liegen");
        EndMethod(-1);
    }
    WriteResetCode(run, code);
}

void ResetTotalizer(MethodRun& run) {
    run.services.PutValue(ItemName(item::func2_reset_tot), CDDCommonVariant(1));
    run.services.PutValue(ItemName(item::func2_reset_tot), CDDCommonVariant(0));
}

// The numeric revision is the revision text's digits among its first six characters, in
// order, read as a decimal number of at most four digits so that it fits the two-byte
// variable: "V1.00." gives 100, a text without digits 0.
constexpr int kRevisionDigits = 4;

void NumericSoftwareRevision(MethodRun& run) {
    SendCommand(run, ItemName(item::read_phys_software_rev_numeric));
    std::int32_t number = 0;
    int digits = 0;
    for (DDObjectId id = item::phys_software_rev_000; id <= item::phys_software_rev_005; ++id) {
        const std::int32_t character = run.services.GetIntegerValue(ItemName(id));
        if (character >= '0' && character <= '9' && digits < kRevisionDigits) {
            number = number * 10 + (character - '0');
            ++digits;
        }
    }
    run.services.PutValue(ItemName(item::phys_software_rev_numeric), CDDCommonVariant(number));
}

}  // namespace

DD_METHOD_ENTRY(method_phys_factory_reset_params, FactoryReset<1>)
DD_METHOD_ENTRY(method_phys_factory_reset_warm, FactoryReset<2506>)
DD_METHOD_ENTRY(method_phys_factory_reset_address, FactoryReset<2712>)
DD_METHOD_ENTRY(method_phys_factory_reset_device_specific, DeviceSpecificReset)
DD_METHOD_ENTRY(GetNumericSoftwareRevision, NumericSoftwareRevision)
DD_METHOD_ENTRY(func2_reset_totalizer, ResetTotalizer)

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
