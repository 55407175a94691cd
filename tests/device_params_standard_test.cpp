#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

// The two blocks' standard parameters, member by member: physical block, transducer block.
struct Twins {
    DDObjectId phys;
    DDObjectId trans;
};
constexpr Twins kTwins[] = {
    {item::phys_blk_reserve, item::trans1_blk_reserve},
    {item::phys_blk_object, item::trans1_blk_object},
    {item::phys_blk_parent_class, item::trans1_blk_parent_class},
    {item::phys_blk_class, item::trans1_blk_class},
    {item::phys_blk_dd_reference, item::trans1_blk_dd_reference},
    {item::phys_blk_dd_rev, item::trans1_blk_dd_rev},
    {item::phys_blk_profile, item::trans1_blk_profile},
    {item::phys_blk_profile_rev, item::trans1_blk_profile_rev},
    {item::phys_blk_execution_time, item::trans1_blk_execution_time},
    {item::phys_blk_highest_rel_offset, item::trans1_blk_highest_rel_offset},
    {item::phys_blk_index_view_1, item::trans1_blk_index_view_1},
    {item::phys_blk_num_view_lists, item::trans1_blk_num_view_lists},
    {item::phys_st_rev, item::trans1_st_rev},
    {item::phys_tag_desc, item::trans1_tag_desc},
    {item::phys_strategy, item::trans1_strategy},
    {item::phys_alert_key, item::trans1_alert_key},
    {item::phys_target_mode, item::trans1_target_mode},
    {item::phys_actual_mode, item::trans1_actual_mode},
    {item::phys_permitted_mode, item::trans1_permitted_mode},
    {item::phys_normal_mode, item::trans1_normal_mode},
    {item::phys_current_state_alarm_sum, item::trans1_current_state_alarm_sum},
    {item::phys_unacknowledged_state_alarm_sum, item::trans1_unacknowledged_state_alarm_sum},
    {item::phys_unreported_state_alarm_sum, item::trans1_unreported_state_alarm_sum},
    {item::phys_disabled_state_alarm_sum, item::trans1_disabled_state_alarm_sum},
};

}  // namespace

TEST(StandardBlockParams, BlockObjectsSetTypeNumberAndKindOnly) {
    PluginFixture f;
    EXPECT_EQ(f.Trace(item::physical_block), BlockFill(0, 1));
    EXPECT_EQ(f.Trace(item::transducer_block_1), BlockFill(1, 1));
    const auto block = f.FillAs<CDDBlock>(item::transducer_block_1);
    EXPECT_FALSE(block->hasLabel());
    EXPECT_FALSE(block->hasHelp());
}

TEST(StandardBlockParams, PhysBlockObjectMakesTheFramesExampleCalls) {
    PluginFixture f;
    Calls calls = f.Trace(item::phys_blk_object);
    ASSERT_GT(calls.size(), 4u);
    EXPECT_TRUE(StartsWith(calls[3], "CDDVariable::putHelp(\"Type of related block.  |de|"));
    calls[3] = "help";
    Calls expected = {
        "CDDVariable::putLabel(\"\")",
        "CDDVariable::putLabel(\"Block Object  |de|Blockobjekt  |fr|Objet bloc  |it|Oggetto "
        "blocco  |es|Objeto bloque\")",
        "CDDVariable::putHelp(\"\")",
        "help",
    };
    expected.insert(expected.end(), kResetClass.begin(), kResetClass.end());
    expected.insert(
        expected.end(),
        {"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(4))",
         "CDDType::putSize(1)", "CDDType::putMaxEnumIndex(1)", "CDDEnumerator::putValue(1)",
         "CDDEnumerator::putDescription(\"Physical Block  |de|Physical Block  |fr|Bloc "
         "physique  |it|Blocco fisico  |es|Bloque f\xEDsico\")",
         "CDDEnumerator::putHelp(\"\")", "CDDEnumeratorSet::Add(1)"});
    expected.insert(expected.end(), kReadOnly.begin(), kReadOnly.end());
    expected.push_back("CDDVariable::putAttributesAvailable(true)");
    EXPECT_EQ(calls, expected);
}

