#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

// Function block 1 (analog input): the status bytes, the channel, the filter time, the
// hysteresis, the four alarm records and the simulation items; and the loop over every factory
// of the block that these tests and the standard-parameter tests cover.

namespace {

std::string English(const char* text) {
    const std::string whole(text);
    return whole.substr(0, whole.find("  |"));
}

// One alarm record: its five consecutive items and the limit whose texts its state takes.
struct AlarmRecord {
    DDObjectId first;
    DDObjectId limit;
    bool alarm;
};
constexpr AlarmRecord kRecords[] = {
    {item::func1_hi_hi_alm_unacknowledged, item::func1_hi_hi_lim, true},
    {item::func1_hi_alm_unacknowledged, item::func1_hi_lim, false},
    {item::func1_lo_alm_unacknowledged, item::func1_lo_lim, false},
    {item::func1_lo_lo_alm_unacknowledged, item::func1_lo_lo_lim, true},
};

}  // namespace

TEST(FunctionBlock1Records, StatusBytesOfferTheHundredProfileValues) {
    PluginFixture f;
    const auto out = f.FillAs<CDDVariable>(item::func1_out_status);
    const CDDEnumeratorSet& set = out->getTypeInfo()->enumerators();
    ASSERT_EQ(set.getCount(), 100);
    EXPECT_EQ(out->getTypeInfo()->getMaxEnumIndex(), 163);
    EXPECT_FALSE(out->getTypeInfo()->hasDefaultValue());

    Values expected;
    for (std::int32_t value = 0x00; value <= 0x23; ++value) expected.push_back(value);
    for (std::int32_t value = 0x40; value <= 0x5F; ++value) expected.push_back(value);
    for (std::int32_t value = 0x80; value <= 0x9B; ++value) expected.push_back(value);
    for (std::int32_t value = 0xA0; value <= 0xA3; ++value) expected.push_back(value);
    EXPECT_EQ(EnumValues(*out), expected);

    EXPECT_EQ(std::string(set.getItem(0).getDescription().ptr()),
              "Bad  |de|Schlecht  |fr|Mauvais  |it|Scarto  |es|Malo");
    EXPECT_TRUE(StartsWith(set.getItem(99).getDescription().ptr(),
                           "Good, Initiate fail-safe, Value constant  |de|"));
    for (int i = 0; i < set.getCount(); ++i) {
        const std::string text = set.getItem(i).getDescription().ptr();
        SCOPED_TRACE(text);
        const std::size_t de = text.find("  |de|");
        const std::size_t fr = text.find("  |fr|");
        const std::size_t it = text.find("  |it|");
        const std::size_t es = text.find("  |es|");
        EXPECT_TRUE(de != std::string::npos && de < fr && fr < it && it < es &&
                    es != std::string::npos && es + 6 < text.size());
        EXPECT_TRUE(set.getItem(i).getHelp().IsEmpty());
    }

    // The simulation status offers the same list, but is written as well.
    const auto simulation = f.FillAs<CDDVariable>(item::func1_simulate_status);
    const CDDEnumeratorSet& same = simulation->getTypeInfo()->enumerators();
    ASSERT_EQ(same.getCount(), 100);
    for (int i = 0; i < same.getCount(); ++i) {
        EXPECT_EQ(same.getItem(i).getValue(), set.getItem(i).getValue());
        EXPECT_EQ(std::string(same.getItem(i).getDescription().ptr()),
                  set.getItem(i).getDescription().ptr());
    }
    const Calls calls = FromType(f.Trace(item::func1_out_status));
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4),
              (Calls{"CDDVariable::setTypeInfo(CDDType(4))", "CDDType::putSize(1)",
                     "CDDType::putMaxEnumIndex(163)", "CDDEnumerator::putValue(0)"}));
    EXPECT_EQ(Only(calls, "CDDVariable::putHandling"), kReadOnly);
    EXPECT_EQ(Only(f.Trace(item::func1_simulate_status), "CDDVariable::putHandling"),
              kReadThenWrite);
    EXPECT_EQ(out->getHelp(), simulation->getHelp());
    EXPECT_NE(out->getLabel(), simulation->getLabel());
}

