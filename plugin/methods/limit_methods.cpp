#include "methods/method_run.h"

// The limit methods of function block 1: the order checks of the local limits and of the
// device's limits, and the transfer of the limits to and from the device.

namespace {

// The four limits that a check reads.
struct Limits {
    DDObjectId lowAlarm;
    DDObjectId lowWarning;
    DDObjectId highAlarm;
    DDObjectId highWarning;
};

constexpr Limits kLocalLimits = {item::func1_lo_lo_lim_local, item::func1_lo_lim_local,
                                 item::func1_hi_hi_lim_local, item::func1_hi_lim_local};
constexpr Limits kDeviceLimits = {item::func1_lo_lo_lim, item::func1_lo_lim, item::func1_hi_hi_lim,
                                  item::func1_hi_lim};

// Records the failed check before the message, so that an abort at the message cannot leave
// limits out of order marked as good.
void ReportDisorder(MethodRun& run, double lowAlarm, double lowWarning, double highWarning,
                    double highAlarm, const char* message) {
    run.services.PutLocal(CStrPP("loc_lolo"), CDDCommonVariant(lowAlarm));
    run.services.PutLocal(CStrPP("loc_lo"), CDDCommonVariant(lowWarning));
    run.services.PutLocal(CStrPP("loc_hi"), CDDCommonVariant(highWarning));
    run.services.PutLocal(CStrPP("loc_hihi"), CDDCommonVariant(highAlarm));
    run.services.PutValue(ItemName(item::loc_limit_error), CDDCommonVariant(1));
    ShowMessage(run, message);
}

// Each limit may equal its neighbour; every check that fails shows its own message.
template <const Limits& limits>
void CheckLimitOrder(MethodRun& run) {
    MethodServices& services = run.services;
    const double lowAlarm = services.GetFloatValue(ItemName(limits.lowAlarm));
    const double lowWarning = services.GetFloatValue(ItemName(limits.lowWarning));
    const double highAlarm = services.GetFloatValue(ItemName(limits.highAlarm));
    const double highWarning = services.GetFloatValue(ItemName(limits.highWarning));
    services.PutValue(ItemName(item::loc_limit_error), CDDCommonVariant(0));
    if (lowAlarm > lowWarning) {
        ReportDisorder(run, lowAlarm, lowWarning, highWarning, highAlarm,
                       "Lower Limit Alarm is above Lower Limit Warning  "
                       "|de|Alarmgrenze Unten liegt über Warngrenze Unten");
    }
    if (highAlarm < highWarning) {
        ReportDisorder(run, lowAlarm, lowWarning, highWarning, highAlarm,
                       "Upper Limit Alarm is below Upper Limit Warning  "
                       "|de|Alarmgrenze Oben liegt unter Warngrenze Oben");
    }
    if (lowWarning > highWarning) {
        ReportDisorder(run, lowAlarm, lowWarning, highWarning, highAlarm,
                       "Lower Limit Warning is above Upper Limit Warning  "
                       "|de|Warngrenze Unten liegt über Warngrenze Oben");
    }
}

// A limit's transfer: the local limit that the user edits, the device's limit and the command
// that moves it between host and device.
struct LimitTransfer {
    DDObjectId local;
    DDObjectId device;
    DDObjectId command;
};

constexpr LimitTransfer kLimitReads[] = {
    {item::func1_lo_lo_lim_local, item::func1_lo_lo_lim, item::read_func1_lo_lo_lim},
    {item::func1_lo_lim_local, item::func1_lo_lim, item::read_func1_lo_lim},
    {item::func1_hi_hi_lim_local, item::func1_hi_hi_lim, item::read_func1_hi_hi_lim},
    {item::func1_hi_lim_local, item::func1_hi_lim, item::read_func1_hi_lim}};
constexpr LimitTransfer kLimitWrites[] = {
    {item::func1_lo_lo_lim_local, item::func1_lo_lo_lim, item::write_func1_lo_lo_lim},
    {item::func1_lo_lim_local, item::func1_lo_lim, item::write_func1_lo_lim},
    {item::func1_hi_lim_local, item::func1_hi_lim, item::write_func1_hi_lim},
    {item::func1_hi_hi_lim_local, item::func1_hi_hi_lim, item::write_func1_hi_hi_lim}};

// Commands go by the names of their definitions in the directory; before the directory is
// built there are none, and no command can be sent.
void SendCommandOf(MethodRun& run, DDObjectId command) {
    const CDDDefinition* definition = run.calculation.definition(command);
    if (definition == nullptr) EndMethod(-1);
    SendCommand(run, definition->getName());
}

void MoveLimit(MethodRun& run, DDObjectId from, DDObjectId to) {
    run.services.PutValue(ItemName(to),
                          CDDCommonVariant(run.services.GetFloatValue(ItemName(from))));
}

// The device's limits come into the locals only once every read went out, so that a read the
// device refuses leaves the user's edits as they were.
void ReadLimits(MethodRun& run) {
    for (const LimitTransfer& limit : kLimitReads) SendCommandOf(run, limit.command);
    for (const LimitTransfer& limit : kLimitReads) MoveLimit(run, limit.device, limit.local);
}

// The limits go to the device only while the last check found them in order, each taking the
// user's value just before its own write, so that a write that cannot go out leaves the limits
// after it as the device had them. The reads come after the writes: they show what the device
// took, and after refused writes they bring back what the device holds in place of limits out
// of order; the locals keep the user's values.
void WriteLimits(MethodRun& run) {
    if (run.services.GetIntegerValue(ItemName(item::loc_limit_error)) == 0) {
        for (const LimitTransfer& limit : kLimitWrites) {
            MoveLimit(run, limit.local, limit.device);
            SendCommandOf(run, limit.command);
        }
    }
    for (const LimitTransfer& limit : kLimitReads) SendCommandOf(run, limit.command);
}

}  // namespace

DD_METHOD_ENTRY(meth_check_lokal_limits_local, CheckLimitOrder<kLocalLimits>)
DD_METHOD_ENTRY(meth_check_lokal_limits, CheckLimitOrder<kDeviceLimits>)
DD_METHOD_ENTRY(meth_write_limits, WriteLimits)
DD_METHOD_ENTRY(meth_read_limits, ReadLimits)