TEST(StandardBlockParams, TwinsShareTextsExceptTheClassHelps) {
    PluginFixture f;
    for (const Twins& twins : kTwins) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(twins.phys)].name);
        const auto phys = f.FillAs<CDDVariable>(twins.phys);
        const auto trans = f.FillAs<CDDVariable>(twins.trans);
        EXPECT_EQ(Label(*phys), Label(*trans));
        EXPECT_EQ(phys->getTypeInfo()->getSize(), trans->getTypeInfo()->getSize());
        const bool ownHelp =
            twins.phys == item::phys_blk_parent_class || twins.phys == item::phys_blk_class;
        EXPECT_EQ(Help(*phys) == Help(*trans), !ownHelp);
    }
    const auto parent = f.FillAs<CDDVariable>(item::phys_blk_parent_class);
    EXPECT_TRUE(StartsWith(Help(*parent),
                           "Parent Class: Defines the physical block parent class (Transmitter,   "
                           "Actuator, Controller etc.).  |de|"));
    const auto trans = f.FillAs<CDDVariable>(item::trans1_blk_parent_class);
    EXPECT_TRUE(StartsWith(Help(*trans),
                           "Parent Class: Defines the transducer block parent class (Pressure,   "
                           "Temperature, Flow etc.).  |de|"));
    EXPECT_EQ(Label(*f.Fill(item::phys_tag_desc)), "VAH0   Tag Number  |de|VAH0   Me\xDFstelle");
    EXPECT_TRUE(EndsWith(Label(*f.Fill(item::trans1_blk_dd_rev)), "|es|Revisi\xF3n DD "));
    EXPECT_TRUE(EndsWith(Label(*f.Fill(item::phys_st_rev)), "|es|Revisi\xF3n est\xE1tica n\xB0"));
}

TEST(StandardBlockParams, HelpsCarryFourLanguagesAndOnlySomeEndWithABlank) {
    PluginFixture f;
    const DDObjectId withFinalBlank[] = {
        item::phys_st_rev,           item::phys_alert_key,     item::phys_actual_mode,
        item::phys_permitted_mode,   item::phys_normal_mode,   item::phys_tag_desc,
        item::trans1_st_rev,         item::trans1_alert_key,   item::trans1_actual_mode,
        item::trans1_permitted_mode, item::trans1_normal_mode, item::trans1_tag_desc};
    for (const Twins& twins : kTwins) {
        for (DDObjectId id : {twins.phys, twins.trans}) {
            SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
            const std::string help = Help(*f.Fill(id));
            const std::size_t de = help.find("  |de|");
            const std::size_t fr = help.find("  |fr|");
            const std::size_t it = help.find("  |it|");
            const std::size_t es = help.find("  |es|");
            EXPECT_TRUE(de != std::string::npos && de < fr && fr < it && it < es &&
                        es != std::string::npos);
            bool blank = false;
            for (DDObjectId other : withFinalBlank) blank = blank || other == id;
            EXPECT_EQ(EndsWith(help, " "), blank);
            EXPECT_FALSE(EndsWith(help, "  "));
        }
    }
}

TEST(StandardBlockParams, TransducerWritablesMakeNoHandlingCall) {
    PluginFixture f;
    for (DDObjectId id : {item::trans1_strategy, item::trans1_alert_key, item::trans1_target_mode,
                          item::trans1_tag_desc, item::phys_tag_desc}) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        EXPECT_TRUE(Only(f.Trace(id), "CDDVariable::putHandling").empty());
        // The flags that the host's object had survive the fill.
        std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
        auto* variable = static_cast<CDDVariable*>(object.get());
        variable->putHandling(DD_HANDLING_WRITE, true);
        variable->putHandling(DD_HANDLING_READ, false);
        ddhost::Calculate(f.calculation, 1, *object);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
        EXPECT_FALSE(variable->getHandling(DD_HANDLING_READ));
    }
    for (DDObjectId id : {item::phys_strategy, item::phys_alert_key, item::phys_target_mode}) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadThenWrite);
    }
}

