// The plug-in's own copies of function block 1's limits: the display format that follows the
// output decimal point, the limit check after an edit, and what the fill leaves alone.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

constexpr DDObjectId kLocalLimits[] = {item::func1_lo_lim_local, item::func1_lo_lo_lim_local,
                                       item::func1_hi_lim_local, item::func1_hi_hi_lim_local};

}  // namespace

TEST(LocalLimits, EveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags) {
    PluginFixture f;
    ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(f, kLocalLimits);
    for (DDObjectId id : kLocalLimits) {
        SCOPED_TRACE(registry::kItems[id].name);
        const auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(variable->classInfo().getMask(), 4096u);
        // The output decimal point's own default asks for two decimals.
        EXPECT_STREQ(variable->getTypeInfo()->getDisplayFormat().ptr(), ".2f");
    }
}

TEST(LocalLimits, LowerWarningFillsInTheFramesOrder) {
    PluginFixture f;
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(2));
    const Calls calls = f.Trace(item::func1_lo_lim_local);
    EXPECT_EQ(calls[1],
              "CDDVariable::putLabel(\"Lower Limit Warning  |de|Warngrenze Unten  |fr|Limite "
              "d'avertissement inf\xE9rieure  |it|Limite di avviso inferiore  |es|L\xEDmite "
              "inferior de advertencia\")");
    const Calls tail(calls.end() - 11, calls.end());
    EXPECT_EQ(tail, (Calls{"CDDVariableClass::putClassInfo(12, true)",
                           "CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
                           "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
                           "CDDType::putMaxRangeNo(-1)", "CDDType::putDefaultValue(-3e+38)",
                           "CDDType::putDisplayFormat(\".2f\")",
                           "CDDDefinitionList::Add(meth_check_lokal_limits_local, -1, -1)",
                           "CDDVariable::setPostEditActions(CDDDefinitionList("
                           "meth_check_lokal_limits_local))",
                           "CDDVariable::putAttributesAvailable(true)"}));
    EXPECT_TRUE(Only(calls, "CDDVariable::putHandling").empty());
    EXPECT_TRUE(Only(calls, "CDDVariable::putConstantUnit").empty());
}

TEST(LocalLimits, DisplayFormatFollowsTheOutputDecimalPointAndTheEditFormatStays) {
    struct Case {
        CDDCommonVariant decimals;
        const char* format;
    };
    // The library compares numbers by value; no text equals a number.
    const Case cases[] = {
        {CDDCommonVariant(0), ".0f"},  {CDDCommonVariant(6), ".6f"},
        {CDDCommonVariant(7), ".7f"},  {CDDCommonVariant(127), "8.6f"},
        {CDDCommonVariant(8), "%G"},   {CDDCommonVariant(126), "%G"},
        {CDDCommonVariant(128), "%G"}, {CDDCommonVariant(255), "%G"},
        {CDDCommonVariant(-1), "%G"},  {CDDCommonVariant(3.0), ".3f"},
        {CDDCommonVariant("3"), "%G"},
    };
    PluginFixture f;
    for (DDObjectId id : kLocalLimits) {
        for (const Case& c : cases) {
            SCOPED_TRACE(registry::kItems[id].name);
            SCOPED_TRACE(c.decimals.getString().ptr());
            f.SetValue(item::func1_out_decimal_point, c.decimals);
            const auto variable = f.FillAs<CDDVariable>(id);
            EXPECT_STREQ(variable->getTypeInfo()->getDisplayFormat().ptr(), c.format);
            EXPECT_STREQ(variable->getTypeInfo()->getEditFormat().ptr(), "%G");
        }
    }
}

TEST(LocalLimits, EachFillFetchesTheDecimalPointOnceAndKeepsNothing) {
    PluginFixture f;
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::func1_hi_lim_local);
    auto* variable = static_cast<CDDVariable*>(object.get());
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(0));
    f.host.store().ClearCalls();
    constexpr DDContext kCtx = 9;
    ddhost::Calculate(f.calculation, kCtx, *object);
    EXPECT_STREQ(variable->getTypeInfo()->getDisplayFormat().ptr(), ".0f");
    const std::vector<ddhost::StoreCall> fetches = Fetches(f);
    ASSERT_EQ(fetches.size(), 1u);
    EXPECT_EQ(fetches[0].id, item::func1_out_decimal_point);
    EXPECT_EQ(fetches[0].ctx, kCtx);

    // A second fill of the same object takes the value of that moment.
    f.SetValue(item::func1_out_decimal_point, CDDCommonVariant(127));
    ddhost::Calculate(f.calculation, kCtx, *object);
    EXPECT_STREQ(variable->getTypeInfo()->getDisplayFormat().ptr(), "8.6f");
    EXPECT_EQ(Fetches(f).size(), 2u);
    EXPECT_EQ(variable->getPostEditActions()->getCount(), 1);
}

TEST(LocalLimits, DefaultsAreDoublesOpenAtBothEndsAndTheLimitCheckRunsAfterAnEdit) {
    PluginFixture f;
    for (DDObjectId id : kLocalLimits) {
        SCOPED_TRACE(registry::kItems[id].name);
        const auto variable = FillWithHandlingOn(f, id);

        const CDDCommonVariant& fallback = variable->getTypeInfo()->getDefaultValue();
        EXPECT_EQ(fallback.getKind(), CDDCommonVariant::Float);
        const bool upper = id == item::func1_hi_lim_local || id == item::func1_hi_hi_lim_local;
        EXPECT_EQ(fallback.getDouble(), upper ? 3.0E38 : -3.0E38);
        EXPECT_EQ(variable->getTypeInfo()->getRangeCount(), 0);
        EXPECT_FALSE(variable->hasConstantUnit());
        // No handling call: the host's handling stays.
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));

        ExpectOnePostEditAction(*variable, item::meth_check_lokal_limits_local);
    }
}
