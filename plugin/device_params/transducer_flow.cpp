#include "core/factory_macros.h"
#include "device_params/unit_codes.h"

// Flow parameters of the flow transducer block: the measured values, the flow unit and the
// service set-up of the meter. The service set-up may be written only while the access code
// that the user entered is the service code.

namespace {

constexpr std::int32_t kServiceAccessCode = 7294;

// The access code differing from the service code leaves the item read-only; the service code
// gives write, then read handling.
constexpr ConditionalHandling kServiceAccess{item::loc_security_lock, kServiceAccessCode, false,
                                             Handling::Read, Handling::WriteRead};

// Each of these enumerators' help repeats its description.
constexpr const char kLiquid[] = "liquid  |de|flüssig";
constexpr const char kGasOrSteam[] = "gas / steam  |de|Gas / Dampf";
constexpr Enumerator kApplicationMedia[] = {
    {0, kLiquid, kLiquid},
    {1, kGasOrSteam, kGasOrSteam},
};

constexpr const char kGainLow[] = "LOW  |de|NIEDRIG";
constexpr const char kGainMedium[] = "MEDIUM  |de|MITTEL";
constexpr const char kGainNormal[] = "NORMAL  |de|NORMAL";
constexpr const char kGainHigh[] = "HIGH  |de|HOCH";
constexpr Enumerator kGainRanges[] = {
    {0, kGainLow, kGainLow},
    {1, kGainMedium, kGainMedium},
    {2, kGainNormal, kGainNormal},
    {3, kGainHigh, kGainHigh},
};

}  // namespace

// Measured values. The flow rate and the sensor limits take their unit from the flow unit.

DD_VARIABLE_FACTORY(trans1_flowrate, {.label = "V0H0   Flowrate  |de|V0H0   Durchfluß",
                                      .help = "Flowrate  |de|Durchfluß"})

// Service set-up, guarded by the access code. The diameter's default and range are integers.
DD_VARIABLE_FACTORY(trans1_Nominal_Size, {.label = "V6H1   Nominal Diameter  |de|V6H1   Nennweite",
                                          .help = "Nominal Diameter  |de|Nennweite",
                                          .hasRange = true,
                                          .rangeMin = Int(15),
                                          .rangeMax = Int(300),
                                          .defaultValue = Int(15),
                                          .conditionalHandling = &kServiceAccess,
                                          .constantUnit = "mm"})

// The enumerations pass 0 as their highest index, take their default before the first
// enumerator and make no handling call.
DD_VARIABLE_FACTORY(trans1_flowrate_unit, {.label = "V1H0   Flow Unit  |de|V1H0   Durchflußeinheit",
                                           .help = "Flow Unit  |de|Durchflußeinheit",
                                           .size = 2,
                                           .defaultValue = Int(unit_codes::kLitersPerSecond.value),
                                           .maxEnumIndex = 0,
                                           .enumerators = unit_codes::kVolumeFlowUnits,
                                           .handling = Handling::None})

DD_VARIABLE_FACTORY(trans1_calibration_factor,
                    {.label = "V6H2   Calibration Factor  |de|V6H2   Kalibrierfaktor",
                     .help = "Calibration Factor  |de|Kalibrierfaktor",
                     .hasRange = true,
                     .rangeMin = Double(0.01),
                     .rangeMax = Double(999.9),
                     .defaultValue = Int(1),
                     .conditionalHandling = &kServiceAccess,
                     .constantUnit = "Imp / l"})

DD_VARIABLE_FACTORY(trans1_upper_sensor_limit,
                    {.label = "Upper sensor limit  |de|Obere Sensorbegrenzung",
                     .help = "Upper sensor limit  |de|Obere Sensorbegrenzung"})

DD_VARIABLE_FACTORY(trans1_lower_sensor_limit,
                    {.label = "Lower sensor limit  |de|Untere Sensorbegrenzung",
                     .help = "Lower sensor limit  |de|Untere Sensorbegrenzung"})

DD_VARIABLE_FACTORY(trans1_vortex_frequency,
                    {.label = "V0H1   Vortex Frequency  |de|V0H1   Wirbel-Frequenz",
                     .help = "Vortex Frequency  |de|Wirbel-Frequenz",
                     .constantUnit = "Hz",
                     .unitBeforeHandling = true})

DD_VARIABLE_FACTORY(trans1_application_medium, {.label = "V6H0   Application  |de|V6H0   Anwendung",
                                                .help = "Application medium  |de|Anwendungsmedium",
                                                .size = 1,
                                                .defaultValue = Int(0),
                                                .maxEnumIndex = 0,
                                                .enumerators = kApplicationMedia,
                                                .handling = Handling::None})

DD_VARIABLE_FACTORY(trans1_sensor_temperature_coeff,
                    {.label = "V6H3   Expansion Coefficient  |de|V6H3   Ausdehnungskoeffizient",
                     .help = "Expansion Coefficient  |de|Ausdehnungskoeffizient",
                     .hasRange = true,
                     .rangeMin = Double(1e-05),
                     .rangeMax = Double(9.999e-05),
                     .defaultValue = Double(4.88e-05),
                     .conditionalHandling = &kServiceAccess,
                     .constantUnit = "1 / K"})

// The process temperature may be entered whatever the access code.
DD_VARIABLE_FACTORY(trans1_temperature,
                    {.label = "V6H4   Temperature Entry  |de|V6H4   Eingang Temperatur",
                     .help = "Temperature Entry  |de|Eingang Temperatur",
                     .hasRange = true,
                     .rangeMin = Double(0.0),
                     .rangeMax = Double(999.99),
                     .defaultValue = Double(293.15),
                     .handling = Handling::ReadWrite,
                     .constantUnit = "K"})

DD_VARIABLE_FACTORY(trans1_amplification,
                    {.label = "V6H5   Select Gain Range  |de|V6H5   Soll Verst.Band",
                     .help = "Select Gain Range  |de|Verstärkungsbereich wählen",
                     .size = 1,
                     .defaultValue = Int(2),
                     .maxEnumIndex = 0,
                     .enumerators = kGainRanges,
                     .handling = Handling::None})

// Valid only while the flow unit is the user-defined one.
DD_VARIABLE_FACTORY(trans1_user_flow_rate_unit,
                    {.label = "V1H2   User Flowrate Unit  |de|V1H2   Anwender-Durchflußeinheit",
                     .help = "User Flowrate Unit  |de|Anwender-Durchflußeinheit",
                     .hasRange = true,
                     .rangeMin = Double(1e-09),
                     .rangeMax = Double(9999000000.0),
                     .defaultValue = Double(1.0),
                     .handling = Handling::None})