TEST(StandardBlockParams, ClassListsAndBlockObjectsFollowTheirBlock) {
    PluginFixture f;
    const Calls calls = f.Trace(item::trans1_blk_class);
    EXPECT_EQ(Only(calls, "CDDType::putMaxEnumIndex"), Calls{"CDDType::putMaxEnumIndex(253)"});
    EXPECT_EQ(Only(calls, "CDDEnumeratorSet::Add"),
              (Calls{"CDDEnumeratorSet::Add(3)", "CDDEnumeratorSet::Add(250)",
                     "CDDEnumeratorSet::Add(251)", "CDDEnumeratorSet::Add(252)",
                     "CDDEnumeratorSet::Add(253)"}));
    const auto transClass = f.FillAs<CDDVariable>(item::trans1_blk_class);
    const auto physClass = f.FillAs<CDDVariable>(item::phys_blk_class);
    EXPECT_EQ(physClass->getTypeInfo()->getMaxEnumIndex(), 250);
    ASSERT_EQ(EnumValues(*physClass), std::vector<std::int32_t>{250});
    // "Not used" reads the same in both blocks.
    EXPECT_EQ(
        std::string(physClass->getTypeInfo()->enumerators().getItem(0).getDescription().ptr()),
        transClass->getTypeInfo()->enumerators().getItem(1).getDescription().ptr());

    struct Expected {
        DDObjectId id;
        std::int32_t max;
        std::int32_t value;
    };
    for (const Expected& row :
         {Expected{item::phys_blk_object, 1, 1}, Expected{item::trans1_blk_object, 3, 3},
          Expected{item::phys_blk_parent_class, 1, 1},
          Expected{item::trans1_blk_parent_class, 3, 3},
          Expected{item::phys_blk_profile_rev, 512, 512},
          Expected{item::trans1_blk_profile_rev, 512, 512}}) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(row.id)].name);
        const auto variable = f.FillAs<CDDVariable>(row.id);
        EXPECT_EQ(variable->getTypeInfo()->getMaxEnumIndex(), row.max);
        EXPECT_EQ(EnumValues(*variable), std::vector<std::int32_t>{row.value});
    }
}

TEST(StandardBlockParams, ModesAndAlarmSummariesUseTheirOwnKindOfSet) {
    PluginFixture f;
    const auto physActual = f.FillAs<CDDVariable>(item::phys_actual_mode);
    EXPECT_EQ(EnumValues(*physActual), std::vector<std::int32_t>{8});
    EXPECT_TRUE(BitValues(*physActual).empty());
    const auto transActual = f.FillAs<CDDVariable>(item::trans1_actual_mode);
    EXPECT_EQ(BitValues(*transActual), std::vector<std::int32_t>{8});
    EXPECT_TRUE(EnumValues(*transActual).empty());
    EXPECT_EQ(transActual->getTypeInfo()->getMaxBitEnumIndex(), 8);
    EXPECT_EQ(
        std::string(transActual->getTypeInfo()->bitEnumerators().getItem(0).getDescription().ptr()),
        "AUTO");

    for (DDObjectId id :
         {item::phys_current_state_alarm_sum, item::phys_unacknowledged_state_alarm_sum,
          item::phys_unreported_state_alarm_sum, item::phys_disabled_state_alarm_sum,
          item::trans1_current_state_alarm_sum, item::trans1_unacknowledged_state_alarm_sum,
          item::trans1_unreported_state_alarm_sum, item::trans1_disabled_state_alarm_sum}) {
        SCOPED_TRACE(registry::kItems[static_cast<std::size_t>(id)].name);
        const auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(variable->getTypeInfo()->getMaxBitEnumIndex(), 32768);
        EXPECT_EQ(BitValues(*variable), (std::vector<std::int32_t>{0, 32768}));
        const CDDBitEnumeratorSet& bits = variable->getTypeInfo()->bitEnumerators();
        EXPECT_TRUE(StartsWith(bits.getItem(0).getDescription().ptr(), "No Alarm  |de|"));
        EXPECT_TRUE(
            StartsWith(bits.getItem(1).getDescription().ptr(), "Parameter modification  |de|"));
        EXPECT_EQ(Only(f.Trace(id), "CDDBitEnumerator::putMethod"),
                  (Calls(2, "CDDBitEnumerator::putMethod(CDDDefinition())")));
    }
}

// Every factory of the physical block's standard, identity and manufacturer parameters and of
// the transducer block's standard parameters, filled on a fresh object.
TEST(StandardBlockParams, EveryItemEndsAvailableWithItsDirectoryTypeAndClasses) {
    PluginFixture f;
    std::vector<DDObjectId> ids;
    for (DDObjectId id = item::phys_software_rev_numeric; id <= item::phys_software_rev_rest; ++id)
        ids.push_back(id);
    for (DDObjectId id = item::physical_block; id <= item::phys_serial_num; ++id) ids.push_back(id);
    for (DDObjectId id = item::phys_device_certification; id <= item::phys_install_date; ++id)
        ids.push_back(id);
    ids.push_back(item::phys_tag_desc);
    for (DDObjectId id = item::transducer_block_1; id <= item::trans1_blk_num_view_lists; ++id)
        ids.push_back(id);
    for (const Twins& twins : kTwins)
        if (twins.trans > item::trans1_blk_num_view_lists) ids.push_back(twins.trans);
    ASSERT_EQ(ids.size(), 68u);

    ExpectEveryFactoryEndsAvailableWithItsDirectoryTypeAndClasses(f, ids);
}
