#pragma once

#include <gtest/gtest.h>

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
// The host can throw its abort from one more of the services' operations as well, each time
// it is called: Begin, PutResult or GetResult, as `abortFrom` names it.
class RefusingHost : public ddhost::ReferenceHost {
  public:
    enum class Refusal { NotSent, Abort, Error };
    std::string refused;
    Refusal refusal = Refusal::NotSent;
    std::string abortFrom;
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
        void Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) override {
            ReferenceMethodServices::Begin(method, arg, noAbortThrow);
            AbortIfFrom("Begin");
        }
        bool SendCommand(const CStrPP& command) override {
            const bool sent = ReferenceMethodServices::SendCommand(command);
            if (m_host.refused != command.ptr()) return sent;
            if (m_host.refusal == Refusal::Abort) throw 1;
            if (m_host.refusal == Refusal::Error) throw std::runtime_error("connection lost");
            return false;
        }
        void PutResult(std::int32_t result) override {
            ReferenceMethodServices::PutResult(result);
            AbortIfFrom("PutResult");
        }
        std::int32_t GetResult() override {
            AbortIfFrom("GetResult");
            return ReferenceMethodServices::GetResult();
        }

      private:
        void AbortIfFrom(const char* operation) const {
            if (m_host.abortFrom == operation) throw 1;
        }

        RefusingHost& m_host;
    };
};

// Runs a factory reset once for each way a RefusingHost can end it. Each ends inside the
// plug-in with the run's services deleted: a command not sent and an error of the host's with
// -1, the host's abort with -2 wherever it comes from. An abort from Begin or SendCommand is
// handed over as the result; one from PutResult or GetResult, while the result is handed over
// or read back, ends the run at once.
template <class Plugin>
void ExpectEachRefusalEndsTheResetInsideThePlugin(Plugin& plugin) {
    using Refusal = RefusingHost::Refusal;
    const DDObjectId reset = item::method_phys_factory_reset_params;
    const ddhost::MethodLog sent = {Begin(reset), "PutValue(phys_factory_reset, 1)",
                                    "SendCommand(write_phys_factory_reset)"};
    const struct {
        Refusal refusal;
        const char* abortFrom;
        std::int32_t result;
        ddhost::MethodLog log;
    } cases[] = {{Refusal::NotSent, "", -1, Joined(sent, {"PutResult(-1)"})},
                 {Refusal::Abort, "", -2, Joined(sent, {"PutResult(-2)"})},
                 {Refusal::Error, "", -1, sent},
                 {Refusal::NotSent, "Begin", -2, {Begin(reset), "PutResult(-2)"}},
                 {Refusal::NotSent, "PutResult", -2, Joined(sent, {"PutResult(-1)"})},
                 {Refusal::NotSent, "GetResult", -2, Joined(sent, {"PutResult(-1)"})}};
    plugin.host.refused = "write_phys_factory_reset";
    int deleted = plugin.host.servicesDeleted;
    for (const auto& c : cases) {
        SCOPED_TRACE("refusal " + std::to_string(static_cast<int>(c.refusal)) + ", abort from " +
                     c.abortFrom);
        plugin.host.refusal = c.refusal;
        plugin.host.abortFrom = c.abortFrom;
        EXPECT_EQ(Execute(plugin, reset), c.result);
        EXPECT_EQ(plugin.host.TakeMethodLog(), c.log);
        EXPECT_EQ(plugin.host.servicesDeleted, ++deleted);
    }
}
