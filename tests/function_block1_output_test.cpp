// Function block 1's output value, ranges, decimal points and limits: the display format that
// follows the output decimal point, the order of each fill and what the host reads back.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

// The float items whose display format follows the output decimal point.
constexpr DDObjectId kFollowers[] = {
    item::func1_out_value,
    item::func1_pv_upper_range_value,
    item::func1_pv_lower_range_value,
    item::func1_hi_hi_lim,
    item::func1_hi_lim,
    item::func1_lo_lim,
    item::func1_lo_lo_lim,
};
constexpr DDObjectId kLimits[] = {item::func1_hi_hi_lim, item::func1_hi_lim, item::func1_lo_lim,
                                  item::func1_lo_lo_lim};
constexpr DDObjectId kVariables[] = {
    item::func1_out_value,
    item::func1_pv_upper_range_value,
    item::func1_pv_lower_range_value,
    item::func1_pv_decimal_point,
    item::func1_out_upper_range_value,
    item::func1_out_lower_range_value,
    item::func1_out_decimal_point,
    item::func1_hi_hi_lim,
    item::func1_hi_lim,
    item::func1_lo_lim,
    item::func1_lo_lo_lim,
};

// The calls after the help, with the class reset left out.
Calls AfterTexts(const Calls& calls) {
    return Steps(calls, {"CDDVariable::putLabel", "CDDVariable::putHelp"});
}

std::string DisplayFormat(const CDDVariable& variable) {
    return variable.getTypeInfo()->getDisplayFormat().ptr();
}
std::string EditFormat(const CDDVariable& variable) {
    return variable.getTypeInfo()->getEditFormat().ptr();
}

}  // namespace

TEST(Function1Output, EveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags) {
    PluginFixture f;
    ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(f, kVariables);
}

TEST(DecimalPointFormat, EachCodeSelectsItsFormatOnEveryFollowerAndTheEditFormatStays) {
    struct Case {
        int value;
        const char* format;
    };
    const Case cases[] = {{0, ".0f"},  {1, ".1f"},  {2, ".2f"}, {3, ".3f"},    {4, ".4f"},
                          {5, ".5f"},  {6, ".6f"},  {7, ".7f"}, {127, "8.6f"}, {8, "%G"},
                          {126, "%G"}, {128, "%G"}, {-1, "%G"}, {255, "%G"}};
    PluginFixture f;
    for (const Case& c : cases) {
        f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(c.value));
        for (DDObjectId id : kFollowers) {
            SCOPED_TRACE(std::string(Name(id)) + " at " + std::to_string(c.value));
            f.host.store().ClearCalls();
            const auto variable = f.FillAs<CDDVariable>(id);
            EXPECT_EQ(DisplayFormat(*variable), c.format);
            EXPECT_EQ(EditFormat(*variable), "%G");
            EXPECT_EQ(FetchedItems(f), std::vector<DDObjectId>{item::func1_out_decimal_point});
        }
    }
}

TEST(DecimalPointFormat, TheComputedFormatFollowsTheRangeAndDefaultAndIsTheLastTypeCall) {
    PluginFixture f;
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(127));
    for (DDObjectId id : kFollowers) {
        SCOPED_TRACE(Name(id));
        const Calls types = Only(f.Trace(id), "CDDType::");
        ASSERT_GE(types.size(), 5u);
        EXPECT_EQ(Calls(types.begin(), types.begin() + 4),
                  (Calls{"CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
                         "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(-1)"}));
        EXPECT_EQ(types.back(), "CDDType::putDisplayFormat(\"8.6f\")");
        // At most the default stands between the range and the computed format.
        EXPECT_LE(types.size(), 6u);
        if (types.size() == 6u) {
            EXPECT_TRUE(StartsWith(types[4], "CDDType::putDefaultValue("));
        }
    }
    // An unlisted value sets the static format a second time.
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(9));
    EXPECT_EQ(Only(f.Trace(item::func1_out_value), "CDDType::putDisplayFormat"),
              (Calls{"CDDType::putDisplayFormat(\"%G\")", "CDDType::putDisplayFormat(\"%G\")"}));
}

