// The totalizer's unit and counting settings and the three unit relations: the library calls of
// each fill, the values and bytes the host reads back, and the handling the fill leaves alone.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

using Ids = std::vector<DDObjectId>;

constexpr DDObjectId kSettings[] = {item::func2_tot_units, item::func2_reset_tot,
                                    item::func2_mode_tot,  item::func2_fail_tot,
                                    item::func2_polar_tot, item::func2_UserUnit};
constexpr DDObjectId kRelations[] = {item::FUNC2_TOT_UNIT, item::FLOW_UNIT, item::VOLUME_UNIT};

Ids Reread(const CDDUnit& unit) {
    Ids ids;
    const CDDVariableDefinitionSet& set = *unit.getReread();
    for (int i = 0; i < set.getCount(); ++i) ids.push_back(set.getItem(i).getID());
    return ids;
}

}  // namespace

TEST(FunctionBlock2Units, EveryFillEndsAvailableAndSettingsCarryTheDirectorysTypeAndFlags) {
    PluginFixture f;
    for (DDObjectId id : kSettings) {
        SCOPED_TRACE(registry::kItems[id].name);
        const Calls calls = f.Trace(id);
        EXPECT_EQ(calls.back(), "CDDVariable::putAttributesAvailable(true)");
        EXPECT_EQ(Only(calls, "CDDVariable::putAttributesAvailable").size(), 1u);
        // None of the settings makes a handling call.
        EXPECT_TRUE(Only(calls, "CDDVariable::putHandling").empty());
        const auto variable = FillWithHandlingOn(f, id);
        EXPECT_TRUE(variable->getAttributesAvailable());
        EXPECT_EQ(variable->classInfo().getMask(), registry::kItems[id].classMask);
        EXPECT_EQ(variable->getTypeInfo()->getType(), registry::kItems[id].type);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
    }
    for (DDObjectId id : kRelations) {
        SCOPED_TRACE(registry::kItems[id].name);
        const Calls calls = f.Trace(id);
        EXPECT_EQ(calls.back(), "CDDUnit::putAttributesAvailable(true)");
        EXPECT_EQ(Only(calls, "CDDUnit::putAttributesAvailable").size(), 1u);
        EXPECT_TRUE(f.Fill(id)->getAttributesAvailable());
    }
    // Nothing here asks the host for a value.
    for (const ddhost::StoreCall& call : f.host.store().calls())
        EXPECT_NE(call.operation, ddhost::StoreOperation::GetCurrentValue);
}

