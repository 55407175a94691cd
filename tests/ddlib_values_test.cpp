// The library's element classes as values: a set or list that grows relocates its elements by
// moving them, a moved value hands its parts over whole, and copies stay deep.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "ddlib/ddlib.h"

namespace {

template <class T>
constexpr bool kMovesWithoutFailing =
    std::is_nothrow_move_constructible_v<T>&& std::is_nothrow_move_assignable_v<T>;
static_assert(kMovesWithoutFailing<CDDDefinition> && kMovesWithoutFailing<CDDReference> &&
              kMovesWithoutFailing<CDDTransactionRef> && kMovesWithoutFailing<CDDEnumerator> &&
              kMovesWithoutFailing<CDDBitEnumerator> && kMovesWithoutFailing<CDDDataItem> &&
              kMovesWithoutFailing<CDDTransaction> && kMovesWithoutFailing<CDDMember> &&
              kMovesWithoutFailing<CDDMenuItem> && kMovesWithoutFailing<CDDCommonVariant>);

std::string Name(int i) { return "element " + std::to_string(i); }
CDDDefinition Definition(int i) { return CDDDefinition(i, Name(i).c_str(), DD_KIND_VARIABLE); }

// Adds a hundred elements and tells whether what the first one holds is still where it was:
// relocating by copying would have made new ones.
template <class Container, class Add, class HeldByFirst>
void ExpectGrowthMoves(const char* what, Add add, HeldByFirst heldByFirst) {
    Container container;
    add(container, 0);
    const void* before = heldByFirst(container);
    for (int i = 1; i < 100; ++i) add(container, i);
    EXPECT_EQ(heldByFirst(container), before) << what;
    EXPECT_EQ(container.getCount(), 100) << what;
}

TEST(DdValues, GrowingSetsAndListsMoveTheElementsTheyHold) {
    ExpectGrowthMoves<CDDEnumeratorSet>(
        "enumerators",
        [](CDDEnumeratorSet& set, int i) {
            CDDEnumerator enumerator;
            enumerator.putDescription(Name(i).c_str());
            set.Add(enumerator);
        },
        [](const CDDEnumeratorSet& set) { return set.getItem(0).getDescription().ptr(); });
    ExpectGrowthMoves<CDDBitEnumeratorSet>(
        "bit enumerators",
        [](CDDBitEnumeratorSet& set, int i) {
            CDDBitEnumerator bit(i);
            bit.putMethod(Definition(i));
            set.Add(bit);
        },
        [](const CDDBitEnumeratorSet& set) { return set.getItem(0).getMethod().name().ptr(); });
    ExpectGrowthMoves<CDDDefinitionSet>(
        "definitions", [](CDDDefinitionSet& set, int i) { set.Insert(Definition(i)); },
        [](const CDDDefinitionSet& set) { return set.getItem(0).name().ptr(); });
    ExpectGrowthMoves<CDDDefinitionList>(
        "post-edit actions", [](CDDDefinitionList& list, int i) { list.Add(Definition(i), i, i); },
        [](const CDDDefinitionList& list) { return list.getItem(0).definition.name().ptr(); });
    ExpectGrowthMoves<CDDDataItemList>(
        "data items",
        [](CDDDataItemList& list, int i) {
            CDDDataItem item;
            item.getReference()->putDefinition(Definition(i));
            list.Add(item, 0, 0);
        },
        [](const CDDDataItemList& list) {
            return list.getItem(0).reference().getDefinition().name().ptr();
        });
    ExpectGrowthMoves<CDDTransactionSet>(
        "transactions",
        [](CDDTransactionSet& set, int i) {
            CDDTransaction transaction(i);
            transaction.setRequest(new CDDDataItemList);
            set.Insert(transaction);
        },
        [](const CDDTransactionSet& set) { return set.getItem(0).getRequest(); });
    ExpectGrowthMoves<CDDMemberSet>(
        "members", [](CDDMemberSet& set, int i) { set.Add(CDDMember(Name(i).c_str())); },
        [](const CDDMemberSet& set) { return set.getItem(0).getName().ptr(); });
    ExpectGrowthMoves<CDDMenuItemList>(
        "menu items",
        [](CDDMenuItemList& list, int i) {
            CDDMenuItem item;
            item.putLabel(Name(i).c_str());
            list.Add(item);
        },
        [](const CDDMenuItemList& list) { return list.getItem(0).getLabel().ptr(); });
    ExpectGrowthMoves<CVBCollection>(
        "method locals",
        [](CVBCollection& locals, int i) {
            locals.Add(Name(i).c_str(), CDDCommonVariant(Name(i).c_str()));
        },
        [](const CVBCollection& locals) { return locals.getName(0).ptr(); });
}

TEST(DdValues, AMoveHandsThePartsOverAndLeavesAnEmptyUsableValue) {
    CDDTransaction transaction(3);
    auto* request = new CDDDataItemList;
    transaction.setRequest(request);
    CDDTransaction moved(std::move(transaction));
    EXPECT_EQ(moved.getRequest(), request);
    EXPECT_EQ(moved.getNumber(), 3);
    EXPECT_EQ(transaction.getRequest(), nullptr);  // NOLINT(bugprone-use-after-move)
    transaction = moved;
    EXPECT_NE(transaction.getRequest(), nullptr);
    EXPECT_NE(transaction.getRequest(), request) << "a copy is deep";

    CDDEnumerator enumerator;
    enumerator.putValue(253);
    enumerator.putDescription("user unit");
    const char* text = enumerator.getDescription().ptr();
    CDDEnumerator target;
    target = std::move(enumerator);
    EXPECT_EQ(target.getDescription().ptr(), text);
    EXPECT_EQ(target.getValue(), 253);
    EXPECT_TRUE(enumerator.getDescription().IsEmpty());  // NOLINT(bugprone-use-after-move)
    enumerator.putDescription("again");
    EXPECT_STREQ(enumerator.getDescription().ptr(), "again");

    CDDCommonVariant value("text");
    CDDCommonVariant taken(std::move(value));
    EXPECT_EQ(taken, CDDCommonVariant("text"));
    value = taken;
    EXPECT_EQ(value, taken);
}

TEST(DdValues, ABoundPutFromABoundOfTheSameTypeSurvivesTheGrowthOfTheRanges) {
    CDDType type(DD_TYPE_STRING);
    type.putMinValues(0, CDDCommonVariant("lowest of all ranges"));
    type.putMaxValues(0, CDDCommonVariant("highest of all ranges"));
    type.putMinValues(40, type.getMinValue(0));
    type.putMaxValues(90, type.getMaxValue(0));
    ASSERT_EQ(type.getRangeCount(), 91);
    EXPECT_EQ(type.getMinValue(40), CDDCommonVariant("lowest of all ranges"));
    EXPECT_EQ(type.getMaxValue(90), CDDCommonVariant("highest of all ranges"));
    EXPECT_EQ(type.getMaxValue(40).getKind(), CDDCommonVariant::Empty);
}

}  // namespace
