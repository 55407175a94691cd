#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

// The calls from the type on, up to the first handling call or the end.
Calls TypeCalls(const Calls& calls) {
    Calls kept;
    bool inType = false;
    for (const std::string& call : calls) {
        inType = inType || StartsWith(call, "CDDVariable::setTypeInfo");
        if (StartsWith(call, "CDDVariable::putHandling") ||
            StartsWith(call, "CDDVariable::putAttributesAvailable"))
            break;
        if (inType) kept.push_back(call);
    }
    return kept;
}

const CDDEnumeratorSet& Enumerators(const CDDVariable& variable) {
    return variable.getTypeInfo()->enumerators();
}

}  // namespace

TEST(PhysicalIdentity, DigitVariablesCarryTheRevisionLabelOnlyAndOneDefault) {
    PluginFixture f;
    const Calls digit = {
        "CDDVariable::setTypeInfo(CDDType(3))", "CDDType::putSize(1)",
        "CDDType::putScalingFactor(1.0)",       "CDDType::putDisplayFormat(\"%u\")",
        "CDDType::putEditFormat(\"%u\")",       "CDDType::putMaxRangeNo(-1)"};
    const CStrPP label = f.FillAs<CDDVariable>(item::phys_software_rev)->getLabel();
    for (DDObjectId id = item::phys_software_rev_numeric; id <= item::phys_software_rev_rest;
         ++id) {
        SCOPED_TRACE(Name(id));
        const Calls calls = f.Trace(id);
        EXPECT_TRUE(Only(calls, "CDDVariable::putHelp").empty());
        EXPECT_EQ(Only(calls, "CDDVariable::putHandling").back(),
                  "CDDVariable::putHandling(1, true)");
        if (id >= item::phys_software_rev_000 && id <= item::phys_software_rev_006) {
            EXPECT_EQ(TypeCalls(calls), digit);
        }
        const auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(variable->getLabel(), label);
        EXPECT_EQ(variable->getTypeInfo()->hasDefaultValue(),
                  id == item::phys_software_rev_numeric);
    }
    const auto numeric = f.FillAs<CDDVariable>(item::phys_software_rev_numeric);
    EXPECT_EQ(numeric->getTypeInfo()->getSize(), 2);
    EXPECT_EQ(numeric->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(numeric->getTypeInfo()->getDefaultValue().getInt(), 0);
    EXPECT_EQ(f.FillAs<CDDVariable>(item::phys_software_rev_rest)->getTypeInfo()->getSize(), 10);
}

TEST(PhysicalIdentity, StringsSetSizeAndOnlyTwoSetADefault) {
    PluginFixture f;
    EXPECT_EQ(TypeCalls(f.Trace(item::phys_software_rev)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(7))", "CDDType::putSize(16)",
                     "CDDType::putDefaultValue(\"?\")"}));
    EXPECT_EQ(TypeCalls(f.Trace(item::phys_device_id)),
              (Calls{"CDDVariable::setTypeInfo(CDDType(7))", "CDDType::putSize(16)",
                     "CDDType::putDefaultValue(\"KELVANE 40\")"}));
    struct Row {
        DDObjectId id;
        int size;
    };
    for (const Row& row : {Row{item::phys_hardware_rev, 16}, Row{item::phys_serial_num, 16},
                           Row{item::phys_device_certification, 16}, Row{item::phys_descriptor, 32},
                           Row{item::phys_message, 32}, Row{item::phys_install_date, 8},
                           Row{item::phys_tag_desc, 32}}) {
        SCOPED_TRACE(Name(row.id));
        EXPECT_EQ(TypeCalls(f.Trace(row.id)),
                  (Calls{"CDDVariable::setTypeInfo(CDDType(7))",
                         "CDDType::putSize(" + std::to_string(row.size) + ")"}));
    }
    const auto deviceId = f.FillAs<CDDVariable>(item::phys_device_id);
    EXPECT_EQ(deviceId->getTypeInfo()->getDefaultValue().getString().Length(), 10);
}

TEST(PhysicalIdentity, OnlyTheFourTextsAreWritableAndTheTagHasNoHandling) {
    PluginFixture f;
    for (DDObjectId id : {item::phys_software_rev, item::phys_hardware_rev, item::phys_device_id,
                          item::phys_serial_num, item::phys_manufacturer_id}) {
        SCOPED_TRACE(Name(id));
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadOnly);
    }
    for (DDObjectId id = item::phys_device_certification; id <= item::phys_install_date; ++id) {
        SCOPED_TRACE(Name(id));
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"), kReadThenWrite);
    }
    const Calls tag = f.Trace(item::phys_tag_desc);
    EXPECT_EQ(tag.end()[-2], "CDDType::putSize(32)");
}

