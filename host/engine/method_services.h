#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "interfaces/host_interfaces.h"

namespace ddhost {

class ReferenceObjectStore;

// What the services of method runs were asked, in order, each as "Operation(arguments)" with
// " -> answer" where the call answers something: "Begin(method_set, 0, false)",
// "GetIntegerValue(loc_limit_error) -> 0", "ShowMessage(\"...\") -> false",
// "AskInteger(\"...\") -> cancelled", "SendCommand(write_phys_factory_reset)".
using MethodLog = std::vector<std::string>;

// What the method runs of one host share: the user the host stands in for, and the record of
// the runs.
struct MethodRuns {
    // The user's answers to the prompts, in order; a prompt with no answer left is cancelled.
    std::deque<std::int32_t> inputs;
    // An abort becomes pending with this message, counted from 1, and stays pending; 0 never.
    int abortAtMessage = 0;
    int messagesShown = 0;
    MethodLog log;
    // The variables written, in the order of their first write.
    std::vector<DDObjectId> written;
};

// The services one method run gets. Values are the store's current values, read and written
// by the variable's name; commands are accepted when the directory has a command of that name.
// Everything goes to the host's record, which outlives the services object that the method
// body deletes.
class ReferenceMethodServices : public MethodServices {
  public:
    ReferenceMethodServices(DDContext ctx, ReferenceObjectStore& store, MethodRuns& runs)
        : m_ctx(ctx), m_store(store), m_runs(runs) {}

    void Begin(CDDMethod* method, std::int32_t arg, bool noAbortThrow) override;
    std::int32_t GetIntegerValue(const CStrPP& variable) override;
    double GetFloatValue(const CStrPP& variable) override;
    void PutValue(const CStrPP& variable, const CDDCommonVariant& value) override;
    void PutLocal(const CStrPP& local, const CDDCommonVariant& value) override;
    bool ShowMessage(const CStrPP& message) override;
    bool AskInteger(const CStrPP& prompt, std::int32_t& value) override;
    bool SendCommand(const CStrPP& command) override;
    void PutResult(std::int32_t result) override;
    std::int32_t GetResult() override { return m_result; }

    DDContext ctx() const { return m_ctx; }

  private:
    // The variable's object ID, or 0 when the directory has no variable of that name.
    DDObjectId VariableId(const CStrPP& name) const;
    CDDCommonVariant ReadValue(const char* operation, const CStrPP& variable);
    // The log's text of a value of the variable of that ID, or of none (0): a four-byte value by
    // its own shortest text (ShownText).
    std::string Text(DDObjectId variable, const CDDCommonVariant& value);
    // Whether the value is one of the four-byte values that this run showed otherwise.
    bool ShownAsSingle(const CDDCommonVariant& value) const;
    void Log(std::string call) { m_runs.log.push_back(std::move(call)); }

    DDContext m_ctx;
    ReferenceObjectStore& m_store;
    MethodRuns& m_runs;
    std::int32_t m_result = 0;
    // The four-byte values that this run showed otherwise: a local has no type that the host
    // knows, so one of these handed on as a local is shown as it was before.
    std::vector<double> m_singlesShown;
};

}  // namespace ddhost
