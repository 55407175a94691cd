// The physical block's diagnosis and service parameters and the plug-in-local variables: the
// library calls of each fill, in order, and what the host reads back from the filled object.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

constexpr DDObjectId kItems[] = {
    item::phys_diagnosis,
    item::phys_diagnosis_mask,
    item::phys_diagnosis_extension,
    item::phys_diagnosis_extension_mask,
    item::phys_security_locking,
    item::phys_factory_reset,
    item::phys_ms_err_code,
    item::phys_ms_last_err_code,
    item::phys_ms_device_bus_address,
    item::phys_ms_device_and_software_no,
    item::loc_limit_error,
    item::loc_security_lock,
};

std::size_t Count(const Calls& calls, const std::string& prefix) {
    std::size_t count = 0;
    for (const std::string& call : calls) count += StartsWith(call, prefix) ? 1 : 0;
    return count;
}

std::string Description(const CDDVariable& variable, int index) {
    return variable.getTypeInfo()->enumerators().getItem(index).getDescription().ptr();
}

}  // namespace

TEST(DeviceServiceItems, EveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags) {
    PluginFixture f;
    ExpectEveryFillEndsAvailableWithTheDirectorysTypeAndClassFlags(f, kItems);
    for (DDObjectId id : kItems) {
        SCOPED_TRACE(Name(id));
        EXPECT_EQ(Count(f.Trace(id), "CDDVariable::setTypeInfo"), 1u);
    }
}

TEST(DiagnosisBits, DiagnosisAddsSeventeenBitsTopByteFirstAfterTheHighestIndex) {
    PluginFixture f;
    const Calls calls = f.Trace(item::phys_diagnosis);
    const Calls steps = Steps(calls, {"CDDVariable::putLabel", "CDDVariable::putHelp",
                                      "CDDBitEnumerator::", "CDDBitEnumeratorSet::"});
    EXPECT_EQ(
        steps,
        (Calls{"CDDVariableClass::putClassInfo(9, true)",
               "CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(5))",
               "CDDType::putSize(4)", "CDDType::putMaxBitEnumIndex(-2147483648)",
               "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
               "CDDVariable::putHandling(1, true)", "CDDVariable::putAttributesAvailable(true)"}));
    // Every bit is described, given its help and its own empty method before it is added.
    EXPECT_EQ(Count(calls, "CDDBitEnumerator::putMethod(CDDDefinition())"), 17u);
    EXPECT_EQ(Count(calls, "CDDBitEnumeratorSet::Add"), 17u);

    const auto diagnosis = f.FillAs<CDDVariable>(item::phys_diagnosis);
    constexpr std::int32_t kTopBit = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(diagnosis->getTypeInfo()->getMaxBitEnumIndex(), kTopBit);
    EXPECT_EQ(BitValues(*diagnosis),
              (std::vector<std::int32_t>{0, 0x01000000, 0x02000000, 0x04000000, 0x08000000,
                                         0x10000000, 0x20000000, 0x40000000, kTopBit, 0x00010000,
                                         0x00020000, 0x00040000, 0x00080000, 0x00100000, 0x00200000,
                                         0x00400000, 0x00000080}));
    EXPECT_TRUE(
        StartsWith(diagnosis->getTypeInfo()->bitEnumerators().getItem(0).getDescription().ptr(),
                   "Status OK  |de|"));
}

TEST(DiagnosisBits, HelpsWithoutEnglishPartAreKeptAsStored) {
    PluginFixture f;
    const auto diagnosis = f.FillAs<CDDVariable>(item::phys_diagnosis);
    const CDDBitEnumeratorSet& set = diagnosis->getTypeInfo()->bitEnumerators();
    int nonEmpty = 0;
    for (int i = 0; i < set.getCount(); ++i) nonEmpty += set.getItem(i).getHelp().IsEmpty() ? 0 : 1;
    EXPECT_EQ(nonEmpty, 4);
    EXPECT_STREQ(set.getItem(6).getHelp().ptr(), "  |es|Error de medici\xF3n. ");
    EXPECT_STREQ(set.getItem(8).getHelp().ptr(),
                 "  |it|Autocompensazione errata.  |es|Error en la autocompensaci\xF3n.");
    // Three descriptions end in the blank after their Spanish part.
    for (int row : {8, 12, 15}) {
        const std::string description = set.getItem(row).getDescription().ptr();
        EXPECT_EQ(description.back(), ' ') << row;
    }
}

