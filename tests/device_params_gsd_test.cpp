#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "interfaces/exports.h"
#include "support/trace_helpers.h"

extern "C" void DD_PLUGIN_CALL GetAttributeCalcDataCategory(const std::uint16_t** table,
                                                            std::int32_t* count);

namespace {

constexpr DDObjectId kFirstGsdItem = item::_TSFGSD_SIFlag;
constexpr DDObjectId kLastGsdItem = item::_TSFGSD_ChannelProtectionSlot03;

struct Slot {
    DDObjectId setup;
    DDObjectId protection;
    std::int32_t module;
};
constexpr Slot kSlots[] = {
    {item::_TSFGSD_ChannelSetup01, item::_TSFGSD_ChannelProtectionSlot01, 1},
    {item::_TSFGSD_ChannelSetup02, item::_TSFGSD_ChannelProtectionSlot02, 2},
    {item::_TSFGSD_ChannelSetup03, item::_TSFGSD_ChannelProtectionSlot03, 3},
};

bool IsChannelSetup(DDObjectId id) {
    for (const Slot& slot : kSlots)
        if (slot.setup == id) return true;
    return false;
}

Calls HandlingCalls(PluginFixture& f, DDObjectId id) {
    return Only(f.Trace(id), "CDDVariable::putHandling");
}

const CDDType& TypeOf(const CDDVariable& variable) { return *variable.getTypeInfo(); }

}  // namespace

TEST(GsdChannelSetup, UnprotectedSlotFillsEnumeratorsDefaultThenWriteAndRead) {
    PluginFixture f;
    const Calls expected = {
        "CDDVariable::putLabel(\"\")",
        "CDDVariable::putLabel(\"Flow Rate Block\")",
        "CDDVariableClass::putClassInfo(12, true)",
        "CDDVariable::setTypeInfo(CDDType(4))",
        "CDDType::putSize(1)",
        "CDDType::putMaxEnumIndex(4)",
        "CDDEnumerator::putValue(1)",
        "CDDEnumerator::putDescription(\"Flow Rate Block\")",
        "CDDEnumerator::putHelp(\"42840805\")",
        "CDDEnumeratorSet::Add(1)",
        "CDDEnumerator::putValue(4)",
        "CDDEnumerator::putDescription(\"Free Place\")",
        "CDDEnumerator::putHelp(\"00\")",
        "CDDEnumeratorSet::Add(4)",
        "CDDType::putDefaultValue(1)",
        "CDDVariable::putHandling(0, false)",
        "CDDVariable::putHandling(1, false)",
        "CDDVariable::putHandling(0, true)",
        "CDDVariable::putHandling(1, true)",
        "CDDVariable::putAttributesAvailable(true)",
    };
    EXPECT_EQ(WithoutClassReset(f.Trace(item::_TSFGSD_ChannelSetup01)), expected);
}

TEST(GsdChannelSetup, EachSlotFollowsOnlyItsOwnProtection) {
    for (const Slot& protectedSlot : kSlots) {
        for (int value : {1, 255}) {
            SCOPED_TRACE(protectedSlot.protection);
            SCOPED_TRACE(value);
            PluginFixture f;
            f.SetValue(protectedSlot.protection, CDDCommonVariant(value));
            for (const Slot& slot : kSlots)
                EXPECT_EQ(HandlingCalls(f, slot.setup),
                          slot.setup == protectedSlot.setup ? kReadOnly : kWriteThenRead)
                    << slot.setup;
        }
    }
}

TEST(GsdChannelSetup, Slot01AsksFor616OnceAtEveryFillAndNeverFor618) {
    PluginFixture f;
    f.SetValue(item::_TSFGSD_ChannelProtectionSlot02, CDDCommonVariant(1));
    f.host.store().ClearCalls();
    EXPECT_EQ(HandlingCalls(f, item::_TSFGSD_ChannelSetup01), kWriteThenRead);
    EXPECT_EQ(FetchedItems(f), std::vector<DDObjectId>{item::_TSFGSD_ChannelProtectionSlot01});

    f.SetValue(item::_TSFGSD_ChannelProtectionSlot01, CDDCommonVariant(1));
    f.host.store().ClearCalls();
    EXPECT_EQ(HandlingCalls(f, item::_TSFGSD_ChannelSetup01), kReadOnly);
    EXPECT_EQ(HandlingCalls(f, item::_TSFGSD_ChannelSetup01), kReadOnly);
    EXPECT_EQ(FetchedItems(f), (std::vector<DDObjectId>{item::_TSFGSD_ChannelProtectionSlot01,
                                                        item::_TSFGSD_ChannelProtectionSlot01}));
}

TEST(GsdChannelSetup, RefillAfterProtectionIsSetLeavesReadOnly) {
    PluginFixture f;
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::_TSFGSD_ChannelSetup02);
    auto& variable = static_cast<CDDVariable&>(*object);
    ddhost::Calculate(f.calculation, 1, variable);
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_WRITE));
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_READ));

    f.SetValue(item::_TSFGSD_ChannelProtectionSlot02, CDDCommonVariant(3));
    ddhost::Calculate(f.calculation, 1, variable);
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_WRITE));
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_READ));
}

