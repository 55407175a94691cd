#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/trace_helpers.h"

// Function block 1 (analog input): its block object, its standard parameters and its
// collections.

namespace {

// Function block 1's standard parameters beside their physical-block twins.
struct Twins {
    DDObjectId func1;
    DDObjectId phys;
};
constexpr Twins kTwins[] = {
    {item::func1_blk_reserve, item::phys_blk_reserve},
    {item::func1_blk_object, item::phys_blk_object},
    {item::func1_blk_parent_class, item::phys_blk_parent_class},
    {item::func1_blk_class, item::phys_blk_class},
    {item::func1_blk_dd_reference, item::phys_blk_dd_reference},
    {item::func1_blk_dd_rev, item::phys_blk_dd_rev},
    {item::func1_blk_profile, item::phys_blk_profile},
    {item::func1_blk_profile_rev, item::phys_blk_profile_rev},
    {item::func1_blk_execution_time, item::phys_blk_execution_time},
    {item::func1_blk_highest_rel_offset, item::phys_blk_highest_rel_offset},
    {item::func1_blk_index_view_1, item::phys_blk_index_view_1},
    {item::func1_blk_num_view_lists, item::phys_blk_num_view_lists},
    {item::func1_st_rev, item::phys_st_rev},
    {item::func1_tag_desc, item::phys_tag_desc},
    {item::func1_strategy, item::phys_strategy},
    {item::func1_alert_key, item::phys_alert_key},
    {item::func1_target_mode, item::phys_target_mode},
    {item::func1_actual_mode, item::phys_actual_mode},
    {item::func1_permitted_mode, item::phys_permitted_mode},
    {item::func1_normal_mode, item::phys_normal_mode},
    {item::func1_current_state_alarm_sum, item::phys_current_state_alarm_sum},
    {item::func1_unacknowledged_state_alarm_sum, item::phys_unacknowledged_state_alarm_sum},
    {item::func1_unreported_state_alarm_sum, item::phys_unreported_state_alarm_sum},
    {item::func1_disabled_state_alarm_sum, item::phys_disabled_state_alarm_sum},
};

const CDDMemberSet& Members(const CDDObject& object) {
    return *static_cast<const CDDCollection&>(object).getMemberSet();
}
std::vector<std::string> MemberNames(const CDDMemberSet& set) {
    std::vector<std::string> names;
    for (int i = 0; i < set.getCount(); ++i) names.push_back(set.getItem(i).getName().ptr());
    return names;
}

}  // namespace

TEST(FunctionBlock1Standard, BlockObjectIsTheFirstFunctionBlock) {
    PluginFixture f;
    EXPECT_EQ(f.Trace(item::function_block_1), BlockFill(2, 1));
    const auto block = f.FillAs<CDDBlock>(item::function_block_1);
    EXPECT_FALSE(block->hasLabel());
    EXPECT_FALSE(block->hasHelp());
}

TEST(FunctionBlock1Standard, TargetModeOffersThreeModesAndTheLongHelp) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func1_target_mode);
    ASSERT_GT(calls.size(), 4u);
    EXPECT_TRUE(StartsWith(calls[3],
                           "CDDVariable::putHelp(\"Defines the target mode of the block. To "
                           "switch from mode 'AUTO' to mode 'MAN', go through mode 'Out of "
                           "Service (O/S)'.|de|"));
    const Calls tail(calls.begin() + 14, calls.end());
    EXPECT_EQ(tail, (Calls{"CDDVariableClass::putClassInfo(14, true)",
                           "CDDVariable::setTypeInfo(CDDType(4))",
                           "CDDType::putSize(1)",
                           "CDDType::putMaxEnumIndex(128)",
                           "CDDEnumerator::putValue(8)",
                           "CDDEnumerator::putDescription(\"AUTO\")",
                           "CDDEnumerator::putHelp(\"\")",
                           "CDDEnumeratorSet::Add(8)",
                           "CDDEnumerator::putValue(16)",
                           "CDDEnumerator::putDescription(\"MAN\")",
                           "CDDEnumerator::putHelp(\"\")",
                           "CDDEnumeratorSet::Add(16)",
                           "CDDEnumerator::putValue(128)",
                           "CDDEnumerator::putDescription(\"Out of Service (O/S)  |de|Au\xDF"
                           "er Betrieb  |fr|Hors service  |it|Fuori servizio  |es|Fuera de "
                           "servicio\")",
                           "CDDEnumerator::putHelp(\"\")",
                           "CDDEnumeratorSet::Add(128)",
                           "CDDVariable::putHandling(0, false)",
                           "CDDVariable::putHandling(1, false)",
                           "CDDVariable::putHandling(1, true)",
                           "CDDVariable::putHandling(0, true)",
                           "CDDVariable::putAttributesAvailable(true)"}));
}

