#include "function_block_params/unit_enumerations.h"

#include <iterator>

#include "core/factory_macros.h"

// The units of function block 1: the input offers the volume-flow units of the flow rate, the
// output every unit code of the device, grouped by kind.

namespace {

using namespace unit_codes;

constexpr Enumerator kOutputUnits[] = {
    // Temperature.
    kDegreesCelsius, kDegreesFahrenheit, kDegreesRankine, kKelvin,
    // Pressure.
    kInchesOfWater, kInchesOfMercury, kFeetOfWater, kMillimetersOfWater, kMillimetersOfMercury,
    kPoundsPerSquareInch, kBar, kMillibar, kGramsPerSquareCentimeter, kKilogramsPerSquareCentimeter,
    kPascals, kKilopascals, kTorr, kAtmospheres, kMegapascals, kInchesOfWaterAt4DegC,
    kMillimetersOfWaterAt4DegC,
    // Volume flow.
    kCubicFeetPerMinute, kGallonsPerMinute, kLitersPerMinute, kImperialGallonsPerMinute,
    kCubicMetersPerHour, kGallonsPerSecond, kMillionGallonsPerDay, kLitersPerSecond,
    kMillionLitersPerDay, kCubicFeetPerSecond, kCubicFeetPerDay, kCubicMetersPerSecond,
    kCubicMetersPerDay, kImperialGallonsPerHour, kImperialGallonsPerDay, kNormalCubicMetersPerHour,
    kNormalLitersPerHour, kStandardCubicFeetPerMinute, kCubicFeetPerHour, kCubicMetersPerMinute,
    kBarrelsPerSecond, kBarrelsPerMinute, kBarrelsPerHour, kBarrelsPerDay, kGallonsPerHour,
    kImperialGallonsPerSecond, kLitersPerHour, kGallonsPerDay,
    // Velocity.
    kFeetPerSecond, kMetersPerSecond, kInchesPerSecond, kInchesPerMinute, kFeetPerMinute,
    kMetersPerHour,
    // Volume.
    kGallons, kLiters, kImperialGallons, kCubicMeters, kBarrels, kBushels, kCubicYards, kCubicFeet,
    kCubicInches, kLiquidBarrels, kNormalCubicMeters, kNormalLiters, kStandardCubicFeet,
    kHectoliters,
    // Length.
    kFeet, kMeters, kInches, kCentimeters, kMillimeters,
    // Time.
    kMinutes, kSeconds, kHours, kDays,
    // Mass.
    kGrams, kKilograms, kMetricTons, kPounds, kShortTons, kLongTons, kOunces,
    // Mass flow.
    kGramsPerSecond, kGramsPerMinute, kGramsPerHour, kKilogramsPerSecond, kKilogramsPerMinute,
    kKilogramsPerHour, kKilogramsPerDay, kMetricTonsPerMinute, kMetricTonsPerHour,
    kMetricTonsPerDay, kPoundsPerSecond, kPoundsPerMinute, kPoundsPerHour, kPoundsPerDay,
    kShortTonsPerMinute, kShortTonsPerHour, kShortTonsPerDay, kLongTonsPerHour, kLongTonsPerDay,
    // Density.
    kSpecificGravityUnits, kGramsPerCubicCentimeter, kKilogramsPerCubicMeter, kPoundsPerGallon,
    kPoundsPerCubicFoot, kGramsPerMilliliter, kKilogramsPerLiter, kGramsPerLiter,
    kPoundsPerCubicInch, kShortTonsPerCubicYard, kDegreesTwaddell, kDegreesBaumeHeavy,
    kDegreesBaumeLight, kDegreesApi,
    // Viscosity.
    kCentistokes, kCentipoise,
    // Electrical.
    kMillivolts, kVolts, kMilliamperes, kOhms, kKiloohms,
    // Torque, energy and power.
    kNewtonMeters, kDekatherms, kFootPoundsForce, kKilowattHours, kMegajoules, kBritishThermalUnits,
    kMegacalories, kKilowatts, kHorsepower, kMegacaloriesPerHour, kMegajoulesPerHour,
    kBritishThermalUnitsPerHour,
    // Other units.
    kHertz, kMicromhos, kPercent, kPh, kMillisiemensPerCentimeter, kMicrosiemensPerCentimeter,
    kNewtons, kDegreesBrix, kPercentSolidsPerWeight, kPercentSolidsPerVolume, kDegreesBalling,
    kProofPerVolume, kProofPerMass, kPartsPerMillion, kPercentSteamQuality, kFeetInchesSixteenths,
    kCubicFeetPerPound, kPicofarads, kPercentPlato,
    // Codes that name no unit.
    kNotUsedUnit, kNoUnit, kUnknownUnit, kSpecialUnit};
static_assert(std::size(kOutputUnits) == 160);

}  // namespace

// Both units take litres per second unless set otherwise, before their first enumerator. The
// input passes 0 as its highest index although its codes reach the user-defined unit.
DD_VARIABLE_FACTORY(func1_pv_unit,
                    {.label = "Unit (Input)  |de|Einheit (Eingang)  |fr|Unité (entrée)  "
                              "|it|Unità (ingresso)  |es|Unidad (entrada)",
                     .help = "The engineering unit of the input value.  "
                             "|de|Die physikalische Einheit des Eingangswerts.  "
                             "|fr|L'unité physique de la valeur d'entrée.  "
                             "|it|L'unità ingegneristica del valore di ingresso.  "
                             "|es|La unidad de ingeniería del valor de entrada.",
                     .size = 2,
                     .defaultValue = Int(unit_codes::kLitersPerSecond.value),
                     .maxEnumIndex = 0,
                     .enumerators = unit_codes::kVolumeFlowUnits,
                     .handling = Handling::ReadWrite})

// The French part of the label ends in a blank of its own.
DD_VARIABLE_FACTORY(func1_out_unit,
                    {.label = "Unit (Output)  |de|Einheit (Ausgang)  |fr|Unité (sortie)   "
                              "|it|Unità (Uscita)  |es|Unidad (salida)",
                     .help = "The engineering unit that the output value is reported in.  "
                             "|de|Die physikalische Einheit, in der der Ausgangswert angegeben "
                             "wird.  "
                             "|fr|L'unité physique dans laquelle la valeur de sortie est "
                             "indiquée.  "
                             "|it|L'unità ingegneristica in cui è espresso il valore di uscita.  "
                             "|es|La unidad de ingeniería en la que se indica el valor de salida.",
                     .size = 2,
                     .defaultValue = Int(unit_codes::kLitersPerSecond.value),
                     .maxEnumIndex = unit_codes::kUserDefined,
                     .enumerators = kOutputUnits,
                     .handling = Handling::ReadWrite})
