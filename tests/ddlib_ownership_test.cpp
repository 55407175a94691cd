// Ownership in the object-model library: put…, Add and Insert copy, set… takes over and frees
// what it held, copies and clones are deep. Run under the sanitizers, a shared or leaked
// sub-object shows as a use after free or a leak even where no expectation fails.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ddlib/ddlib.h"

namespace {

constexpr enumDDVariableClassType Flag(int n) { return static_cast<enumDDVariableClassType>(n); }

// Counts the owned objects that their holder deletes, through the library's virtual destructors.
int g_destroyed = 0;

template <class T>
class Counted final : public T {
  public:
    using T::T;
    Counted() = default;
    ~Counted() override { ++g_destroyed; }
};

// Hands `holder` two objects in turn, then null, then a third one for the holder's destructor.
template <class T, class Holder, class... Args>
void SetTwiceThenNull(Holder& holder, void (Holder::*set)(T*), T* (Holder::*get)() const,
                      const Args&... args) {
    g_destroyed = 0;
    T* first = new Counted<T>(args...);
    (holder.*set)(first);
    EXPECT_EQ((holder.*get)(), first);
    EXPECT_EQ(g_destroyed, 0);

    T* second = new Counted<T>(args...);
    (holder.*set)(second);
    EXPECT_EQ(g_destroyed, 1) << "the first one is freed when the second arrives";
    EXPECT_EQ((holder.*get)(), second);

    (holder.*set)(nullptr);
    EXPECT_EQ(g_destroyed, 2);
    EXPECT_EQ((holder.*get)(), nullptr);

    (holder.*set)(new Counted<T>(args...));
}

TEST(DdOwnership, EverySetterFreesWhatItHeldAndTheHolderFreesTheLast) {
    const CDDDefinition def(1, "item", DD_KIND_VARIABLE);
    const auto expectHolderFreesLast = [] { EXPECT_EQ(g_destroyed, 3); };
    {
        CDDVariable variable(def);
        SetTwiceThenNull(variable, &CDDVariable::setTypeInfo, &CDDVariable::getTypeInfo,
                         DD_TYPE_FLOAT);
    }
    expectHolderFreesLast();
    {
        CDDVariable variable(def);
        SetTwiceThenNull(variable, &CDDVariable::setPostEditActions,
                         &CDDVariable::getPostEditActions);
    }
    expectHolderFreesLast();
    {
        CDDCommand command(def);
        SetTwiceThenNull(command, &CDDCommand::setIndex, &CDDCommand::getIndex, 3);
    }
    expectHolderFreesLast();
    {
        CDDCommand command(def);
        SetTwiceThenNull(command, &CDDCommand::setTransactionSet, &CDDCommand::getTransactionSet);
    }
    expectHolderFreesLast();
    {
        CDDTransaction transaction(0);
        SetTwiceThenNull(transaction, &CDDTransaction::setRequest, &CDDTransaction::getRequest);
    }
    expectHolderFreesLast();
    {
        CDDTransaction transaction(0);
        SetTwiceThenNull(transaction, &CDDTransaction::setReply, &CDDTransaction::getReply);
    }
    expectHolderFreesLast();
    {
        CDDCollection collection(def);
        SetTwiceThenNull(collection, &CDDCollection::setMemberSet, &CDDCollection::getMemberSet);
    }
    expectHolderFreesLast();
    {
        CDDUnit unit(def);
        SetTwiceThenNull(unit, &CDDUnit::setReread, &CDDUnit::getReread);
    }
    expectHolderFreesLast();
    {
        CDDMenu menu(def);
        SetTwiceThenNull(menu, &CDDMenu::setMenuItems, &CDDMenu::getMenuItems);
    }
    expectHolderFreesLast();
}

// A variable with every attribute the plug-in fills.
std::unique_ptr<CDDVariable> MakeFullVariable() {
    auto variable =
        std::make_unique<CDDVariable>(CDDDefinition(141, "trans1_flowrate_unit", DD_KIND_VARIABLE));
    variable->putLabel("Flow unit");
    variable->putHelp("Einheit |de|Ger\xE4t");
    variable->putAttributesAvailable(true);
    variable->getClass()->putClassInfo(Flag(14), true);
    variable->getClass()->putClassInfo(Flag(9), true);

    auto* type = new CDDType(DD_TYPE_ENUMERATED);
    type->putSize(2);
    type->putScalingFactor(0.5);
    type->putDisplayFormat("%6.2f");
    type->putEditFormat("%u");
    type->putMaxRangeNo(0);
    type->putDefaultValue(CDDCommonVariant(1349));
    type->putMinValues(0, CDDCommonVariant(-1.5));
    type->putMaxValues(0, CDDCommonVariant(99.25));
    type->putMaxEnumIndex(2);
    type->putMaxBitEnumIndex(INT32_MIN);
    for (const auto& [value, text] : {std::pair{1349, "m\xB3/h"}, std::pair{1351, "l/s"}}) {
        CDDEnumerator enumerator;
        enumerator.putValue(value);
        enumerator.putDescription(text);
        enumerator.putHelp(std::string("help ").append(text).c_str());
        type->getEnumeratorSet()->Add(enumerator);
    }
    CDDBitEnumerator bit(INT32_MIN);
    bit.putDescription("Simulation active");
    bit.putHelp("bit 31");
    bit.putMethod(CDDDefinition(900, "reset_simulation", DD_KIND_METHOD));
    type->getBitEnumeratorSet()->Add(bit);
    variable->setTypeInfo(type);

    variable->putHandling(DD_HANDLING_READ, true);
    variable->putHandling(DD_HANDLING_WRITE, true);
    variable->putConstantUnit("m\xB3/h");
    auto* actions = new CDDDefinitionList;
    actions->Add(CDDDefinition(500, "pv_scale_method", DD_KIND_METHOD), 4, 7);
    variable->setPostEditActions(actions);
    variable->putValue(CDDCommonVariant(1351));
    return variable;
}

void ExpectFullVariable(const CDDVariable& v) {
    EXPECT_STREQ(v.getClassName(), "CDDVariable");
    EXPECT_EQ(v.getcDefinition()->getID(), 141);
    EXPECT_STREQ(v.getcDefinition()->name().ptr(), "trans1_flowrate_unit");
    EXPECT_EQ(v.getcDefinition()->getKind(), DD_KIND_VARIABLE);
    EXPECT_TRUE(v.hasLabel());
    EXPECT_STREQ(v.getLabel().ptr(), "Flow unit");
    EXPECT_TRUE(v.hasHelp());
    EXPECT_STREQ(v.getHelp().ptr(), "Einheit |de|Ger\xE4t");
    EXPECT_TRUE(v.getAttributesAvailable());
    EXPECT_EQ(v.classInfo().getMask(), (1u << 14) | (1u << 9));
    EXPECT_TRUE(v.getHandling(DD_HANDLING_READ));
    EXPECT_TRUE(v.getHandling(DD_HANDLING_WRITE));
    EXPECT_TRUE(v.hasConstantUnit());
    EXPECT_STREQ(v.getConstantUnit().ptr(), "m\xB3/h");
    EXPECT_EQ(v.getValue(), CDDCommonVariant(1351));

    const CDDType* type = v.getTypeInfo();
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->getType(), DD_TYPE_ENUMERATED);
    EXPECT_TRUE(type->hasSize());
    EXPECT_EQ(type->getSize(), 2);
    EXPECT_TRUE(type->hasScalingFactor());
    EXPECT_EQ(type->getScalingFactor(), 0.5);
    EXPECT_TRUE(type->hasDisplayFormat());
    EXPECT_STREQ(type->getDisplayFormat().ptr(), "%6.2f");
    EXPECT_TRUE(type->hasEditFormat());
    EXPECT_STREQ(type->getEditFormat().ptr(), "%u");
    EXPECT_TRUE(type->hasMaxRangeNo());
    EXPECT_EQ(type->getMaxRangeNo(), 0);
    EXPECT_TRUE(type->hasDefaultValue());
    EXPECT_EQ(type->getDefaultValue().getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(type->getDefaultValue().getInt(), 1349);
    ASSERT_EQ(type->getRangeCount(), 1);
    EXPECT_EQ(type->getMinValue(0).getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(type->getMinValue(0).getDouble(), -1.5);
    EXPECT_EQ(type->getMaxValue(0).getDouble(), 99.25);
    EXPECT_TRUE(type->hasMaxEnumIndex());
    EXPECT_EQ(type->getMaxEnumIndex(), 2);
    EXPECT_TRUE(type->hasMaxBitEnumIndex());
    EXPECT_EQ(type->getMaxBitEnumIndex(), INT32_MIN);

    ASSERT_EQ(type->enumerators().getCount(), 2);
    EXPECT_EQ(type->enumerators().getItem(0).getValue(), 1349);
    EXPECT_STREQ(type->enumerators().getItem(0).getDescription().ptr(), "m\xB3/h");
    EXPECT_STREQ(type->enumerators().getItem(0).getHelp().ptr(), "help m\xB3/h");
    EXPECT_EQ(type->enumerators().getItem(1).getValue(), 1351);
    EXPECT_STREQ(type->enumerators().getItem(1).getDescription().ptr(), "l/s");
    ASSERT_EQ(type->bitEnumerators().getCount(), 1);
    const CDDBitEnumerator& bit = type->bitEnumerators().getItem(0);
    EXPECT_EQ(bit.getBit(), INT32_MIN);
    EXPECT_STREQ(bit.getDescription().ptr(), "Simulation active");
    EXPECT_STREQ(bit.getHelp().ptr(), "bit 31");
    EXPECT_EQ(bit.getMethod().getID(), 900);
    EXPECT_STREQ(bit.getMethod().name().ptr(), "reset_simulation");

    const CDDDefinitionList* actions = v.getPostEditActions();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->getCount(), 1);
    EXPECT_EQ(actions->getItem(0).definition.getID(), 500);
    EXPECT_STREQ(actions->getItem(0).definition.name().ptr(), "pv_scale_method");
    EXPECT_EQ(actions->getItem(0).first, 4);
    EXPECT_EQ(actions->getItem(0).second, 7);
}

// Changes every part of the original that a shallow copy would share, then frees it.
void WreckAndFree(std::unique_ptr<CDDVariable> original) {
    CDDType* type = original->getTypeInfo();
    type->putSize(8);
    type->putDisplayFormat("changed");
    type->putDefaultValue(CDDCommonVariant("changed"));
    type->putMinValues(3, CDDCommonVariant(0));
    type->getEnumeratorSet()->Add(CDDEnumerator());
    original->getPostEditActions()->Add(CDDDefinition(), 0, 0);
    original->getClass()->putClassInfo(Flag(14), false);
    original->putHandling(DD_HANDLING_WRITE, false);
    original->putLabel("changed");
    original->putValue(CDDCommonVariant(0));
    original->setTypeInfo(new CDDType(DD_TYPE_FLOAT));
    original->setPostEditActions(nullptr);
}

TEST(DdOwnership, EveryPutAttributeReadsBackAndNothingIsPutBeforehand) {
    ExpectFullVariable(*MakeFullVariable());

    const CDDVariable fresh(CDDDefinition(1, "fresh", DD_KIND_VARIABLE));
    EXPECT_FALSE(fresh.hasLabel());
    EXPECT_FALSE(fresh.hasHelp());
    EXPECT_FALSE(fresh.getAttributesAvailable());
    EXPECT_FALSE(fresh.hasConstantUnit());
    EXPECT_EQ(fresh.classInfo().getMask(), 0u);
    EXPECT_FALSE(fresh.getHandling(DD_HANDLING_READ));
    EXPECT_FALSE(fresh.getHandling(DD_HANDLING_WRITE));
    const CDDType type(DD_TYPE_FLOAT);
    EXPECT_FALSE(type.hasSize() || type.hasScalingFactor() || type.hasDisplayFormat() ||
                 type.hasEditFormat() || type.hasMaxRangeNo() || type.hasDefaultValue() ||
                 type.hasMaxEnumIndex() || type.hasMaxBitEnumIndex());
    EXPECT_EQ(type.getRangeCount(), 0);
    const CDDBlock block(CDDDefinition(), DD_BLOCK_KIND_DEFAULT);
    EXPECT_FALSE(block.hasType() || block.hasNumber());
    EXPECT_FALSE(CDDCommand(CDDDefinition()).hasOperation());
    EXPECT_FALSE(CDDUnit(CDDDefinition()).hasUnit());
    EXPECT_FALSE(CDDMenu(CDDDefinition()).hasAccess());
    const CDDMethod method{CDDDefinition()};
    EXPECT_FALSE(method.hasAccess() || method.hasValidity());
}

TEST(DdOwnership, RangesAreKeptByNumberWithEmptyBoundsWhereNoneWasPut) {
    CDDType type(DD_TYPE_FLOAT);
    type.putMaxValues(2, CDDCommonVariant(9.5));
    type.putMinValues(0, CDDCommonVariant(-1));
    // Not range numbers of a device description: dropped.
    type.putMinValues(-1, CDDCommonVariant(1));
    type.putMaxValues(256, CDDCommonVariant(1));
    ASSERT_EQ(type.getRangeCount(), 3);
    EXPECT_EQ(type.getMinValue(0), CDDCommonVariant(-1));
    EXPECT_EQ(type.getMaxValue(0).getKind(), CDDCommonVariant::Empty);
    EXPECT_EQ(type.getMinValue(1).getKind(), CDDCommonVariant::Empty);
    EXPECT_EQ(type.getMinValue(2).getKind(), CDDCommonVariant::Empty);
    EXPECT_EQ(type.getMaxValue(2), CDDCommonVariant(9.5));
    type.putMaxValues(2, CDDCommonVariant(10));
    EXPECT_EQ(type.getMaxValue(2).getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(type.getRangeCount(), 3);
}

TEST(DdOwnership, ClassFlagsAndHandlingChangeOneFlagEach) {
    CDDVariable variable(CDDDefinition(1, "v", DD_KIND_VARIABLE));
    CDDVariableClass& flags = *variable.getClass();
    flags.putClassInfo(Flag(0), true);
    flags.putClassInfo(Flag(31), true);
    flags.putClassInfo(Flag(12), true);
    flags.putClassInfo(Flag(12), false);
    flags.putClassInfo(Flag(15), false);
    // Outside 0 to 31: ignored, nothing else changes.
    flags.putClassInfo(Flag(32), true);
    flags.putClassInfo(Flag(-1), true);
    EXPECT_EQ(flags.getMask(), 0x80000001u);
    EXPECT_FALSE(flags.getClassInfo(Flag(32)));
    EXPECT_FALSE(flags.getClassInfo(Flag(-1)));

    variable.putHandling(DD_HANDLING_WRITE, true);
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_READ));
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_WRITE));
    variable.putHandling(DD_HANDLING_READ, true);
    variable.putHandling(DD_HANDLING_WRITE, false);
    EXPECT_TRUE(variable.getHandling(DD_HANDLING_READ));
    EXPECT_FALSE(variable.getHandling(DD_HANDLING_WRITE));
}

