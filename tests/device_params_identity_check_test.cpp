#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/trace_helpers.h"

namespace {

constexpr DDObjectId kReadItems[] = {item::__TSF__phys_device_man_id, item::__TSF__phys_device_id,
                                     item::__TSF__phys_software_rev, item::__TSF__phys_profile_rev};
constexpr DDObjectId kIdentityItems[] = {
    item::__TSF__phys_device_man_id, item::__TSF__device_man_id,     item::__TSF__phys_device_id,
    item::__TSF__DD_device_id,       item::__TSF__phys_software_rev, item::__TSF__software_rev,
    item::__TSF__dummy__8bit,        item::__TSF__dummy__16bit,      item::__TSF__dummy__32bit,
    item::__TSF__phys_profile_rev,   item::__TSF__profile_rev,       item::__TSF__ident_number,
};

bool IsReadItem(DDObjectId id) {
    for (DDObjectId read : kReadItems)
        if (read == id) return true;
    return false;
}

const CDDEnumeratorSet& EnumeratorsOf(const CDDVariable& variable) {
    return *variable.getTypeInfo()->getEnumeratorSet();
}

}  // namespace

TEST(IdentityCheck, EveryItemHasOnlyTheEmptyLabelNoHelpAndItsDirectoryClass) {
    PluginFixture f;
    f.host.store().ClearCalls();
    for (DDObjectId id : kIdentityItems) {
        SCOPED_TRACE(id);
        const Calls calls = f.Trace(id);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(Only(calls, "CDDVariable::putLabel"), Calls{"CDDVariable::putLabel(\"\")"});
        EXPECT_TRUE(Only(calls, "CDDVariable::putHelp").empty());
        EXPECT_TRUE(Only(calls, "CDDVariable::putConstantUnit").empty());
        EXPECT_EQ(calls.back(), "CDDVariable::putAttributesAvailable(true)");

        auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_TRUE(variable->getLabel().IsEmpty());
        EXPECT_EQ(variable->getClass()->getMask(),
                  registry::kItems[static_cast<std::size_t>(id)].classMask);
        EXPECT_EQ(variable->getClass()->getMask(),
                  IsReadItem(id) || variable->getTypeInfo()->getType() == DD_TYPE_UNSIGNED
                      ? 1u << 14
                      : 1u << 12);
    }
    // No identity item depends on another item's value.
    for (const ddhost::StoreCall& call : f.host.store().calls())
        EXPECT_NE(call.operation, ddhost::StoreOperation::GetCurrentValue) << call.id;
}

TEST(IdentityCheck, OnlyReadItemsHandleAndOnlyTheManufacturerIdHasADefault) {
    PluginFixture f;
    for (DDObjectId id : kIdentityItems) {
        SCOPED_TRACE(id);
        EXPECT_EQ(Only(f.Trace(id), "CDDVariable::putHandling"),
                  IsReadItem(id) ? kReadOnly : Calls{});
        auto variable = f.FillAs<CDDVariable>(id);
        EXPECT_EQ(variable->getTypeInfo()->hasDefaultValue(), id == item::__TSF__device_man_id);
    }
    const CDDCommonVariant manufacturer =
        f.FillAs<CDDVariable>(item::__TSF__device_man_id)->getTypeInfo()->getDefaultValue();
    EXPECT_EQ(manufacturer.getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(manufacturer.getInt(), 17);
}

TEST(IdentityCheck, ReadItemDropsAWriteHandlingItHadBefore) {
    PluginFixture f;
    std::unique_ptr<CDDObject> object = f.host.store().Copy(item::__TSF__phys_device_man_id);
    auto& variable = static_cast<CDDVariable&>(*object);
    variable.putHandling(DD_HANDLING_WRITE, true);
    ddhost::Calculate(f.calculation, 1, variable);
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_WRITE));
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_READ));
}

