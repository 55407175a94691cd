#include "engine/session.h"

#include <utility>

#include "engine/plugin_call.h"

namespace ddhost {

void Session::DetachAndDelete::operator()(CAttributeCalculation* calculation) const {
    calculation->Detach();
    delete calculation;
}

Session::Session(const std::string& pluginPath, StoreRecording recording,
                 std::unique_ptr<ReferenceHost> host)
    : m_library(std::make_unique<PluginLibrary>(pluginPath)), m_host(std::move(host)) {
    m_calculation.reset(IntoPlugin(m_library->exports().getAttributeCalculation));
    if (m_calculation == nullptr) {
        throw LoadError("plug-in " + pluginPath +
                        ": GetAttributeCalculation returned no attribute-calculation object");
    }
    m_host->store().SetRecording(recording);
    IntoPlugin([this] { m_calculation->Attach(m_host.get()); });
    m_host->store().SetCalculation(m_calculation.get());
    IntoPlugin([this] { m_calculation->BuildDefinitions(); });
}

Session::~Session() { m_host->store().SetCalculation(nullptr); }

}  // namespace ddhost
