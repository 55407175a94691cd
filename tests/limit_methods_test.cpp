// The limit methods: the order checks of the local and of the device's limits, and the
// transfer of the limits to and from the device.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/method_runs.h"

namespace {

using ddhost::MethodLog;

struct LimitIds {
    DDObjectId check;
    DDObjectId lowAlarm, lowWarning, highWarning, highAlarm;
};

constexpr LimitIds kChecks[] = {
    {item::meth_check_lokal_limits_local, item::func1_lo_lo_lim_local, item::func1_lo_lim_local,
     item::func1_hi_lim_local, item::func1_hi_hi_lim_local},
    {item::meth_check_lokal_limits, item::func1_lo_lo_lim, item::func1_lo_lim, item::func1_hi_lim,
     item::func1_hi_hi_lim}};

struct Limits {
    double lowAlarm, lowWarning, highWarning, highAlarm;
};

void SetLimits(PluginFixture& f, const LimitIds& ids, const Limits& limits) {
    f.SetValue(ids.lowAlarm, CDDCommonVariant(limits.lowAlarm));
    f.SetValue(ids.lowWarning, CDDCommonVariant(limits.lowWarning));
    f.SetValue(ids.highWarning, CDDCommonVariant(limits.highWarning));
    f.SetValue(ids.highAlarm, CDDCommonVariant(limits.highAlarm));
}

const std::string kLowAlarmAbove =
    "ShowMessage(\"Lower Limit Alarm is above Lower Limit Warning  |de|Alarmgrenze Unten liegt "
    "\xFC"
    "ber Warngrenze Unten\")";
const std::string kHighAlarmBelow =
    "ShowMessage(\"Upper Limit Alarm is below Upper Limit Warning  |de|Alarmgrenze Oben liegt "
    "unter Warngrenze Oben\")";
const std::string kLowWarningAbove =
    "ShowMessage(\"Lower Limit Warning is above Upper Limit Warning  |de|Warngrenze Unten liegt "
    "\xFC"
    "ber Warngrenze Oben\")";

std::vector<std::string> Messages(const MethodLog& log) {
    std::vector<std::string> messages;
    for (const std::string& call : log)
        if (call.rfind("ShowMessage(", 0) == 0) messages.push_back(call);
    return messages;
}

std::int32_t LimitError(PluginFixture& f) {
    return f.host.store().CurrentValue(1, item::loc_limit_error).getInt();
}

TEST(LimitChecks, EveryCheckThatFailsShowsItsMessageAndMarksTheLimitError) {
    struct Case {
        Limits limits;
        std::vector<std::string> messages;
    };
    const Case cases[] = {{{-10, -5, 5, 10}, {}},
                          {{0, 0, 0, 0}, {}},
                          {{-4, -5, 5, 10}, {kLowAlarmAbove + " -> false"}},
                          {{-10, -5, 5, 4}, {kHighAlarmBelow + " -> false"}},
                          {{-10, 6, 5, 10}, {kLowWarningAbove + " -> false"}},
                          {{9, 8, 5, 1},
                           {kLowAlarmAbove + " -> false", kHighAlarmBelow + " -> false",
                            kLowWarningAbove + " -> false"}}};
    PluginFixture f;
    for (const LimitIds& ids : kChecks) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(registry::kItems[ids.check].name) + " " +
                         std::to_string(c.limits.lowAlarm));
            SetLimits(f, ids, c.limits);
            EXPECT_EQ(Execute(f, ids.check), 0);
            EXPECT_EQ(Messages(f.host.TakeMethodLog()), c.messages);
            EXPECT_EQ(LimitError(f), c.messages.empty() ? 0 : 1);
        }
    }
}

