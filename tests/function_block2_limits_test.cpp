// The totalizer's limits and alarm records: the types that differ from the directory's, the
// defaults and their kinds, the handling of settings and records, and the shared texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

constexpr DDObjectId kSettings[] = {item::func2_channel, item::func2_alarm_hys,
                                    item::func2_hi_hi_lim, item::func2_hi_lim};
constexpr DDObjectId kReadOnlyItems[] = {
    item::func2_TOT_hi_alm_state,
    item::func2_TOT_hi_alm_value,
    item::func2_TOT_hi_hi_alm_state,
    item::func2_TOT_hi_hi_alm_value,
    item::func2_hi_hi_alm_unacknowledged,
    item::func2_hi_hi_alm_state,
    item::func2_hi_hi_alm_time_stamp,
    item::func2_hi_hi_alm_subcode,
    item::func2_hi_hi_alm_value,
    item::func2_hi_alm_unacknowledged,
    item::func2_hi_alm_state,
    item::func2_hi_alm_time_stamp,
    item::func2_hi_alm_subcode,
    item::func2_hi_alm_value,
};

// The calls after the class flags, up to the handling.
Calls TypeCalls(const Calls& calls) {
    Calls kept;
    for (const std::string& call : calls)
        if (call.rfind("CDDType::", 0) == 0 || call.rfind("CDDVariable::setTypeInfo", 0) == 0)
            kept.push_back(call);
    return kept;
}

std::vector<DDObjectId> AllItems() {
    std::vector<DDObjectId> ids(std::begin(kSettings), std::end(kSettings));
    ids.insert(ids.end(), std::begin(kReadOnlyItems), std::end(kReadOnlyItems));
    return ids;
}

}  // namespace

TEST(FunctionBlock2Limits, EveryFillEndsAvailableWithTheDirectorysClassFlags) {
    PluginFixture f;
    for (DDObjectId id : AllItems()) {
        SCOPED_TRACE(registry::kItems[id].name);
        ExpectFillEndsAvailableWithTheDirectorysClassFlags(f, id);
    }
    for (const ddhost::StoreCall& call : f.host.store().calls())
        EXPECT_NE(call.operation, ddhost::StoreOperation::GetCurrentValue);
}

TEST(FunctionBlock2Limits, CollectionCopiesTakeTheTypeOfWhatTheyCopyNotTheDirectorys) {
    struct Case {
        DDObjectId id;
        enumDDVariableType type;
    };
    const Case overrides[] = {
        {item::func2_TOT_hi_alm_state, DD_TYPE_ENUMERATED},
        {item::func2_TOT_hi_alm_value, DD_TYPE_FLOAT},
        {item::func2_TOT_hi_hi_alm_state, DD_TYPE_ENUMERATED},
        {item::func2_TOT_hi_hi_alm_value, DD_TYPE_FLOAT},
    };
    PluginFixture f;
    for (const Case& c : overrides) {
        SCOPED_TRACE(registry::kItems[c.id].name);
        EXPECT_EQ(registry::kItems[c.id].type, DD_TYPE_INTEGER);
        EXPECT_EQ(f.FillAs<CDDVariable>(c.id)->getTypeInfo()->getType(), c.type);
    }
    // The copies fill exactly like the record fields they copy.
    EXPECT_EQ(TypeCalls(f.Trace(item::func2_TOT_hi_alm_state)),
              TypeCalls(f.Trace(item::func2_hi_alm_state)));
    EXPECT_EQ(TypeCalls(f.Trace(item::func2_TOT_hi_hi_alm_value)),
              TypeCalls(f.Trace(item::func2_hi_hi_alm_value)));
    for (DDObjectId id : AllItems()) {
        if (id >= item::func2_TOT_hi_alm_state && id <= item::func2_TOT_hi_hi_alm_value) continue;
        SCOPED_TRACE(registry::kItems[id].name);
        EXPECT_EQ(f.FillAs<CDDVariable>(id)->getTypeInfo()->getType(), registry::kItems[id].type);
    }
}

TEST(FunctionBlock2Limits, SettingsAreReadThenWrittenAndRecordsAreReadOnly) {
    PluginFixture f;
    for (DDObjectId id : kSettings) {
        SCOPED_TRACE(registry::kItems[id].name);
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadThenWrite);
    }
    for (DDObjectId id : kReadOnlyItems) {
        SCOPED_TRACE(registry::kItems[id].name);
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadOnly);
    }
}

