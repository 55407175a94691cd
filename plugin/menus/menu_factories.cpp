#include <memory>
#include <utility>

#include "core/attribute_calculation.h"

// The menus whose contents the device description gives; the others are still placeholders.

namespace {

// A menu entry for an item, with texts of its own where it has them.
// Owned until the menu has its copy, so that it goes also when something fails on the way.
std::unique_ptr<CDDMenuItem> NewMenuItem(const CDDDefinition& item) {
    auto entry = std::make_unique<CDDMenuItem>();
    entry->putDefinition(item);
    return entry;
}

void AddMenuItem(CDDMenu* menu, std::unique_ptr<CDDMenuItem> entry) {
    menu->getMenuItems()->Add(*entry);
}

// The alarm states and values of function block 1, as the alarm overview shows them: looked
// up by member name in the collection `func1_blank`.
constexpr const char* kAlarmOverviewMembers[] = {
    "hi_hi_alm_state", "hi_alm_state", "lo_alm_state", "lo_lo_alm_state",
    "hi_hi_alm_value", "hi_alm_value", "lo_alm_value", "lo_lo_alm_value"};

}  // namespace

CDDObject* CDeviceAttributeCalculation::FillAlarmOverview(DDContext ctx, CDDObject* object) {
    auto* menu = static_cast<CDDMenu*>(object);
    CTempObjectList temps;
    CDDCollection* collection = temps.Add(m_host->GetObjectStore()->GetCollection(
        ctx, *m_definitionTable[static_cast<std::size_t>(item::func1_blank)]));
    menu->setMenuItems(new CDDMenuItemList);
    for (const char* name : kAlarmOverviewMembers) {
        CDDObject* target =
            temps.Add(m_host->GetObjectStore()->GetMember(ctx, collection, CStrPP(name)));
        std::unique_ptr<CDDMenuItem> entry = NewMenuItem(*target->getcDefinition());
        // The entry shows the member's own texts.
        if (const CDDMember* member = collection->getMemberSet()
                                          ? collection->getMemberSet()->getItem(CStrPP(name))
                                          : nullptr) {
            entry->putLabel(member->getDescription());
            entry->putHelp(member->getHelp());
        }
        AddMenuItem(menu, std::move(entry));
    }
    menu->putAttributesAvailable(true);
    return menu;
}

// The main tables carry the device's identification as their label.
CDDObject* CDeviceAttributeCalculation::FillMainTable(DDContext ctx, CDDObject* object) {
    auto* menu = static_cast<CDDMenu*>(object);
    CTempObjectList temps;
    menu->putLabel(CStrPP(""));
    menu->putLabel(FetchCurrentValue(ctx, item::phys_device_id, temps).getString());
    menu->putAttributesAvailable(true);
    return menu;
}

CDDObject* CDeviceAttributeCalculation::Create_Page_alarm_overview_func1(DDContext ctx,
                                                                         CDDObject* object) {
    return FillAlarmOverview(ctx, object);
}

CDDObject* CDeviceAttributeCalculation::Create_Page_alarm_overview_func1_online(DDContext ctx,
                                                                                CDDObject* object) {
    return FillAlarmOverview(ctx, object);
}

CDDObject* CDeviceAttributeCalculation::Create_Table_Main_Specialist(DDContext ctx,
                                                                     CDDObject* object) {
    return FillMainTable(ctx, object);
}

CDDObject* CDeviceAttributeCalculation::Create_Table_Main_Maintenance(DDContext ctx,
                                                                      CDDObject* object) {
    return FillMainTable(ctx, object);
}

// The channel modules of the bus configuration, in slot order.
CDDObject* CDeviceAttributeCalculation::Create__TSFGSD_channel_module_setup(DDContext,
                                                                            CDDObject* object) {
    auto* menu = static_cast<CDDMenu*>(object);
    CTempObjectList temps;
    menu->putLabel(CStrPP(""));
    menu->putLabel(CStrPP("Channel Module Setup"));
    menu->setMenuItems(new CDDMenuItemList);
    for (DDObjectId id :
         {item::_TSFGSD_ChannelSetup01, item::_TSFGSD_ChannelSetup02, item::_TSFGSD_ChannelSetup03})
        AddMenuItem(menu, NewMenuItem(*m_definitionTable[static_cast<std::size_t>(id)]));
    menu->putAttributesAvailable(true);
    return menu;
}