TEST(FunctionBlock1Standard, ModesShareValuesButOnlyPermittedModeIsBits) {
    PluginFixture f;
    for (DDObjectId id :
         {item::func1_target_mode, item::func1_actual_mode, item::func1_normal_mode}) {
        SCOPED_TRACE(Name(id));
        const auto mode = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(mode->getTypeInfo()->getType(), DD_TYPE_ENUMERATED);
        EXPECT_EQ(mode->getTypeInfo()->getMaxEnumIndex(), 128);
        EXPECT_EQ(EnumValues(*mode), (Values{8, 16, 128}));
        EXPECT_TRUE(BitValues(*mode).empty());
    }
    const auto permitted = f.FillAs<CDDVariable>(item::func1_permitted_mode);
    EXPECT_EQ(permitted->getTypeInfo()->getType(), DD_TYPE_BIT_ENUMERATED);
    EXPECT_EQ(permitted->getTypeInfo()->getMaxBitEnumIndex(), 128);
    EXPECT_EQ(BitValues(*permitted), (Values{8, 16, 128}));
    EXPECT_TRUE(EnumValues(*permitted).empty());
    EXPECT_EQ(Only(f.Trace(item::func1_permitted_mode), "CDDBitEnumerator::putMethod"),
              Calls(3, "CDDBitEnumerator::putMethod(CDDDefinition())"));
}

TEST(FunctionBlock1Standard, AlarmSummariesCarryTheFourLimitsAndParameterModification) {
    PluginFixture f;
    const DDObjectId summaries[] = {
        item::func1_current_state_alarm_sum, item::func1_unacknowledged_state_alarm_sum,
        item::func1_unreported_state_alarm_sum, item::func1_disabled_state_alarm_sum};
    std::vector<std::string> labels;
    for (DDObjectId id : summaries) {
        SCOPED_TRACE(Name(id));
        const auto summary = f.FillAs<CDDVariable>(id);
        labels.push_back(summary->getLabel().ptr());
        EXPECT_EQ(summary->getTypeInfo()->getSize(), 2);
        EXPECT_EQ(summary->getTypeInfo()->getMaxBitEnumIndex(), 32768);
        EXPECT_EQ(BitValues(*summary), (Values{512, 1024, 2048, 4096, 32768}));
        const CDDBitEnumeratorSet& bits = summary->getTypeInfo()->bitEnumerators();
        EXPECT_TRUE(StartsWith(bits.getItem(0).getDescription().ptr(), "Upper Limit Alarm  |de|"));
        EXPECT_TRUE(StartsWith(bits.getItem(2).getDescription().ptr(), "Lower Limit Alarm  |de|"));
        EXPECT_TRUE(
            StartsWith(bits.getItem(4).getDescription().ptr(), "Parameter modification  |de|"));
        EXPECT_EQ(Only(f.Trace(id), "CDDBitEnumerator::putMethod").size(), 5u);
    }
    // They differ only in their texts.
    for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_NE(labels[i], labels[0]);
}

