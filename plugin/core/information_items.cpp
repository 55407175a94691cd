#include "core/information_items.h"

#include <array>
#include <iterator>

namespace {

// Role ids 0 to 15.
constexpr std::array<const char*, 16> kRoleItems = {
    "download_variables",        // 0
    "upload_variables",          // 1
    "DTM_online_root_menu",      // 2
    "",                          // 3
    "DTM_offline_root_menu",     // 4
    "",                          // 5
    "DTM_Observe",               // 6
    "",                          // 7
    "DTM_Simulation_menu",       // 8
    "DTM_Diagnosis_menu",        // 9
    "",                          // 10
    "",                          // 11
    "",                          // 12
    "",                          // 13
    "__menu_Observe",            // 14
    "__TSF__CommunicationMenu",  // 15
};

// Role ids from 10001 on.
constexpr std::int32_t kFirstExtendedRole = 10001;
constexpr std::array<const char*, 7> kExtendedRoleItems = {
    "",                   // 10001
    "",                   // 10002
    "DTM_reset",          // 10003
    "DTM_write_locking",  // 10004
    "",                   // 10005
    "",                   // 10006
    "__menu_Observe",     // 10007
};

constexpr std::array<const char*, 3> kSpecialItems = {
    "__TSF__CommunicationMenu",  // 0
    "__TSF__BusAddress",         // 1
    "phys_tag_desc",             // 2
};

template <std::size_t N>
const char* Lookup(const std::array<const char*, N>& table, std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(N)
               ? table[static_cast<std::size_t>(index)]
               : "";
}

}  // namespace

const char* const g_apszMappedItemKeys[] = {""};
const char* const g_apszMappedItemValues[] = {""};

const char* StandardItemName(std::int32_t role) {
    if (role >= kFirstExtendedRole)
        return Lookup(kExtendedRoleItems, std::int64_t{role} - kFirstExtendedRole);
    return Lookup(kRoleItems, role);
}

const char* SpecialItemName(std::int32_t selector) { return Lookup(kSpecialItems, selector); }

CStrPP MappedItemList(const char* const keys[], const char* const values[]) {
    CStrPP list;
    for (std::size_t i = 0; *keys[i] != '\0'; ++i) {
        if (*values[i] == '\0') continue;
        if (!list.IsEmpty()) list = list + ",";
        list = list + keys[i];
    }
    return list;
}

CStrPP MappedItemValue(const char* const keys[], const char* const values[], const CStrPP& key) {
    for (std::size_t i = 0; *keys[i] != '\0'; ++i) {
        if (key == keys[i]) return values[i];
    }
    return CStrPP();
}
