// Function block 1's units: the input and output unit lists, and the two unit relations that
// tell the host which values follow which unit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

struct Row {
    std::int32_t value;
    std::string description;
    std::string help;
};
bool operator==(const Row& a, const Row& b) {
    return a.value == b.value && a.description == b.description && a.help == b.help;
}

std::vector<Row> Rows(const CDDVariable& variable) {
    std::vector<Row> rows;
    const CDDEnumeratorSet& set = variable.getTypeInfo()->enumerators();
    for (int i = 0; i < set.getCount(); ++i) {
        const CDDEnumerator& e = set.getItem(i);
        rows.push_back({e.getValue(), e.getDescription().ptr(), e.getHelp().ptr()});
    }
    return rows;
}

std::map<std::int32_t, Row> ByCode(const std::vector<Row>& rows) {
    std::map<std::int32_t, Row> byCode;
    for (const Row& row : rows) byCode.emplace(row.value, row);
    return byCode;
}

std::vector<DDObjectId> Ids(const CDDDefinitionSet& set) {
    std::vector<DDObjectId> ids;
    for (int i = 0; i < set.getCount(); ++i) ids.push_back(set.getItem(i).getID());
    return ids;
}

// The language tags of a text, in order, e.g. "de fr it es".
std::string Tags(const std::string& text) {
    std::string tags;
    for (const char* tag : {"|de|", "|fr|", "|it|", "|es|"})
        if (Has(text, tag)) tags += std::string(tags.empty() ? "" : " ") + std::string(tag + 1, 2);
    return tags;
}

}  // namespace

TEST(Function1Units, EveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags) {
    PluginFixture f;
    constexpr DDObjectId kUnitVariables[] = {item::func1_pv_unit, item::func1_out_unit};
    ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(f, kUnitVariables);
    for (DDObjectId id : kUnitVariables) {
        SCOPED_TRACE(Name(id));
        const Calls calls = f.Trace(id);
        const auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(variable->getTypeInfo()->getSize(), 2);
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
        // An enumeration: no scaling, formats or range.
        EXPECT_TRUE(Only(calls, "CDDType::putScalingFactor").empty());
        EXPECT_TRUE(Only(calls, "CDDType::putDisplayFormat").empty());
        EXPECT_TRUE(Only(calls, "CDDType::putMaxRangeNo").empty());
        EXPECT_TRUE(Only(calls, "CDDVariable::putConstantUnit").empty());
    }
    for (DDObjectId id : {item::AI_1_OUT_SCALE_UNIT, item::FUNC1_PV_SCALE_UNIT}) {
        SCOPED_TRACE(registry::kItems[id].name);
        const Calls calls = f.Trace(id);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back(), "CDDUnit::putAttributesAvailable(true)");
    }
}

TEST(Function1Units, DefaultComesBeforeTheFirstRowAndOnlyTheOutputPassesItsHighestCode) {
    PluginFixture f;
    struct Expect {
        DDObjectId id;
        const char* maxIndex;
    };
    for (const Expect& e : {Expect{item::func1_pv_unit, "CDDType::putMaxEnumIndex(0)"},
                            Expect{item::func1_out_unit, "CDDType::putMaxEnumIndex(253)"}}) {
        SCOPED_TRACE(registry::kItems[e.id].name);
        const Calls types = Only(f.Trace(e.id), "CDDType::");
        ASSERT_EQ(types.size(), 3u);
        EXPECT_EQ(types[0], "CDDType::putSize(2)");
        EXPECT_EQ(types[1], e.maxIndex);
        EXPECT_EQ(types[2], "CDDType::putDefaultValue(24)");
        const Calls calls = f.Trace(e.id);
        const auto firstRow = std::find_if(calls.begin(), calls.end(), [](const std::string& c) {
            return StartsWith(c, "CDDEnumerator::");
        });
        const auto defaultCall =
            std::find(calls.begin(), calls.end(), "CDDType::putDefaultValue(24)");
        EXPECT_LT(defaultCall, firstRow);
        const auto variable = f.FillAs<CDDVariable>(e.id);
        EXPECT_EQ(variable->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
        EXPECT_EQ(ByCode(Rows(*variable)).at(24).description, "l/s");
    }
}

TEST(Function1Units, InputOffersTheFlowUnitsAndTheUserDefinedUnit) {
    PluginFixture f;
    const std::vector<Row> rows = Rows(*f.FillAs<CDDVariable>(item::func1_pv_unit));
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows.front().value, 24);
    EXPECT_EQ(rows.front().description, "l/s");
    EXPECT_TRUE(StartsWith(rows.front().help, "Liters Per Second  |de|"));
    EXPECT_EQ(rows[3].description, "m\xB3/s  |de|m\xB3/s  |fr|m\xB3/s  |it|m\xB3/s  |es|m\xB3/s");
    EXPECT_EQ(rows.back().value, 253);
    EXPECT_TRUE(StartsWith(rows.back().description, "user = user defined unit  |de|"));
    EXPECT_EQ(rows.back().help, rows.back().description);
    // The flow rate of the transducer block offers the same rows.
    EXPECT_EQ(Rows(*f.FillAs<CDDVariable>(item::trans1_flowrate_unit)), rows);
}