TEST(FunctionBlock1Standard, HeaderEnumerationsNameTheAnalogInputBlock) {
    PluginFixture f;
    struct Expected {
        DDObjectId id;
        std::int32_t max;
        std::int32_t value;
        const char* english;
    };
    for (const Expected& row : {Expected{item::func1_blk_object, 2, 2, "Function Block  |de|"},
                                Expected{item::func1_blk_parent_class, 1, 1, "Input  |de|"},
                                Expected{item::func1_blk_class, 1, 1, "Analog Input  |de|"},
                                Expected{item::func1_blk_profile_rev, 512, 512, "2.0"}}) {
        SCOPED_TRACE(Name(row.id));
        const auto variable = f.FillAs<CDDVariable>(row.id);
        EXPECT_EQ(variable->getTypeInfo()->getMaxEnumIndex(), row.max);
        ASSERT_EQ(EnumValues(*variable), Values{row.value});
        EXPECT_TRUE(StartsWith(
            variable->getTypeInfo()->enumerators().getItem(0).getDescription().ptr(), row.english));
    }
}

TEST(FunctionBlock1Standard, TextsAreTheFamilysExceptThreeHelps) {
    PluginFixture f;
    for (const Twins& twins : kTwins) {
        SCOPED_TRACE(Name(twins.func1));
        const auto func1 = f.FillAs<CDDVariable>(twins.func1);
        const auto phys = f.FillAs<CDDVariable>(twins.phys);
        EXPECT_EQ(std::string(func1->getLabel().ptr()), phys->getLabel().ptr());
        const bool ownHelp = twins.func1 == item::func1_blk_parent_class ||
                             twins.func1 == item::func1_blk_class ||
                             twins.func1 == item::func1_target_mode;
        EXPECT_EQ(std::string(func1->getHelp().ptr()) == phys->getHelp().ptr(), !ownHelp);
    }
    const auto parent = f.FillAs<CDDVariable>(item::func1_blk_parent_class);
    EXPECT_TRUE(StartsWith(parent->getHelp().ptr(),
                           "Parent Class: Defines the function block parent class (Input, "
                           "Output,   Control etc.).  |de|"));
    const auto tag = f.FillAs<CDDVariable>(item::func1_tag_desc);
    EXPECT_EQ(std::string(tag->getLabel().ptr()), "VAH0   Tag Number  |de|VAH0   Me\xDFstelle");
    EXPECT_TRUE(EndsWith(f.Fill(item::func1_blk_dd_rev)->getLabel().ptr(), "DD "));
    // Only German follows the English part of the target mode's help.
    const std::string target = f.Fill(item::func1_target_mode)->getHelp().ptr();
    EXPECT_EQ(target.find("|fr|"), std::string::npos);
    EXPECT_EQ(target.find(" |de|"), std::string::npos);
}

TEST(FunctionBlock1Standard, OnlyTagStrategyAlertKeyAndTargetModeAreWritable) {
    PluginFixture f;
    for (DDObjectId id = item::func1_blk_reserve; id <= item::func1_disabled_state_alarm_sum;
         ++id) {
        SCOPED_TRACE(Name(id));
        const bool writable = id == item::func1_tag_desc || id == item::func1_strategy ||
                              id == item::func1_alert_key || id == item::func1_target_mode;
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"),
                  writable ? kReadThenWrite : kReadOnly);
    }
}

TEST(FunctionBlock1Standard, CollectionsFillAnEmptyLabelAndTheirMembers) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func1_short);
    EXPECT_EQ(calls.front(), "CDDCollection::putLabel(\"\")");
    EXPECT_EQ(calls[1], "CDDCollection::setMemberSet(CDDMemberSet)");
    EXPECT_EQ(calls.back(), "CDDCollection::putAttributesAvailable(true)");
    EXPECT_EQ(Only(calls, "CDDMember"),
              (Calls{"CDDMember::putDefinition(func1_current_state_alarm_sum)",
                     "CDDMember::putDescription(\"Alarm Summary  |de|Summenalarm  |fr|Alarme "
                     "group\xE9"
                     "e  |it|Allarme cumulativo  |es|Alarma agrupada\")",
                     "CDDMember::putHelp(\"\")", "CDDMemberSet::Add(\"alarm_sum\")"}));

    for (DDObjectId id : {item::func1, item::func1_short, item::func1_blank}) {
        SCOPED_TRACE(Name(id));
        const std::unique_ptr<CDDObject> collection = f.Fill(id);
        EXPECT_TRUE(collection->getLabel().IsEmpty());
        const CDDMemberSet& members = Members(*collection);
        for (int i = 0; i < members.getCount(); ++i)
            EXPECT_TRUE(members.getItem(i).getHelp().IsEmpty());
    }
}

