#include "engine/session.h"

namespace ddhost {

void Session::DetachAndDelete::operator()(CAttributeCalculation* calculation) const {
    calculation->Detach();
    delete calculation;
}

Session::Session(const std::string& pluginPath, StoreRecording recording)
    : m_library(std::make_unique<PluginLibrary>(pluginPath)) {
    m_calculation.reset(m_library->exports().getAttributeCalculation());
    if (m_calculation == nullptr) {
        throw LoadError("plug-in " + pluginPath +
                        ": GetAttributeCalculation returned no attribute-calculation object");
    }
    m_host.store().SetRecording(recording);
    m_calculation->Attach(&m_host);
    m_host.store().SetCalculation(m_calculation.get());
    m_calculation->BuildDefinitions();
}

Session::~Session() { m_host.store().SetCalculation(nullptr); }

}  // namespace ddhost