// The English parts follow quality, substatus and limit, but for six rows stored otherwise.
TEST(FunctionBlock1Records, StatusByteTextsFollowTheirBitsButForSixRows) {
    PluginFixture f;
    const char* const quality[] = {"Bad", "Uncertain", "Good"};
    const std::vector<std::vector<const char*>> substatus = {
        {"", "Value not accepted", "Not connected", "Device failure", "Sensor failure",
         "Last value (no communication)", "No value (no communication)", "Out of service",
         "Value not supported"},
        {"", "Last usable value", "Substitute value", "O/S initial value", "Value not accurate",
         "Out of range", "Sub-normal", "Configuration error"},
        {"", "Update event", "Warning Limit", "Alarm Limit", "Unacknowledged block alarm",
         "Unacknowledged Warning", "Unacknowledged Alarm", nullptr, "Initiate fail-safe"}};
    const char* const limit[] = {"", "Limit underflow", "Limit overflow", "Value constant"};
    const std::map<std::int32_t, std::string> stored = {
        {0x03, "Bad, Value constant."},
        {0x45, "Uncertain, last usable value, Limit underflow"},
        {0x89, "Good, Warning Limit underflow"},
        {0x8A, "Good, Warning Limit overflow"},
        {0x8D, "Good, Alarm Limit underflow"},
        {0x8E, "Good, Alarm Limit overflow"}};

    const auto status = f.FillAs<CDDVariable>(item::func1_simulate_status);
    const CDDEnumeratorSet& set = status->getTypeInfo()->enumerators();
    for (int i = 0; i < set.getCount(); ++i) {
        const std::int32_t value = set.getItem(i).getValue();
        SCOPED_TRACE(value);
        const std::int32_t sub = (value >> 2) & 0x0F;
        std::string expected = quality[value >> 6];
        if (sub)
            expected =
                expected + ", " +
                substatus[static_cast<std::size_t>(value >> 6)][static_cast<std::size_t>(sub)];
        if (value & 3) expected = expected + ", " + limit[value & 3];
        if (auto row = stored.find(value); row != stored.end()) expected = row->second;
        EXPECT_EQ(English(set.getItem(i).getDescription().ptr()), expected);
    }
}

TEST(FunctionBlock1Records, FilterTimeSetsAnIntDefaultAndItsUnitBeforeTheHandling) {
    PluginFixture f;
    EXPECT_EQ(FromType(f.Trace(item::func1_pv_ftime)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                     "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                     "CDDType::putMaxRangeNo(-1)", "CDDType::putDefaultValue(0)",
                     "CDDVariable::putConstantUnit(\"\")", "CDDVariable::putConstantUnit(\"s\")",
                     "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
                     "CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
                     "CDDVariable::putAttributesAvailable(true)"}));
    for (DDObjectId id : {item::func1_pv_ftime, item::func1_alarm_hys}) {
        SCOPED_TRACE(Name(id));
        const auto variable = f.FillAs<CDDVariable>(id);
        ASSERT_TRUE(variable->getTypeInfo()->hasDefaultValue());
        EXPECT_EQ(variable->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
        EXPECT_EQ(variable->getTypeInfo()->getDefaultValue().getInt(), 0);
    }
    // The hysteresis follows the output unit instead.
    EXPECT_TRUE(Only(f.Trace(item::func1_alarm_hys), "CDDVariable::putConstantUnit").empty());
    EXPECT_TRUE(StartsWith(f.Fill(item::func1_alarm_hys)->getLabel().ptr(),
                           "Limit Hysteresis  |de|Grenzwert-Hysterese  |fr|Valeur limite de "
                           "l'hyst\xE9r\xE8se   |it|"));
}

TEST(FunctionBlock1Records, ChannelAndSimulationAreReadAndWritten) {
    PluginFixture f;
    EXPECT_EQ(FromType(f.Trace(item::func1_channel)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(3))", "CDDType::putSize(2)",
                     "CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%u\")",
                     "CDDType::putEditFormat(\"%u\")", "CDDType::putMaxRangeNo(-1)",
                     "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
                     "CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
                     "CDDVariable::putAttributesAvailable(true)"}));
    const Calls value = f.Trace(item::func1_simulate_value);
    EXPECT_EQ(Only(value, "CDDVariable::putHandling"), kReadThenWrite);
    EXPECT_TRUE(Only(value, "CDDType::putDefaultValue").empty());
    EXPECT_TRUE(Only(value, "CDDVariable::putConstantUnit").empty());

    const auto enabled = f.FillAs<CDDVariable>(item::func1_simulation_enabled);
    EXPECT_EQ(enabled->getTypeInfo()->getMaxEnumIndex(), 1);
    EXPECT_EQ(EnumValues(*enabled), (Values{0, 1}));
    EXPECT_TRUE(StartsWith(enabled->getTypeInfo()->enumerators().getItem(1).getDescription().ptr(),
                           "Enabled  |de|"));
    EXPECT_EQ(Only(f.Trace(item::func1_simulation_enabled), "CDDVariable::putHandling"),
              kReadThenWrite);
}

