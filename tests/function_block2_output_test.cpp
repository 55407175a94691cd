#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

std::string Description(const CDDVariable& variable, std::int32_t value) {
    const CDDEnumeratorSet& set = variable.getTypeInfo()->enumerators();
    for (int i = 0; i < set.getCount(); ++i)
        if (set.getItem(i).getValue() == value) return set.getItem(i).getDescription().ptr();
    return "<none>";
}

}  // namespace

TEST(FunctionBlock2Output, TotalValueIsAReadOnlyFloatWithoutRange) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func2_out_total_value);
    EXPECT_EQ(calls[1],
              "CDDVariable::putLabel(\"V0H2   Totalized Volume  |de|V0H2   Summe Volumen\")");
    ASSERT_GT(calls.size(), 3u);
    // The help ends with one blank after its Spanish part.
    EXPECT_TRUE(StartsWith(calls[3],
                           "CDDVariable::putHelp(\"The function block parameter totalizer "
                           "value contains the value of   the actual"));
    EXPECT_EQ(calls[3].substr(calls[3].size() - 4), ". \")");
    Calls expected = kResetClass;
    expected.insert(
        expected.end(),
        {"CDDVariableClass::putClassInfo(9, true)", "CDDVariableClass::putClassInfo(14, true)",
         "CDDVariable::setTypeInfo(CDDType(0))", "CDDType::putScalingFactor(1.0)",
         "CDDType::putDisplayFormat(\"%G\")", "CDDType::putEditFormat(\"%G\")",
         "CDDType::putMaxRangeNo(-1)"});
    expected.insert(expected.end(), kReadOnly.begin(), kReadOnly.end());
    expected.push_back("CDDVariable::putAttributesAvailable(true)");
    EXPECT_EQ(From(calls, "CDDVariableClass::"), expected);

    const auto value = f.FillAs<CDDVariable>(item::func2_out_total_value);
    EXPECT_FALSE(value->getTypeInfo()->hasDefaultValue());
    EXPECT_FALSE(value->hasConstantUnit());
}

TEST(FunctionBlock2Output, StatusResetsItsClassesOnceThenSetsNineAndFifteen) {
    PluginFixture f;
    const Calls calls = f.Trace(item::func2_out_total_status);
    Calls expected = kResetClass;
    expected.insert(expected.end(), {"CDDVariableClass::putClassInfo(9, true)",
                                     "CDDVariableClass::putClassInfo(15, true)"});
    EXPECT_EQ(Only(calls, "CDDVariableClass::"), expected);
    // The class calls stand together between the help and the type.
    EXPECT_EQ(From(calls, "CDDVariableClass::").at(expected.size()),
              "CDDVariable::setTypeInfo(CDDType(4))");

    const auto status = f.FillAs<CDDVariable>(item::func2_out_total_status);
    EXPECT_EQ(status->getClass()->getMask(), (1u << 9) | (1u << 15));
    EXPECT_TRUE(status->getHandling(DD_HANDLING_READ));
    EXPECT_FALSE(status->getHandling(DD_HANDLING_WRITE));
    EXPECT_STREQ(status->getLabel().ptr(),
                 "Status (Totalizer)  |de|Status (Z\xE4hlwerk)  |fr|Etat (compteur)  |it|Stato "
                 "(contatore)  |es|Status (totalizador)");
}

TEST(FunctionBlock2Output, StatusIsTheEnumeratedStatusByteThoughTheDirectorySaysInteger) {
    PluginFixture f;
    ASSERT_EQ(registry::kItems[item::func2_out_total_status].type, DD_TYPE_INTEGER);
    const Calls calls = f.Trace(item::func2_out_total_status);
    const Calls type = From(calls, "CDDVariable::setTypeInfo");
    ASSERT_GE(type.size(), 3u);
    EXPECT_EQ(type[1], "CDDType::putSize(1)");
    EXPECT_EQ(type[2], "CDDType::putMaxEnumIndex(163)");
    EXPECT_EQ(Only(calls, "CDDType::").size(), 2u);  // no scaling, format or range
    EXPECT_EQ(Only(calls, "CDDEnumerator::putHelp").size(), 100u);
    EXPECT_EQ(Only(calls, "CDDEnumerator::putHelp(\"\")").size(), 100u);

    const auto status = f.FillAs<CDDVariable>(item::func2_out_total_status);
    const CDDEnumeratorSet& set = status->getTypeInfo()->enumerators();
    ASSERT_EQ(set.getCount(), 100);
    for (int i = 1; i < set.getCount(); ++i)
        EXPECT_LT(set.getItem(i - 1).getValue(), set.getItem(i).getValue());
    EXPECT_STREQ(set.getItem(0).getDescription().ptr(),
                 "Bad  |de|Schlecht  |fr|Mauvais  |it|Scarto  |es|Malo");
    EXPECT_EQ(set.getItem(99).getValue(), 0xA3);
    EXPECT_TRUE(StartsWith(set.getItem(99).getDescription().ptr(),
                           "Good, Initiate fail-safe, Value constant  |de|"));
    // Good stops at 0x9B and resumes at 0xA0; nothing between the three blocks of values.
    for (std::int32_t missing : {0x24, 0x3F, 0x60, 0x7F, 0x9C, 0x9F, 0xA4})
        EXPECT_EQ(Description(*status, missing), "<none>") << missing;
}

TEST(FunctionBlock2Output, AllStatusVariablesShareOneEnumeration) {
    PluginFixture f;
    const auto totalizer = f.FillAs<CDDVariable>(item::func2_out_total_status);
    const auto input = f.FillAs<CDDVariable>(item::func1_out_status);
    const CDDEnumeratorSet& mine = totalizer->getTypeInfo()->enumerators();
    const CDDEnumeratorSet& theirs = input->getTypeInfo()->enumerators();
    ASSERT_EQ(mine.getCount(), theirs.getCount());
    for (int i = 0; i < mine.getCount(); ++i) {
        EXPECT_EQ(mine.getItem(i).getValue(), theirs.getItem(i).getValue());
        EXPECT_STREQ(mine.getItem(i).getDescription().ptr(),
                     theirs.getItem(i).getDescription().ptr());
    }
}

TEST(FunctionBlock2Output, RefillingInstallsAFreshType) {
    PluginFixture f;
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::func2_out_total_status);
    ddhost::Calculate(f.calculation, 1, *object);
    ddhost::Calculate(f.calculation, 1, *object);
    auto& status = static_cast<CDDVariable&>(*object);
    EXPECT_EQ(status.getTypeInfo()->enumerators().getCount(), 100);
    EXPECT_EQ(status.getClass()->getMask(), (1u << 9) | (1u << 15));
}