TEST(DdOwnership, CloneAndCopiesOfAVariableAreDeep) {
    std::unique_ptr<CDDVariable> original = MakeFullVariable();
    std::unique_ptr<CDDObject> clone(original->Clone());
    const CDDVariable copy(*original);
    CDDVariable assigned(CDDDefinition(7, "other", DD_KIND_VARIABLE));
    assigned.setTypeInfo(new CDDType(DD_TYPE_STRING));
    assigned.setPostEditActions(new CDDDefinitionList);
    assigned = *original;

    ASSERT_NE(dynamic_cast<CDDVariable*>(clone.get()), nullptr);
    const auto& cloned = static_cast<const CDDVariable&>(*clone);
    EXPECT_NE(cloned.getTypeInfo(), original->getTypeInfo());
    EXPECT_NE(cloned.getPostEditActions(), original->getPostEditActions());
    EXPECT_NE(copy.getTypeInfo(), original->getTypeInfo());
    EXPECT_NE(assigned.getTypeInfo(), original->getTypeInfo());

    WreckAndFree(std::move(original));
    ExpectFullVariable(cloned);
    ExpectFullVariable(copy);
    ExpectFullVariable(assigned);

    // Self-assignment keeps the owned parts.
    const CDDVariable& alias = assigned;
    assigned = alias;
    ExpectFullVariable(assigned);
}