TEST(FunctionBlock1Records, AlarmRecordsAreFiveReadOnlyMembersEach) {
    PluginFixture f;
    for (const AlarmRecord& record : kRecords) {
        SCOPED_TRACE(Name(record.first));
        const DDObjectId unacknowledged = record.first;
        const DDObjectId state = record.first + 1;
        const DDObjectId timeStamp = record.first + 2;
        const DDObjectId subcode = record.first + 3;
        const DDObjectId value = record.first + 4;
        for (DDObjectId id = unacknowledged; id <= value; ++id)
            EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadOnly);

        const auto unack = f.FillAs<CDDVariable>(unacknowledged);
        EXPECT_EQ(unack->getTypeInfo()->getSize(), 1);
        EXPECT_EQ(std::string(unack->getHelp().ptr()), " ");
        EXPECT_TRUE(StartsWith(unack->getLabel().ptr(), record.alarm
                                                            ? "Unacknowledged Alarms  |de|"
                                                            : "Unacknowledged Warnings  |de|"));

        // The state reads as its limit, and its set state as the limit's English label.
        const auto stateVariable = f.FillAs<CDDVariable>(state);
        const auto limitVariable = f.FillAs<CDDVariable>(record.limit);
        EXPECT_EQ(stateVariable->getLabel(), limitVariable->getLabel());
        EXPECT_EQ(stateVariable->getHelp(), limitVariable->getHelp());
        EXPECT_EQ(stateVariable->getTypeInfo()->getMaxEnumIndex(), 1);
        ASSERT_EQ(EnumValues(*stateVariable), (Values{0, 1}));
        const CDDEnumeratorSet& states = stateVariable->getTypeInfo()->enumerators();
        EXPECT_EQ(English(states.getItem(0).getDescription().ptr()),
                  record.alarm ? "No Alarm" : "No Warning");
        EXPECT_EQ(English(states.getItem(1).getDescription().ptr()),
                  English(stateVariable->getLabel().ptr()));

        EXPECT_EQ(
            FromType(f.Trace(timeStamp)),
            (Calls{"CDDVariable::setTypeInfo(CDDType(18))", "CDDVariable::putHandling(0, false)",
                   "CDDVariable::putHandling(1, false)", "CDDVariable::putHandling(1, true)",
                   "CDDVariable::putAttributesAvailable(true)"}));
        EXPECT_EQ(f.FillAs<CDDVariable>(subcode)->getTypeInfo()->getSize(), 2);

        const Calls valueCalls = f.Trace(value);
        EXPECT_TRUE(Only(valueCalls, "CDDType::putDefaultValue").empty());
        EXPECT_TRUE(Only(valueCalls, "CDDVariable::putConstantUnit").empty());
        EXPECT_TRUE(
            StartsWith(f.Fill(value)->getLabel().ptr(),
                       record.alarm ? "Alarm Output Value  |de|" : "Warning Output Value  |de|"));
    }
    // Each record names its own limit in its cause.
    std::set<std::string> causes;
    for (const AlarmRecord& record : kRecords)
        causes.insert(English(f.Fill(record.first + 3)->getHelp().ptr()));
    EXPECT_EQ(causes, (std::set<std::string>{"Cause: The cause of the upper alarm.",
                                             "Cause: The cause of the upper warning.",
                                             "Cause: The cause of the lower warning.",
                                             "Cause: The cause of the lower alarm."}));
}

// Every factory of function block 1 that these two test files cover, filled on a fresh object.
TEST(FunctionBlock1Records, EveryFactoryEndsAvailableWithItsDirectoryTypeAndClasses) {
    PluginFixture f;
    std::vector<DDObjectId> ids = {item::func1, item::func1_short, item::func1_blank,
                                   item::func1_out_status};
    for (DDObjectId id = item::function_block_1; id <= item::func1_disabled_state_alarm_sum; ++id)
        ids.push_back(id);
    for (DDObjectId id = item::func1_channel; id <= item::func1_simulation_enabled; ++id)
        ids.push_back(id);
    ASSERT_EQ(ids.size(), 55u);

    ExpectEveryFactoryEndsAvailableWithItsDirectoryTypeAndClasses(f, ids);
}