TEST(IdentityCheck, ReadAndExpectedItemsFillTheirTypesInFrameOrder) {
    PluginFixture f;
    const Calls manufacturer = {
        "CDDVariable::setTypeInfo(CDDType(2))", "CDDType::putSize(2)",
        "CDDType::putScalingFactor(1.0)",       "CDDType::putDisplayFormat(\"%d\")",
        "CDDType::putEditFormat(\"%d\")",       "CDDType::putMaxRangeNo(-1)",
        "CDDVariable::putHandling(0, false)",   "CDDVariable::putHandling(1, false)",
        "CDDVariable::putHandling(1, true)",    "CDDVariable::putAttributesAvailable(true)",
    };
    EXPECT_EQ(FromType(f.Trace(item::__TSF__phys_device_man_id)), manufacturer);
    const Calls softwareRevisions = {
        "CDDVariable::setTypeInfo(CDDType(4))",
        "CDDType::putSize(1)",
        "CDDType::putMaxEnumIndex(1)",
        "CDDEnumerator::putValue(0)",
        "CDDEnumerator::putDescription(\"KV40 PA V1.00.00\")",
        "CDDEnumerator::putHelp(\"\")",
        "CDDEnumeratorSet::Add(0)",
        "CDDEnumerator::putValue(1)",
        "CDDEnumerator::putDescription(\"KV40 PA V1.00.01\")",
        "CDDEnumerator::putHelp(\"\")",
        "CDDEnumeratorSet::Add(1)",
        "CDDVariable::putAttributesAvailable(true)",
    };
    EXPECT_EQ(FromType(f.Trace(item::__TSF__software_rev)), softwareRevisions);
}

TEST(IdentityCheck, ExpectedDeviceIdFillsTheWhole16CharacterField) {
    PluginFixture f;
    auto variable = f.FillAs<CDDVariable>(item::__TSF__DD_device_id);
    EXPECT_EQ(variable->getTypeInfo()->getMaxEnumIndex(), 0);
    ASSERT_EQ(EnumeratorsOf(*variable).getCount(), 1);
    const CStrPP& description = EnumeratorsOf(*variable).getItem(0).getDescription();
    EXPECT_EQ(description.Length(), 16);
    EXPECT_EQ(std::memcmp(description.ptr(), "KELVANE 40      ", 16), 0);
    // The read item holds the same field.
    EXPECT_EQ(f.FillAs<CDDVariable>(item::__TSF__phys_device_id)->getTypeInfo()->getSize(), 16);
}

TEST(IdentityCheck, ProfileRevisionAndIdentNumberAreEnumeratorValues) {
    PluginFixture f;
    auto profile = f.FillAs<CDDVariable>(item::__TSF__profile_rev);
    ASSERT_EQ(EnumeratorsOf(*profile).getCount(), 1);
    EXPECT_EQ(EnumeratorsOf(*profile).getItem(0).getValue(), 512);
    EXPECT_STREQ(EnumeratorsOf(*profile).getItem(0).getDescription().ptr(), "2.0");
    EXPECT_EQ(profile->getTypeInfo()->getMaxEnumIndex(), 512);

    auto ident = f.FillAs<CDDVariable>(item::__TSF__ident_number);
    ASSERT_EQ(EnumeratorsOf(*ident).getCount(), 1);
    EXPECT_EQ(EnumeratorsOf(*ident).getItem(0).getValue(), 0x1510);
    EXPECT_EQ(ident->getTypeInfo()->getMaxEnumIndex(), 0x1510);
    EXPECT_STREQ(EnumeratorsOf(*ident).getItem(0).getDescription().ptr(),
                 "Kelvane / 40 / PA / V1.00.00...V1.00.01");
    // The bus configuration states the same ident number.
    EXPECT_EQ(
        f.FillAs<CDDVariable>(item::_TSFGSD_identNumber)->getTypeInfo()->getDefaultValue().getInt(),
        EnumeratorsOf(*ident).getItem(0).getValue());
}

TEST(IdentityCheck, ProfileRevisionCommandSpansThe20OctetBlockHeader) {
    PluginFixture f;
    int offset = 0;
    int profileOffset = -1;
    for (DDObjectId id : registry::command_rows::read__TSF__profile_rev.items) {
        if (id == item::__TSF__phys_profile_rev) profileOffset = offset;
        offset += f.FillAs<CDDVariable>(id)->getTypeInfo()->getSize();
    }
    EXPECT_EQ(offset, 20);
    EXPECT_EQ(profileOffset, 12);
}