TEST(GsdChannelSetup, SlotOffersItsOwnModuleFirstAndDefaultsToIt) {
    PluginFixture f;
    for (const Slot& slot : kSlots) {
        SCOPED_TRACE(slot.setup);
        auto variable = f.FillAs<CDDVariable>(slot.setup);
        const CDDEnumeratorSet& modules = *variable->getTypeInfo()->getEnumeratorSet();
        ASSERT_EQ(modules.getCount(), 2);
        EXPECT_EQ(modules.getItem(0).getValue(), slot.module);
        // The slot is named after the module it holds.
        EXPECT_STREQ(modules.getItem(0).getDescription().ptr(), variable->getLabel().ptr());
        EXPECT_EQ(modules.getItem(1).getValue(), 4);
        const CDDCommonVariant& fallback = TypeOf(*variable).getDefaultValue();
        EXPECT_EQ(fallback.getKind(), CDDCommonVariant::Integer);
        EXPECT_EQ(fallback.getInt(), slot.module);
    }
}

TEST(GsdItems, EveryItemCarriesClass12AloneAndNoHelpUnitOrStaticHandling) {
    PluginFixture f;
    for (DDObjectId id = kFirstGsdItem; id <= kLastGsdItem; ++id) {
        SCOPED_TRACE(id);
        f.host.store().ClearCalls();
        const Calls calls = f.Trace(id);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back(), "CDDVariable::putAttributesAvailable(true)");
        EXPECT_TRUE(Only(calls, "CDDVariable::putHelp").empty());
        EXPECT_TRUE(Only(calls, "CDDVariable::putConstantUnit").empty());
        if (IsChannelSetup(id)) {
            EXPECT_EQ(FetchedItems(f).size(), 1u);
        } else {
            EXPECT_TRUE(Only(calls, "CDDVariable::putHandling").empty());
            EXPECT_TRUE(FetchedItems(f).empty());
        }

        auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_TRUE(variable->getAttributesAvailable());
        EXPECT_EQ(variable->getClass()->getMask(),
                  registry::kItems[static_cast<std::size_t>(id)].classMask);
        EXPECT_TRUE(TypeOf(*variable).hasDefaultValue());
    }
}

TEST(GsdItems, StringItemSetsOnlySizeAndDefaultOfItsType) {
    PluginFixture f;
    const Calls reserved = {
        "CDDVariable::putLabel(\"\")",
        "CDDVariable::putLabel(\"1_6_OctetReserverd\")",
        "CDDVariableClass::putClassInfo(12, true)",
        "CDDVariable::setTypeInfo(CDDType(7))",
        "CDDType::putSize(8)",
        "CDDType::putDefaultValue(\"00000000\")",
        "CDDVariable::putAttributesAvailable(true)",
    };
    EXPECT_EQ(WithoutClassReset(f.Trace(item::_TSFGSD_1_6_OctetReserverd)), reserved);
}

TEST(GsdItems, ParameterSetDefaultsAgreeWithEachOther) {
    PluginFixture f;
    auto defaultOf = [&](DDObjectId id) {
        return TypeOf(*f.FillAs<CDDVariable>(id)).getDefaultValue();
    };
    auto sizeOf = [&](DDObjectId id) { return TypeOf(*f.FillAs<CDDVariable>(id)).getSize(); };

    // The parameterisation length counts the octets of the fields that follow it; the user
    // parameters are hex digits, two per octet.
    int octets = 0;
    for (DDObjectId id = item::_TSFGSD_ParamFlags; id <= item::_TSFGSD_groupIdent; ++id)
        octets += sizeOf(id);
    octets += sizeOf(item::_TSFGSD_userPrm) / 2;
    EXPECT_EQ(defaultOf(item::_TSFGSD_Prm_Data_Len).getInt(), octets);
    EXPECT_EQ(octets, 10);

    EXPECT_EQ(defaultOf(item::_TSFGSD_MaxModule).getInt(), static_cast<int>(std::size(kSlots)));
    EXPECT_EQ(defaultOf(item::_TSFGSD_identNumber).getInt(), 0x1510);

    // String defaults are texts that fill their item, not numbers.
    for (DDObjectId id : {item::_TSFGSD_1_6_OctetReserverd, item::_TSFGSD_userPrm}) {
        const CDDCommonVariant value = defaultOf(id);
        EXPECT_EQ(value.getKind(), CDDCommonVariant::String) << id;
        EXPECT_EQ(value.getString().Length(), sizeOf(id)) << id;
    }
    for (DDObjectId id : {item::_TSFGSD_AddTab, item::_TSFGSD_SlaveUserData}) {
        const CDDCommonVariant value = defaultOf(id);
        EXPECT_EQ(value.getKind(), CDDCommonVariant::String) << id;
        EXPECT_TRUE(value.getString().IsEmpty()) << id;
        EXPECT_EQ(sizeOf(id), 256) << id;
    }
}

TEST(GsdItems, DataCategoryMarksExactlyTheBusConfiguration) {
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    GetAttributeCalcDataCategory(&table, &count);
    ASSERT_EQ(count, 638);
    EXPECT_EQ(table[kFirstGsdItem - 1], 0);
    for (DDObjectId id = kFirstGsdItem; id <= kLastGsdItem; ++id) EXPECT_EQ(table[id], 3) << id;
    EXPECT_EQ(table[item::_TSFGSD_channel_module_setup], 0);
}
