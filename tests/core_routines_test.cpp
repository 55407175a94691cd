// The routines that all generated code shares: the temporaries list, the class and handling
// resets, and fetching another variable's current value.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/call_trace.h"
#include "support/trace_helpers.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Writes its number into a shared log when it is deleted.
class Tracked : public CDDPersistent {
  public:
    Tracked(int number, std::vector<int>& deleted) : m_number(number), m_deleted(deleted) {}
    ~Tracked() override { m_deleted.push_back(m_number); }

  private:
    int m_number;
    std::vector<int>& m_deleted;
};

TEST(TempObjectList, AnEmptyListDeletesNothing) {
    std::vector<int> deleted;
    { CTempObjectList temps; }
    EXPECT_THAT(deleted, IsEmpty());
}

TEST(TempObjectList, DeletesNewestFirstEachOnce) {
    std::vector<int> deleted;
    {
        CTempObjectList temps;
        auto* a = new Tracked(1, deleted);
        auto* b = new Tracked(2, deleted);
        auto* c = new Tracked(3, deleted);
        // Add hands back its argument with its own type.
        static_assert(std::is_same_v<decltype(temps.Add(a)), Tracked*>);
        EXPECT_EQ(temps.Add(a), a);
        EXPECT_EQ(temps.Add(b), b);
        EXPECT_EQ(temps.Add(c), c);
        EXPECT_THAT(deleted, IsEmpty());
    }
    EXPECT_THAT(deleted, ElementsAre(3, 2, 1));
}

TEST(TempObjectList, ANullEntryTakesNoDeletionAndLosesNothing) {
    std::vector<int> deleted;
    {
        CTempObjectList temps;
        EXPECT_EQ(temps.Add(static_cast<Tracked*>(nullptr)), nullptr);
        temps.Add(new Tracked(1, deleted));
        temps.Add(new Tracked(2, deleted));
    }
    EXPECT_THAT(deleted, ElementsAre(2, 1));
}

TEST(TempObjectList, KeepsLibraryObjectsOfEveryKind) {
    // What generated code adds: host results, definitions, variants.
    CTempObjectList temps;
    CDDCommonVariant& value = *temps.Add(new CDDCommonVariant(253));
    const CDDDefinition& definition = *temps.Add(new CDDDefinition());
    CDDBlock& block =
        *temps.Add(new CDDBlock(CDDDefinition(18, "b", DD_KIND_BLOCK), DD_BLOCK_KIND_DEFAULT));
    EXPECT_EQ(value.getInt(), 253);
    EXPECT_EQ(definition.getID(), 0);
    EXPECT_EQ(block.getcDefinition()->getID(), 18);
}

// Builds and ends a long list on a thread with a small stack: ending it must not recurse once
// per entry.
void* BuildAndEndLongList(void* argument) {
    auto& deleted = *static_cast<std::vector<int>*>(argument);
    CTempObjectList temps;
    for (int i = 0; i < 100000; ++i) temps.Add(new Tracked(i, deleted));
    return nullptr;
}

TEST(TempObjectList, ALongListEndsWithoutDeepRecursion) {
    std::vector<int> deleted;
    deleted.reserve(100000);
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 512 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, &BuildAndEndLongList, &deleted), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    ASSERT_EQ(deleted.size(), 100000u);
    for (int i = 0; i < 100000; ++i) ASSERT_EQ(deleted[static_cast<std::size_t>(i)], 99999 - i);
}