TEST(DdOwnership, AVariableWithoutOwnedPartsCopiesAsEmpty) {
    const CDDVariable bare(CDDDefinition(3, "bare", DD_KIND_VARIABLE));
    std::unique_ptr<CDDObject> clone(bare.Clone());
    const auto& cloned = static_cast<const CDDVariable&>(*clone);
    EXPECT_EQ(cloned.getTypeInfo(), nullptr);
    EXPECT_EQ(cloned.getPostEditActions(), nullptr);
    EXPECT_FALSE(cloned.hasLabel());
    EXPECT_FALSE(cloned.hasConstantUnit());
    EXPECT_EQ(cloned.getValue().getKind(), CDDCommonVariant::Empty);
}

TEST(DdOwnership, AnObjectKeepsItsOwnCopyOfTheDefinition) {
    auto definition =
        std::make_unique<CDDDefinition>(233, "func1_out_decimal_point", DD_KIND_VARIABLE);
    const CDDVariable variable(*definition);
    definition.reset();
    EXPECT_EQ(variable.getcDefinition()->getID(), 233);
    EXPECT_STREQ(variable.getcDefinition()->getName().ptr(), "func1_out_decimal_point");
}

CDDDataItemList* MakeItemList(std::int32_t mask, const char* name) {
    auto* list = new CDDDataItemList;
    CDDDataItem item;
    item.putMask(mask);
    item.getReference()->putDefinition(CDDDefinition(mask, name, DD_KIND_VARIABLE));
    list->Add(item, 0, 0);
    return list;
}

