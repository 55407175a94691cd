// The block object of function block 2, the totalizer, its two collections and the standard
// parameters that open its parameter list.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"

using namespace block_family;

namespace {

// The collection "func2" names its members without a German part.
constexpr const char kTotalizerBlockText[] =
    "Function Block 2 - Totalizer  |fr|Bloc fonctionnel 2 - Totalisateur  |it|Blocco funzionale "
    "2 - totalizzatore  |es|Bloque de función 2 - Totalizador";

constexpr std::array<Enumerator, 1> kCalculationParentClass = {
    {{5, "Calculation  |de|Berechnung  |fr|Calcul  |it|Calcolo  |es|Cálculo"}}};
constexpr std::array<Enumerator, 1> kTotalizerClass = {
    {{8, "Totalizer  |de|Zählwerk  |fr|Compteur  |it|Contatore  |es|Totalizador"}}};

}  // namespace

DD_BLOCK_FACTORY(function_block_2, DD_BLOCK_FUNCTION, 2)

DD_COLLECTION_FACTORY(func2, {
                                 {"actual_mode", item::func2_actual_mode, kTotalizerBlockText},
                                 {"out", item::func2_out_total_value, kTotalizerBlockText},
                             })

DD_COLLECTION_FACTORY(
    func2_blank,
    {
        {"actual_mode", item::func2_actual_mode, kActualModeLabel},
        {"out", item::func2_out_total_value, kOutputValueText},
        {"hi_alm_state", item::func2_TOT_hi_alm_state, kStatusUpperLimitWarningText},
        {"hi_hi_alm_state", item::func2_TOT_hi_hi_alm_state, kStatusUpperLimitAlarmText},
        {"hi_alm_value", item::func2_TOT_hi_alm_value, kOutputValueUpperWarningText},
        {"hi_hi_alm_value", item::func2_TOT_hi_hi_alm_value, kOutputValueUpperAlarmText},
    })

DD_VARIABLE_FACTORY(func2_blk_reserve, kBlkReserve)
DD_VARIABLE_FACTORY(func2_blk_object, kFunctionBlkObject)
DD_VARIABLE_FACTORY(func2_blk_parent_class, {.label = kBlkParentClassLabel,
                                             .help = kFunctionBlockParentClassHelp,
                                             .size = 1,
                                             .maxEnumIndex = 5,
                                             .enumerators = kCalculationParentClass})
DD_VARIABLE_FACTORY(func2_blk_class, {.label = kBlkClassLabel,
                                      .help = kFunctionBlockClassHelp,
                                      .size = 1,
                                      .maxEnumIndex = 8,
                                      .enumerators = kTotalizerClass})
DD_VARIABLE_FACTORY(func2_blk_dd_reference, kBlkDdReference)
DD_VARIABLE_FACTORY(func2_blk_dd_rev, kBlkDdRev)
DD_VARIABLE_FACTORY(func2_blk_profile, kBlkProfile)
DD_VARIABLE_FACTORY(func2_blk_profile_rev, kBlkProfileRev)
DD_VARIABLE_FACTORY(func2_blk_execution_time, kBlkExecutionTime)
DD_VARIABLE_FACTORY(func2_blk_highest_rel_offset, kBlkHighestRelOffset)
DD_VARIABLE_FACTORY(func2_blk_index_view_1, kBlkIndexView1)
DD_VARIABLE_FACTORY(func2_blk_num_view_lists, kBlkNumViewLists)
DD_VARIABLE_FACTORY(func2_st_rev, kStRev)
DD_VARIABLE_FACTORY(func2_tag_desc, kFunctionTagDesc)
DD_VARIABLE_FACTORY(func2_strategy, kStrategy)
DD_VARIABLE_FACTORY(func2_alert_key, kAlertKey)
