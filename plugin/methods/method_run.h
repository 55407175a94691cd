#pragma once

#include <array>
#include <cstdint>

#include "core/attribute_calculation.h"

// One run of a method body: the services made for it and what the execute entry received.
struct MethodRun {
    CDeviceAttributeCalculation& calculation;
    DDContext ctx;
    CDDMethod* method;
    std::int32_t arg;
    bool noAbortThrow;
    MethodServices& services;
    // The integers that an entry took from the method's named parameters, else 0.
    std::array<std::int32_t, 2> namedIntegers;
};

// What the bodies ask of the services, by the item's DD name where an item is meant. The
// operations that can end a body do so the way the entry reports it: an abort that is pending
// after a message ends it with -2 (unless the run may not be aborted), a command that could
// not be sent with -1.
CStrPP ItemName(DDObjectId id);
void ShowMessage(MethodRun& run, const char* message);
void SendCommand(MethodRun& run, const CStrPP& command);
// Ends the body with `result`.
[[noreturn]] void EndMethod(std::int32_t result);

// The execute entry of a method that runs `body` as it is.
#define DD_METHOD_ENTRY(name, body)                                              \
    std::int32_t CDeviceAttributeCalculation::Execute_##name(                    \
        DDContext ctx, CDDMethod* method, std::int32_t arg, bool noAbortThrow) { \
        return RunMethod(ctx, method, arg, noAbortThrow, body);                  \
    }