TEST(FunctionBlock2Limits, HysteresisDefaultsToAnIntegerAndTheLimitsToAnOpenDouble) {
    PluginFixture f;
    EXPECT_EQ(TypeCalls(f.Trace(item::func2_alarm_hys)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                     "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                     "CDDType::putMaxRangeNo(-1)", "CDDType::putDefaultValue(0)"}));
    EXPECT_EQ(
        f.FillAs<CDDVariable>(item::func2_alarm_hys)->getTypeInfo()->getDefaultValue().getKind(),
        CDDCommonVariant::Integer);
    for (DDObjectId id : {item::func2_hi_hi_lim, item::func2_hi_lim}) {
        SCOPED_TRACE(registry::kItems[id].name);
        // The constant display format, whatever the output decimal point.
        f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(3));
        EXPECT_EQ(TypeCalls(f.Trace(id)),
                  (Calls{"CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                         "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                         "CDDType::putMaxRangeNo(-1)", "CDDType::putDefaultValue(3e+38)"}));
        const auto limit = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(limit->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Float);
        EXPECT_EQ(limit->getTypeInfo()->getDefaultValue().getDouble(), 3E+38);
        EXPECT_EQ(limit->getTypeInfo()->getRangeCount(), 0);
    }
}

TEST(FunctionBlock2Limits, StatesOfferNoConditionThenTheLimitCondition) {
    PluginFixture f;
    for (DDObjectId id : {item::func2_hi_alm_state, item::func2_TOT_hi_alm_state,
                          item::func2_hi_hi_alm_state, item::func2_TOT_hi_hi_alm_state}) {
        SCOPED_TRACE(registry::kItems[id].name);
        const bool warning = id == item::func2_hi_alm_state || id == item::func2_TOT_hi_alm_state;
        const auto state = f.FillAs<CDDVariable>(id);
        const CDDType& type = *state->getTypeInfo();
        EXPECT_EQ(type.getSize(), 1);
        EXPECT_EQ(type.getMaxEnumIndex(), 1);
        const CDDEnumeratorSet& set = type.enumerators();
        ASSERT_EQ(set.getCount(), 2);
        EXPECT_EQ(set.getItem(0).getValue(), 0);
        EXPECT_EQ(set.getItem(1).getValue(), 1);
        const std::string none = set.getItem(0).getDescription().ptr();
        const std::string condition = set.getItem(1).getDescription().ptr();
        EXPECT_EQ(none.rfind(warning ? "No Warning  |de|" : "No Alarm  |de|", 0), 0u) << none;
        EXPECT_EQ(
            condition.rfind(warning ? "Upper Limit Warning  |de|" : "Upper Limit Alarm  |de|", 0),
            0u)
            << condition;
        for (int i = 0; i < 2; ++i) EXPECT_STREQ(set.getItem(i).getHelp().ptr(), "");
    }
    // The condition reads otherwise than the limit's label with the same English part.
    const auto limit = f.FillAs<CDDVariable>(item::func2_hi_lim);
    const auto state = f.FillAs<CDDVariable>(item::func2_hi_alm_state);
    EXPECT_NE(state->getTypeInfo()->enumerators().getItem(1).getDescription(), limit->getLabel());
    EXPECT_STREQ(state->getLabel().ptr(), "Status  |de|Status  |fr|Etat  |it|Stato  |es|Status");
}

TEST(FunctionBlock2Limits, CopiesShareTheirTextsAndRecordFieldsTheirShapes) {
    struct Pair {
        DDObjectId copy;
        DDObjectId original;
    };
    PluginFixture f;
    for (const Pair& p : {Pair{item::func2_TOT_hi_alm_state, item::func2_hi_lim},
                          Pair{item::func2_TOT_hi_hi_alm_state, item::func2_hi_hi_lim},
                          Pair{item::func2_TOT_hi_alm_value, item::func2_hi_alm_value},
                          Pair{item::func2_TOT_hi_hi_alm_value, item::func2_hi_hi_alm_value},
                          Pair{item::func2_hi_alm_time_stamp, item::func2_hi_hi_alm_time_stamp}}) {
        SCOPED_TRACE(registry::kItems[p.copy].name);
        const auto copy = f.FillAs<CDDVariable>(p.copy);
        const auto original = f.FillAs<CDDVariable>(p.original);
        EXPECT_EQ(copy->getLabel(), original->getLabel());
        EXPECT_EQ(copy->getHelp(), original->getHelp());
    }
    // A time stamp gets a type and nothing else; the unacknowledged counts have a bare blank
    // for help.
    EXPECT_EQ(TypeCalls(f.Trace(item::func2_hi_alm_time_stamp)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(18))"}));
    for (DDObjectId id : {item::func2_hi_hi_alm_unacknowledged, item::func2_hi_alm_unacknowledged})
        EXPECT_STREQ(f.FillAs<CDDVariable>(id)->getHelp().ptr(), " ");
}
