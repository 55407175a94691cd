// The command factories: what a filled command holds, compared with the directory's sets, and
// the exact calls by which it is filled.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/logging_host.h"
#include "support/plugin_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<DDObjectId> ItemIds(const CDDDataItemList& list) {
    std::vector<DDObjectId> ids;
    for (int i = 0; i < list.getCount(); ++i)
        ids.push_back(list.getItem(i).reference().getDefinition().getID());
    return ids;
}

std::vector<DDObjectId> SetIds(const std::vector<CDDDefinition>& set) {
    std::vector<DDObjectId> ids;
    for (const CDDDefinition& definition : set) ids.push_back(definition.getID());
    return ids;
}

bool IsRead(const std::string& name) { return name.rfind("read_", 0) == 0; }

// Block and relative index of a filled command.
std::pair<DDObjectId, std::int32_t> Address(const CDDCommand& command) {
    return {command.getBlock()->getcDefinition()->getID(), command.getIndex()->getIndex()};
}

class CommandFactory : public ::testing::Test {
  protected:
    std::unique_ptr<CDDCommand> Fill(DDObjectId id) { return f.FillAs<CDDCommand>(id); }
    const CDDDataItemList& Items(const CDDCommand& command) {
        const CDDTransaction& transaction = command.getTransactionSet()->getItem(0);
        return command.getOperation() == DD_OPERATION_READ ? *transaction.getReply()
                                                           : *transaction.getRequest();
    }

    PluginFixture f;
};

TEST_F(CommandFactory, EveryCommandCarriesTheDirectorysSetAsItsDataItems) {
    const auto& directorySets = f.host.store().transactionSets();
    ASSERT_EQ(directorySets.size(), 146u);
    int reads = 0;
    int writes = 0;
    std::map<DDObjectId, int> perBlock;
    std::map<int, int> bySize;
    for (const registry::CommandRow& row : registry::kCommandRows) {
        const std::unique_ptr<CDDCommand> command = Fill(row.command);
        const std::string name = command->getcDefinition()->name().ptr();
        SCOPED_TRACE(name);
        ASSERT_TRUE(command->getAttributesAvailable());
        const bool read = IsRead(name);
        ++(read ? reads : writes);
        ASSERT_TRUE(command->hasOperation());
        EXPECT_EQ(command->getOperation(), read ? DD_OPERATION_READ : DD_OPERATION_WRITE);

        ASSERT_NE(command->getBlock(), nullptr);
        ASSERT_NE(command->getIndex(), nullptr);
        EXPECT_EQ(Address(*command), std::pair(row.block, row.index));
        EXPECT_EQ(command->getBlock()->getcDefinition()->getKind(), DD_KIND_BLOCK);
        ++perBlock[row.block];

        ASSERT_NE(command->getTransactionSet(), nullptr);
        ASSERT_EQ(command->getTransactionSet()->getCount(), 1);
        const CDDTransaction& transaction = command->getTransactionSet()->getItem(0);
        EXPECT_EQ(transaction.getNumber(), 0);
        ASSERT_NE(transaction.getRequest(), nullptr);
        ASSERT_NE(transaction.getReply(), nullptr);
        const CDDDataItemList& carrying =
            read ? *transaction.getReply() : *transaction.getRequest();
        const CDDDataItemList& other = read ? *transaction.getRequest() : *transaction.getReply();
        EXPECT_EQ(other.getCount(), 0);
        ++bySize[carrying.getCount()];

        // The same variables, in the same order, as the set the directory handed the host.
        const auto sets =
            std::find_if(directorySets.begin(), directorySets.end(),
                         [&](const auto& s) { return s.command.getID() == row.command; });
        ASSERT_NE(sets, directorySets.end());
        EXPECT_EQ(ItemIds(carrying), SetIds(read ? sets->reply : sets->request));
        EXPECT_TRUE((read ? sets->request : sets->reply).empty());

        for (int i = 0; i < carrying.getCount(); ++i) {
            const CDDDataItem& item = carrying.getItem(i);
            EXPECT_EQ(item.getKind(), 1);
            EXPECT_EQ(item.getMask(), 0);
            const CDDDefinition& variable = item.reference().getDefinition();
            const CDDDefinition& entry = *f.calculation.definition(variable.getID());
            EXPECT_EQ(variable.getKind(), DD_KIND_VARIABLE);
            EXPECT_EQ(variable.name(), entry.name());
        }
    }
    EXPECT_EQ(reads, 95);
    EXPECT_EQ(writes, 51);
    EXPECT_THAT(perBlock, ElementsAre(std::pair(18, 42), std::pair(99, 32), std::pair(197, 37),
                                      std::pair(324, 35)));
    EXPECT_THAT(bySize,
                ElementsAre(std::pair(1, 118), std::pair(2, 2), std::pair(3, 6), std::pair(4, 8),
                            std::pair(5, 6), std::pair(7, 1), std::pair(12, 5)));
    EXPECT_THAT(f.host.sink().messages(), ::testing::IsEmpty());
}

