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

MethodLog Joined(MethodLog head, const MethodLog& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(LimitTransfer, TheLimitsAreWrittenOnlyWithoutALimitErrorAndAlwaysReadBack) {
    PluginFixture f;
    const DDObjectId write = item::meth_write_limits;
    EXPECT_EQ(Execute(f, write), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              Joined({Begin(write), "GetIntegerValue(loc_limit_error) -> 0",
                      "SendCommand(write_func1_lo_lo_lim)", "SendCommand(write_func1_lo_lim)",
                      "SendCommand(write_func1_hi_lim)", "SendCommand(write_func1_hi_hi_lim)"},
                     kLimitReads));

    f.SetValue(item::loc_limit_error, CDDCommonVariant(1));
    EXPECT_EQ(Execute(f, write), 0);
    EXPECT_EQ(f.host.TakeMethodLog(),
              Joined({Begin(write), "GetIntegerValue(loc_limit_error) -> 1"}, kLimitReads));

    EXPECT_EQ(Execute(f, item::meth_read_limits), 0);
    EXPECT_EQ(f.host.TakeMethodLog(), Joined({Begin(item::meth_read_limits)}, kLimitReads));
}

TEST(LimitTransfer, ACommandThatCannotGoOutEndsTheTransferAsAFailure) {
    AttachedPlugin<RefusingHost> plugin;
    plugin.host.refused = "write_func1_lo_lim";
    EXPECT_EQ(Execute(plugin, item::meth_write_limits), -1);
    EXPECT_EQ(plugin.host.TakeMethodLog(),
              (MethodLog{Begin(item::meth_write_limits), "GetIntegerValue(loc_limit_error) -> 0",
                         "SendCommand(write_func1_lo_lo_lim)", "SendCommand(write_func1_lo_lim)",
                         "PutResult(-1)"}));

    // Before the directory is built the commands have no names to go by.
    AttachedPlugin<ddhost::ReferenceHost> unbuilt(false);
    CDDMethod method(CDDDefinition(item::meth_read_limits, "meth_read_limits", DD_KIND_METHOD));
    EXPECT_EQ(unbuilt.calculation.ExecuteMethod(1, &method, 0, false), -1);
    EXPECT_EQ(unbuilt.host.TakeMethodLog(),
              (MethodLog{Begin(item::meth_read_limits), "PutResult(-1)"}));
}

}  // namespace