TEST(ResetVariableClass, KeepsTheFlagsNoFactorySetsAndClearsTheOthersInItsOrder) {
    CDeviceAttributeCalculation calculation;
    CDDVariable variable(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
    for (int flag = 0; flag <= 18; ++flag)
        variable.getClass()->putClassInfo(static_cast<enumDDVariableClassType>(flag), true);
    const auto calls = TraceOf([&] { calculation.ResetVariableClass(variable.getClass()); });
    EXPECT_THAT(calls, ElementsAre("CDDVariableClass::putClassInfo(2, false)",
                                   "CDDVariableClass::putClassInfo(15, false)",
                                   "CDDVariableClass::putClassInfo(14, false)",
                                   "CDDVariableClass::putClassInfo(9, false)",
                                   "CDDVariableClass::putClassInfo(10, false)",
                                   "CDDVariableClass::putClassInfo(11, false)",
                                   "CDDVariableClass::putClassInfo(16, false)",
                                   "CDDVariableClass::putClassInfo(13, false)",
                                   "CDDVariableClass::putClassInfo(18, false)",
                                   "CDDVariableClass::putClassInfo(12, false)"));
    // Flags 0, 1, 3 to 8 and 17 stay.
    EXPECT_EQ(variable.classInfo().getMask(), 0x201FBu);
    for (int flag : {2, 9, 10, 11, 12, 13, 14, 15, 16, 18})
        EXPECT_FALSE(variable.classInfo().getClassInfo(static_cast<enumDDVariableClassType>(flag)))
            << flag;
}

TEST(ResetVariableClass, LeavesClearedFlagsCleared) {
    CDeviceAttributeCalculation calculation;
    CDDVariable variable(CDDDefinition(222, "func1_out_value", DD_KIND_VARIABLE));
    calculation.ResetVariableClass(variable.getClass());
    EXPECT_EQ(variable.classInfo().getMask(), 0u);
}

TEST(ResetMethodClass, ClearsTheSameTenFlagsOfAMethod) {
    CDeviceAttributeCalculation calculation;
    CDDMethod method(CDDDefinition(3, "method_phys_factory_reset_params", DD_KIND_METHOD));
    for (int flag = 0; flag <= 18; ++flag)
        method.getClass()->putClassInfo(static_cast<enumDDVariableClassType>(flag), true);
    const auto calls = TraceOf([&] { calculation.ResetMethodClass(method.getClass()); });
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls.front(), "CDDMethodClass::putClassInfo(2, false)");
    EXPECT_EQ(calls.back(), "CDDMethodClass::putClassInfo(12, false)");
    EXPECT_EQ(method.classInfo().getMask(), 0x201FBu);
}

TEST(ResetVariableHandling, ClearsWriteThenRead) {
    CDeviceAttributeCalculation calculation;
    CDDVariable variable(CDDDefinition(87, "phys_tag_desc", DD_KIND_VARIABLE));
    variable.putHandling(DD_HANDLING_READ, true);
    variable.putHandling(DD_HANDLING_WRITE, true);
    const auto calls = TraceOf([&] { calculation.ResetVariableHandling(&variable); });
    EXPECT_THAT(calls, ElementsAre("CDDVariable::putHandling(0, false)",
                                   "CDDVariable::putHandling(1, false)"));
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_READ));
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_WRITE));
}

TEST(FetchCurrentValue, AsksTheStoreOnceForTheVariablesDefinitionAndOwnsTheAnswer) {
    PluginFixture f;
    f.SetValue(233, CDDCommonVariant(3));
    f.SetValue(409, CDDCommonVariant(1));
    f.host.store().ClearCalls();
    const int storeRequests = f.host.storeRequests();
    {
        CTempObjectList temps;
        CDDCommonVariant& first = f.calculation.FetchCurrentValue(0xABCDu, 233, temps);
        CDDCommonVariant& second = f.calculation.FetchCurrentValue(0xABCDu, 409, temps);
        // Each answer lives until the list ends (the sanitizer run checks that it then goes).
        EXPECT_EQ(first.getInt(), 3);
        EXPECT_EQ(second.getInt(), 1);
        EXPECT_NE(&first, &second);
    }
    EXPECT_EQ(f.host.storeRequests(), storeRequests + 2);
    const auto& calls = f.host.store().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].operation, ddhost::StoreOperation::GetCurrentValue);
    EXPECT_EQ(calls[0].id, 233);
    EXPECT_EQ(calls[0].name, "func1_out_decimal_point");
    EXPECT_EQ(calls[0].ctx, 0xABCDu);
    EXPECT_EQ(calls[1].id, 409);
}

}  // namespace
