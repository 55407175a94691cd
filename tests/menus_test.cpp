#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/plugin_fixture.h"

namespace {

std::vector<DDObjectId> ItemIds(const CDDMenu& menu) {
    std::vector<DDObjectId> ids;
    const CDDMenuItemList* items = menu.getMenuItems();
    for (int i = 0; items && i < items->getCount(); ++i)
        ids.push_back(items->getItem(i).getDefinition().getID());
    return ids;
}

TEST(Menus, TheChannelModuleSetupListsTheSlotsInOrder) {
    PluginFixture f;
    const auto menu = f.FillAs<CDDMenu>(item::_TSFGSD_channel_module_setup);
    EXPECT_STREQ(menu->getLabel().ptr(), "Channel Module Setup");
    EXPECT_EQ(ItemIds(*menu),
              (std::vector<DDObjectId>{item::_TSFGSD_ChannelSetup01, item::_TSFGSD_ChannelSetup02,
                                       item::_TSFGSD_ChannelSetup03}));
    EXPECT_TRUE(menu->getAttributesAvailable());
    EXPECT_EQ(f.Trace(item::_TSFGSD_channel_module_setup).front(), "CDDMenu::putLabel(\"\")");
}

TEST(Menus, AlarmOverviewsTakeTheirEntriesFromTheCollectionByMemberName) {
    for (DDObjectId id :
         {item::Page_alarm_overview_func1, item::Page_alarm_overview_func1_online}) {
        SCOPED_TRACE(registry::kItems[id].name);
        PluginFixture f;
        f.host.store().ClearCalls();
        const auto menu = f.FillAs<CDDMenu>(id, 9);
        EXPECT_EQ(ItemIds(*menu),
                  (std::vector<DDObjectId>{item::func1_hi_hi_alm_state, item::func1_hi_alm_state,
                                           item::func1_lo_alm_state, item::func1_lo_lo_alm_state,
                                           item::func1_hi_hi_alm_value, item::func1_hi_alm_value,
                                           item::func1_lo_alm_value, item::func1_lo_lo_alm_value}));
        // Each entry shows the member's description; member helps are empty.
        const CDDMenuItem& first = menu->getMenuItems()->getItem(0);
        EXPECT_STREQ(
            first.getLabel().ptr(),
            "Status Upper Limit Alarm  |de|Status Oberer Alarmgrenzwert  |fr|Etat Limite "
            "d'alarme sup\xE9rieure  |it|Stato Valore limite superiore allarme  |es|Status "
            "Valor l\xEDmite superior de la alarma");
        EXPECT_STREQ(first.getHelp().ptr(), "");

        // One collection, then the eight members by name, all with the caller's host value.
        const auto& calls = f.host.store().calls();
        ASSERT_EQ(calls.size(), 9u);
        EXPECT_EQ(calls[0].operation, ddhost::StoreOperation::GetCollection);
        EXPECT_EQ(calls[0].id, item::func1_blank);
        EXPECT_EQ(calls[1].operation, ddhost::StoreOperation::GetMember);
        EXPECT_EQ(calls[1].member, "hi_hi_alm_state");
        EXPECT_EQ(calls[8].member, "lo_lo_alm_value");
        for (const ddhost::StoreCall& call : calls) EXPECT_EQ(call.ctx, 9u);
    }
}

TEST(Menus, MainTablesFollowTheDeviceIdentificationAtEveryFill) {
    PluginFixture f;
    EXPECT_STREQ(f.FillAs<CDDMenu>(item::Table_Main_Specialist)->getLabel().ptr(), "KELVANE 40");
    f.SetValue(item::phys_device_id, CDDCommonVariant("FLOW 7"));
    EXPECT_STREQ(f.FillAs<CDDMenu>(item::Table_Main_Maintenance)->getLabel().ptr(), "FLOW 7");
    EXPECT_STREQ(f.FillAs<CDDMenu>(item::Table_Main_Specialist)->getLabel().ptr(), "FLOW 7");
}

TEST(Menus, MenusWithoutContentsOnlyMarkTheirAttributesAvailable) {
    PluginFixture f;
    EXPECT_EQ(f.Trace(item::DTM_online_root_menu),
              std::vector<std::string>{"CDDMenu::putAttributesAvailable(true)"});
}

}  // namespace
