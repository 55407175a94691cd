// The flow transducer block's flow parameters: the library calls of each fill, the write
// handling that follows the access code, and what the host reads back from the filled object.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

constexpr DDObjectId kItems[] = {
    item::trans1_flowrate,
    item::trans1_Nominal_Size,
    item::trans1_flowrate_unit,
    item::trans1_calibration_factor,
    item::trans1_upper_sensor_limit,
    item::trans1_lower_sensor_limit,
    item::trans1_vortex_frequency,
    item::trans1_application_medium,
    item::trans1_sensor_temperature_coeff,
    item::trans1_temperature,
    item::trans1_amplification,
    item::trans1_user_flow_rate_unit,
};

struct ServiceParameter {
    DDObjectId id;
    const char* unit;
};
constexpr ServiceParameter kServiceParameters[] = {
    {item::trans1_Nominal_Size, "mm"},
    {item::trans1_calibration_factor, "Imp / l"},
    {item::trans1_sensor_temperature_coeff, "1 / K"},
};

constexpr int kServiceAccessCode = 7294;

}  // namespace

TEST(TransducerFlow, EveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags) {
    PluginFixture f;
    ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(f, kItems);
}

TEST(ServiceAccess, NominalSizeWithTheServiceCodeIsWrittenThenReadBeforeItsUnit) {
    PluginFixture f;
    f.SetValue(item::loc_security_lock, CDDCommonVariant(kServiceAccessCode));
    EXPECT_EQ(Steps(f.Trace(item::trans1_Nominal_Size), {"CDDEnumerator::"}),
              Join({{"CDDVariable::putLabel(\"\")",
                     "CDDVariable::putLabel(\"V6H1   Nominal Diameter  |de|V6H1   Nennweite\")",
                     "CDDVariable::putHelp(\"\")",
                     "CDDVariable::putHelp(\"Nominal Diameter  |de|Nennweite\")",
                     "CDDVariableClass::putClassInfo(9, true)",
                     "CDDVariableClass::putClassInfo(14, true)",
                     "CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                     "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                     "CDDType::putMaxRangeNo(0)", "CDDType::putDefaultValue(15)",
                     "CDDType::putMinValues(0, 15)", "CDDType::putMaxValues(0, 300)"},
                    kWriteThenRead,
                    {"CDDVariable::putConstantUnit(\"\")", "CDDVariable::putConstantUnit(\"mm\")",
                     "CDDVariable::putAttributesAvailable(true)"}}));
    // A float whose default and range are integer variants.
    const auto size = f.FillAs<CDDVariable>(item::trans1_Nominal_Size);
    EXPECT_EQ(size->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(size->getTypeInfo()->getMinValue(0).getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(size->getTypeInfo()->getMaxValue(0).getKind(), CDDCommonVariant::Integer);
    EXPECT_TRUE(size->getHandling(DD_HANDLING_WRITE));
}

TEST(ServiceAccess, EachServiceParameterFetchesTheCodeOnceAndWritesOnlyWithTheServiceCode) {
    struct Case {
        CDDCommonVariant code;
        bool writable;
    };
    const Case cases[] = {
        {CDDCommonVariant(0), false},
        {CDDCommonVariant(kServiceAccessCode), true},
        {CDDCommonVariant(kServiceAccessCode - 1), false},
        {CDDCommonVariant(kServiceAccessCode + 1), false},
        // The library compares numbers by value, and no string equals a number.
        {CDDCommonVariant(7294.0), true},
        {CDDCommonVariant("7294"), false},
    };
    for (const ServiceParameter& parameter : kServiceParameters) {
        for (const Case& c : cases) {
            SCOPED_TRACE(registry::kItems[parameter.id].name);
            SCOPED_TRACE(c.code.getString().ptr());
            PluginFixture f;
            f.SetValue(item::loc_security_lock, c.code);
            f.host.store().ClearCalls();
            constexpr DDContext kCtx = 5;
            EXPECT_EQ(
                FromHandling(f.Trace(parameter.id, kCtx)),
                Join({c.writable ? kWriteThenRead : kReadOnly,
                      {"CDDVariable::putConstantUnit(\"\")",
                       std::string("CDDVariable::putConstantUnit(\"") + parameter.unit + "\")",
                       "CDDVariable::putAttributesAvailable(true)"}}));
            const std::vector<ddhost::StoreCall> fetches = Fetches(f);
            ASSERT_EQ(fetches.size(), 1u);
            EXPECT_EQ(fetches[0].id, item::loc_security_lock);
            EXPECT_EQ(fetches[0].ctx, kCtx);
        }
    }
}

TEST(ServiceAccess, TheAccessCodesOwnDefaultLeavesServiceParametersReadOnly) {
    PluginFixture f;
    for (const ServiceParameter& parameter : kServiceParameters) {
        SCOPED_TRACE(parameter.unit);
        const auto variable = FillWithHandlingOn(f, parameter.id);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_FALSE(variable->getHandling(DD_HANDLING_WRITE));
    }
}

TEST(ServiceAccess, EveryFillFetchesTheCodeAnew) {
    PluginFixture f;
    f.SetValue(item::loc_security_lock, CDDCommonVariant(0));
    f.host.store().ClearCalls();
    const auto locked = f.FillAs<CDDVariable>(item::trans1_calibration_factor);
    f.SetValue(item::loc_security_lock, CDDCommonVariant(kServiceAccessCode));
    const auto open = f.FillAs<CDDVariable>(item::trans1_calibration_factor);
    f.SetValue(item::loc_security_lock, CDDCommonVariant(1));
    const auto lockedAgain = f.FillAs<CDDVariable>(item::trans1_calibration_factor);
    EXPECT_FALSE(locked->getHandling(DD_HANDLING_WRITE));
    EXPECT_TRUE(open->getHandling(DD_HANDLING_WRITE));
    EXPECT_FALSE(lockedAgain->getHandling(DD_HANDLING_WRITE));
    for (const auto* variable : {locked.get(), open.get(), lockedAgain.get()})
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
    EXPECT_EQ(Fetches(f).size(), 3u);
}

TEST(TransducerFlow, CalibrationFactorHasAnIntDefaultAndDoubleRange) {
    PluginFixture f;
    const Calls factor = f.Trace(item::trans1_calibration_factor);
    EXPECT_EQ(Only(factor, "CDDType::put"),
              (Calls{"CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
                     "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(0)",
                     "CDDType::putDefaultValue(1)", "CDDType::putMinValues(0, 0.01)",
                     "CDDType::putMaxValues(0, 999.9)"}));
}

TEST(TransducerFlow, TemperatureIsReadWriteWhateverTheAccessCode) {
    for (int code : {0, kServiceAccessCode}) {
        SCOPED_TRACE(code);
        PluginFixture f;
        f.SetValue(item::loc_security_lock, CDDCommonVariant(code));
        f.host.store().ClearCalls();
        EXPECT_EQ(
            FromHandling(f.Trace(item::trans1_temperature)),
            (Calls{"CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
                   "CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
                   "CDDVariable::putConstantUnit(\"\")", "CDDVariable::putConstantUnit(\"K\")",
                   "CDDVariable::putAttributesAvailable(true)"}));
        EXPECT_TRUE(Fetches(f).empty());
    }
}

TEST(TransducerFlow, MeasuredValuesHaveNoRangeDefaultOrUnitOfTheirOwn) {
    PluginFixture f;
    for (DDObjectId id : {item::trans1_flowrate, item::trans1_upper_sensor_limit,
                          item::trans1_lower_sensor_limit}) {
        SCOPED_TRACE(id);
        const Calls calls = f.Trace(id);
        EXPECT_EQ(Only(calls, "CDDType::"),
                  (Calls{"CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
                         "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(-1)"}));
        EXPECT_EQ(FromHandling(calls),
                  Join({kReadOnly, {"CDDVariable::putAttributesAvailable(true)"}}));
    }
}

TEST(TransducerFlow, VortexFrequencySetsItsUnitBeforeItsHandling) {
    PluginFixture f;
    const Calls calls = f.Trace(item::trans1_vortex_frequency);
    EXPECT_EQ(Calls(calls.end() - 6, calls.end()),
              Join({{"CDDVariable::putConstantUnit(\"\")", "CDDVariable::putConstantUnit(\"Hz\")"},
                    kReadOnly,
                    {"CDDVariable::putAttributesAvailable(true)"}}));
}

TEST(TransducerFlow, FlowUnitOffersTheSixteenVolumeFlowCodesInDeviceOrder) {
    PluginFixture f;
    const Calls steps = Steps(f.Trace(item::trans1_flowrate_unit), {"CDDEnumerator::"});
    const Calls expectedHead = {"CDDVariable::setTypeInfo(CDDType(4))", "CDDType::putSize(2)",
                                "CDDType::putMaxEnumIndex(0)", "CDDType::putDefaultValue(24)",
                                "CDDEnumeratorSet::Add(24)"};
    const Calls afterClass(steps.begin() + 5, steps.begin() + 10);
    EXPECT_EQ(afterClass, expectedHead);
    EXPECT_EQ(steps.back(), "CDDVariable::putAttributesAvailable(true)");
    EXPECT_TRUE(Only(steps, "CDDVariable::putHandling").empty());

    const auto unit = FillWithHandlingOn(f, item::trans1_flowrate_unit);
    EXPECT_TRUE(unit->getHandling(DD_HANDLING_READ));
    EXPECT_TRUE(unit->getHandling(DD_HANDLING_WRITE));
    EXPECT_EQ(unit->getTypeInfo()->getMaxEnumIndex(), 0);
    EXPECT_EQ(EnumValues(*unit), (std::vector<std::int32_t>{24, 17, 138, 28, 131, 19, 26, 15, 130,
                                                            137, 18, 30, 22, 16, 136, 253}));
    const CDDEnumeratorSet& set = unit->getTypeInfo()->enumerators();
    // The superscript three is one Windows-1252 byte.
    EXPECT_TRUE(StartsWith(set.getItem(3).getDescription().ptr(), "m\xB3/s  |de|"));
    // The imperial gallons have no German part in their description.
    for (int row : {9, 10, 11}) {
        const std::string description = set.getItem(row).getDescription().ptr();
        EXPECT_TRUE(StartsWith(description, "Impgal/")) << description;
        EXPECT_EQ(description.find("|de|"), std::string::npos) << description;
        EXPECT_NE(description.find("  |fr|"), std::string::npos) << description;
    }
}

TEST(TransducerFlow, SetupEnumerationsRepeatTheirDescriptionAsHelpAndMakeNoHandlingCall) {
    PluginFixture f;
    struct Enumeration {
        DDObjectId id;
        std::vector<std::int32_t> values;
        int defaultValue;
    };
    for (const Enumeration& e : {Enumeration{item::trans1_application_medium, {0, 1}, 0},
                                 Enumeration{item::trans1_amplification, {0, 1, 2, 3}, 2}}) {
        SCOPED_TRACE(e.id);
        const Calls steps = Steps(f.Trace(e.id), {"CDDEnumerator::"});
        EXPECT_EQ(Calls(steps.begin() + 5, steps.begin() + 9),
                  (Calls{"CDDVariable::setTypeInfo(CDDType(4))", "CDDType::putSize(1)",
                         "CDDType::putMaxEnumIndex(0)",
                         "CDDType::putDefaultValue(" + std::to_string(e.defaultValue) + ")"}));
        const auto variable = FillWithHandlingOn(f, e.id);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
        EXPECT_EQ(EnumValues(*variable), e.values);
        const CDDEnumeratorSet& set = variable->getTypeInfo()->enumerators();
        for (int i = 0; i < set.getCount(); ++i)
            EXPECT_EQ(set.getItem(i).getHelp(), set.getItem(i).getDescription());
    }
}

TEST(TransducerFlow, UserFlowRateUnitEndsWithItsRangeAndNoHandling) {
    PluginFixture f;
    const Calls calls = f.Trace(item::trans1_user_flow_rate_unit);
    EXPECT_TRUE(StartsWith(calls[calls.size() - 2], "CDDType::putMaxValues(0, "));
    const auto variable = FillWithHandlingOn(f, item::trans1_user_flow_rate_unit);
    EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
    EXPECT_EQ(variable->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Float);
    EXPECT_FALSE(variable->hasConstantUnit());
}