TEST(DdOwnership, ACommandCopiesItsBlockIndexAndTransactionsDeeply) {
    auto command = std::make_unique<CDDCommand>(CDDDefinition(300, "cmd_read", DD_KIND_COMMAND));
    auto block = std::make_unique<CDDBlock>(CDDDefinition(12, "phys_blk", DD_KIND_BLOCK),
                                            DD_BLOCK_KIND_DEFAULT);
    block->putType(DD_BLOCK_TRANSDUCER);
    block->putNumber(2);
    block->putLabel("Transducer");
    command->putBlock(*block);
    EXPECT_NE(command->getBlock(), block.get());
    block.reset();

    command->setIndex(new CDDIndex(17));
    auto* transactions = new CDDTransactionSet;
    {
        CDDTransaction transaction(1);
        transaction.setRequest(MakeItemList(0x0F, "request_item"));
        transaction.setReply(MakeItemList(0xF0, "reply_item"));
        transactions->Insert(transaction);
        EXPECT_NE(transactions->getItem(0).getRequest(), transaction.getRequest());
        transaction.setRequest(nullptr);
        transaction.getReply()->Add(CDDDataItem(), 9, 9);
    }
    transactions->Insert(CDDTransaction(2));
    command->setTransactionSet(transactions);
    command->putOperation(DD_OPERATION_WRITE);

    std::unique_ptr<CDDObject> clone(command->Clone());
    const CDDCommand copy(*command);
    command->getTransactionSet()->Insert(CDDTransaction(3));
    command->setIndex(new CDDIndex(0));
    command.reset();

    for (const CDDCommand* c : {static_cast<const CDDCommand*>(clone.get()), &copy}) {
        ASSERT_NE(c->getBlock(), nullptr);
        EXPECT_STREQ(c->getBlock()->getcDefinition()->name().ptr(), "phys_blk");
        EXPECT_EQ(c->getBlock()->getType(), DD_BLOCK_TRANSDUCER);
        EXPECT_EQ(c->getBlock()->getNumber(), 2);
        EXPECT_STREQ(c->getBlock()->getLabel().ptr(), "Transducer");
        ASSERT_NE(c->getIndex(), nullptr);
        EXPECT_EQ(c->getIndex()->getIndex(), 17);
        EXPECT_TRUE(c->hasOperation());
        EXPECT_EQ(c->getOperation(), DD_OPERATION_WRITE);

        const CDDTransactionSet* set = c->getTransactionSet();
        ASSERT_NE(set, nullptr);
        ASSERT_EQ(set->getCount(), 2);
        const CDDTransaction& first = set->getItem(0);
        EXPECT_EQ(first.getNumber(), 1);
        ASSERT_NE(first.getRequest(), nullptr);
        ASSERT_EQ(first.getRequest()->getCount(), 1);
        EXPECT_EQ(first.getRequest()->getItem(0).getMask(), 0x0F);
        EXPECT_EQ(first.getRequest()->getItem(0).getKind(), DD_DATA_ITEM_REFERENCE);
        EXPECT_STREQ(first.getRequest()->getItem(0).reference().getDefinition().name().ptr(),
                     "request_item");
        ASSERT_NE(first.getReply(), nullptr);
        ASSERT_EQ(first.getReply()->getCount(), 1);
        EXPECT_EQ(first.getReply()->getItem(0).getMask(), 0xF0);
        EXPECT_EQ(set->getItem(1).getNumber(), 2);
        EXPECT_EQ(set->getItem(1).getRequest(), nullptr);
    }
}