TEST(DecimalPointFormat, TheOutputDefaultGivesTwoDecimalsAndNoOtherItemDecides) {
    PluginFixture f;
    // Never set: the host answers with the decimal point's default.
    EXPECT_EQ(DisplayFormat(*f.FillAs<CDDVariable>(item::func1_pv_upper_range_value)), ".2f");
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(1));
    f.SetValue(item::func1_pv_decimal_point, CDDCommonVariant(5));
    EXPECT_EQ(DisplayFormat(*f.FillAs<CDDVariable>(item::func1_pv_lower_range_value)), ".1f");
    // The output range and the decimal points themselves keep their static formats and ask the
    // host for nothing.
    for (DDObjectId id : {item::func1_out_upper_range_value, item::func1_out_lower_range_value,
                          item::func1_pv_decimal_point, item::func1_out_decimal_point}) {
        SCOPED_TRACE(Name(id));
        f.host.store().ClearCalls();
        const Calls calls = f.Trace(id);
        EXPECT_TRUE(FetchedItems(f).empty());
        EXPECT_LE(Only(calls, "CDDType::putDisplayFormat").size(), 1u);
    }
    EXPECT_EQ(DisplayFormat(*f.FillAs<CDDVariable>(item::func1_out_upper_range_value)), "%G");
}

TEST(Function1Output, UpperInputRangeMakesTheFramesCallsWithTheFormatBeforeTheHandling) {
    PluginFixture f;
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(3));
    const Calls calls = f.Trace(item::func1_pv_upper_range_value);
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "CDDVariable::putLabel(\"\")");
    EXPECT_EQ(calls[1],
              "CDDVariable::putLabel(\"Upper Value  |de|Endwert  |fr|Valeur finale  |it|Valore "
              "finale  |es|Valor final\")");
    EXPECT_EQ(calls[2], "CDDVariable::putHelp(\"\")");
    EXPECT_TRUE(StartsWith(calls[3],
                           "CDDVariable::putHelp(\"Defines the operational upper range value of "
                           "the input value (100%)   in engineering units.  |de|"));
    EXPECT_EQ(Calls(calls.begin() + 4, calls.begin() + 14), kResetClass);
    EXPECT_EQ(
        AfterTexts(calls),
        (Calls{"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(0))",
               "CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
               "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(-1)",
               "CDDType::putDefaultValue(100)", "CDDType::putDisplayFormat(\".3f\")",
               "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
               "CDDVariable::putHandling(1, true)", "CDDVariable::putHandling(0, true)",
               "CDDVariable::putAttributesAvailable(true)"}));
}

TEST(Function1Output, OutputValueIsReadOnlyWithoutDefaultAndTheRangesAreReadWrite) {
    PluginFixture f;
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(0));
    EXPECT_EQ(
        AfterTexts(f.Trace(item::func1_out_value)),
        (Calls{"CDDVariableClass::putClassInfo(9, true)",
               "CDDVariableClass::putClassInfo(15, true)", "CDDVariable::setTypeInfo(CDDType(0))",
               "CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%G\")",
               "CDDType::putEditFormat(\"%G\")", "CDDType::putMaxRangeNo(-1)",
               "CDDType::putDisplayFormat(\".0f\")", "CDDVariable::putHandling(0, false)",
               "CDDVariable::putHandling(1, false)", "CDDVariable::putHandling(1, true)",
               "CDDVariable::putAttributesAvailable(true)"}));
    const auto out = f.FillAs<CDDVariable>(item::func1_out_value);
    EXPECT_TRUE(out->getHandling(DD_HANDLING_READ));
    EXPECT_FALSE(out->getHandling(DD_HANDLING_WRITE));

    // The range end points are floats with integer defaults, and no range.
    struct EndPoint {
        DDObjectId id;
        int value;
    };
    for (const EndPoint& end : {EndPoint{item::func1_pv_upper_range_value, 100},
                                EndPoint{item::func1_pv_lower_range_value, 0},
                                EndPoint{item::func1_out_upper_range_value, 100},
                                EndPoint{item::func1_out_lower_range_value, 0}}) {
        SCOPED_TRACE(Name(end.id));
        const auto variable = f.FillAs<CDDVariable>(end.id);
        const CDDCommonVariant& value = variable->getTypeInfo()->getDefaultValue();
        EXPECT_EQ(value.getKind(), CDDCommonVariant::Integer);
        EXPECT_EQ(value.getInt(), end.value);
        EXPECT_EQ(variable->getTypeInfo()->getMaxRangeNo(), -1);
        EXPECT_EQ(variable->getTypeInfo()->getRangeCount(), 0);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
    }
}

