// Where a host finds each operation of the shared classes: a host written from the tables of the
// interfaces calls an operation by its slot (its place in declaration order, from 0, a virtual
// destructor taking one), not by its name.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/attribute_calculation.h"
#include "interfaces/exports.h"
#include "interfaces/information.h"
#include "platform/module.h"

namespace {

// GCC follows the Itanium C++ ABI on Linux and on MinGW alike: a pointer to a virtual member
// function holds one plus the byte offset of the operation's entry in the table of virtual
// operations, and a virtual destructor has two entries (complete and deleting) in one slot.
struct MemberPointerBits {
    std::uintptr_t entry;
    std::ptrdiff_t adjustment;
};

template <class Member>
int EntryOf(Member member) {
    static_assert(sizeof(Member) == sizeof(MemberPointerBits));
    MemberPointerBits bits;
    std::memcpy(&bits, &member, sizeof bits);
    if ((bits.entry & 1) == 0) return -1;  // not virtual
    return static_cast<int>((bits.entry - 1) / sizeof(void*));
}

// The member that a host calls at that slot, made from the slot's number alone.
template <class Member>
Member AtSlot(int slot, bool virtualDestructor = true) {
    const int entry = virtualDestructor && slot > 0 ? slot + 1 : slot;
    const MemberPointerBits bits{1 + static_cast<std::uintptr_t>(entry) * sizeof(void*), 0};
    Member member;
    std::memcpy(&member, &bits, sizeof member);
    return member;
}

struct FixedSlot {
    const char* operation;
    int entry;  // where the built class puts it
    int slot;   // where the host's table puts it
    bool virtualDestructor = true;
};

template <class Object>
Object* (CAttributeCalculation::*Calculate())(DDContext, Object*) {
    return &CAttributeCalculation::CalculateAttributes;
}

#define DD_FIXED(Class, operation, slot) \
    { #Class "::" #operation, EntryOf(&Class::operation), slot }
#define DD_CALCULATE(Object, slot) \
    { "CalculateAttributes(" #Object "*)", EntryOf(Calculate<Object>()), slot }

TEST(BinarySlots, EveryFixedOperationSitsAtItsSlot) {
    const std::vector<FixedSlot> rows = {
        DD_FIXED(AttributeHost, CreateMethodServices, 1),
        DD_FIXED(AttributeHost, GetObjectStore, 2),
        DD_FIXED(AttributeHost, GetMessageSink, 6),
        DD_FIXED(ObjectStore, AddObject, 5),
        DD_FIXED(ObjectStore, AddRequestSet, 6),
        DD_FIXED(ObjectStore, AddReplySet, 7),
        DD_FIXED(ObjectStore, AddVariableSet, 8),
        DD_FIXED(ObjectStore, GetBlock, 20),
        DD_FIXED(ObjectStore, GetCollection, 21),
        DD_FIXED(ObjectStore, GetMember, 22),
        DD_FIXED(ObjectStore, GetCurrentValue, 73),
        DD_FIXED(MessageSink, Report, 6),
        DD_FIXED(CDDObject, getcDefinition, 35),
        {"CStrPP::GetBuffer", EntryOf(&CStrPP::GetBuffer), 14, false},
        {"CStrPP::Assign(const CStrPP&)",
         EntryOf(static_cast<CStrPP& (CStrPP::*)(const CStrPP&)>(&CStrPP::Assign)), 37, false},
        {"CStrPP::Assign(const char*)",
         EntryOf(static_cast<CStrPP& (CStrPP::*)(const char*)>(&CStrPP::Assign)), 38, false},
        DD_FIXED(CAttributeCalculation, Attach, 1),
        DD_FIXED(CAttributeCalculation, IsReady, 2),
        DD_FIXED(CAttributeCalculation, Detach, 3),
        DD_FIXED(CAttributeCalculation, BuildDefinitions, 4),
        DD_CALCULATE(CDDVariable, 5),
        DD_CALCULATE(CDDCommand, 6),
        DD_CALCULATE(CDDMenu, 7),
        DD_CALCULATE(CDDEditDisplay, 8),
        DD_CALCULATE(CDDMethod, 9),
        DD_CALCULATE(CDDRefresh, 10),
        DD_CALCULATE(CDDUnit, 11),
        DD_CALCULATE(CDDWriteAsOne, 12),
        DD_CALCULATE(CDDArray, 13),
        DD_FIXED(CAttributeCalculation, CalculateMenuValidity, 14),
        DD_CALCULATE(CDDCollection, 15),
        DD_FIXED(CAttributeCalculation, CalculateMethodValidity, 16),
        DD_FIXED(CAttributeCalculation, ExecuteMethod, 17),
        DD_CALCULATE(CDDItemArray, 18),
        DD_CALCULATE(CDDConnection, 19),
        DD_CALCULATE(CDDBlock, 20),
        DD_CALCULATE(CDDRecord, 21),
        DD_CALCULATE(CDDVariableList, 22),
        DD_FIXED(CAttributeCalculation, CalculateVariableValidity, 23),
        DD_CALCULATE(CDDResponseCodes, 24),
        DD_CALCULATE(CDDObjectVariable, 25),
        DD_CALCULATE(CDDObject, 26),
        DD_FIXED(CInformation, GetInterfaceVersion, 1),
        DD_FIXED(CInformation, GetManufacturerId, 2),
        DD_FIXED(CInformation, GetManufacturerIconId, 3),
        DD_FIXED(CInformation, GetManufacturerBitmapId, 4),
        DD_FIXED(CInformation, GetManufacturerName, 5),
        DD_FIXED(CInformation, GetIdentNumber, 6),
        DD_FIXED(CInformation, GetDeviceIconId, 7),
        DD_FIXED(CInformation, GetDeviceBitmapId, 8),
        DD_FIXED(CInformation, GetDeviceName, 9),
        DD_FIXED(CInformation, GetDeviceTypeName, 10),
        DD_FIXED(CInformation, GetDeviceTypeCode, 11),
        DD_FIXED(CInformation, GetHelpFileName, 12),
        DD_FIXED(CInformation, GetStandardItemName, 13),
        DD_FIXED(CInformation, GetMappedItemList, 14),
        DD_FIXED(CInformation, GetMappedItemValue, 15),
        DD_FIXED(CInformation, GetSpecialItemName, 16),
        DD_FIXED(CInformation, GetModuleBasePath, 17),
        DD_FIXED(CInformation, GetModulePath, 18),
        DD_FIXED(CInformation, GetVersionLabel, 19),
        DD_FIXED(CInformation, GetGeneratorVersion, 20),
        DD_FIXED(CInformation, GetDtmVersion, 21),
        DD_FIXED(CInformation, GetTechnicalDescription, 22),
        DD_FIXED(CInformation, GetBuildDate, 23),
    };
    for (const FixedSlot& row : rows) {
        const int expected = row.virtualDestructor ? row.slot + 1 : row.slot;
        EXPECT_EQ(row.entry, expected) << row.operation << " belongs at slot " << row.slot;
    }
}

// Called by slot number on objects that the built library and the built module made, each slot
// answers as the operation it holds.
TEST(BinarySlots, ObjectsOfTheBuiltLibraryAndModuleAnswerAtTheirSlots) {
    CStrPP text("Ger\xE4t");
    EXPECT_STREQ((text.*AtSlot<const char* (CStrPP::*)() const>(14, false))(), "Ger\xE4t");
    const CStrPP other("other");
    (text.*AtSlot<CStrPP& (CStrPP::*)(const CStrPP&)>(37, false))(other);
    EXPECT_STREQ(text.ptr(), "other");
    (text.*AtSlot<CStrPP& (CStrPP::*)(const char*)>(38, false))("third");
    EXPECT_STREQ(text.ptr(), "third");

    const CDDDefinition definition(87, "phys_blk_object", DD_KIND_BLOCK);
    const std::unique_ptr<CDDObject> block(new CDDBlock(definition, DD_BLOCK_KIND_DEFAULT));
    const CDDDefinition* own =
        (block.get()->*AtSlot<const CDDDefinition* (CDDObject::*)() const>(35))();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->getID(), 87);

    const platform::Module plugin{DD_PLUGIN_PATH};
    const std::unique_ptr<CInformation> info(plugin.Export<PFN_GetInformation>("GetInformation")());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ((info.get()->*AtSlot<std::int32_t (CInformation::*)()>(6))(), 0x1510)
        << "the ident number";
    const std::unique_ptr<CAttributeCalculation> calculation(
        plugin.Export<PFN_GetAttributeCalculation>("GetAttributeCalculation")());
    ASSERT_NE(calculation, nullptr);
    EXPECT_TRUE((calculation.get()->*AtSlot<bool (CAttributeCalculation::*)()>(2))()) << "IsReady";
}

}  // namespace