TEST(PhysicalIdentity, HelpsEndWithABlankWhereTheDeviceHasOne) {
    PluginFixture f;
    for (DDObjectId id : {item::phys_software_rev, item::phys_hardware_rev, item::phys_device_id,
                          item::phys_serial_num, item::phys_device_certification,
                          item::phys_descriptor, item::phys_message, item::phys_install_date,
                          item::phys_tag_desc, item::phys_manufacturer_id}) {
        SCOPED_TRACE(Name(id));
        const std::string help = f.Fill(id)->getHelp().ptr();
        const bool blank = id != item::phys_device_certification && id != item::phys_install_date;
        EXPECT_EQ(help.back() == ' ', blank);
        EXPECT_NE(help.find("  |es|"), std::string::npos);
    }
    EXPECT_TRUE(StartsWith(f.Fill(item::phys_software_rev)->getHelp().ptr(),
                           "This revision corresponds to the software or firmware that is "
                           "embedded   in the Field Device.  |de|"));
    EXPECT_EQ(std::string(f.Fill(item::phys_device_id)->getLabel().ptr()),
              "Device ID  |de|Ger\xE4tebezeichnung  |fr|D\xE9signation de l'appareil  "
              "|it|Denominazione apparecchio  |es|Identificador del aparato");
}

TEST(ManufacturerIds, DefaultAndZeroMaximumComeBeforeTheEnumerators) {
    PluginFixture f;
    const Calls calls = TypeCalls(f.Trace(item::phys_manufacturer_id));
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 5),
              (Calls{"CDDVariable::setTypeInfo(CDDType(4))", "CDDType::putSize(2)",
                     "CDDType::putMaxEnumIndex(0)", "CDDType::putDefaultValue(17)",
                     "CDDEnumerator::putValue(1)"}));
    EXPECT_EQ(calls.back(), "CDDEnumeratorSet::Add(253)");
    EXPECT_EQ(Only(calls, "CDDEnumeratorSet::Add").size(), 117u);

    const auto variable = f.FillAs<CDDVariable>(item::phys_manufacturer_id);
    EXPECT_EQ(variable->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(std::string(variable->getLabel().ptr()),
              "Manufacturer  |de|Hersteller  |fr|Constructeur  |it|Costruttore  |es|Fabricante");
}

TEST(ManufacturerIds, CompanyCodesRunWithoutGapThenTheReservedCodes) {
    PluginFixture f;
    const auto variable = f.FillAs<CDDVariable>(item::phys_manufacturer_id);
    const CDDEnumeratorSet& set = Enumerators(*variable);
    ASSERT_EQ(set.getCount(), 117);
    auto description = [&](std::int32_t value) -> std::string {
        for (int i = 0; i < set.getCount(); ++i)
            if (set.getItem(i).getValue() == value) return set.getItem(i).getDescription().ptr();
        ADD_FAILURE() << "no enumerator " << value;
        return {};
    };
    for (int i = 0; i < set.getCount(); ++i) {
        const std::int32_t expected = i < 113 ? i + 1 : 250 + (i - 113);
        EXPECT_EQ(set.getItem(i).getValue(), expected);
        const std::string text = set.getItem(i).getDescription().ptr();
        // Company names are plain; the reserved codes carry four further languages.
        EXPECT_EQ(text.find("  |es|") != std::string::npos, expected >= 250) << expected;
        EXPECT_EQ(text.find('|') != std::string::npos, expected >= 250) << expected;
    }
    EXPECT_EQ(description(1), "Acromag");
    EXPECT_EQ(description(5), "Elsag Bailey");
    EXPECT_EQ(description(18), "Elsag Bailey");
    EXPECT_EQ(description(22), "Elsag Bailey");
    EXPECT_EQ(description(17), "Quennerby");
    EXPECT_EQ(description(113), "Apparatebau Hundsbach");
    EXPECT_TRUE(StartsWith(description(250), "Not used  |de|"));
    EXPECT_TRUE(StartsWith(description(251), "None  |de|"));
    EXPECT_TRUE(StartsWith(description(252), "Unknown  |de|"));
    EXPECT_TRUE(StartsWith(description(253), "Special  |de|"));

    // The reserved codes read exactly as in the transducer block's class list.
    const auto classes = f.FillAs<CDDVariable>(item::trans1_blk_class);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(std::string(Enumerators(*classes).getItem(i).getDescription().ptr()),
                  description(Enumerators(*classes).getItem(i).getValue()));
}
