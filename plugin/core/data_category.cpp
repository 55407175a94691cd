#include <array>
#include <cstdint>

#include "directory/item_registry.h"
#include "interfaces/exports.h"

namespace {

// The GSD bus-configuration parameters form their own data category.
constexpr std::uint16_t kBusConfigurationCategory = 3;
constexpr DDObjectId kFirstBusConfigurationItem = item::_TSFGSD_SIFlag;
constexpr DDObjectId kLastBusConfigurationItem = item::_TSFGSD_ChannelProtectionSlot03;

constexpr std::array<std::uint16_t, registry::kTableSize> MakeDataCategoryTable() {
    std::array<std::uint16_t, registry::kTableSize> table{};
    for (DDObjectId id = kFirstBusConfigurationItem; id <= kLastBusConfigurationItem; ++id)
        table[static_cast<std::size_t>(id)] = kBusConfigurationCategory;
    return table;
}

constexpr std::array<std::uint16_t, registry::kTableSize> DataCategoryTable =
    MakeDataCategoryTable();

}  // namespace

// Writes each out-parameter that points somewhere; a null one is left alone.
extern "C" DD_PLUGIN_EXPORT void DD_PLUGIN_CALL
GetAttributeCalcDataCategory(const std::uint16_t** table, std::int32_t* count) {
    if (table != nullptr) *table = DataCategoryTable.data();
    if (count != nullptr) *count = static_cast<std::int32_t>(DataCategoryTable.size());
}
