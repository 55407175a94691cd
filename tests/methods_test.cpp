#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/plugin_fixture.h"

namespace {

using ddhost::MethodLog;

std::int32_t Execute(PluginFixture& f, DDObjectId id, std::int32_t arg = 0,
                     bool noAbortThrow = false, DDContext ctx = 1) {
    std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
    return f.calculation.ExecuteMethod(ctx, static_cast<CDDMethod*>(object.get()), arg,
                                       noAbortThrow);
}

std::string Begin(const char* name, std::int32_t arg = 0, bool noAbortThrow = false) {
    return std::string("Begin(") + name + ", " + std::to_string(arg) + ", " +
           (noAbortThrow ? "true" : "false") + ")";
}

TEST(MethodBodies, EmptyBodiesOnlyBeginTheirOwnServicesAndAnswerTheirResult) {
    const std::vector<DDObjectId> empty = {
        item::method_set,   item::std_NodeAddress,     item::std_LoadinDevice,
        item::std_LoadinPC, item::std_Funktionsleiste, item::std_Statuszeile,
        item::std_Update,   item::std_Einstellungen,   item::std_Untereintraege};
    PluginFixture f;
    for (DDObjectId id : empty) {
        SCOPED_TRACE(registry::kItems[id].name);
        const int created = f.host.servicesCreated();
        EXPECT_EQ(Execute(f, id, 42, true), 0);
        EXPECT_EQ(f.host.servicesCreated(), created + 1);
        EXPECT_EQ(f.host.TakeMethodLog(), MethodLog{Begin(registry::kItems[id].name, 42, true)});
    }
    EXPECT_TRUE(f.host.sink().messages().empty());
}

TEST(MethodBodies, FactoryResetsWriteTheirCodeThenSendTheResetCommand) {
    struct Reset {
        DDObjectId method;
        int code;
    };
    const Reset resets[] = {{item::method_phys_factory_reset_params, 1},
                            {item::method_phys_factory_reset_warm, 2506},
                            {item::method_phys_factory_reset_address, 2712}};
    PluginFixture f;
    for (const Reset& reset : resets) {
        const char* name = registry::kItems[reset.method].name;
        SCOPED_TRACE(name);
        EXPECT_EQ(Execute(f, reset.method), 0);
        EXPECT_EQ(f.host.TakeMethodLog(),
                  (MethodLog{Begin(name),
                             "PutValue(phys_factory_reset, " + std::to_string(reset.code) + ")",
                             "SendCommand(write_phys_factory_reset)"}));
        EXPECT_EQ(f.host.store().CurrentValue(1, item::phys_factory_reset).getInt(), reset.code);
    }
}

// Services that end the run the way a host does when the user aborts: the next request
// throws the abort, and the result starts at a value of the host's own.
class AbortingServices : public MethodServices {
  public:
    AbortingServices(std::vector<std::string>& log, bool abortOnSend)
        : m_log(log), m_abortOnSend(abortOnSend) {}
    ~AbortingServices() override { m_log.push_back("deleted"); }
    void Begin(CDDMethod*, std::int32_t, bool) override { m_log.push_back("Begin"); }
    void PutValue(const CStrPP&, const CDDCommonVariant&) override { m_log.push_back("PutValue"); }
    bool SendCommand(const CStrPP&) override {
        m_log.push_back("SendCommand");
        if (m_abortOnSend) throw 1;
        return true;
    }
    void PutResult(std::int32_t result) override {
        m_log.push_back("PutResult(" + std::to_string(result) + ")");
        m_result = result;
    }
    std::int32_t GetResult() override {
        m_log.push_back("GetResult");
        return m_result;
    }

  private:
    std::vector<std::string>& m_log;
    bool m_abortOnSend;
    std::int32_t m_result = 7;
};

class AbortingHost : public ddhost::ReferenceHost {
  public:
    MethodServices* CreateMethodServices(DDContext ctx) override {
        contexts.push_back(ctx);
        return new AbortingServices(log, abortOnSend);
    }
    std::vector<std::string> log;
    std::vector<DDContext> contexts;
    bool abortOnSend = false;
};

TEST(MethodRun, TheResultIsWhatTheServicesHoldLastAndTheyAreDeletedAfterwards) {
    AttachedPlugin<AbortingHost> plugin;
    std::unique_ptr<CDDObject> method = plugin.host.store().Copy(item::std_Update);
    EXPECT_EQ(plugin.calculation.ExecuteMethod(77, static_cast<CDDMethod*>(method.get()), 0, false),
              7);
    EXPECT_EQ(plugin.host.log, (std::vector<std::string>{"Begin", "GetResult", "deleted"}));
    EXPECT_EQ(plugin.host.contexts, std::vector<DDContext>{77});
}

TEST(MethodRun, AnAbortEndsOnlyTheBodyAndIsReportedAsMinusTwo) {
    AttachedPlugin<AbortingHost> plugin;
    plugin.host.abortOnSend = true;
    std::unique_ptr<CDDObject> method =
        plugin.host.store().Copy(item::method_phys_factory_reset_params);
    EXPECT_EQ(plugin.calculation.ExecuteMethod(1, static_cast<CDDMethod*>(method.get()), 0, false),
              -2);
    EXPECT_EQ(plugin.host.log, (std::vector<std::string>{"Begin", "PutValue", "SendCommand",
                                                         "PutResult(-2)", "GetResult", "deleted"}));
}

TEST(MethodRun, WithoutAHostNothingRunsAndTheAnswerIsMinusOne) {
    PluginFixture f;
    f.calculation.Detach();
    EXPECT_EQ(Execute(f, item::std_Update), -1);
    EXPECT_EQ(f.host.servicesCreated(), 0);
}

TEST(MethodRun, MethodsWithoutABodyReportItAndFail) {
    PluginFixture f;
    EXPECT_EQ(Execute(f, item::meth_read_limits), -1);
    ASSERT_EQ(f.host.sink().messages().size(), 1u);
    EXPECT_EQ(f.host.sink().messages()[0],
              ":   0,  0 : method has no body (execute) for object meth_read_limits");
    EXPECT_EQ(f.host.servicesCreated(), 0);
}

}  // namespace
