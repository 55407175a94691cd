#pragma once

// Labels and helps of function block 1's four limits. The device's limits and the plug-in's
// own copies that the user edits before writing them read alike. Windows-1252 texts: only
// plug-in sources include this header.
namespace fb1_limit_texts {

inline constexpr const char kHiHiLabel[] =
    "Upper Limit Alarm  |de|Alarmgrenze Oben  |fr|Limite d'alarme supérieure  "
    "|it|Limite allarme superiore  |es|Límite superior de alarma";
inline constexpr const char kHiHiHelp[] =
    "The setting for the upper alarm limit in engineering units  "
    "|de|Einstellung der oberen Alarmgrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'alarme supérieure en unités physiques  "
    "|it|Impostazione del limite allarme superiore in unità ingegneristiche  "
    "|es|Ajuste del límite superior de alarma en unidades de ingeniería";

inline constexpr const char kHiLabel[] =
    "Upper Limit Warning  |de|Warngrenze Oben  |fr|Limite d'avertissement supérieure  "
    "|it|Limite di avviso superiore  |es|Límite superior de advertencia";
inline constexpr const char kHiHelp[] =
    "The setting for the upper warning limit in engineering units  "
    "|de|Einstellung der oberen Warngrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'avertissement supérieure en unités physiques  "
    "|it|Impostazione del limite di avviso superiore in unità ingegneristiche  "
    "|es|Ajuste del límite superior de advertencia en unidades de ingeniería";

inline constexpr const char kLoLabel[] =
    "Lower Limit Warning  |de|Warngrenze Unten  |fr|Limite d'avertissement inférieure  "
    "|it|Limite di avviso inferiore  |es|Límite inferior de advertencia";
inline constexpr const char kLoHelp[] =
    "The setting for the lower warning limit in engineering units  "
    "|de|Einstellung der unteren Warngrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'avertissement inférieure en unités physiques  "
    "|it|Impostazione del limite di avviso inferiore in unità ingegneristiche  "
    "|es|Ajuste del límite inferior de advertencia en unidades de ingeniería";

inline constexpr const char kLoLoLabel[] =
    "Lower Limit Alarm  |de|Alarmgrenze Unten  |fr|Limite d'alarme inférieure  "
    "|it|Limite allarme inferiore  |es|Límite inferior de alarma";
inline constexpr const char kLoLoHelp[] =
    "The setting for the lower alarm limit in engineering units  "
    "|de|Einstellung der unteren Alarmgrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'alarme inférieure en unités physiques  "
    "|it|Impostazione del limite allarme inferiore in unità ingegneristiche  "
    "|es|Ajuste del límite inferior de alarma en unidades de ingeniería";

// The limits' defaults: open at both ends.
inline constexpr double kUpperDefault = 3.0E+38;
inline constexpr double kLowerDefault = -3.0E+38;

}  // namespace fb1_limit_texts