TEST_F(CommandFactory, ProfileRevisionReadKeepsOnlyTheEighthOfTwelveItems) {
    const std::unique_ptr<CDDCommand> command = Fill(item::read__TSF__profile_rev);
    const CDDDataItemList& items = Items(*command);
    std::vector<std::string> names;
    for (int i = 0; i < items.getCount(); ++i)
        names.push_back(items.getItem(i).reference().getDefinition().name().ptr());
    EXPECT_THAT(names,
                ElementsAre("__TSF__dummy__8bit", "__TSF__dummy__8bit", "__TSF__dummy__8bit",
                            "__TSF__dummy__8bit", "__TSF__dummy__32bit", "__TSF__dummy__16bit",
                            "__TSF__dummy__16bit", "__TSF__phys_profile_rev", "__TSF__dummy__8bit",
                            "__TSF__dummy__16bit", "__TSF__dummy__16bit", "__TSF__dummy__8bit"));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 4u);
    EXPECT_EQ(Address(*command), Address(*Fill(item::read_phys_blk)));
    EXPECT_EQ(Address(*command), std::pair(18, 0));
}

TEST_F(CommandFactory, NumericSoftwareRevisionReadSplitsTheRevisionIntoSevenItems) {
    const std::unique_ptr<CDDCommand> command = Fill(item::read_phys_software_rev_numeric);
    EXPECT_THAT(ItemIds(Items(*command)), ElementsAre(8, 9, 10, 11, 12, 13, 15));
    EXPECT_EQ(Address(*command), Address(*Fill(item::read_phys_software_rev)));
    EXPECT_EQ(Address(*command), std::pair(18, 8));
}

TEST_F(CommandFactory, FactoryResetIsTheOnlyCommandAtIndexNineteenOfThePhysicalBlock) {
    const std::unique_ptr<CDDCommand> reset = Fill(item::write_phys_factory_reset);
    EXPECT_EQ(Address(*reset), std::pair(18, 19));
    EXPECT_EQ(reset->getOperation(), DD_OPERATION_WRITE);
    EXPECT_THAT(ItemIds(Items(*reset)), ElementsAre(89));
    int atNineteen = 0;
    for (const registry::CommandRow& row : registry::kCommandRows)
        if (Address(*Fill(row.command)) == std::pair(18, 19)) ++atNineteen;
    EXPECT_EQ(atNineteen, 1);
}

TEST_F(CommandFactory, IdentityReadsShareTheAddressOfThePlainReads) {
    const std::pair<DDObjectId, DDObjectId> twins[] = {
        {item::read__TSF__software_rev, item::read_phys_software_rev},
        {item::read__TSF__phys_device_man_id, item::read_phys_manufacturer_id},
        {item::read__TSF__phys_device_id, item::read_phys_device_id},
        {item::read__TSF__profile_rev, item::read_phys_blk},
    };
    for (const auto& [identity, plain] : twins) {
        const std::unique_ptr<CDDCommand> a = Fill(identity);
        const std::unique_ptr<CDDCommand> b = Fill(plain);
        EXPECT_EQ(Address(*a), Address(*b)) << identity;
        // They read the same parameter into different variables.
        EXPECT_NE(ItemIds(Items(*a)), ItemIds(Items(*b))) << identity;
    }
    EXPECT_EQ(Address(*Fill(item::read__TSF__phys_device_man_id)), std::pair(18, 10));
    EXPECT_EQ(Address(*Fill(item::read__TSF__phys_device_id)), std::pair(18, 11));
}