TEST(Function1Units, OutputOffersEachCodeOfItsRangesOnceFromDegreesCelsiusToSpecial) {
    PluginFixture f;
    const std::vector<Row> rows = Rows(*f.FillAs<CDDVariable>(item::func1_out_unit));
    ASSERT_EQ(rows.size(), 160u);
    std::set<std::int32_t> expected;
    for (auto [first, last] : {std::pair{1, 116},
                               {120, 142},
                               {150, 153},
                               {160, 160},
                               {162, 168},
                               {235, 239},
                               {250, 253}})
        for (int code = first; code <= last; ++code) expected.insert(code);
    std::set<std::int32_t> codes;
    for (const Row& row : rows) EXPECT_TRUE(codes.insert(row.value).second) << row.value;
    EXPECT_EQ(codes, expected);

    EXPECT_EQ(rows.front().value, 32);
    EXPECT_TRUE(StartsWith(rows.front().description, "degC  |de|"));
    EXPECT_TRUE(StartsWith(rows.front().help, "Degrees Celsius  |de|"));
    EXPECT_EQ(rows[28].value, 24);  // the default, in the volume-flow group
    EXPECT_EQ(rows.back().value, 253);
    EXPECT_TRUE(StartsWith(rows.back().description, "Special  |de|"));
    EXPECT_EQ(rows.back().help, "");
    // The groups keep the device's order, not the codes' order.
    const std::vector<std::int32_t> electrical = {36, 58, 39, 37, 163};
    EXPECT_EQ((std::vector<std::int32_t>{rows[120].value, rows[121].value, rows[122].value,
                                         rows[123].value, rows[124].value}),
              electrical);
}

TEST(Function1Units, OutputRowsCarryTheirOwnBlanksTagsAndEmptyHelps) {
    PluginFixture f;
    const std::map<std::int32_t, Row> rows =
        ByCode(Rows(*f.FillAs<CDDVariable>(item::func1_out_unit)));
    EXPECT_TRUE(StartsWith(rows.at(121).help,
                           "Normal cubic meters (at 273.15 degrees Kelvin, 101.325 kilopascals)   "
                           "per hour.  |de|"));
    EXPECT_TRUE(StartsWith(rows.at(122).help,
                           "Normal liters (at 273.15 degrees Kelvin, 101.325 kilo pascals)per "
                           "hour.  |de|"));
    EXPECT_TRUE(StartsWith(rows.at(56).description, "\xB5Mho  |de|"));
    for (std::int32_t code : {38, 68, 163}) EXPECT_EQ(Tags(rows.at(code).help), "") << code;
    EXPECT_EQ(rows.at(38).help, "Hertz");
    EXPECT_EQ(rows.at(68).help, "Newton");
    EXPECT_EQ(rows.at(163).help, "kOhm");
    EXPECT_EQ(Tags(rows.at(55).help), "fr it es");
    EXPECT_TRUE(StartsWith(rows.at(55).help, "Centipoise  |fr|"));
    EXPECT_EQ(Tags(rows.at(126).help), "it es");
    EXPECT_TRUE(StartsWith(rows.at(126).help, "Foot pound force.  |it|"));
    EXPECT_TRUE(StartsWith(rows.at(126).description, "ft lbf  |fr|"));
    EXPECT_EQ(Tags(rows.at(47).description), "de");
    for (std::int32_t code : {151, 250, 251, 252, 253}) EXPECT_EQ(rows.at(code).help, "") << code;

    // Every other help has all four translations after its English part.
    int full = 0;
    for (const auto& [code, row] : rows)
        if (Tags(row.help) == "de fr it es") ++full;
    EXPECT_EQ(full, 160 - 3 - 2 - 5);

    // Descriptions: 66 in five languages, 14 without German, one with German alone, the rest
    // English only.
    std::map<std::string, int> byTags;
    for (const auto& [code, row] : rows) ++byTags[Tags(row.description)];
    EXPECT_EQ(byTags, (std::map<std::string, int>{
                          {"de fr it es", 66}, {"fr it es", 14}, {"de", 1}, {"", 79}}));
    for (std::int32_t code : {18, 30, 42, 101, 102, 103, 104, 107, 108, 109, 126, 137, 151, 160})
        EXPECT_EQ(Tags(rows.at(code).description), "fr it es") << code;
    // Every translated part is preceded by two blanks.
    for (const auto& [code, row] : rows)
        for (const std::string* text : {&row.description, &row.help})
            for (std::size_t at = text->find('|'); at != std::string::npos;
                 at = text->find('|', at + 4)) {
                ASSERT_GE(at, 2u) << code;
                EXPECT_EQ(text->substr(at - 2, 2), "  ") << code << ": " << *text;
            }
}