TEST(DiagnosisBits, MaskHasTheSameBitsWithoutStatusOk) {
    PluginFixture f;
    const auto diagnosis = f.FillAs<CDDVariable>(item::phys_diagnosis);
    const auto mask = f.FillAs<CDDVariable>(item::phys_diagnosis_mask);
    const CDDBitEnumeratorSet& all = diagnosis->getTypeInfo()->bitEnumerators();
    const CDDBitEnumeratorSet& supported = mask->getTypeInfo()->bitEnumerators();
    ASSERT_EQ(supported.getCount(), 16);
    for (int i = 0; i < supported.getCount(); ++i) {
        EXPECT_EQ(supported.getItem(i).getBit(), all.getItem(i + 1).getBit());
        EXPECT_EQ(supported.getItem(i).getDescription(), all.getItem(i + 1).getDescription());
        EXPECT_EQ(supported.getItem(i).getHelp(), all.getItem(i + 1).getHelp());
    }
}

TEST(DiagnosisBits, ExtensionsAreSixByteStringsWithoutBits) {
    PluginFixture f;
    for (DDObjectId id : {item::phys_diagnosis_extension, item::phys_diagnosis_extension_mask}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(Steps(f.Trace(id), {"CDDVariable::putLabel", "CDDVariable::putHelp"}),
                  (Calls{"CDDVariableClass::putClassInfo(14, true)",
                         "CDDVariable::setTypeInfo(CDDType(7))", "CDDType::putSize(6)",
                         "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
                         "CDDVariable::putHandling(1, true)",
                         "CDDVariable::putAttributesAvailable(true)"}));
    }
}