TEST(DdOwnership, MenusUnitsCollectionsAndMethodsCopyWhatTheyOwn) {
    auto menu = std::make_unique<CDDMenu>(CDDDefinition(40, "menu_main", DD_KIND_MENU));
    menu->putAccess(1);
    auto* items = new CDDMenuItemList;
    CDDMenuItem entry;
    entry.putDefinition(CDDDefinition(41, "menu_sub", DD_KIND_MENU));
    entry.putQualifier(3);
    entry.putLabel("Sub");
    entry.putHelp("Sub help");
    items->Add(entry);
    menu->setMenuItems(items);

    auto unit = std::make_unique<CDDUnit>(CDDDefinition(50, "unit_rel", DD_KIND_UNIT));
    unit->putUnit(CDDDefinition(141, "trans1_flowrate_unit", DD_KIND_VARIABLE));
    auto* reread = new CDDVariableDefinitionSet;
    reread->Insert(CDDDefinition(142, "trans1_flowrate", DD_KIND_VARIABLE));
    unit->setReread(reread);

    auto collection =
        std::make_unique<CDDCollection>(CDDDefinition(60, "coll", DD_KIND_COLLECTION));
    auto* members = new CDDMemberSet;
    CDDMember member("VALUE");
    member.putDefinition(CDDDefinition(142, "trans1_flowrate", DD_KIND_VARIABLE));
    member.putDescription("Value");
    member.putHelp("Measured value");
    members->Add(member);
    collection->setMemberSet(members);

    auto method = std::make_unique<CDDMethod>(CDDDefinition(70, "meth", DD_KIND_METHOD));
    method->getClass()->putClassInfo(Flag(11), true);
    method->putAccess(2);
    method->putValidity(true);

    std::unique_ptr<CDDMenu> menuCopy(menu->Clone());
    std::unique_ptr<CDDUnit> unitCopy(unit->Clone());
    std::unique_ptr<CDDCollection> collectionCopy(collection->Clone());
    std::unique_ptr<CDDMethod> methodCopy(method->Clone());
    menu->getMenuItems()->Add(CDDMenuItem());
    unit->getReread()->Insert(CDDDefinition());
    collection->getMemberSet()->Add(CDDMember("OTHER"));
    method->getClass()->putClassInfo(Flag(11), false);
    menu.reset();
    unit.reset();
    collection.reset();
    method.reset();

    EXPECT_EQ(menuCopy->getAccess(), 1);
    ASSERT_EQ(menuCopy->getMenuItems()->getCount(), 1);
    const CDDMenuItem& copiedEntry = menuCopy->getMenuItems()->getItem(0);
    EXPECT_STREQ(copiedEntry.getDefinition().name().ptr(), "menu_sub");
    EXPECT_EQ(copiedEntry.getQualifier(), 3);
    EXPECT_STREQ(copiedEntry.getLabel().ptr(), "Sub");
    EXPECT_STREQ(copiedEntry.getHelp().ptr(), "Sub help");

    EXPECT_TRUE(unitCopy->hasUnit());
    EXPECT_EQ(unitCopy->getUnit().getID(), 141);
    ASSERT_EQ(unitCopy->getReread()->getCount(), 1);
    EXPECT_EQ(unitCopy->getReread()->getItem(0).getID(), 142);

    ASSERT_EQ(collectionCopy->getMemberSet()->getCount(), 1);
    EXPECT_STREQ(collectionCopy->getMemberSet()->getItem(0).getHelp().ptr(), "Measured value");

    EXPECT_TRUE(methodCopy->classInfo().getClassInfo(Flag(11)));
    EXPECT_EQ(methodCopy->getAccess(), 2);
    EXPECT_TRUE(methodCopy->getValidity());
}