TEST(Function1Units, InputRowsReadAsTheOutputRowsOfTheSameCodeExceptTheUserDefinedOne) {
    PluginFixture f;
    const std::map<std::int32_t, Row> out =
        ByCode(Rows(*f.FillAs<CDDVariable>(item::func1_out_unit)));
    for (const Row& row : Rows(*f.FillAs<CDDVariable>(item::func1_pv_unit))) {
        ASSERT_EQ(out.count(row.value), 1u) << row.value;
        if (row.value == 253) {
            EXPECT_NE(out.at(row.value), row);
        } else {
            EXPECT_EQ(out.at(row.value), row) << row.value;
        }
    }
    for (std::int32_t absent : {117, 118, 119, 143, 149, 154, 159, 161, 169, 234, 240, 249})
        EXPECT_EQ(out.count(absent), 0u) << absent;
}

TEST(Function1UnitRelations, OutputUnitGovernsTwelveValuesAndInputUnitThree) {
    PluginFixture f;
    EXPECT_EQ(
        f.Trace(item::AI_1_OUT_SCALE_UNIT),
        (Calls{"CDDUnit::putUnit(func1_out_unit)", "CDDUnit::setReread(CDDVariableDefinitionSet)",
               "CDDDefinitionSet::Insert(func1_out_value)",
               "CDDDefinitionSet::Insert(func1_out_upper_range_value)",
               "CDDDefinitionSet::Insert(func1_out_lower_range_value)",
               "CDDDefinitionSet::Insert(func1_alarm_hys)",
               "CDDDefinitionSet::Insert(func1_hi_hi_lim)",
               "CDDDefinitionSet::Insert(func1_hi_lim)", "CDDDefinitionSet::Insert(func1_lo_lim)",
               "CDDDefinitionSet::Insert(func1_lo_lo_lim)",
               "CDDDefinitionSet::Insert(func1_hi_hi_alm_value)",
               "CDDDefinitionSet::Insert(func1_hi_alm_value)",
               "CDDDefinitionSet::Insert(func1_lo_alm_value)",
               "CDDDefinitionSet::Insert(func1_lo_lo_alm_value)",
               "CDDUnit::putAttributesAvailable(true)"}));

    const auto output = f.FillAs<CDDUnit>(item::AI_1_OUT_SCALE_UNIT);
    const auto input = f.FillAs<CDDUnit>(item::FUNC1_PV_SCALE_UNIT);
    EXPECT_EQ(output->getUnit().getID(), item::func1_out_unit);
    EXPECT_EQ(input->getUnit().getID(), item::func1_pv_unit);
    const std::vector<DDObjectId> outIds = Ids(*output->getReread());
    const std::vector<DDObjectId> inIds = Ids(*input->getReread());
    EXPECT_EQ(outIds, (std::vector<DDObjectId>{222, 228, 229, 236, 297, 298, 299, 300, 241, 246,
                                               251, 256}));
    EXPECT_EQ(inIds, (std::vector<DDObjectId>{item::func1_pv_upper_range_value,
                                              item::func1_pv_lower_range_value,
                                              item::func1_simulate_value}));
    // No value follows both units, and no unit follows a unit.
    std::set<DDObjectId> all(outIds.begin(), outIds.end());
    all.insert(inIds.begin(), inIds.end());
    EXPECT_EQ(all.size(), outIds.size() + inIds.size());
    EXPECT_EQ(all.count(item::func1_out_unit) + all.count(item::func1_pv_unit), 0u);
    EXPECT_FALSE(output->hasLabel());

    // A second fill of the same object starts from a fresh set.
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::FUNC1_PV_SCALE_UNIT);
    ddhost::Calculate(f.calculation, 1, *object);
    ddhost::Calculate(f.calculation, 1, *object);
    EXPECT_EQ(Ids(*static_cast<CDDUnit*>(object.get())->getReread()), inIds);
}