TEST(Function1Output, DecimalPointsOfferSixDigitsAndOnlyTheOutputHasADefaultAfterThem) {
    PluginFixture f;
    const auto output = f.FillAs<CDDVariable>(item::func1_out_decimal_point);
    EXPECT_STREQ(output->getTypeInfo()->enumerators().getItem(6).getDescription().ptr(), "6");
    EXPECT_TRUE(output->getHandling(DD_HANDLING_WRITE));
    Calls expected = {"CDDType::putSize(1)", "CDDType::putMaxEnumIndex(6)"};
    for (int digit = 0; digit <= 6; ++digit)
        expected.push_back("CDDEnumeratorSet::Add(" + std::to_string(digit) + ")");
    auto typeCalls = [&](DDObjectId id) {
        Calls kept;
        for (const std::string& call : f.Trace(id))
            if (StartsWith(call, "CDDType::") || StartsWith(call, "CDDEnumeratorSet::"))
                kept.push_back(call);
        return kept;
    };
    EXPECT_EQ(typeCalls(item::func1_pv_decimal_point), expected);
    expected.push_back("CDDType::putDefaultValue(2)");
    EXPECT_EQ(typeCalls(item::func1_out_decimal_point), expected);
    EXPECT_EQ(f.FillAs<CDDVariable>(item::func1_pv_decimal_point)
                  ->getTypeInfo()
                  ->getDefaultValue()
                  .getKind(),
              CDDCommonVariant::Empty);
}

TEST(Function1Limits, LimitsMakeNoHandlingCallAndCheckTheirOrderAfterAnEdit) {
    PluginFixture f;
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(3));
    const std::string defaults[] = {"3e+38", "3e+38", "-3e+38", "-3e+38"};
    const std::uint64_t bits[] = {0x47EC363CBF21F28Aull, 0x47EC363CBF21F28Aull,
                                  0xC7EC363CBF21F28Aull, 0xC7EC363CBF21F28Aull};
    for (std::size_t i = 0; i < std::size(kLimits); ++i) {
        const DDObjectId id = kLimits[i];
        SCOPED_TRACE(Name(id));
        const Calls calls = f.Trace(id);
        EXPECT_EQ(
            AfterTexts(calls),
            (Calls{"CDDVariableClass::putClassInfo(14, true)",
                   "CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                   "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                   "CDDType::putMaxRangeNo(-1)", "CDDType::putDefaultValue(" + defaults[i] + ")",
                   "CDDType::putDisplayFormat(\".3f\")",
                   "CDDDefinitionList::Add(meth_check_lokal_limits, -1, -1)",
                   "CDDVariable::setPostEditActions(CDDDefinitionList("
                   "meth_check_lokal_limits))",
                   "CDDVariable::putAttributesAvailable(true)"}));
        EXPECT_TRUE(Only(calls, "CDDVariable::putHandling").empty());

        // The flags the host's object had survive the fill.
        std::unique_ptr<CDDObject> object = f.host.store().Copy(id);
        auto* variable = static_cast<CDDVariable*>(object.get());
        variable->putHandling(DD_HANDLING_WRITE, true);
        ddhost::Calculate(f.calculation, 1, *object);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
        EXPECT_FALSE(variable->getHandling(DD_HANDLING_READ));

        const CDDCommonVariant& value = variable->getTypeInfo()->getDefaultValue();
        EXPECT_EQ(value.getKind(), CDDCommonVariant::Float);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value.getDouble()), bits[i]);
        EXPECT_EQ(EditFormat(*variable), "%G");
        ExpectOnePostEditAction(*variable, item::meth_check_lokal_limits);
    }
    EXPECT_TRUE(StartsWith(f.Fill(item::func1_hi_lim)->getLabel().ptr(),
                           "Upper Limit Warning  |de|Warngrenze Oben  |fr|Limite d'avertissement "
                           "sup\xE9rieure  |it|"));
    EXPECT_TRUE(StartsWith(f.Fill(item::func1_lo_lo_lim)->getHelp().ptr(),
                           "The setting for the lower alarm limit in engineering units  |de|"));
}