TEST(DdOwnership, SetsAndListsKeepCopiesInOrderOfTheCalls) {
    CDDEnumeratorSet enumerators;
    CDDBitEnumeratorSet bits;
    CDDDefinitionSet definitions;
    CDDDefinitionList actions;
    CDDMenuItemList menuItems;
    CDDDataItemList dataItems;
    CDDTransactionSet transactions;
    for (int i = 0; i < 3; ++i) {
        const std::string name = "item" + std::to_string(i);
        auto enumerator = std::make_unique<CDDEnumerator>();
        enumerator->putValue(i);
        enumerator->putDescription(name.c_str());
        enumerators.Add(*enumerator);
        auto bit = std::make_unique<CDDBitEnumerator>(1 << i);
        bit->putDescription(name.c_str());
        bits.Add(*bit);
        auto definition = std::make_unique<CDDDefinition>(i, name.c_str(), DD_KIND_VARIABLE);
        definitions.Insert(*definition);
        actions.Add(*definition, i, -i);
        auto menuItem = std::make_unique<CDDMenuItem>();
        menuItem->putLabel(name.c_str());
        menuItems.Add(*menuItem);
        auto dataItem = std::make_unique<CDDDataItem>();
        dataItem->getReference()->putDefinition(*definition);
        dataItems.Add(*dataItem, i, i);
        auto transaction = std::make_unique<CDDTransaction>(i);
        transaction->setRequest(new CDDDataItemList);
        transactions.Insert(*transaction);
    }
    // A repeated insertion is kept.
    definitions.Insert(CDDDefinition(0, "item0", DD_KIND_VARIABLE));

    ASSERT_EQ(enumerators.getCount(), 3);
    ASSERT_EQ(bits.getCount(), 3);
    ASSERT_EQ(definitions.getCount(), 4);
    ASSERT_EQ(actions.getCount(), 3);
    ASSERT_EQ(menuItems.getCount(), 3);
    ASSERT_EQ(dataItems.getCount(), 3);
    ASSERT_EQ(transactions.getCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const std::string name = "item" + std::to_string(i);
        EXPECT_EQ(enumerators.getItem(i).getValue(), i);
        EXPECT_STREQ(enumerators.getItem(i).getDescription().ptr(), name.c_str());
        EXPECT_EQ(bits.getItem(i).getBit(), 1 << i);
        EXPECT_STREQ(bits.getItem(i).getDescription().ptr(), name.c_str());
        EXPECT_STREQ(definitions.getItem(i).name().ptr(), name.c_str());
        EXPECT_EQ(actions.getItem(i).definition.getID(), i);
        EXPECT_EQ(actions.getItem(i).second, -i);
        EXPECT_STREQ(menuItems.getItem(i).getLabel().ptr(), name.c_str());
        EXPECT_STREQ(dataItems.getItem(i).reference().getDefinition().name().ptr(), name.c_str());
        EXPECT_EQ(transactions.getItem(i).getNumber(), i);
        EXPECT_NE(transactions.getItem(i).getRequest(), nullptr);
    }
    EXPECT_EQ(definitions.getItem(3).getID(), 0);
}

