#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/attribute_calculation.h"
#include "engine/call_trace.h"
#include "engine/object_kinds.h"
#include "engine/reference_host.h"

// The plug-in's attribute-calculation object, in this process, driven by a `Host` in the host's
// order: attach, then build the directory unless told not to. The store keeps a record of its
// calls for the tests to read, unless told not to as ddhost does.
template <class Host>
struct AttachedPlugin {
    explicit AttachedPlugin(bool build = true,
                            ddhost::StoreRecording recording = ddhost::StoreRecording::On) {
        host.store().SetRecording(recording);
        host.store().SetCalculation(&calculation);
        calculation.Attach(&host);
        if (build) calculation.BuildDefinitions();
    }
    AttachedPlugin(const AttachedPlugin&) = delete;
    AttachedPlugin& operator=(const AttachedPlugin&) = delete;

    Host host;
    CDeviceAttributeCalculation calculation;
};

// The plug-in driven by the reference host, which then fills objects on request.
class PluginFixture : public AttachedPlugin<ddhost::ReferenceHost> {
  public:
    using AttachedPlugin::AttachedPlugin;

    // A new object of the item, made from the directory as the host holds it, then filled.
    std::unique_ptr<CDDObject> Fill(DDObjectId id, DDContext ctx = 1) {
        std::unique_ptr<CDDObject> object = host.store().Copy(id);
        ddhost::Calculate(calculation, ctx, *object);
        return object;
    }
    template <class T>
    std::unique_ptr<T> FillAs(DDObjectId id, DDContext ctx = 1) {
        return std::unique_ptr<T>(static_cast<T*>(Fill(id, ctx).release()));
    }

    // The library calls of one fill, as "Receiver::operation(arguments)".
    std::vector<std::string> Trace(DDObjectId id, DDContext ctx = 1) {
        std::unique_ptr<CDDObject> object = host.store().Copy(id);
        std::vector<std::string> calls;
        {
            ddhost::CallTrace trace;
            ddhost::Calculate(calculation, ctx, *object);
            for (const ddhost::TracedCall& call : trace.calls()) calls.push_back(call.Text());
        }
        return calls;
    }

    void SetValue(DDObjectId id, const CDDCommonVariant& value, DDContext ctx = 1) {
        host.store().SetCurrentValue(ctx, id, value);
    }
};
