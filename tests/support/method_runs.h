#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "support/plugin_fixture.h"

// Runs the method of that ID as the host does, on a fresh copy of the directory's object.
template <class Plugin>
std::int32_t Execute(Plugin& f, DDObjectId id, std::int32_t arg = 0, bool noAbortThrow = false,
                     DDContext ctx = 1) {
    std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
    return f.calculation.ExecuteMethod(ctx, static_cast<CDDMethod*>(object.get()), arg,
                                       noAbortThrow);
}

// The log line of the services' Begin for the method of that ID.
inline std::string Begin(DDObjectId id, std::int32_t arg = 0, bool noAbortThrow = false) {
    return std::string("Begin(") + registry::kItems[static_cast<std::size_t>(id)].name + ", " +
           std::to_string(arg) + ", " + (noAbortThrow ? "true" : "false") + ")";
}

// The reference host, except that the device takes no command of one name.
class RefusingHost : public ddhost::ReferenceHost {
  public:
    std::string refused;

    MethodServices* CreateMethodServices(DDContext ctx) override {
        return new Services(ctx, *this);
    }

  private:
    class Services : public ddhost::ReferenceMethodServices {
      public:
        Services(DDContext ctx, RefusingHost& host)
            : ReferenceMethodServices(ctx, host.store(), host.methodRuns()), m_host(host) {}
        bool SendCommand(const CStrPP& command) override {
            return ReferenceMethodServices::SendCommand(command) && m_host.refused != command.ptr();
        }

      private:
        RefusingHost& m_host;
    };
};