TEST(DdOwnership, AMemberSetFindsAMemberByItsWholeName) {
    CDDMemberSet members;
    for (const char* name : {"VALUE_2", "VALUE", "Value", "St\xE4tus"}) {
        auto member = std::make_unique<CDDMember>(name);
        member->putDescription(name);
        members.Add(*member);
    }
    const CDDMember* value = members.getItem(CStrPP("VALUE"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value, &members.getItem(1));
    EXPECT_EQ(members.getItem(CStrPP("Value")), &members.getItem(2));
    EXPECT_EQ(members.getItem(CStrPP("St\xE4tus")), &members.getItem(3));
    EXPECT_EQ(members.getItem(CStrPP("VALUE_")), nullptr);
    EXPECT_EQ(members.getItem(CStrPP("St\xC4tus")), nullptr);
    EXPECT_EQ(members.getItem(CStrPP("")), nullptr);
    EXPECT_EQ(CDDMemberSet().getItem(CStrPP("VALUE")), nullptr);
}

TEST(DdOwnership, AMethodLocalsCollectionReplacesByNameAndKeepsCopies) {
    CVBCollection locals;
    auto value = std::make_unique<CDDCommonVariant>("first");
    locals.Add("status", *value);
    locals.Add("count", CDDCommonVariant(3));
    *value = CDDCommonVariant("changed");
    locals.Add("status", CDDCommonVariant(2.5));
    value.reset();

    ASSERT_EQ(locals.getCount(), 2);
    EXPECT_STREQ(locals.getName(0).ptr(), "status");
    EXPECT_EQ(locals.getValue(0).getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(locals.getValue(0).getDouble(), 2.5);
    ASSERT_NE(locals.Find("count"), nullptr);
    EXPECT_EQ(locals.Find("count")->getInt(), 3);
    EXPECT_EQ(locals.Find("Count"), nullptr);
}

TEST(DdOwnership, AVariableValueFallsBackToTheDefaultOfItsCurrentType) {
    CDDVariable variable(CDDDefinition(1, "v", DD_KIND_VARIABLE));
    EXPECT_EQ(variable.getValue().getKind(), CDDCommonVariant::Empty);
    auto* type = new CDDType(DD_TYPE_INTEGER);
    type->putDefaultValue(CDDCommonVariant(5));
    variable.setTypeInfo(type);
    EXPECT_EQ(variable.getValue(), CDDCommonVariant(5));
    variable.setTypeInfo(new CDDType(DD_TYPE_INTEGER));
    EXPECT_EQ(variable.getValue().getKind(), CDDCommonVariant::Empty);
    variable.putValue(CDDCommonVariant(9));
    EXPECT_EQ(variable.getValue(), CDDCommonVariant(9));
}

TEST(DdOwnership, HandingBackTheHeldObjectKeepsIt) {
    CDDVariable variable(CDDDefinition(7, "v", DD_KIND_VARIABLE));
    variable.setTypeInfo(new CDDType(DD_TYPE_UNSIGNED));
    variable.getTypeInfo()->putSize(2);
    variable.setTypeInfo(variable.getTypeInfo());
    ASSERT_NE(variable.getTypeInfo(), nullptr);
    EXPECT_EQ(variable.getTypeInfo()->getSize(), 2);
    EXPECT_FALSE(variable.hasValue());
    variable.putValue(CDDCommonVariant(3));
    EXPECT_TRUE(variable.hasValue());
}

TEST(DdOwnership, DataItemListsKeepTheirPositions) {
    CDDDataItemList list;
    CDDDataItem item;
    item.getReference()->putDefinition(CDDDefinition(20, "phys_blk_object", DD_KIND_VARIABLE));
    list.Add(item, -1, -1);
    list.Add(item, 4, 7);
    ASSERT_EQ(list.getCount(), 2);
    EXPECT_EQ(list.getEntry(0).first, -1);
    EXPECT_EQ(list.getEntry(0).second, -1);
    EXPECT_EQ(list.getEntry(1).first, 4);
    EXPECT_EQ(list.getEntry(1).second, 7);
    EXPECT_EQ(list.getItem(1).reference().getDefinition().getID(), 20);
}

}  // namespace