TEST(FunctionBlock2Units, TotalizerUnitPassesIndexZeroAndOffersSixVolumeUnits) {
    PluginFixture f;
    const Calls types = Only(f.Trace(item::func2_tot_units), "CDDType::");
    EXPECT_EQ(types, (Calls{"CDDType::putSize(2)", "CDDType::putMaxEnumIndex(0)",
                            "CDDType::putDefaultValue(41)"}));

    const auto unit = f.FillAs<CDDVariable>(item::func2_tot_units);
    EXPECT_EQ(unit->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(EnumValues(*unit), (std::vector<std::int32_t>{41, 43, 112, 42, 40, 253}));
    EXPECT_EQ(unit->getLabel(), unit->getHelp());
    const CDDEnumeratorSet& set = unit->getTypeInfo()->enumerators();
    EXPECT_STREQ(set.getItem(0).getDescription().ptr(), "l");
    EXPECT_STREQ(set.getItem(1).getDescription().ptr(),
                 "m\xB3  |de|m\xB3  |fr|m\xB3  |it|m\xB3  |es|m\xB3");
    EXPECT_STREQ(set.getItem(2).getDescription().ptr(),
                 "ft\xB3  |de|ft\xB3  |fr|ft\xB3  |it|ft\xB3  |es|ft\xB3");
    EXPECT_STREQ(set.getItem(3).getDescription().ptr(),
                 "Impgal  |fr|Impgal  |it|Impgal  |es|Galones imperiales");
    EXPECT_STREQ(set.getItem(4).getDescription().ptr(), "gal");
    // Every unit has a help; the user-defined unit's repeats its description.
    for (int i = 0; i < set.getCount(); ++i) EXPECT_NE(set.getItem(i).getHelp().ptr()[0], '\0');
    EXPECT_EQ(set.getItem(5).getHelp(), set.getItem(5).getDescription());
}

TEST(FunctionBlock2Units, CountingSettingsOfferOnlyTheDevicesValues) {
    struct Case {
        DDObjectId id;
        std::int32_t maxIndex;
        std::vector<std::int32_t> values;
    };
    const Case cases[] = {
        {item::func2_reset_tot, 1, {0, 1}},
        {item::func2_mode_tot, 3, {0, 2, 3}},
        {item::func2_fail_tot, 1, {0, 1}},
        {item::func2_polar_tot, 3, {0, 1, 2, 3}},
    };
    PluginFixture f;
    for (const Case& c : cases) {
        SCOPED_TRACE(registry::kItems[c.id].name);
        EXPECT_EQ(Only(f.Trace(c.id), "CDDType::"),
                  (Calls{"CDDType::putSize(1)",
                         "CDDType::putMaxEnumIndex(" + std::to_string(c.maxIndex) + ")"}));
        const auto variable = f.FillAs<CDDVariable>(c.id);
        EXPECT_EQ(EnumValues(*variable), c.values);
        const CDDEnumeratorSet& set = variable->getTypeInfo()->enumerators();
        for (int i = 0; i < set.getCount(); ++i) EXPECT_STREQ(set.getItem(i).getHelp().ptr(), "");
    }
}

TEST(FunctionBlock2Units, UserVolumeUnitHasItsDefaultBetweenRangeCountAndRange) {
    PluginFixture f;
    EXPECT_EQ(Only(f.Trace(item::func2_UserUnit), "CDDType::"),
              (Calls{"CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
                     "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(0)",
                     "CDDType::putDefaultValue(1.0)", "CDDType::putMinValues(0, 1e-09)",
                     "CDDType::putMaxValues(0, 9.999e+09)"}));
    const auto unit = f.FillAs<CDDVariable>(item::func2_UserUnit);
    const CDDType& type = *unit->getTypeInfo();
    EXPECT_EQ(type.getDefaultValue().getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(type.getMinValue(0).getDouble(), 1E-09);
    EXPECT_EQ(type.getMaxValue(0).getDouble(), 9999000000.0);
}

TEST(FunctionBlock2Units, RelationsNameTheirUnitThenTheirDependentsInOrder) {
    struct Case {
        DDObjectId id;
        DDObjectId unit;
        Ids dependents;
    };
    const Case cases[] = {
        {item::FUNC2_TOT_UNIT,
         item::func2_tot_units,
         {item::func2_out_total_value, item::func2_hi_hi_lim, item::func2_hi_lim}},
        {item::FLOW_UNIT,
         item::trans1_flowrate_unit,
         {item::trans1_flowrate, item::trans1_upper_sensor_limit, item::trans1_lower_sensor_limit}},
        {item::VOLUME_UNIT,
         item::func2_tot_units,
         {item::func2_out_total_value, item::func2_alarm_hys, item::func2_hi_hi_lim,
          item::func2_hi_lim, item::func2_hi_hi_alm_value, item::func2_hi_alm_value}},
    };
    PluginFixture f;
    for (const Case& c : cases) {
        SCOPED_TRACE(registry::kItems[c.id].name);
        Calls expected = {std::string("CDDUnit::putUnit(") + registry::kItems[c.unit].name + ")",
                          "CDDUnit::setReread(CDDVariableDefinitionSet)"};
        for (DDObjectId dependent : c.dependents)
            expected.push_back(std::string("CDDDefinitionSet::Insert(") +
                               registry::kItems[dependent].name + ")");
        expected.push_back("CDDUnit::putAttributesAvailable(true)");
        EXPECT_EQ(f.Trace(c.id), expected);

        // A second fill of the same object installs a fresh set rather than adding to it.
        std::unique_ptr<CDDObject> object = f.host.store().Copy(c.id);
        ddhost::Calculate(f.calculation, 1, *object);
        ddhost::Calculate(f.calculation, 1, *object);
        const auto& unit = static_cast<const CDDUnit&>(*object);
        EXPECT_EQ(unit.getUnit().getID(), c.unit);
        EXPECT_EQ(Reread(unit), c.dependents);
    }
}
