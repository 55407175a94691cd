#pragma once

#include <memory>
#include <string>

#include "engine/plugin_library.h"
#include "engine/reference_host.h"

namespace ddhost {

// A plug-in driven in the host's order: load the module, get the attribute-calculation
// object, attach the host, build the directory. The destructor undoes it in reverse: detach,
// delete the object, close the module.
class Session {
  public:
    // Throws LoadError when the module cannot be used or hands out no object, and PluginError
    // when an exception leaves one of the plug-in's calls. The store records its calls from the
    // directory on when asked. A host of another kind may stand in for the reference host.
    explicit Session(const std::string& pluginPath, StoreRecording recording = StoreRecording::Off,
                     std::unique_ptr<ReferenceHost> host = std::make_unique<ReferenceHost>());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    PluginLibrary& library() { return *m_library; }
    CAttributeCalculation& calculation() { return *m_calculation; }
    ReferenceHost& host() { return *m_host; }
    ReferenceObjectStore& store() { return m_host->store(); }

  private:
    struct DetachAndDelete {
        void operator()(CAttributeCalculation* calculation) const;
    };

    // Declared in the order of construction; members go in reverse.
    std::unique_ptr<PluginLibrary> m_library;
    std::unique_ptr<ReferenceHost> m_host;
    std::unique_ptr<CAttributeCalculation, DetachAndDelete> m_calculation;
};

}  // namespace ddhost
