#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/logging_host.h"
#include "support/method_runs.h"

namespace {

using ddhost::MethodLog;

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
        EXPECT_EQ(f.host.TakeMethodLog(), MethodLog{Begin(id, 42, true)});
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
                  (MethodLog{Begin(reset.method),
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
    std::int32_t GetIntegerValue(const CStrPP&) override { return 0; }
    double GetFloatValue(const CStrPP&) override { return 0.0; }
    void PutValue(const CStrPP&, const CDDCommonVariant&) override { m_log.push_back("PutValue"); }
    void PutLocal(const CStrPP&, const CDDCommonVariant&) override {}
    bool ShowMessage(const CStrPP&) override { return false; }
    bool AskInteger(const CStrPP&, std::int32_t&) override { return false; }
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

TEST(MethodRun, TheHostsAbortFromAnyServiceAndItsErrorsEndTheMethodAndDeleteItsServices) {
    AttachedPlugin<RefusingHost> plugin;
    ExpectEachRefusalEndsTheResetInsideThePlugin(plugin);
}

TEST(MethodRun, WithoutAHostNothingRunsAndTheAnswerIsMinusOne) {
    PluginFixture f;
    f.calculation.Detach();
    EXPECT_EQ(Execute(f, item::std_Update), -1);
    EXPECT_EQ(f.host.servicesCreated(), 0);
}

const std::string kResetPrompt =
    "AskInteger(\"Enter the device-specific reset code  |de|Ger\xE4tespezifischen R\xFC"
    "cksetzcode eingeben\")";

TEST(MethodBodies, DeviceSpecificResetSendsTheEnteredCodeAndNothingElse) {
    PluginFixture f;
    const DDObjectId reset = item::method_phys_factory_reset_device_specific;
    f.host.methodRuns().inputs = {4711};
    EXPECT_EQ(Execute(f, reset), 0);
    EXPECT_EQ(f.host.TakeMethodLog(), (MethodLog{Begin(reset), kResetPrompt + " -> 4711",
                                                 "PutValue(phys_factory_reset, 4711)",
                                                 "SendCommand(write_phys_factory_reset)"}));

    // No answer left: the user cancelled.
    EXPECT_EQ(Execute(f, reset), -2);
    EXPECT_EQ(f.host.TakeMethodLog(),
              (MethodLog{Begin(reset), kResetPrompt + " -> cancelled", "PutResult(-2)"}));

    // The two-byte parameter cannot hold the code.
    for (const std::int32_t code : {65536, -1}) {
        f.host.methodRuns().inputs = {code};
        EXPECT_EQ(Execute(f, reset), -1);
        EXPECT_EQ(f.host.TakeMethodLog(),
                  (MethodLog{Begin(reset), kResetPrompt + " -> " + std::to_string(code),
                             "ShowMessage(\"The reset code must lie between 0 and 65535  |de|Der "
                             "R\xFC"
                             "cksetzcode muss zwischen 0 und 65535 liegen\") -> false",
                             "PutResult(-1)"}));
    }
    EXPECT_EQ(f.host.store().CurrentValue(1, item::phys_factory_reset).getInt(), 4711);
}

TEST(MethodBodies, TotalizerResetWritesOneThenZero) {
    PluginFixture f;
    EXPECT_EQ(Execute(f, item::func2_reset_totalizer), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              (MethodLog{Begin(item::func2_reset_totalizer), "PutValue(func2_reset_tot, 1)",
                         "PutValue(func2_reset_tot, 0)"}));
}

void SetRevision(PluginFixture& f, const char (&text)[7]) {
    for (int i = 0; i < 6; ++i)
        f.SetValue(item::phys_software_rev_000 + i, CDDCommonVariant(static_cast<int>(text[i])));
}

TEST(MethodBodies, NumericSoftwareRevisionIsTheRevisionsDigitsAsANumber) {
    PluginFixture f;
    const DDObjectId method = item::GetNumericSoftwareRevision;
    SetRevision(f, "V1.00.");
    EXPECT_EQ(Execute(f, method), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              (MethodLog{Begin(method), "SendCommand(read_phys_software_rev_numeric)",
                         "GetIntegerValue(phys_software_rev_000) -> 86",
                         "GetIntegerValue(phys_software_rev_001) -> 49",
                         "GetIntegerValue(phys_software_rev_002) -> 46",
                         "GetIntegerValue(phys_software_rev_003) -> 48",
                         "GetIntegerValue(phys_software_rev_004) -> 48",
                         "GetIntegerValue(phys_software_rev_005) -> 46",
                         "PutValue(phys_software_rev_numeric, 100)"}));
    // At most four digits, so that the number fits two bytes; none gives 0.
    const std::pair<const char(&)[7], int> cases[] = {{"987654", 9876}, {"V/:.x ", 0}};
    for (const auto& [text, number] : cases) {
        SetRevision(f, text);
        EXPECT_EQ(Execute(f, method), 0);
        EXPECT_EQ(f.host.TakeMethodLog().back(),
                  "PutValue(phys_software_rev_numeric, " + std::to_string(number) + ")");
    }
}

TEST(MethodBodies, ACommandTheDeviceRefusesEndsTheMethodAsAFailure) {
    AttachedPlugin<RefusingHost> plugin;
    plugin.host.refused = "write_phys_factory_reset";
    EXPECT_EQ(Execute(plugin, item::method_phys_factory_reset_params), -1);
    EXPECT_EQ(plugin.host.TakeMethodLog().back(), "PutResult(-1)");

    // Nothing is read or computed from a revision that did not arrive.
    plugin.host.refused = "read_phys_software_rev_numeric";
    EXPECT_EQ(Execute(plugin, item::GetNumericSoftwareRevision), -1);
    EXPECT_EQ(plugin.host.TakeMethodLog(),
              (MethodLog{Begin(item::GetNumericSoftwareRevision),
                         "SendCommand(read_phys_software_rev_numeric)", "PutResult(-1)"}));
}

// The download pre-checks.

std::unique_ptr<CDDMethod> PreWrite2nd(LoggedPlugin& plugin,
                                       const std::vector<CDDMethodParameter>& parameters) {
    CDDDefinition definition = *plugin.calculation.definition(item::pre_write_upload_variables_2nd);
    for (const CDDMethodParameter& parameter : parameters) definition.AddParameter(parameter);
    plugin.host.TakeEvents();
    return std::make_unique<CDDMethod>(definition);
}

std::vector<std::string> CurrentValueReads(LoggingHost& host) {
    std::vector<std::string> reads;
    for (const std::string& event : host.TakeEvents())
        if (event.rfind("store::GetCurrentValue", 0) == 0) reads.push_back(event);
    return reads;
}

const std::string kReadAccessCode = "GetIntegerValue(loc_security_lock) -> 0";

TEST(UploadPrechecks, TheSecondTakesTwoIntegersOfItsOwnOrFromTheReferredVariables) {
    LoggedPlugin plugin;
    const DDObjectId id = item::pre_write_upload_variables_2nd;
    std::unique_ptr<CDDMethod> method =
        PreWrite2nd(plugin, {{"code", 7294, false}, {"lock", 1, false}, {"more", 3, true}});
    EXPECT_EQ(plugin.calculation.ExecuteMethod(1, method.get(), 5, false), 0);
    EXPECT_EQ(CurrentValueReads(plugin.host), std::vector<std::string>{});
    EXPECT_EQ(plugin.host.TakeMethodLog(), (MethodLog{Begin(id, 5), kReadAccessCode}));

    method = PreWrite2nd(plugin, {{"code", item::loc_security_lock, true},
                                  {"lock", item::func1_out_decimal_point, true}});
    EXPECT_EQ(plugin.calculation.ExecuteMethod(1, method.get(), 0, false), 0);
    EXPECT_EQ(CurrentValueReads(plugin.host),
              (std::vector<std::string>{"store::GetCurrentValue(ctx 1, loc_security_lock)",
                                        "store::GetCurrentValue(ctx 1, func1_out_decimal_point)"}));
    EXPECT_EQ(plugin.host.TakeMethodLog(), (MethodLog{Begin(id), kReadAccessCode}));
    EXPECT_TRUE(plugin.host.sink().messages().empty());
}

TEST(UploadPrechecks, MissingOrForeignNamedParametersAreReportedAndNothingRuns) {
    LoggedPlugin plugin;
    const std::vector<std::vector<CDDMethodParameter>> refused = {
        {},
        {{"code", 1, false}},
        {{"code", 1, false}, {"lock", item::read_phys_blk, true}},
        {{"code", 638, true}, {"lock", 1, false}},
        {{"code", -1, true}, {"lock", 1, false}},
        {{"code", 0, true}, {"lock", 1, false}}};
    for (const std::vector<CDDMethodParameter>& parameters : refused) {
        const std::unique_ptr<CDDMethod> method = PreWrite2nd(plugin, parameters);
        EXPECT_EQ(plugin.calculation.ExecuteMethod(1, method.get(), 0, false), -1);
        EXPECT_EQ(CurrentValueReads(plugin.host), std::vector<std::string>{});
        EXPECT_EQ(plugin.host.sink().Take(),
                  std::vector<std::string>{":   0,  0 : illegal named parameter (execute) for "
                                           "object pre_write_upload_variables_2nd"});
    }
    EXPECT_EQ(plugin.host.servicesCreated(), 0);

    // Without a host nothing is fetched or reported.
    std::unique_ptr<CDDMethod> method =
        PreWrite2nd(plugin, {{"code", item::loc_security_lock, true}, {"lock", 638, true}});
    plugin.calculation.Detach();
    EXPECT_EQ(plugin.calculation.ExecuteMethod(1, method.get(), 0, false), -1);
    EXPECT_EQ(plugin.host.TakeEvents(), std::vector<std::string>{});
    EXPECT_TRUE(plugin.host.sink().messages().empty());
}

TEST(UploadPrechecks, TheFirstRunsTheSecondsBodyWithServicesOfItsOwn) {
    PluginFixture f;
    const DDObjectId first = item::pre_write_upload_variables_1st;
    EXPECT_EQ(Execute(f, first, 3, true), 0);
    EXPECT_EQ(f.host.servicesCreated(), 2);
    EXPECT_EQ(f.host.TakeMethodLog(), (MethodLog{Begin(first, 3, true), Begin(first, 3, true),
                                                 kReadAccessCode, "PutResult(0)"}));
}

}  // namespace
