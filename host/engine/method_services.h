#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interfaces/host_interfaces.h"

namespace ddhost {

class ReferenceObjectStore;

// What the services of method runs were asked, in order, e.g. "Begin(method_set, 0, false)",
// "PutValue(phys_factory_reset, 1)", "SendCommand(write_phys_factory_reset)".
using MethodLog = std::vector<std::string>;

// The services one method run gets. Values written by name become the store's current values;
// commands are accepted when the directory has a command of that name. Every request goes to
// the host's log, which outlives the services object that the method body deletes.
class ReferenceMethodServices : public MethodServices {
  public:
    ReferenceMethodServices(DDContext ctx, ReferenceObjectStore& store, MethodLog& log)
        : m_ctx(ctx), m_store(store), m_log(log) {}

    void Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) override;
    void PutValue(const CStrPP& variable, const CDDCommonVariant& value) override;
    bool SendCommand(const CStrPP& command) override;
    void PutResult(std::int32_t result) override;
    std::int32_t GetResult() override { return m_result; }

    DDContext ctx() const { return m_ctx; }

  private:
    DDContext m_ctx;
    ReferenceObjectStore& m_store;
    MethodLog& m_log;
    std::int32_t m_result = 0;
};

}  // namespace ddhost
