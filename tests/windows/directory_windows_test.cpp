// The real module driven as a Windows host drives it: loaded by its path, its calculation object
// attached to the reference host, the directory built, objects filled, methods run. What the
// module hands over crosses three modules (the module, the object-model library, this program),
// so each check compares with the same code run inside this program or with bytes known from
// the device.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/object_kinds.h"
#include "engine/session.h"
#include "support/method_runs.h"
#include "support/temporary_directory.h"
#include "support/trace_helpers.h"

namespace {

using ddhost::MethodLog;
using ddhost::StoreCall;
using ddhost::StoreOperation;

constexpr DDContext kCtx = 0x5150;

using Fetch = std::pair<DDObjectId, DDContext>;

// The module beside this program, by its full path.
std::string PluginPath() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return (std::filesystem::path(program).parent_path() / DD_PLUGIN_PATH).string();
}

std::vector<std::string> Described(const std::vector<StoreCall>& calls) {
    std::vector<std::string> lines;
    for (const StoreCall& call : calls) lines.push_back(Describe(call));
    return lines;
}

class WindowsHost : public ::testing::Test {
  protected:
    ddhost::ReferenceObjectStore& store() { return session.store(); }

    // A new object of the item, made from the directory as the host holds it, then filled by
    // the module.
    std::unique_ptr<CDDObject> Fill(DDObjectId id, DDContext ctx = kCtx) {
        std::unique_ptr<CDDObject> object = store().Copy(id);
        ddhost::Calculate(session.calculation(), ctx, *object);
        return object;
    }
    template <class T>
    std::unique_ptr<T> FillAs(DDObjectId id, DDContext ctx = kCtx) {
        return std::unique_ptr<T>(static_cast<T*>(Fill(id, ctx).release()));
    }
    Calls Trace(DDObjectId id, DDContext ctx = kCtx) {
        std::unique_ptr<CDDObject> object = store().Copy(id);
        return TraceOf([&] { ddhost::Calculate(session.calculation(), ctx, *object); });
    }

    // The items whose current value the store was asked for since the last ClearCalls, with the
    // host value handed in.
    std::vector<Fetch> Fetched() {
        std::vector<Fetch> fetched;
        for (const StoreCall& call : store().calls())
            if (call.operation == StoreOperation::GetCurrentValue)
                fetched.emplace_back(call.id, call.ctx);
        return fetched;
    }

    ddhost::Session session{PluginPath(), ddhost::StoreRecording::On};
};

TEST(WindowsSession, LoadsTheModuleByItsPathAndFreesItAtTheEnd) {
    ASSERT_EQ(GetModuleHandleA(DD_PLUGIN_PATH), nullptr);
    {
        const ddhost::Session session(PluginPath());
        const HMODULE module = GetModuleHandleA(DD_PLUGIN_PATH);
        ASSERT_NE(module, nullptr);
        char file[MAX_PATH] = {};
        GetModuleFileNameA(module, file, MAX_PATH);
        EXPECT_TRUE(std::filesystem::equivalent(file, PluginPath())) << file;
    }
    EXPECT_EQ(GetModuleHandleA(DD_PLUGIN_PATH), nullptr);
}

// The system's loader refuses a cut-short module with a bare error number; the host names the
// part that is missing before it asks the loader.
TEST(WindowsSession, RefusesAModuleCutShortWithThePartThatIsMissing) {
    std::ifstream in(PluginPath(), std::ios::binary);
    const std::string module{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const TemporaryDirectory directory;
    const std::string path = (directory.path() / "cut.dll").string();
    for (auto [size, missing] : {std::pair<std::size_t, const char*>{100, "the PE header"},
                                 {module.size() / 2, "section "}}) {
        SCOPED_TRACE(size);
        std::ofstream(path, std::ios::binary) << module.substr(0, size);
        try {
            ddhost::PluginLibrary library(path);
            ADD_FAILURE() << "loaded";
        } catch (const ddhost::LoadError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("cannot open plug-in " + path + ": the file is cut short: ", 0),
                      0u)
                << message;
            EXPECT_NE(message.find(missing), std::string::npos) << message;
        }
    }
}

TEST_F(WindowsHost, ReceivesTheDirectoryThatTheCodeInThisProgramHandsOver) {
    ASSERT_EQ(store().objects().size(), 637u);
    EXPECT_EQ(store().transactionSets().size(), 146u);
    EXPECT_EQ(store().variableSets().size(), 247u);
    const CDDDefinition& first = *store().objects().front()->getcDefinition();
    const CDDDefinition& last = *store().objects().back()->getcDefinition();
    EXPECT_EQ(first.getID(), 18);
    EXPECT_EQ(first.name(), "physical_block");
    EXPECT_EQ(last.getID(), 411);
    EXPECT_EQ(last.name(), "VOLUME_UNIT");
    // Every object, transaction set and variable set, with its members, in the same order.
    const PluginFixture inProcess;
    EXPECT_EQ(Described(store().calls()), Described(inProcess.host.store().calls()));
    EXPECT_TRUE(session.host().sink().messages().empty());
}

