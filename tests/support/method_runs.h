#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
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

inline ddhost::MethodLog Joined(ddhost::MethodLog head, const ddhost::MethodLog& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The reference host, except that the device takes no command of one name: the services
// answer that it was not sent, or the host throws its abort (an int) or an error of its own.
class RefusingHost : public ddhost::ReferenceHost {
  public:
    enum class Refusal { NotSent, Abort, Error };
    std::string refused;
    Refusal refusal = Refusal::NotSent;
    int servicesDeleted = 0;

    MethodServices* CreateMethodServices(DDContext ctx) override {
        return new Services(ctx, *this);
    }

  private:
    class Services : public ddhost::ReferenceMethodServices {
      public:
        Services(DDContext ctx, RefusingHost& host)
            : ReferenceMethodServices(ctx, host.store(), host.methodRuns()), m_host(host) {}
        ~Services() override { ++m_host.servicesDeleted; }
        bool SendCommand(const CStrPP& command) override {
            const bool sent = ReferenceMethodServices::SendCommand(command);
            if (m_host.refused != command.ptr()) return sent;
            if (m_host.refusal == Refusal::Abort) throw 1;
            if (m_host.refusal == Refusal::Error) throw std::runtime_error("connection lost");
            return false;
        }

      private:
        RefusingHost& m_host;
    };
};
