#include "methods/method_run.h"

#include <memory>

namespace {

// Thrown by a body to end itself early with a result.
struct MethodEnd {
    std::int32_t result;
};

}  // namespace

CStrPP ItemName(DDObjectId id) {
    return CStrPP(registry::kItems[static_cast<std::size_t>(id)].name);
}

void ShowMessage(MethodRun& run, const char* message) {
    if (run.services.ShowMessage(CStrPP(message)) && !run.noAbortThrow) EndMethod(-2);
}

void SendCommand(MethodRun& run, const CStrPP& command) {
    if (!run.services.SendCommand(command)) EndMethod(-1);
}

void EndMethod(std::int32_t result) { throw MethodEnd{result}; }

// Every method body runs against a services object of its own, made with the host's value,
// begun, and deleted when the body ends. A host ends a body by throwing an int, its abort,
// from any of the services' operations; the body ends itself by EndMethod. Neither leaves the
// entry: the result becomes -2 or the body's own. The result is what the services hold last.
std::int32_t CDeviceAttributeCalculation::RunMethod(
    DDContext ctx, CDDMethod* method, std::int32_t arg, bool noAbortThrow, MethodBody body,
    const std::array<std::int32_t, 2>& namedIntegers) {
    // A method needs the host's services; without an attached host it cannot run.
    if (m_host == nullptr) return -1;
    const std::unique_ptr<MethodServices> services(m_host->CreateMethodServices(ctx));
    if (services == nullptr) return -1;
    try {
        try {
            services->Begin(method, arg, noAbortThrow);
            MethodRun run{*this, ctx, method, arg, noAbortThrow, *services, namedIntegers};
            if (body != nullptr) body(run);
        } catch (int) {
            services->PutResult(-2);
        } catch (const MethodEnd& end) {
            services->PutResult(end.result);
        }
        return services->GetResult();
    } catch (int) {
        // The abort thrown again while the result is handed over.
        return -2;
    }
}