TEST_F(WindowsHost, FillsEveryObjectWithTheLibraryCallsOfTheCodeInThisProgram) {
    PluginFixture inProcess;
    for (const auto& object : store().objects()) {
        const DDObjectId id = object->getcDefinition()->getID();
        const Calls calls = Trace(id, 1);
        ASSERT_FALSE(calls.empty()) << Name(id);
        ASSERT_EQ(calls, inProcess.Trace(id, 1)) << Name(id);
    }
    EXPECT_TRUE(session.host().sink().messages().empty());
}

TEST_F(WindowsHost, ACommandReadsItsReplySetFromItsBlock) {
    const std::unique_ptr<CDDCommand> command = FillAs<CDDCommand>(item::read_phys_blk);
    ASSERT_TRUE(command->getAttributesAvailable());
    ASSERT_NE(command->getBlock(), nullptr);
    EXPECT_EQ(command->getBlock()->getcDefinition()->getID(), item::physical_block);
    EXPECT_EQ(command->getIndex()->getIndex(), 0);
    EXPECT_EQ(command->getOperation(), DD_OPERATION_READ);
    ASSERT_EQ(command->getTransactionSet()->getCount(), 1);
    const CDDTransaction& transaction = command->getTransactionSet()->getItem(0);
    EXPECT_EQ(transaction.getRequest()->getCount(), 0);
    const CDDDataItemList& reply = *transaction.getReply();
    std::vector<DDObjectId> items;
    for (int i = 0; i < reply.getCount(); ++i)
        items.push_back(reply.getItem(i).reference().getDefinition().getID());
    EXPECT_EQ(items.size(), 12u);
    // The reply set that the directory handed the host for the same transaction.
    const auto& all = store().transactionSets();
    const auto sets = std::find_if(all.begin(), all.end(), [](const ddhost::TransactionSets& s) {
        return s.command.getID() == item::read_phys_blk && s.transaction == 0;
    });
    ASSERT_NE(sets, all.end());
    std::vector<DDObjectId> directory;
    for (const CDDDefinition& definition : sets->reply) directory.push_back(definition.getID());
    EXPECT_EQ(items, directory);
    EXPECT_TRUE(sets->request.empty());
}

TEST_F(WindowsHost, TextsArriveAsWindows1252Bytes) {
    EXPECT_STREQ(Fill(item::phys_device_id)->getLabel().ptr(),
                 "Device ID  |de|Ger\xE4tebezeichnung  |fr|D\xE9signation de l'appareil  "
                 "|it|Denominazione apparecchio  |es|Identificador del aparato");
    const auto unit = FillAs<CDDVariable>(item::func2_tot_units);
    EXPECT_STREQ(unit->getTypeInfo()->enumerators().getItem(1).getDescription().ptr(),
                 "m\xB3  |de|m\xB3  |fr|m\xB3  |it|m\xB3  |es|m\xB3");
}

TEST_F(WindowsHost, TheOutputFormatFollowsTheDecimalPointThatTheHostHolds) {
    // Never set: the store answers with the decimal point's default, filled by the module.
    EXPECT_STREQ(
        FillAs<CDDVariable>(item::func1_out_value)->getTypeInfo()->getDisplayFormat().ptr(), ".2f");
    for (const auto& [value, format] :
         {std::pair{3, ".3f"}, std::pair{127, "8.6f"}, std::pair{8, "%G"}}) {
        store().SetCurrentValue(kCtx, item::func1_out_decimal_point, CDDCommonVariant(value));
        store().ClearCalls();
        const auto output = FillAs<CDDVariable>(item::func1_out_value);
        EXPECT_STREQ(output->getTypeInfo()->getDisplayFormat().ptr(), format) << value;
        EXPECT_EQ(Fetched(), (std::vector<Fetch>{{item::func1_out_decimal_point, kCtx}}));
    }
}

TEST_F(WindowsHost, NominalSizeIsWritableWithTheServiceCodeOnly) {
    for (const auto& [code, handling] :
         {std::pair{7294, kWriteThenRead}, std::pair{0, kReadOnly}, std::pair{7295, kReadOnly}}) {
        SCOPED_TRACE(code);
        store().SetCurrentValue(kCtx, item::loc_security_lock, CDDCommonVariant(code));
        store().ClearCalls();
        EXPECT_EQ(
            FromHandling(Trace(item::trans1_Nominal_Size)),
            Join({handling,
                  {"CDDVariable::putConstantUnit(\"\")", "CDDVariable::putConstantUnit(\"mm\")",
                   "CDDVariable::putAttributesAvailable(true)"}}));
        EXPECT_EQ(Fetched(), (std::vector<Fetch>{{item::loc_security_lock, kCtx}}));
        EXPECT_EQ(FillAs<CDDVariable>(item::trans1_Nominal_Size)->getHandling(DD_HANDLING_WRITE),
                  code == 7294);
    }
}