TEST(LimitChecks, AFailedCheckHandsTheLimitsOnAndMarksTheErrorBeforeItsMessage) {
    PluginFixture f;
    const LimitIds& ids = kChecks[0];
    SetLimits(f, ids, {-4.5, -5, 5, 10});
    EXPECT_EQ(Execute(f, ids.check), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              (MethodLog{Begin(ids.check), "GetFloatValue(func1_lo_lo_lim_local) -> -4.5",
                         "GetFloatValue(func1_lo_lim_local) -> -5",
                         "GetFloatValue(func1_hi_hi_lim_local) -> 10",
                         "GetFloatValue(func1_hi_lim_local) -> 5", "PutValue(loc_limit_error, 0)",
                         "PutLocal(loc_lolo, -4.5)", "PutLocal(loc_lo, -5)", "PutLocal(loc_hi, 5)",
                         "PutLocal(loc_hihi, 10)", "PutValue(loc_limit_error, 1)",
                         kLowAlarmAbove + " -> false"}));

    // Every check hands the upper warning as loc_hi and the upper alarm as loc_hihi.
    struct Upper {
        Limits limits;
        MethodLog locals;
    };
    const Upper uppers[] = {{{-10, -5, 5, 4}, {"PutLocal(loc_hi, 5)", "PutLocal(loc_hihi, 4)"}},
                            {{-10, 6, 5, 10}, {"PutLocal(loc_hi, 5)", "PutLocal(loc_hihi, 10)"}}};
    for (const Upper& upper : uppers) {
        SetLimits(f, ids, upper.limits);
        EXPECT_EQ(Execute(f, ids.check), 0);
        MethodLog locals;
        for (const std::string& call : f.host.TakeMethodLog())
            if (call.rfind("PutLocal(loc_hi", 0) == 0) locals.push_back(call);
        EXPECT_EQ(locals, upper.locals);
    }
}

TEST(LimitChecks, AnAbortAfterAMessageEndsTheCheckUnlessTheRunMayNotBeAborted) {
    PluginFixture f;
    for (const LimitIds& ids : kChecks) {
        SetLimits(f, ids, {9, 8, 5, 1});
        f.host.methodRuns().abortAtMessage = 1;
        f.host.methodRuns().messagesShown = 0;
        EXPECT_EQ(Execute(f, ids.check), -2);
        MethodLog log = f.host.TakeMethodLog();
        EXPECT_EQ(Messages(log), std::vector<std::string>{kLowAlarmAbove + " -> true"});
        EXPECT_EQ(log.back(), "PutResult(-2)");
        EXPECT_EQ(LimitError(f), 1);

        f.host.methodRuns().messagesShown = 0;
        EXPECT_EQ(Execute(f, ids.check, 0, true), 0);
        EXPECT_EQ(
            Messages(f.host.TakeMethodLog()),
            (std::vector<std::string>{kLowAlarmAbove + " -> true", kHighAlarmBelow + " -> true",
                                      kLowWarningAbove + " -> true"}));
        f.host.methodRuns().abortAtMessage = 0;
    }
}

const MethodLog kLimitReads = {
    "SendCommand(read_func1_lo_lo_lim)", "SendCommand(read_func1_lo_lim)",
    "SendCommand(read_func1_hi_hi_lim)", "SendCommand(read_func1_hi_lim)"};

Limits CurrentLimits(PluginFixture& f, const LimitIds& ids) {
    auto value = [&](DDObjectId id) { return f.host.store().CurrentValue(1, id).getDouble(); };
    return {value(ids.lowAlarm), value(ids.lowWarning), value(ids.highWarning),
            value(ids.highAlarm)};
}

bool operator==(const Limits& a, const Limits& b) {
    return a.lowAlarm == b.lowAlarm && a.lowWarning == b.lowWarning &&
           a.highWarning == b.highWarning && a.highAlarm == b.highAlarm;
}

constexpr Limits kEdited = {-20, -10, 10, 20};
constexpr Limits kDevice = {-2, -1, 1, 2};

// The user has edited the local limits; the device holds limits of its own.
class LimitTransfer : public ::testing::Test {
  protected:
    LimitTransfer() {
        SetLimits(f, local, kEdited);
        SetLimits(f, device, kDevice);
    }
    PluginFixture f;
    const LimitIds& local = kChecks[0];
    const LimitIds& device = kChecks[1];
};

