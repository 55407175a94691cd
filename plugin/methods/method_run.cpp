#include <memory>

#include "core/attribute_calculation.h"

// Every method body runs against a services object of its own, made with the host's value,
// begun, and deleted when the body ends. An abort is an int that the body throws; it ends the
// body only and is reported as the result -2. The result is what the services hold last.
std::int32_t CDeviceAttributeCalculation::RunMethod(DDContext ctx, CDDMethod* method,
                                                    std::int32_t arg, bool noAbortThrow,
                                                    MethodBody body) {
    // A method needs the host's services; without an attached host it cannot run.
    if (m_host == nullptr) return -1;
    const std::unique_ptr<MethodServices> services(m_host->CreateMethodServices(ctx));
    services->Begin(method, arg, noAbortThrow);
    try {
        if (body != nullptr) body(*services);
    } catch (int) {
        services->PutResult(-2);
    }
    return services->GetResult();
}
