#pragma once

#include <cstdint>

#include "core/variable_record.h"

// Engineering unit codes of the device, one enumerator per code: the unit symbol as the
// description, the unit's name as the help. Every unit variable that offers a code uses the
// same enumerator, so a code reads alike wherever it is offered. The texts are the device's
// Windows-1252 bytes; only plug-in sources, compiled for that code page, include this header.
namespace unit_codes {

// The unit code that stands for the unit the user defines.
inline constexpr std::int32_t kUserDefined = 253;

inline constexpr Enumerator kLitersPerSecond{
    24, "l/s",
    "Liters Per Second  |de|Liter pro Sekunde  |fr|Litres par seconde  |it|Litri al secondo  "
    "|es|Litros por segundo"};
inline constexpr Enumerator kLitersPerMinute{
    17, "l/min",
    "Liters Per Minute  |de|Liter pro Minute  |fr|Litres par minute  |it|Litri al minuto  "
    "|es|Litros por minuto"};
inline constexpr Enumerator kLitersPerHour{
    138, "l/h",
    "Liters Per Hour  |de|Liter pro Stunde  |fr|Litres par heure  |it|Litri all'ora  "
    "|es|Litros por hora"};
inline constexpr Enumerator kCubicMetersPerSecond{
    28, "m³/s  |de|m³/s  |fr|m³/s  |it|m³/s  |es|m³/s",
    "Cubic Meters Per Second  |de|Kubikmeter pro Sekunde  |fr|Mètres cubes par seconde  "
    "|it|Metri cubi al secondo  |es|Metros cúbicos por segundo"};
inline constexpr Enumerator kCubicMetersPerMinute{
    131, "m³/min  |de|m³/min  |fr|m³/min  |it|m³/min  |es|m³/min",
    "Cubic Meters Per Minute  |de|Kubikmeter pro Minute  |fr|Mètres cubes par minute  "
    "|it|Metri cubi al minuto  |es|Metros cúbicos por minuto"};
inline constexpr Enumerator kCubicMetersPerHour{
    19, "m³/h  |de|m³/h  |fr|m³/h  |it|m³/h  |es|m³/h",
    "Cubic Meters Per Hour  |de|Kubikmeter pro Stunde  |fr|Mètres cubes par heure  "
    "|it|Metri cubi all'ora  |es|Metros cúbicos por hora"};
inline constexpr Enumerator kCubicFeetPerSecond{
    26, "ft³/s  |de|ft³/s  |fr|ft³/s  |it|ft³/s  |es|ft³/s",
    "Cubic Feet Per Second  |de|Kubikfuß pro Sekunde  |fr|Pieds cubes par seconde  "
    "|it|Piedi cubi al secondo  |es|Pies cúbicos por segundo"};
inline constexpr Enumerator kCubicFeetPerMinute{
    15, "ft³/min  |de|ft³/min  |fr|ft³/min  |it|ft³/min  |es|ft³/min",
    "Cubic Feet Per Minute  |de|Kubikfuß pro Minute  |fr|Pieds cubes par minute  "
    "|it|Piedi cubi al minuto  |es|Pies cúbicos por minuto"};
inline constexpr Enumerator kCubicFeetPerHour{
    130, "ft³/h  |de|ft³/h  |fr|ft³/h  |it|ft³/h  |es|ft³/h",
    "Cubic Feet Per Hour  |de|Kubikfuß pro Stunde  |fr|Pieds cubes par heure  "
    "|it|Piedi cubi all'ora  |es|Pies cúbicos por hora"};
inline constexpr Enumerator kImperialGallonsPerSecond{
    137, "Impgal/s  |fr|Impgal/s  |it|Impgal/s  |es|Galones imperiales/s",
    "Imperial Gallons Per Second  |de|Imperial-Gallonen pro Sekunde  "
    "|fr|Gallons impériaux par seconde  |it|Galloni imperiali al secondo  "
    "|es|Galones imperiales por segundo"};
inline constexpr Enumerator kImperialGallonsPerMinute{
    18, "Impgal/min  |fr|Impgal/min  |it|Impgal/min  |es|Galones imperiales/min",
    "Imperial Gallons Per Minute  |de|Imperial-Gallonen pro Minute  "
    "|fr|Gallons impériaux par minute  |it|Galloni imperiali al minuto  "
    "|es|Galones imperiales por minuto"};
inline constexpr Enumerator kImperialGallonsPerHour{
    30, "Impgal/h  |fr|Impgal/h  |it|Impgal/h  |es|Galones imperiales/h",
    "Imperial Gallons Per Hour  |de|Imperial-Gallonen pro Stunde  "
    "|fr|Gallons impériaux par heure  |it|Galloni imperiali all'ora  "
    "|es|Galones imperiales por hora"};
inline constexpr Enumerator kGallonsPerSecond{
    22, "gal/s",
    "Gallons Per Second  |de|Gallonen pro Sekunde  |fr|Gallons par seconde  "
    "|it|Galloni al secondo  |es|Galones por segundo"};
inline constexpr Enumerator kGallonsPerMinute{
    16, "gal/min",
    "Gallons Per Minute  |de|Gallonen pro Minute  |fr|Gallons par minute  "
    "|it|Galloni al minuto  |es|Galones por minuto"};
inline constexpr Enumerator kGallonsPerHour{
    136, "gal/h",
    "Gallons Per Hour  |de|Gallonen pro Stunde  |fr|Gallons par heure  |it|Galloni all'ora  "
    "|es|Galones por hora"};

// The user-defined unit; its help repeats the description.
inline constexpr const char kUserDefinedUnitText[] =
    "user = user defined unit  |de|user = anwenderdefinierte Einheit";
inline constexpr Enumerator kUserDefinedUnit{kUserDefined, kUserDefinedUnitText,
                                             kUserDefinedUnitText};

// The volume-flow units that the flow rate and the input value may be given in, with the
// user-defined unit last, in the order the device offers them.
inline constexpr Enumerator kVolumeFlowUnits[] = {
    kLitersPerSecond,          kLitersPerMinute,          kLitersPerHour,
    kCubicMetersPerSecond,     kCubicMetersPerMinute,     kCubicMetersPerHour,
    kCubicFeetPerSecond,       kCubicFeetPerMinute,       kCubicFeetPerHour,
    kImperialGallonsPerSecond, kImperialGallonsPerMinute, kImperialGallonsPerHour,
    kGallonsPerSecond,         kGallonsPerMinute,         kGallonsPerHour,
    kUserDefinedUnit,
};

}  // namespace unit_codes