TEST_F(LimitTransfer, WritingMovesEachLocalLimitIntoTheDeviceJustBeforeItsWrite) {
    const DDObjectId write = item::meth_write_limits;
    EXPECT_EQ(Execute(f, write), 0);
    EXPECT_EQ(
        f.host.TakeMethodLog(),
        Joined({Begin(write), "GetIntegerValue(loc_limit_error) -> 0",
                "GetFloatValue(func1_lo_lo_lim_local) -> -20", "PutValue(func1_lo_lo_lim, -20)",
                "SendCommand(write_func1_lo_lo_lim)", "GetFloatValue(func1_lo_lim_local) -> -10",
                "PutValue(func1_lo_lim, -10)", "SendCommand(write_func1_lo_lim)",
                "GetFloatValue(func1_hi_lim_local) -> 10", "PutValue(func1_hi_lim, 10)",
                "SendCommand(write_func1_hi_lim)", "GetFloatValue(func1_hi_hi_lim_local) -> 20",
                "PutValue(func1_hi_hi_lim, 20)", "SendCommand(write_func1_hi_hi_lim)"},
               kLimitReads));
    EXPECT_EQ(CurrentLimits(f, device), kEdited);
    EXPECT_EQ(CurrentLimits(f, local), kEdited);

    // Limits found out of order move nothing and are not written; the reads still go out.
    SetLimits(f, device, kDevice);
    f.SetValue(item::loc_limit_error, CDDCommonVariant(1));
    EXPECT_EQ(Execute(f, write), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              Joined({Begin(write), "GetIntegerValue(loc_limit_error) -> 1"}, kLimitReads));
    EXPECT_EQ(CurrentLimits(f, device), kDevice);
}

TEST_F(LimitTransfer, ReadingMovesTheDevicesLimitsIntoTheLocalsOnceEveryReadWentOut) {
    const DDObjectId read = item::meth_read_limits;
    EXPECT_EQ(Execute(f, read), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              Joined(Joined({Begin(read)}, kLimitReads),
                     {"GetFloatValue(func1_lo_lo_lim) -> -2", "PutValue(func1_lo_lo_lim_local, -2)",
                      "GetFloatValue(func1_lo_lim) -> -1", "PutValue(func1_lo_lim_local, -1)",
                      "GetFloatValue(func1_hi_hi_lim) -> 2", "PutValue(func1_hi_hi_lim_local, 2)",
                      "GetFloatValue(func1_hi_lim) -> 1", "PutValue(func1_hi_lim_local, 1)"}));
    EXPECT_EQ(CurrentLimits(f, local), kDevice);
}

TEST(LimitTransferFailure, ACommandThatCannotGoOutEndsTheTransferAsAFailure) {
    AttachedPlugin<RefusingHost> plugin;
    plugin.host.refused = "write_func1_lo_lim";
    EXPECT_EQ(Execute(plugin, item::meth_write_limits), -1);
    // The defaults, -3e+38, held and shown as the 4-byte floats that they are.
    const std::string low = "-3e+38";
    EXPECT_EQ(
        plugin.host.TakeMethodLog(),
        (MethodLog{Begin(item::meth_write_limits), "GetIntegerValue(loc_limit_error) -> 0",
                   "GetFloatValue(func1_lo_lo_lim_local) -> " + low,
                   "PutValue(func1_lo_lo_lim, " + low + ")", "SendCommand(write_func1_lo_lo_lim)",
                   "GetFloatValue(func1_lo_lim_local) -> " + low,
                   "PutValue(func1_lo_lim, " + low + ")", "SendCommand(write_func1_lo_lim)",
                   "PutResult(-1)"}));

    // The locals keep the user's values when the device's cannot all be read.
    plugin.host.refused = "read_func1_hi_lim";
    EXPECT_EQ(Execute(plugin, item::meth_read_limits), -1);
    EXPECT_EQ(plugin.host.TakeMethodLog(),
              Joined(Joined({Begin(item::meth_read_limits)}, kLimitReads), {"PutResult(-1)"}));

    // Before the directory is built the commands have no names to go by.
    AttachedPlugin<ddhost::ReferenceHost> unbuilt(false);
    CDDMethod method(CDDDefinition(item::meth_read_limits, "meth_read_limits", DD_KIND_METHOD));
    EXPECT_EQ(unbuilt.calculation.ExecuteMethod(1, &method, 0, false), -1);
    EXPECT_EQ(unbuilt.host.TakeMethodLog(),
              (MethodLog{Begin(item::meth_read_limits), "PutResult(-1)"}));
}

}  // namespace