TEST(PhysicalService, SecurityLockingListsOffAt5938FirstAndMakesNoHandlingCall) {
    PluginFixture f;
    EXPECT_EQ(
        Steps(f.Trace(item::phys_security_locking),
              {"CDDVariable::putLabel", "CDDVariable::putHelp", "CDDEnumerator::put"}),
        (Calls{"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::setTypeInfo(CDDType(4))",
               "CDDType::putSize(2)", "CDDType::putMaxEnumIndex(0)", "CDDType::putDefaultValue(0)",
               "CDDEnumeratorSet::Add(5938)", "CDDEnumeratorSet::Add(0)",
               "CDDVariable::putAttributesAvailable(true)"}));
    const auto locking = FillWithHandlingOn(f, item::phys_security_locking);
    EXPECT_TRUE(locking->getHandling(DD_HANDLING_READ));
    EXPECT_TRUE(locking->getHandling(DD_HANDLING_WRITE));
    EXPECT_EQ(Description(*locking, 0), "Off  |de|Aus");
    EXPECT_EQ(Description(*locking, 1), "On  |de|Ein");
    EXPECT_EQ(locking->getTypeInfo()->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(locking->getTypeInfo()->getDefaultValue().getInt(), 0);
}

TEST(PhysicalService, FactoryResetIsWriteOnlyAfterItsTwoEnumerators) {
    PluginFixture f;
    const Calls calls = f.Trace(item::phys_factory_reset);
    EXPECT_EQ(Calls(calls.end() - 5, calls.end()),
              (Calls{"CDDEnumeratorSet::Add(1)", "CDDVariable::putHandling(0, false)",
                     "CDDVariable::putHandling(1, false)", "CDDVariable::putHandling(0, true)",
                     "CDDVariable::putAttributesAvailable(true)"}));
    EXPECT_EQ(Count(calls, "CDDEnumeratorSet::Add"), 2u);
    const auto reset = FillWithHandlingOn(f, item::phys_factory_reset);
    EXPECT_FALSE(reset->getHandling(DD_HANDLING_READ));
    EXPECT_TRUE(reset->getHandling(DD_HANDLING_WRITE));
    // The reset values 2506 and 2712 that methods write are no enumerators.
    EXPECT_EQ(EnumValues(*reset), (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(Description(*reset, 1), reset->getLabel().ptr());
}

TEST(PhysicalService, DiagnosticCodesShareEnumeratorsAndHelpButNotHandling) {
    PluginFixture f;
    EXPECT_EQ(Steps(f.Trace(item::phys_ms_err_code),
                    {"CDDVariable::putLabel", "CDDVariable::putHelp", "CDDEnumerator"}),
              (Calls{"CDDVariableClass::putClassInfo(14, true)",
                     "CDDVariable::putHandling(0, false)", "CDDVariable::putHandling(1, false)",
                     "CDDVariable::putHandling(1, true)", "CDDVariable::setTypeInfo(CDDType(4))",
                     "CDDType::putSize(2)", "CDDType::putMaxEnumIndex(0)",
                     "CDDType::putDefaultValue(0)", "CDDVariable::putAttributesAvailable(true)"}));
    EXPECT_EQ(Count(f.Trace(item::phys_ms_last_err_code), "CDDVariable::putHandling"), 0u);

    const auto current = f.FillAs<CDDVariable>(item::phys_ms_err_code);
    const auto last = FillWithHandlingOn(f, item::phys_ms_last_err_code);
    EXPECT_TRUE(last->getHandling(DD_HANDLING_WRITE));
    EXPECT_EQ(EnumValues(*current),
              (std::vector<std::int32_t>{0, 101, 102, 103, 104, 106, 116, 211, 250}));
    const CDDEnumeratorSet& a = current->getTypeInfo()->enumerators();
    const CDDEnumeratorSet& b = last->getTypeInfo()->enumerators();
    ASSERT_EQ(a.getCount(), b.getCount());
    for (int i = 0; i < a.getCount(); ++i) {
        EXPECT_EQ(a.getItem(i).getValue(), b.getItem(i).getValue());
        EXPECT_EQ(a.getItem(i).getDescription(), b.getItem(i).getDescription());
        EXPECT_EQ(a.getItem(i).getHelp(), b.getItem(i).getHelp());
    }
    EXPECT_EQ(current->getHelp(), last->getHelp());
    EXPECT_NE(current->getLabel(), last->getLabel());

    // The remedy follows a line feed, except for 0 (none) and E104 (two blanks).
    const std::string help0 = a.getItem(0).getHelp().ptr();
    EXPECT_EQ(help0, a.getItem(0).getDescription().ptr());
    EXPECT_EQ(std::string(a.getItem(4).getHelp().ptr()).find('\n'), std::string::npos);
    EXPECT_TRUE(StartsWith(a.getItem(4).getHelp().ptr(),
                           "E104 - Error in ASIC  Contact Q+Y Service  |de|"));
}

TEST(PhysicalService, DiagnosticCodeOverviewListsEveryCodeThenItsGermanPart) {
    PluginFixture f;
    const auto current = f.FillAs<CDDVariable>(item::phys_ms_err_code);
    const std::string help = current->getHelp().ptr();
    EXPECT_TRUE(StartsWith(help, "No error, no warning\n\n  E101 - Defective sensor\n  Check and"));
    const std::size_t german = help.find("  |de|");
    ASSERT_NE(german, std::string::npos);
    const std::string english = help.substr(0, german);
    EXPECT_TRUE(
        english.ends_with("\n\n  W250 - initializing active\n  Wait until initializing is "
                          "finished"));
    // In each language, eight empty lines part the nine codes.
    std::size_t paragraphs = 0;
    for (std::size_t at = help.find("\n\n"); at != std::string::npos;
         at = help.find("\n\n", at + 2))
        ++paragraphs;
    EXPECT_EQ(paragraphs, 16u);
    EXPECT_EQ(help.find("|de|", german + 6), std::string::npos);
    EXPECT_NE(help.back(), ' ');
}

TEST(PhysicalService, BusAddressAndDeviceNumberTakeHandlingBeforeTheirType) {
    PluginFixture f;
    for (auto [id, size] : {std::pair{item::phys_ms_device_bus_address, 1},
                            std::pair{item::phys_ms_device_and_software_no, 2}}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(
            Steps(f.Trace(id), {"CDDVariable::putLabel", "CDDVariable::putHelp"}),
            (Calls{"CDDVariableClass::putClassInfo(14, true)", "CDDVariable::putHandling(0, false)",
                   "CDDVariable::putHandling(1, false)", "CDDVariable::putHandling(1, true)",
                   "CDDVariable::setTypeInfo(CDDType(3))",
                   "CDDType::putSize(" + std::to_string(size) + ")",
                   "CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%u\")",
                   "CDDType::putEditFormat(\"%u\")", "CDDType::putMaxRangeNo(-1)",
                   "CDDVariable::putAttributesAvailable(true)"}));
    }
}

TEST(LocalVariables, FillLabelClass12IntegerAndDefaultOnly) {
    PluginFixture f;
    for (auto [id, size] :
         {std::pair{item::loc_limit_error, 1}, std::pair{item::loc_security_lock, 2}}) {
        SCOPED_TRACE(id);
        const Calls calls = Steps(f.Trace(id));
        ASSERT_EQ(calls.size(), 11u);
        EXPECT_EQ(calls[0], "CDDVariable::putLabel(\"\")");
        EXPECT_EQ(
            Calls(calls.begin() + 2, calls.end()),
            (Calls{"CDDVariableClass::putClassInfo(12, true)",
                   "CDDVariable::setTypeInfo(CDDType(2))",
                   "CDDType::putSize(" + std::to_string(size) + ")",
                   "CDDType::putScalingFactor(1.0)", "CDDType::putDisplayFormat(\"%d\")",
                   "CDDType::putEditFormat(\"%d\")", "CDDType::putMaxRangeNo(-1)",
                   "CDDType::putDefaultValue(0)", "CDDVariable::putAttributesAvailable(true)"}));
        const auto variable = FillWithHandlingOn(f, id);
        EXPECT_FALSE(variable->hasHelp());
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_READ));
        EXPECT_TRUE(variable->getHandling(DD_HANDLING_WRITE));
    }
    EXPECT_EQ(f.Trace(item::loc_security_lock)[1],
              "CDDVariable::putLabel(\"V5H1   Access Code  |de|V5H1   Eingabe Code\")");
    EXPECT_EQ(f.Trace(item::loc_limit_error)[1], "CDDVariable::putLabel(\"Local limit error\")");
}