TEST(FunctionBlock1Standard, BlankCollectionHoldsTheElevenOverviewMembers) {
    PluginFixture f;
    const std::unique_ptr<CDDObject> collection = f.Fill(item::func1_blank);
    const CDDMemberSet& members = Members(*collection);
    EXPECT_EQ(MemberNames(members),
              (std::vector<std::string>{"actual_mode", "simulation_enabled", "out",
                                        "lo_lo_alm_state", "lo_alm_state", "hi_alm_state",
                                        "hi_hi_alm_state", "lo_lo_alm_value", "lo_alm_value",
                                        "hi_alm_value", "hi_hi_alm_value"}));
    const std::vector<DDObjectId> refers = {215, 259, 222, 253, 248, 243, 238, 256, 251, 246, 241};
    for (int i = 0; i < members.getCount(); ++i)
        EXPECT_EQ(members.getItem(i).getDefinition().getID(), refers[static_cast<std::size_t>(i)]);

    const CDDMember* upperAlarm = members.getItem(CStrPP("hi_hi_alm_state"));
    ASSERT_NE(upperAlarm, nullptr);
    EXPECT_EQ(upperAlarm->getDefinition().getID(), item::func1_hi_hi_alm_state);
    EXPECT_EQ(std::string(upperAlarm->getDescription().ptr()),
              "Status Upper Limit Alarm  |de|Status Oberer Alarmgrenzwert  |fr|Etat Limite "
              "d'alarme sup\xE9rieure  |it|Stato Valore limite superiore allarme  |es|Status "
              "Valor l\xEDmite superior de la alarma");
    const CDDMember* upperWarningValue = members.getItem(CStrPP("hi_alm_value"));
    ASSERT_NE(upperWarningValue, nullptr);
    EXPECT_NE(std::string(upperWarningValue->getDescription().ptr())
                  .find("|it|Valore di uscita superiore  avviso  |es|"),
              std::string::npos);
    // The first members read as the items they show.
    EXPECT_EQ(std::string(members.getItem(0).getDescription().ptr()),
              f.Fill(item::func1_actual_mode)->getLabel().ptr());
    EXPECT_EQ(std::string(members.getItem(1).getDescription().ptr()),
              f.Fill(item::func1_simulation_enabled)->getLabel().ptr());
}

TEST(FunctionBlock1Standard, MainCollectionSharesOneDescriptionWithoutGerman) {
    PluginFixture f;
    const std::unique_ptr<CDDObject> collection = f.Fill(item::func1);
    const CDDMemberSet& members = Members(*collection);
    ASSERT_EQ(MemberNames(members), (std::vector<std::string>{"actual_mode", "simulation_enabled",
                                                              "out", "simulate_value"}));
    const std::string shared = members.getItem(0).getDescription().ptr();
    EXPECT_EQ(shared,
              "Function Block 1 - Analog Input  |fr|Bloc fonctionnel 1 - Entr\xE9"
              "e analogique  |it|Blocco funzionale 1 - Ingresso analogico  |sp|Bloque de "
              "funci\xF3n 1 - Entrada anal\xF3gica");
    for (int i = 1; i < members.getCount(); ++i)
        EXPECT_EQ(std::string(members.getItem(i).getDescription().ptr()), shared);
    EXPECT_EQ(members.getItem(2).getDefinition().getID(), item::func1_out_value);
    EXPECT_EQ(members.getItem(3).getDefinition().getID(), item::func1_simulate_value);

    const std::unique_ptr<CDDObject> brief = f.Fill(item::func1_short);
    ASSERT_EQ(MemberNames(Members(*brief)), std::vector<std::string>{"alarm_sum"});
    EXPECT_EQ(Members(*brief).getItem(0).getDefinition().getID(),
              item::func1_current_state_alarm_sum);
}
