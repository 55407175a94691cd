#pragma once

#include "device_params/unit_codes.h"

// The engineering unit codes that function block 1's output may be given in, beside the
// volume-flow units of the flow rate: one enumerator per code, the unit symbol as the
// description, the unit's name as the help. A unit variable that offers one of these codes
// uses its enumerator here. Windows-1252 texts: only plug-in sources include this header.
namespace unit_codes {

// Temperature.
inline constexpr Enumerator kDegreesCelsius{
    32, "degC  |de|°C  |fr|°C  |it|°C  |es|°C",
    "Degrees Celsius  |de|Grad Celsius  |fr|Degrés Celsius  |it|Gradi Celsius  "
    "|es|Grados Celsius"};
inline constexpr Enumerator kDegreesFahrenheit{
    33, "degF  |de|°F  |fr|°F  |it|°F  |es|°F",
    "Degrees Fahrenheit  |de|Grad Fahrenheit  |fr|Degrés Fahrenheit  |it|Gradi Fahrenheit  "
    "|es|Grados Fahrenheit"};
inline constexpr Enumerator kDegreesRankine{
    34, "degR  |de|°R  |fr|°R  |it|°R  |es|°R",
    "Degrees Rankine  |de|Grad Rankine  |fr|Degrés Rankine  |it|Gradi Rankine  "
    "|es|Grados Rankine"};
inline constexpr Enumerator kKelvin{
    35, "K",
    "Degrees Kelvin  |de|Grad Kelvin  |fr|Degrés Kelvin  |it|Gradi Kelvin  |es|Grados Kelvin"};

// Pressure.
inline constexpr Enumerator kInchesOfWater{
    1, "inH2O",
    "Inches of Water at 68 Degrees Fahrenheit  |de|Zoll Wassersäule bei 68 Grad Fahrenheit  "
    "|fr|Pouces d'eau à 68 degrés Fahrenheit  |it|Pollici d'acqua a 68 gradi Fahrenheit  "
    "|es|Pulgadas de agua a 68 grados Fahrenheit"};
inline constexpr Enumerator kInchesOfMercury{
    2, "inHg",
    "Inches of Mercury at 0 Degrees Celsius  |de|Zoll Quecksilbersäule bei 0 Grad Celsius  "
    "|fr|Pouces de mercure à 0 degré Celsius  |it|Pollici di mercurio a 0 gradi Celsius  "
    "|es|Pulgadas de mercurio a 0 grados Celsius"};
inline constexpr Enumerator kFeetOfWater{
    3, "ftH2O",
    "Feet of Water at 68 Degrees Fahrenheit  |de|Fuß Wassersäule bei 68 Grad Fahrenheit  "
    "|fr|Pieds d'eau à 68 degrés Fahrenheit  |it|Piedi d'acqua a 68 gradi Fahrenheit  "
    "|es|Pies de agua a 68 grados Fahrenheit"};
inline constexpr Enumerator kMillimetersOfWater{
    4, "mmH2O",
    "Millimeters of Water at 68 Degrees Fahrenheit  "
    "|de|Millimeter Wassersäule bei 68 Grad Fahrenheit  "
    "|fr|Millimètres d'eau à 68 degrés Fahrenheit  "
    "|it|Millimetri d'acqua a 68 gradi Fahrenheit  "
    "|es|Milímetros de agua a 68 grados Fahrenheit"};
inline constexpr Enumerator kMillimetersOfMercury{
    5, "mmHg",
    "Millimeters of Mercury at 0 Degrees Celsius  "
    "|de|Millimeter Quecksilbersäule bei 0 Grad Celsius  "
    "|fr|Millimètres de mercure à 0 degré Celsius  "
    "|it|Millimetri di mercurio a 0 gradi Celsius  "
    "|es|Milímetros de mercurio a 0 grados Celsius"};
inline constexpr Enumerator kPoundsPerSquareInch{
    6, "psi",
    "Pounds Per Square Inch  |de|Pfund pro Quadratzoll  |fr|Livres par pouce carré  "
    "|it|Libbre per pollice quadrato  |es|Libras por pulgada cuadrada"};
inline constexpr Enumerator kBar{7, "bar", "Bar  |de|Bar  |fr|Bars  |it|Bar  |es|Bares"};
inline constexpr Enumerator kMillibar{
    8, "mbar", "Millibar  |de|Millibar  |fr|Millibars  |it|Millibar  |es|Milibares"};
inline constexpr Enumerator kGramsPerSquareCentimeter{
    9, "g/cm²  |de|g/cm²  |fr|g/cm²  |it|g/cm²  |es|g/cm²",
    "Grams Per Square Centimeter  |de|Gramm pro Quadratzentimeter  "
    "|fr|Grammes par centimètre carré  |it|Grammi per centimetro quadrato  "
    "|es|Gramos por centímetro cuadrado"};
inline constexpr Enumerator kKilogramsPerSquareCentimeter{
    10, "kg/cm²  |de|kg/cm²  |fr|kg/cm²  |it|kg/cm²  |es|kg/cm²",
    "Kilograms Per Square Centimeter  |de|Kilogramm pro Quadratzentimeter  "
    "|fr|Kilogrammes par centimètre carré  |it|Chilogrammi per centimetro quadrato  "
    "|es|Kilogramos por centímetro cuadrado"};
inline constexpr Enumerator kPascals{11, "Pa",
                                     "Pascals  |de|Pascal  |fr|Pascals  |it|Pascal  |es|Pascales"};
inline constexpr Enumerator kKilopascals{
    12, "kPa", "Kilopascals  |de|Kilopascal  |fr|Kilopascals  |it|Kilopascal  |es|Kilopascales"};
inline constexpr Enumerator kTorr{
    13, "torr",
    "Torr at 0 Degrees Celsius  |de|Torr bei 0 Grad Celsius  |fr|Torrs à 0 degré Celsius  "
    "|it|Torr a 0 gradi Celsius  |es|Torr a 0 grados Celsius"};
inline constexpr Enumerator kAtmospheres{
    14, "atm", "Atmospheres  |de|Atmosphären  |fr|Atmosphères  |it|Atmosfere  |es|Atmósferas"};
inline constexpr Enumerator kMegapascals{
    237, "MPa", "Megapascals  |de|Megapascal  |fr|Mégapascals  |it|Megapascal  |es|Megapascales"};
inline constexpr Enumerator kInchesOfWaterAt4DegC{
    238,
    "inH2O (4 DegC)  |de|inH2O (4 DegC)  |fr|inH2O (4 DegC)  |it|inH2O (4 DegC)  "
    "|es|inH2O (4 DegC)",
    "Inches of Water at 4 Degrees Celsius  |de|Zoll Wassersäule bei 4 Grad Celsius  "
    "|fr|Pouces d'eau à 4 degrés Celsius  |it|Pollici d'acqua a 4 gradi Celsius  "
    "|es|Pulgadas de agua a 4 grados Celsius"};
inline constexpr Enumerator kMillimetersOfWaterAt4DegC{
    239,
    "mmH2O (4DegC)  |de|mmH2O (4DegC)  |fr|mmH2O (4DegC)  |it|mmH2O (4DegC)  "
    "|es|mmH2O (4DegC)",
    "Millimeters of Water at 4 Degrees Celsius  "
    "|de|Millimeter Wassersäule bei 4 Grad Celsius  "
    "|fr|Millimètres d'eau à 4 degrés Celsius  |it|Millimetri d'acqua a 4 gradi Celsius  "
    "|es|Milímetros de agua a 4 grados Celsius"};

// Volume flow, beside the volume-flow units of the flow rate.
inline constexpr Enumerator kMillionGallonsPerDay{
    23, "MMgal/d  |de|MMgal/d  |fr|MMgal/j  |it|MMgal/g  |es|MMgal/d",
    "Million Gallons Per Day  |de|Millionen Gallonen pro Tag  "
    "|fr|Millions de gallons par jour  |it|Milioni di galloni al giorno  "
    "|es|Millones de galones por día"};
inline constexpr Enumerator kMillionLitersPerDay{
    25, "MML/d  |de|MML/d  |fr|MML/j  |it|MML/g  |es|MML/d",
    "Million Liters Per Day  |de|Millionen Liter pro Tag  |fr|Millions de litres par jour  "
    "|it|Milioni di litri al giorno  |es|Millones de litros por día"};
inline constexpr Enumerator kCubicFeetPerDay{
    27, "ft³/d  |de|ft³/d  |fr|ft³/j  |it|ft³/g  |es|ft³/d",
    "Cubic Feet Per Day  |de|Kubikfuß pro Tag  |fr|Pieds cubes par jour  "
    "|it|Piedi cubi al giorno  |es|Pies cúbicos por día"};
inline constexpr Enumerator kCubicMetersPerDay{
    29, "m³/d  |de|m³/d  |fr|m³/j  |it|m³/g  |es|m³/d",
    "Cubic Meters Per Day  |de|Kubikmeter pro Tag  |fr|Mètres cubes par jour  "
    "|it|Metri cubi al giorno  |es|Metros cúbicos por día"};
inline constexpr Enumerator kImperialGallonsPerDay{
    31, "Impgal/d  |de|Impgal/d  |fr|Impgal/j  |it|Impgal/g  |es|Galones imperiales/d",
    "Imperial Gallons Per Day  |de|Imperial-Gallonen pro Tag  "
    "|fr|Gallons impériaux par jour  |it|Galloni imperiali al giorno  "
    "|es|Galones imperiales por día"};
inline constexpr Enumerator kNormalCubicMetersPerHour{
    121, "Nm³/h  |de|Nm³/h  |fr|Nm³/h  |it|Nm³/h  |es|Nm³/h",
    "Normal cubic meters (at 273.15 degrees Kelvin, 101.325 kilopascals)   per hour.  "
    "|de|Normkubikmeter (bei 273,15 Kelvin, 101,325 Kilopascal) pro Stunde.  "
    "|fr|Mètres cubes normaux (à 273,15 kelvins, 101,325 kilopascals) par heure.  "
    "|it|Metri cubi normali (a 273,15 kelvin, 101,325 kilopascal) all'ora.  "
    "|es|Metros cúbicos normales (a 273,15 kelvin, 101,325 kilopascales) por hora."};
inline constexpr Enumerator kNormalLitersPerHour{
    122, "NmlL/h  |de|NmlL/h  |fr|NmlL/h  |it|NmlL/h  |es|NmlL/h",
    "Normal liters (at 273.15 degrees Kelvin, 101.325 kilo pascals)per hour.  "
    "|de|Normliter (bei 273,15 Kelvin, 101,325 Kilopascal) pro Stunde.  "
    "|fr|Litres normaux (à 273,15 kelvins, 101,325 kilopascals) par heure.  "
    "|it|Litri normali (a 273,15 kelvin, 101,325 kilopascal) all'ora.  "
    "|es|Litros normales (a 273,15 kelvin, 101,325 kilopascales) por hora."};
inline constexpr Enumerator kStandardCubicFeetPerMinute{
    123, "Stdft³/min  |de|Stdft³/min  |fr|Stdft³/min  |it|Stdft³/min  |es|Stdft³/min",
    "Cubic feet (at 32 degrees Fahrenheit, 1 Atmosphere) per minute.  "
    "|de|Kubikfuß (bei 32 Grad Fahrenheit, 1 Atmosphäre) pro Minute.  "
    "|fr|Pieds cubes (à 32 degrés Fahrenheit, 1 atmosphère) par minute.  "
    "|it|Piedi cubi (a 32 gradi Fahrenheit, 1 atmosfera) al minuto.  "
    "|es|Pies cúbicos (a 32 grados Fahrenheit, 1 atmósfera) por minuto."};
inline constexpr Enumerator kBarrelsPerSecond{
    132, "bbl/s",
    "Barrels Per Second  |de|Barrel pro Sekunde  |fr|Barils par seconde  "
    "|it|Barili al secondo  |es|Barriles por segundo"};
inline constexpr Enumerator kBarrelsPerMinute{
    133, "bbl/min",
    "Barrels Per Minute  |de|Barrel pro Minute  |fr|Barils par minute  |it|Barili al minuto  "
    "|es|Barriles por minuto"};
inline constexpr Enumerator kBarrelsPerHour{
    134, "bbl/h",
    "Barrels Per Hour  |de|Barrel pro Stunde  |fr|Barils par heure  |it|Barili all'ora  "
    "|es|Barriles por hora"};
inline constexpr Enumerator kBarrelsPerDay{
    135, "bbl/d  |de|bbl/d  |fr|bbl/j  |it|bbl/g  |es|bbl/d",
    "Barrels Per Day  |de|Barrel pro Tag  |fr|Barils par jour  |it|Barili al giorno  "
    "|es|Barriles por día"};
inline constexpr Enumerator kGallonsPerDay{
    235, "gal/d  |de|gal/d  |fr|gal/j  |it|gal/g  |es|gal/d",
    "Gallons Per Day  |de|Gallonen pro Tag  |fr|Gallons par jour  |it|Galloni al giorno  "
    "|es|Galones por día"};

// Velocity.
inline constexpr Enumerator kFeetPerSecond{
    20, "ft/s",
    "Feet Per Second  |de|Fuß pro Sekunde  |fr|Pieds par seconde  |it|Piedi al secondo  "
    "|es|Pies por segundo"};
inline constexpr Enumerator kMetersPerSecond{
    21, "m/s",
    "Meters Per Second  |de|Meter pro Sekunde  |fr|Mètres par seconde  |it|Metri al secondo  "
    "|es|Metros por segundo"};
inline constexpr Enumerator kInchesPerSecond{
    114, "in/s",
    "Inches Per Second  |de|Zoll pro Sekunde  |fr|Pouces par seconde  "
    "|it|Pollici al secondo  |es|Pulgadas por segundo"};
inline constexpr Enumerator kInchesPerMinute{
    115, "in/min",
    "Inches Per Minute  |de|Zoll pro Minute  |fr|Pouces par minute  |it|Pollici al minuto  "
    "|es|Pulgadas por minuto"};
inline constexpr Enumerator kFeetPerMinute{
    116, "ft/min",
    "Feet Per Minute  |de|Fuß pro Minute  |fr|Pieds par minute  |it|Piedi al minuto  "
    "|es|Pies por minuto"};
inline constexpr Enumerator kMetersPerHour{
    120, "m/h",
    "Meters Per Hour  |de|Meter pro Stunde  |fr|Mètres par heure  |it|Metri all'ora  "
    "|es|Metros por hora"};

// Volume.
inline constexpr Enumerator kGallons{
    40, "gal", "Gallons  |de|Gallonen  |fr|Gallons  |it|Galloni  |es|Galones"};
inline constexpr Enumerator kLiters{41, "l",
                                    "Liters  |de|Liter  |fr|Litres  |it|Litri  |es|Litros"};
inline constexpr Enumerator kImperialGallons{
    42, "Impgal  |fr|Impgal  |it|Impgal  |es|Galones imperiales",
    "Imperial Gallons  |de|Imperial-Gallonen  |fr|Gallons impériaux  |it|Galloni imperiali  "
    "|es|Galones imperiales"};
inline constexpr Enumerator kCubicMeters{
    43, "m³  |de|m³  |fr|m³  |it|m³  |es|m³",
    "Cubic Meters  |de|Kubikmeter  |fr|Mètres cubes  |it|Metri cubi  |es|Metros cúbicos"};
inline constexpr Enumerator kBarrels{46, "bbl",
                                     "Barrels  |de|Barrel  |fr|Barils  |it|Barili  |es|Barriles"};
inline constexpr Enumerator kBushels{110, "bush",
                                     "Bushels  |de|Bushel  |fr|Boisseaux  |it|Staia  |es|Bushels"};
inline constexpr Enumerator kCubicYards{
    111, "yd³  |de|yd³  |fr|yd³  |it|yd³  |es|yd³",
    "Cubic Yards  |de|Kubikyard  |fr|Yards cubes  |it|Iarde cubiche  |es|Yardas cúbicas"};
inline constexpr Enumerator kCubicFeet{
    112, "ft³  |de|ft³  |fr|ft³  |it|ft³  |es|ft³",
    "Cubic Feet  |de|Kubikfuß  |fr|Pieds cubes  |it|Piedi cubi  |es|Pies cúbicos"};
inline constexpr Enumerator kCubicInches{
    113, "in³  |de|in³  |fr|in³  |it|in³  |es|in³",
    "Cubic Inches  |de|Kubikzoll  |fr|Pouces cubes  |it|Pollici cubi  |es|Pulgadas cúbicas"};
inline constexpr Enumerator kLiquidBarrels{
    124, "bbl(liq)  |de|bbl(liq)  |fr|bbl(liq)  |it|bbl(liq)  |es|bbl(liq)",
    "Liquid barrel.  |de|Flüssigkeitsbarrel.  |fr|Baril de liquide.  |it|Barile di liquido.  "
    "|es|Barril de líquido."};
inline constexpr Enumerator kNormalCubicMeters{
    166, "Nm³  |de|Nm³  |fr|Nm³  |it|Nm³  |es|Nm³",
    "Normal cubic meter (at 273.15 degrees Kelvin, 101.325 kilopascals).  "
    "|de|Normkubikmeter (bei 273,15 Kelvin, 101,325 Kilopascal).  "
    "|fr|Mètre cube normal (à 273,15 kelvins, 101,325 kilopascals).  "
    "|it|Metro cubo normale (a 273,15 kelvin, 101,325 kilopascal).  "
    "|es|Metro cúbico normal (a 273,15 kelvin, 101,325 kilopascales)."};
inline constexpr Enumerator kNormalLiters{
    167, "NmlL  |de|NmlL  |fr|NmlL  |it|NmlL  |es|NmlL",
    "Normal liters (at 273.15 degrees Kelvin, 101.325 kilopascals).  "
    "|de|Normliter (bei 273,15 Kelvin, 101,325 Kilopascal).  "
    "|fr|Litres normaux (à 273,15 kelvins, 101,325 kilopascals).  "
    "|it|Litri normali (a 273,15 kelvin, 101,325 kilopascal).  "
    "|es|Litros normales (a 273,15 kelvin, 101,325 kilopascales)."};
inline constexpr Enumerator kStandardCubicFeet{
    168, "Stdft³  |de|Stdft³  |fr|Stdft³  |it|Stdft³  |es|Stdft³",
    "Cubic feet (at 32 degrees Fahrenheit, 1 Atmosphere).  "
    "|de|Kubikfuß (bei 32 Grad Fahrenheit, 1 Atmosphäre).  "
    "|fr|Pieds cubes (à 32 degrés Fahrenheit, 1 atmosphère).  "
    "|it|Piedi cubi (a 32 gradi Fahrenheit, 1 atmosfera).  "
    "|es|Pies cúbicos (a 32 grados Fahrenheit, 1 atmósfera)."};
inline constexpr Enumerator kHectoliters{
    236, "hl", "Hectoliters  |de|Hektoliter  |fr|Hectolitres  |it|Ettolitri  |es|Hectolitros"};

// Length.
inline constexpr Enumerator kFeet{44, "ft", "Feet  |de|Fuß  |fr|Pieds  |it|Piedi  |es|Pies"};
inline constexpr Enumerator kMeters{45, "m",
                                    "Meters  |de|Meter  |fr|Mètres  |it|Metri  |es|Metros"};
inline constexpr Enumerator kInches{47, "inch  |de|Zoll",
                                    "Inches  |de|Zoll  |fr|Pouces  |it|Pollici  |es|Pulgadas"};
inline constexpr Enumerator kCentimeters{
    48, "cm", "Centimeters  |de|Zentimeter  |fr|Centimètres  |it|Centimetri  |es|Centímetros"};
inline constexpr Enumerator kMillimeters{
    49, "mm", "Millimeters  |de|Millimeter  |fr|Millimètres  |it|Millimetri  |es|Milímetros"};

// Time.
inline constexpr Enumerator kMinutes{50, "min  |de|min  |fr|min  |it|min  |es|min",
                                     "Minutes  |de|Minuten  |fr|Minutes  |it|Minuti  |es|Minutos"};
inline constexpr Enumerator kSeconds{
    51, "s", "Seconds  |de|Sekunden  |fr|Secondes  |it|Secondi  |es|Segundos"};
inline constexpr Enumerator kHours{52, "h  |de|h  |fr|h  |it|h  |es|h",
                                   "Hours  |de|Stunden  |fr|Heures  |it|Ore  |es|Horas"};
inline constexpr Enumerator kDays{53, "d  |de|d  |fr|j  |it|g  |es|d",
                                  "Days  |de|Tage  |fr|Jours  |it|Giorni  |es|Días"};

// Mass.
inline constexpr Enumerator kGrams{60, "g",
                                   "Grams  |de|Gramm  |fr|Grammes  |it|Grammi  |es|Gramos"};
inline constexpr Enumerator kKilograms{
    61, "kg", "Kilograms  |de|Kilogramm  |fr|Kilogrammes  |it|Chilogrammi  |es|Kilogramos"};
inline constexpr Enumerator kMetricTons{
    62, "MetTon  |de|t  |fr|t  |it|t  |es|t",
    "Metric Tons  |de|Metrische Tonnen  |fr|Tonnes métriques  |it|Tonnellate metriche  "
    "|es|Toneladas métricas"};
inline constexpr Enumerator kPounds{63, "lb",
                                    "Pounds  |de|Pfund  |fr|Livres  |it|Libbre  |es|Libras"};
inline constexpr Enumerator kShortTons{
    64, "STon  |de|STon  |fr|STon  |it|STon  |es|STon",
    "Short Tons (2000 Pounds)  |de|Amerikanische Tonnen (2000 Pfund)  "
    "|fr|Tonnes courtes (2000 livres)  |it|Tonnellate corte (2000 libbre)  "
    "|es|Toneladas cortas (2000 libras)"};
inline constexpr Enumerator kLongTons{
    65, "LTon  |de|LTon  |fr|LTon  |it|LTon  |es|LTon",
    "Long Tons (2240 Pounds)  |de|Britische Tonnen (2240 Pfund)  "
    "|fr|Tonnes longues (2240 livres)  |it|Tonnellate lunghe (2240 libbre)  "
    "|es|Toneladas largas (2240 libras)"};
inline constexpr Enumerator kOunces{
    125, "ounce  |de|Unze  |fr|once  |it|oncia  |es|onza",
    "Ounce of weight, on Earth (Avoirdupois).  |de|Gewichtsunze auf der Erde (Avoirdupois).  "
    "|fr|Once de poids, sur Terre (avoirdupois).  "
    "|it|Oncia di peso, sulla Terra (avoirdupois).  "
    "|es|Onza de peso, en la Tierra (avoirdupois)."};

// Mass flow.
inline constexpr Enumerator kGramsPerSecond{
    70, "g/s",
    "Grams Per Second  |de|Gramm pro Sekunde  |fr|Grammes par seconde  "
    "|it|Grammi al secondo  |es|Gramos por segundo"};
inline constexpr Enumerator kGramsPerMinute{
    71, "g/min",
    "Grams Per Minute  |de|Gramm pro Minute  |fr|Grammes par minute  |it|Grammi al minuto  "
    "|es|Gramos por minuto"};
inline constexpr Enumerator kGramsPerHour{
    72, "g/h",
    "Grams Per Hour  |de|Gramm pro Stunde  |fr|Grammes par heure  |it|Grammi all'ora  "
    "|es|Gramos por hora"};
inline constexpr Enumerator kKilogramsPerSecond{
    73, "kg/s",
    "Kilograms Per Second  |de|Kilogramm pro Sekunde  |fr|Kilogrammes par seconde  "
    "|it|Chilogrammi al secondo  |es|Kilogramos por segundo"};
inline constexpr Enumerator kKilogramsPerMinute{
    74, "kg/min",
    "Kilograms Per Minute  |de|Kilogramm pro Minute  |fr|Kilogrammes par minute  "
    "|it|Chilogrammi al minuto  |es|Kilogramos por minuto"};
inline constexpr Enumerator kKilogramsPerHour{
    75, "kg/h",
    "Kilograms Per Hour  |de|Kilogramm pro Stunde  |fr|Kilogrammes par heure  "
    "|it|Chilogrammi all'ora  |es|Kilogramos por hora"};
inline constexpr Enumerator kKilogramsPerDay{
    76, "kg/d  |de|kg/d  |fr|kg/j  |it|kg/g  |es|kg/d",
    "Kilograms Per Day  |de|Kilogramm pro Tag  |fr|Kilogrammes par jour  "
    "|it|Chilogrammi al giorno  |es|Kilogramos por día"};
inline constexpr Enumerator kMetricTonsPerMinute{
    77, "MetTon/min  |de|t/min  |fr|t/min  |it|t/min  |es|t/min",
    "Metric Tons Per Minute  |de|Metrische Tonnen pro Minute  "
    "|fr|Tonnes métriques par minute  |it|Tonnellate metriche al minuto  "
    "|es|Toneladas métricas por minuto"};
inline constexpr Enumerator kMetricTonsPerHour{
    78, "MetTon/h  |de|t/h  |fr|t/h  |it|t/h  |es|t/h",
    "Metric Tons Per Hour  |de|Metrische Tonnen pro Stunde  |fr|Tonnes métriques par heure  "
    "|it|Tonnellate metriche all'ora  |es|Toneladas métricas por hora"};
inline constexpr Enumerator kMetricTonsPerDay{
    79, "MetTon/d  |de|t/d  |fr|t/j  |it|t/g  |es|t/d",
    "Metric Tons Per Day  |de|Metrische Tonnen pro Tag  |fr|Tonnes métriques par jour  "
    "|it|Tonnellate metriche al giorno  |es|Toneladas métricas por día"};
inline constexpr Enumerator kPoundsPerSecond{
    80, "lb/s",
    "Pounds Per Second  |de|Pfund pro Sekunde  |fr|Livres par seconde  "
    "|it|Libbre al secondo  |es|Libras por segundo"};
inline constexpr Enumerator kPoundsPerMinute{
    81, "lb/min",
    "Pounds Per Minute  |de|Pfund pro Minute  |fr|Livres par minute  |it|Libbre al minuto  "
    "|es|Libras por minuto"};
inline constexpr Enumerator kPoundsPerHour{
    82, "lb/h",
    "Pounds Per Hour  |de|Pfund pro Stunde  |fr|Livres par heure  |it|Libbre all'ora  "
    "|es|Libras por hora"};
inline constexpr Enumerator kPoundsPerDay{
    83, "lb/d  |de|lb/d  |fr|lb/j  |it|lb/g  |es|lb/d",
    "Pounds Per Day  |de|Pfund pro Tag  |fr|Livres par jour  |it|Libbre al giorno  "
    "|es|Libras por día"};
inline constexpr Enumerator kShortTonsPerMinute{
    84, "STon/min  |de|STon/min  |fr|STon/min  |it|STon/min  |es|STon/min",
    "Short Tons Per Minute  |de|Amerikanische Tonnen pro Minute  "
    "|fr|Tonnes courtes par minute  |it|Tonnellate corte al minuto  "
    "|es|Toneladas cortas por minuto"};
inline constexpr Enumerator kShortTonsPerHour{
    85, "STon/h  |de|STon/h  |fr|STon/h  |it|STon/h  |es|STon/h",
    "Short Tons Per Hour  |de|Amerikanische Tonnen pro Stunde  |fr|Tonnes courtes par heure  "
    "|it|Tonnellate corte all'ora  |es|Toneladas cortas por hora"};
inline constexpr Enumerator kShortTonsPerDay{
    86, "STon/d  |de|STon/d  |fr|STon/j  |it|STon/g  |es|STon/d",
    "Short Tons Per Day  |de|Amerikanische Tonnen pro Tag  |fr|Tonnes courtes par jour  "
    "|it|Tonnellate corte al giorno  |es|Toneladas cortas por día"};
inline constexpr Enumerator kLongTonsPerHour{
    87, "LTon/h  |de|LTon/h  |fr|LTon/h  |it|LTon/h  |es|LTon/h",
    "Long Tons Per Hour  |de|Britische Tonnen pro Stunde  |fr|Tonnes longues par heure  "
    "|it|Tonnellate lunghe all'ora  |es|Toneladas largas por hora"};
inline constexpr Enumerator kLongTonsPerDay{
    88, "LTon/d  |de|LTon/d  |fr|LTon/j  |it|LTon/g  |es|LTon/d",
    "Long Tons Per Day  |de|Britische Tonnen pro Tag  |fr|Tonnes longues par jour  "
    "|it|Tonnellate lunghe al giorno  |es|Toneladas largas por día"};

// Density.
inline constexpr Enumerator kSpecificGravityUnits{
    90, "SGU",
    "Specific Gravity Units  |de|Einheiten der relativen Dichte  "
    "|fr|Unités de densité relative  |it|Unità di peso specifico  "
    "|es|Unidades de gravedad específica"};
inline constexpr Enumerator kGramsPerCubicCentimeter{
    91, "g/cm³  |de|g/cm³  |fr|g/cm³  |it|g/cm³  |es|g/cm³",
    "Grams Per Cubic Centimeter  |de|Gramm pro Kubikzentimeter  "
    "|fr|Grammes par centimètre cube  |it|Grammi per centimetro cubo  "
    "|es|Gramos por centímetro cúbico"};
inline constexpr Enumerator kKilogramsPerCubicMeter{
    92, "kg/m³  |de|kg/m³  |fr|kg/m³  |it|kg/m³  |es|kg/m³",
    "Kilograms Per Cubic Meter  |de|Kilogramm pro Kubikmeter  "
    "|fr|Kilogrammes par mètre cube  |it|Chilogrammi per metro cubo  "
    "|es|Kilogramos por metro cúbico"};
inline constexpr Enumerator kPoundsPerGallon{
    93, "lb/gal",
    "Pounds Per Gallon  |de|Pfund pro Gallone  |fr|Livres par gallon  "
    "|it|Libbre per gallone  |es|Libras por galón"};
inline constexpr Enumerator kPoundsPerCubicFoot{
    94, "lb/ft³  |de|lb/ft³  |fr|lb/ft³  |it|lb/ft³  |es|lb/ft³",
    "Pounds Per Cubic Foot  |de|Pfund pro Kubikfuß  |fr|Livres par pied cube  "
    "|it|Libbre per piede cubo  |es|Libras por pie cúbico"};
inline constexpr Enumerator kGramsPerMilliliter{
    95, "g/mL",
    "Grams Per Milliliter  |de|Gramm pro Milliliter  |fr|Grammes par millilitre  "
    "|it|Grammi per millilitro  |es|Gramos por mililitro"};
inline constexpr Enumerator kKilogramsPerLiter{
    96, "kg/L",
    "Kilograms Per liter  |de|Kilogramm pro Liter  |fr|Kilogrammes par litre  "
    "|it|Chilogrammi per litro  |es|Kilogramos por litro"};
inline constexpr Enumerator kGramsPerLiter{
    97, "g/L",
    "Grams Per Liter  |de|Gramm pro Liter  |fr|Grammes par litre  |it|Grammi per litro  "
    "|es|Gramos por litro"};
inline constexpr Enumerator kPoundsPerCubicInch{
    98, "lb/in³  |de|lb/in³  |fr|lb/in³  |it|lb/in³  |es|lb/in³",
    "Pounds Per Cubic Inch  |de|Pfund pro Kubikzoll  |fr|Livres par pouce cube  "
    "|it|Libbre per pollice cubo  |es|Libras por pulgada cúbica"};
inline constexpr Enumerator kShortTonsPerCubicYard{
    99, "STon/yd³  |de|STon/yd³  |fr|STon/yd³  |it|STon/yd³  |es|STon/yd³",
    "Short Tons Per Cubic Yard  |de|Amerikanische Tonnen pro Kubikyard  "
    "|fr|Tonnes courtes par yard cube  |it|Tonnellate corte per iarda cubica  "
    "|es|Toneladas cortas por yarda cúbica"};
inline constexpr Enumerator kDegreesTwaddell{
    100, "degTwad  |de|degTwad  |fr|degTwad  |it|degTwad  |es|degTwad",
    "Degrees Twaddell  |de|Grad Twaddell  |fr|Degrés Twaddell  |it|Gradi Twaddell  "
    "|es|Grados Twaddell"};
inline constexpr Enumerator kDegreesBaumeHeavy{
    102, "degBaum hv  |fr|degBaum hv  |it|degBaum hv  |es|degBaum hv",
    "Degrees Baume Heavy  |de|Grad Baumé schwer  |fr|Degrés Baumé lourd  "
    "|it|Gradi Baumé pesante  |es|Grados Baumé pesado"};
inline constexpr Enumerator kDegreesBaumeLight{
    103, "degBaum lt  |fr|degBaum lt  |it|degBaum lt  |es|degBaum lt",
    "Degrees Baume Light  |de|Grad Baumé leicht  |fr|Degrés Baumé léger  "
    "|it|Gradi Baumé leggero  |es|Grados Baumé ligero"};
inline constexpr Enumerator kDegreesApi{
    104, "degAPI  |fr|degAPI  |it|degAPI  |es|degAPI",
    "Degrees API  |de|Grad API  |fr|Degrés API  |it|Gradi API  |es|Grados API"};

// Viscosity.
inline constexpr Enumerator kCentistokes{
    54, "cSt", "Centistokes  |de|Zentistokes  |fr|Centistokes  |it|Centistokes  |es|Centistokes"};
inline constexpr Enumerator kCentipoise{
    55, "cP  |de|cP  |fr|cP  |it|cP  |es|cP",
    "Centipoise  |fr|Centipoises  |it|Centipoise  |es|Centipoises"};

// Electrical.
inline constexpr Enumerator kMillivolts{
    36, "mV", "Millivolts  |de|Millivolt  |fr|Millivolts  |it|Millivolt  |es|Milivoltios"};
inline constexpr Enumerator kVolts{58, "V", "Volts  |de|Volt  |fr|Volts  |it|Volt  |es|Voltios"};
inline constexpr Enumerator kMilliamperes{
    39, "mA", "Milliamperes  |de|Milliampere  |fr|Milliampères  |it|Milliampere  |es|Miliamperios"};
inline constexpr Enumerator kOhms{37, "Ohm  |de|Ohm  |fr|Ohm  |it|Ohm  |es|Ohm",
                                  "Ohms  |de|Ohm  |fr|Ohms  |it|Ohm  |es|Ohmios"};
inline constexpr Enumerator kKiloohms{163, "kOhm", "kOhm"};

// Torque, energy and power.
inline constexpr Enumerator kNewtonMeters{
    69, "Nm",
    "Newton meter  |de|Newtonmeter  |fr|Newton-mètre  |it|Newton metro  |es|Newton metro"};
inline constexpr Enumerator kDekatherms{
    89, "datherm", "Deka therm.  |de|Dekatherm.  |fr|Décatherm.  |it|Decatherm.  |es|Decatermia."};
inline constexpr Enumerator kFootPoundsForce{
    126, "ft lbf  |fr|ft lbf  |it|ft lbf  |es|ft lbf",
    "Foot pound force.  |it|Piede libbra forza.  |es|Pie libra fuerza."};
inline constexpr Enumerator kKilowattHours{
    128, "kWh",
    "Kilo watt hours.  |de|Kilowattstunden.  |fr|Kilowattheures.  |it|Chilowattora.  "
    "|es|Kilovatios hora."};
inline constexpr Enumerator kMegajoules{
    164, "MJ", "Mega Joules.  |de|Megajoule.  |fr|Mégajoules.  |it|Megajoule.  |es|Megajulios."};
inline constexpr Enumerator kBritishThermalUnits{
    165, "Btu",
    "British thermal unit.  |de|Britische Wärmeeinheit.  |fr|Unité thermique britannique.  "
    "|it|Unità termica britannica.  |es|Unidad térmica británica."};
inline constexpr Enumerator kMegacalories{
    162, "Mcal",
    "Mega calories.  |de|Megakalorien.  |fr|Mégacalories.  |it|Megacalorie.  "
    "|es|Megacalorías."};
inline constexpr Enumerator kKilowatts{
    127, "kW", "Kilo watts.  |de|Kilowatt.  |fr|Kilowatts.  |it|Chilowatt.  |es|Kilovatios."};
inline constexpr Enumerator kHorsepower{
    129, "hp  |de|hp  |fr|hp  |it|hp  |es|hp",
    "UK Horsepower (550 ft lbf/s).  |de|Britische Pferdestärke (550 ft lbf/s).  "
    "|fr|Cheval-vapeur britannique (550 ft lbf/s).  "
    "|it|Cavallo vapore britannico (550 ft lbf/s).  "
    "|es|Caballo de fuerza británico (550 ft lbf/s)."};
inline constexpr Enumerator kMegacaloriesPerHour{
    140, "Mcal/h",
    "Mega calories per hour.  |de|Megakalorien pro Stunde.  |fr|Mégacalories par heure.  "
    "|it|Megacalorie all'ora.  |es|Megacalorías por hora."};
inline constexpr Enumerator kMegajoulesPerHour{
    141, "MJ/h",
    "Mega Joules per hour.  |de|Megajoule pro Stunde.  |fr|Mégajoules par heure.  "
    "|it|Megajoule all'ora.  |es|Megajulios por hora."};
inline constexpr Enumerator kBritishThermalUnitsPerHour{
    142, "Btu/h",
    "British thermal unit per hour.  |de|Britische Wärmeeinheit pro Stunde.  "
    "|fr|Unité thermique britannique par heure.  |it|Unità termica britannica all'ora.  "
    "|es|Unidad térmica británica por hora."};

// Other units.
inline constexpr Enumerator kHertz{38, "Hz", "Hertz"};
inline constexpr Enumerator kMicromhos{
    56, "µMho  |de|µMho  |fr|µMho  |it|µMho  |es|µMho",
    "Microsiemens  |de|Mikrosiemens  |fr|Microsiemens  |it|Microsiemens  |es|Microsiemens"};
inline constexpr Enumerator kPercent{
    57, "%", "Percent  |de|Prozent  |fr|Pour cent  |it|Percento  |es|Por ciento"};
inline constexpr Enumerator kPh{
    59, "pH", "pH-Value  |de|pH-Wert  |fr|Valeur pH  |it|Valore pH  |es|Valor pH"};
inline constexpr Enumerator kMillisiemensPerCentimeter{
    66, "mS/cm",
    "Millisiemens per centimeter  |de|Millisiemens pro Zentimeter  "
    "|fr|Millisiemens par centimètre  |it|Millisiemens per centimetro  "
    "|es|Milisiemens por centímetro"};
inline constexpr Enumerator kMicrosiemensPerCentimeter{
    67, "µS/cm",
    "Microsiemens per centimeter  |de|Mikrosiemens pro Zentimeter  "
    "|fr|Microsiemens par centimètre  |it|Microsiemens per centimetro  "
    "|es|Microsiemens por centímetro"};
inline constexpr Enumerator kNewtons{68, "N", "Newton"};
inline constexpr Enumerator kDegreesBrix{
    101, "degBrix  |fr|degBrix  |it|degBrix  |es|degBrix",
    "Degrees Brix  |de|Grad Brix  |fr|Degrés Brix  |it|Gradi Brix  |es|Grados Brix"};
inline constexpr Enumerator kPercentSolidsPerWeight{
    105, "% sol-wt  |de|% Fest-Gew  |fr|% sol-poids  |it|% sol-peso  |es|% sól-peso",
    "Percent Solids Per Weight  |de|Prozent Feststoffe nach Gewicht  "
    "|fr|Pourcentage de solides en poids  |it|Percentuale di solidi in peso  "
    "|es|Porcentaje de sólidos en peso"};
inline constexpr Enumerator kPercentSolidsPerVolume{
    106, "% sol-vol  |de|% Fest-Vol  |fr|% sol-vol  |it|% sol-vol  |es|% sól-vol",
    "Percent Solids Per Volume  |de|Prozent Feststoffe nach Volumen  "
    "|fr|Pourcentage de solides en volume  |it|Percentuale di solidi in volume  "
    "|es|Porcentaje de sólidos en volumen"};
inline constexpr Enumerator kDegreesBalling{
    107, "degBall  |fr|degBall  |it|degBall  |es|degBall",
    "Degrees Balling  |de|Grad Balling  |fr|Degrés Balling  |it|Gradi Balling  "
    "|es|Grados Balling"};
inline constexpr Enumerator kProofPerVolume{
    108, "proof/vol  |fr|proof/vol  |it|proof/vol  |es|proof/vol",
    "Proof Per Volume  |de|Proof pro Volumen  |fr|Proof par volume  |it|Proof per volume  "
    "|es|Proof por volumen"};
inline constexpr Enumerator kProofPerMass{
    109, "proof/mass  |fr|proof/masse  |it|proof/massa  |es|proof/masa",
    "Proof Per Mass  |de|Proof pro Masse  |fr|Proof par masse  |it|Proof per massa  "
    "|es|Proof por masa"};
inline constexpr Enumerator kPartsPerMillion{
    139, "ppm",
    "Parts per million.  |de|Teile pro Million.  |fr|Parties par million.  "
    "|it|Parti per milione.  |es|Partes por millón."};
inline constexpr Enumerator kPercentSteamQuality{
    150, "% Stm Qual  |de|% Dampfqual  |fr|% qual vap  |it|% qual vap  |es|% cal vap",
    "Percent Steam Quality  |de|Prozent Dampfqualität  |fr|Pourcentage de qualité de vapeur  "
    "|it|Percentuale di qualità del vapore  |es|Porcentaje de calidad del vapor"};
inline constexpr Enumerator kFeetInchesSixteenths{
    151, "ft.in16  |fr|ft.in16  |it|ft.in16  |es|ft.in16", ""};
inline constexpr Enumerator kCubicFeetPerPound{
    152, "ft³/lb  |de|ft³/lb  |fr|ft³/lb  |it|ft³/lb  |es|ft³/lb",
    "Cubic Feet Per Pound  |de|Kubikfuß pro Pfund  |fr|Pieds cubes par livre  "
    "|it|Piedi cubi per libbra  |es|Pies cúbicos por libra"};
inline constexpr Enumerator kPicofarads{
    153, "pF", "Picofarads  |de|Picofarad  |fr|Picofarads  |it|Picofarad  |es|Picofaradios"};
inline constexpr Enumerator kPercentPlato{
    160, "% plato  |fr|% Plato  |it|% Plato  |es|% Plato",
    "Percent Plato  |de|Prozent Plato  |fr|Pourcentage Plato  |it|Percentuale Plato  "
    "|es|Porcentaje Plato"};

// Codes that name no unit.
inline constexpr Enumerator kNotUsedUnit{
    250, "Not used  |de|Nicht benutzt  |fr|Non utilisé  |it|Non usato  |es|No usado", ""};
inline constexpr Enumerator kNoUnit{251, "None  |de|Keine  |fr|Aucune  |it|Nessuna  |es|Ninguna",
                                    ""};
inline constexpr Enumerator kUnknownUnit{
    252, "Unknown  |de|Unbekannt  |fr|Inconnue  |it|Sconosciuta  |es|Desconocida", ""};
inline constexpr Enumerator kSpecialUnit{
    kUserDefined, "Special  |de|Spezial  |fr|Spéciale  |it|Speciale  |es|Especial", ""};
}  // namespace unit_codes