TEST_F(WindowsHost, TheUserFlowUnitIsValidWhileTheFlowUnitHoldsTheUserCode) {
    const std::unique_ptr<CDDVariable> unit = FillAs<CDDVariable>(item::trans1_user_flow_rate_unit);
    for (const auto& [code, valid] :
         {std::pair{253, true}, std::pair{24, false}, std::pair{253, true}}) {
        store().SetCurrentValue(kCtx, item::trans1_flowrate_unit, CDDCommonVariant(code));
        store().ClearCalls();
        EXPECT_EQ(session.calculation().CalculateVariableValidity(kCtx, unit.get()), valid) << code;
        EXPECT_EQ(Fetched(), (std::vector<Fetch>{{item::trans1_flowrate_unit, kCtx}}));
    }
}

TEST_F(WindowsHost, AnIllegalIdIsReportedToTheHostsSink) {
    CDDMenu menu(CDDDefinition(0, "nothing", DD_KIND_MENU));
    EXPECT_FALSE(session.calculation().CalculateMenuValidity(kCtx, &menu));
    CDDVariable variable(CDDDefinition(638, "no_such_item", DD_KIND_VARIABLE));
    ddhost::Calculate(session.calculation(), kCtx, variable);
    EXPECT_EQ(session.host().sink().Take(),
              (std::vector<std::string>{
                  ":   0,  0 : illegal object ID (calculate Menu validity) for object nothing",
                  ":   0,  0 : illegal object ID (calculate attributes) for object no_such_item"}));
    EXPECT_FALSE(variable.getAttributesAvailable());
}

TEST_F(WindowsHost, TheDataCategoryTableMarksTheBusConfigurationOnly) {
    const PFN_GetAttributeCalcDataCategory byName =
        session.library().exports().getAttributeCalcDataCategory;
    // The ordinal leads to the function that the host found by its name.
    EXPECT_EQ(reinterpret_cast<void (*)()>(
                  GetProcAddress(GetModuleHandleA(DD_PLUGIN_PATH), MAKEINTRESOURCEA(5))),
              reinterpret_cast<void (*)()>(byName));
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    byName(&table, &count);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(count, 638);
    for (DDObjectId id = 0; id < count; ++id)
        EXPECT_EQ(table[id], id >= 594 && id <= 620 ? 3 : 0) << id;
}

// The module's methods run against a host of this program, built with the same toolchain: what
// the host throws from its services crosses the module's frames to the module's own handlers.
template <class Host>
struct ModulePlugin {
    ddhost::Session session{PluginPath(), ddhost::StoreRecording::Off, std::make_unique<Host>()};
    Host& host = static_cast<Host&>(session.host());
    CAttributeCalculation& calculation = session.calculation();
};

TEST(WindowsMethods, TheHostsAbortAndItsErrorsEndTheMethodInsideTheModule) {
    ModulePlugin<RefusingHost> plugin;
    ExpectEachRefusalEndsTheResetInsideThePlugin(plugin);
}

TEST(WindowsMethods, ALimitCheckHandsOnTheLimitsAndAnAbortAtItsMessageEndsIt) {
    ModulePlugin<ddhost::ReferenceHost> plugin;
    const DDObjectId check = item::meth_check_lokal_limits_local;
    const std::pair<DDObjectId, double> limits[] = {{item::func1_lo_lo_lim_local, -10},
                                                    {item::func1_lo_lim_local, -5},
                                                    {item::func1_hi_lim_local, 5},
                                                    {item::func1_hi_hi_lim_local, 4}};
    for (const auto& [id, value] : limits)
        plugin.host.store().SetCurrentValue(1, id, CDDCommonVariant(value));
    const MethodLog checked = {
        Begin(check),
        "GetFloatValue(func1_lo_lo_lim_local) -> -10",
        "GetFloatValue(func1_lo_lim_local) -> -5",
        "GetFloatValue(func1_hi_hi_lim_local) -> 4",
        "GetFloatValue(func1_hi_lim_local) -> 5",
        "PutValue(loc_limit_error, 0)",
        "PutLocal(loc_lolo, -10)",
        "PutLocal(loc_lo, -5)",
        "PutLocal(loc_hi, 5)",
        "PutLocal(loc_hihi, 4)",
        "PutValue(loc_limit_error, 1)",
        "ShowMessage(\"Upper Limit Alarm is below Upper Limit Warning  |de|Alarmgrenze Oben "
        "liegt unter Warngrenze Oben\")"};
    EXPECT_EQ(Execute(plugin, check), 0);
    MethodLog log = checked;
    log.back() += " -> false";
    EXPECT_EQ(plugin.host.TakeMethodLog(), log);

    plugin.host.methodRuns().abortAtMessage = 1;
    EXPECT_EQ(Execute(plugin, check), -2);
    log = Joined(checked, {"PutResult(-2)"});
    log[log.size() - 2] += " -> true";
    EXPECT_EQ(plugin.host.TakeMethodLog(), log);
    EXPECT_EQ(plugin.host.store().CurrentValue(1, item::loc_limit_error).getInt(), 1);
}

}  // namespace