// The whole conversation of one fill: host requests, store calls, library calls and the end
// of the block the store handed out.
std::vector<std::string> FillLog(LoggedPlugin& plugin, DDObjectId id, DDContext ctx) {
    std::unique_ptr<CDDObject> command = plugin.host.store().Copy(id);
    plugin.host.TakeEvents();
    ddhost::Calculate(plugin.calculation, ctx, *command);
    plugin.host.Log("returned");
    return plugin.host.TakeEvents();
}

TEST(CommandFill, AReadAttachesItsReplyBeforeItsItems) {
    LoggedPlugin plugin;
    EXPECT_THAT(
        FillLog(plugin, item::read_phys_st_rev, 77),
        ElementsAre("host::GetObjectStore", "store::GetBlock(ctx 77, physical_block)",
                    "CDDCommand::putBlock(physical_block)", "CDDCommand::setIndex(CDDIndex(1))",
                    "CDDCommand::putOperation(2)",
                    "CDDCommand::setTransactionSet(CDDTransactionSet)",
                    "CDDTransaction::setRequest(CDDDataItemList)",
                    "CDDTransaction::setReply(CDDDataItemList)", "CDDDataItem::putKind(1)",
                    "CDDReference::putDefinition(phys_st_rev)", "CDDDataItem::putMask(0)",
                    "CDDDataItemList::Add(phys_st_rev, -1, -1)", "CDDTransactionSet::Insert(0)",
                    "CDDCommand::putAttributesAvailable(true)", "block deleted", "returned"));
}

TEST(CommandFill, AWriteAttachesItsReplyAfterItsLastItem) {
    LoggedPlugin plugin;
    std::vector<std::string> expected = {"host::GetObjectStore",
                                         "store::GetBlock(ctx 5, function_block_1)",
                                         "CDDCommand::putBlock(function_block_1)",
                                         "CDDCommand::setIndex(CDDIndex(34))",
                                         "CDDCommand::putOperation(3)",
                                         "CDDCommand::setTransactionSet(CDDTransactionSet)",
                                         "CDDTransaction::setRequest(CDDDataItemList)"};
    for (const char* variable :
         {"func1_simulate_status", "func1_simulate_value", "func1_simulation_enabled"}) {
        expected.push_back("CDDDataItem::putKind(1)");
        expected.push_back(std::string("CDDReference::putDefinition(") + variable + ")");
        expected.push_back("CDDDataItem::putMask(0)");
        expected.push_back(std::string("CDDDataItemList::Add(") + variable + ", -1, -1)");
    }
    expected.insert(expected.end(),
                    {"CDDTransaction::setReply(CDDDataItemList)", "CDDTransactionSet::Insert(0)",
                     "CDDCommand::putAttributesAvailable(true)", "block deleted", "returned"});
    EXPECT_THAT(FillLog(plugin, item::write_func1_simulate, 5), ElementsAreArray(expected));
}

TEST(CommandFill, FillingTwiceLeavesOneTransactionAndTheCommandsOwnBlock) {
    LoggedPlugin plugin;
    std::unique_ptr<CDDObject> object = plugin.host.store().Copy(item::read_phys_mode);
    plugin.host.TakeEvents();
    ddhost::Calculate(plugin.calculation, 1, *object);
    ddhost::Calculate(plugin.calculation, 2, *object);
    const std::vector<std::string> events = plugin.host.TakeEvents();
    // The block is fetched anew each time and deleted each time.
    EXPECT_EQ(std::count(events.begin(), events.end(), "store::GetBlock(ctx 1, physical_block)"),
              1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "store::GetBlock(ctx 2, physical_block)"),
              1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "block deleted"), 2);

    const auto& command = dynamic_cast<const CDDCommand&>(*object);
    ASSERT_EQ(command.getTransactionSet()->getCount(), 1);
    const CDDTransaction& transaction = command.getTransactionSet()->getItem(0);
    EXPECT_THAT(ItemIds(*transaction.getReply()), ElementsAre(35, 36, 37));
    EXPECT_EQ(transaction.getRequest()->getCount(), 0);
    // The fetched blocks are gone; the command's copy is its own.
    ASSERT_NE(command.getBlock(), nullptr);
    EXPECT_EQ(command.getBlock()->getcDefinition()->getID(), 18);
    EXPECT_STREQ(command.getBlock()->getcDefinition()->name().ptr(), "physical_block");
    EXPECT_EQ(command.getIndex()->getIndex(), 6);
}

}  // namespace
