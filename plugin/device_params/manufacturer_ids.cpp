// The manufacturer identification of the physical block: every manufacturer code with its
// company name.

#include "device_params/manufacturer_ids.h"

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"
#include "core/device_identity.h"

namespace device_params {
namespace {

// One company took over the codes of two others.
constexpr char kElsagBailey[] = "Elsag Bailey";

constexpr std::array<Enumerator, 113> kCompanyCodes = {{
    {1, "Acromag"},
    {2, "Allen Bradley"},
    {3, "Ametek"},
    {4, "Analog Devices"},
    {5, kElsagBailey},
    {6, "Beckman"},
    {7, "Bell Microsensor"},
    {8, "Bourns"},
    {9, "Bristol Babcock"},
    {10, "Brooks Instrument"},
    {11, "Chessell"},
    {12, "Combustion Engineering"},
    {13, "Daniel Industries"},
    {14, "Delta"},
    {15, "Dieterich Standard"},
    {16, "Dohrman"},
    {17, "Quennerby"},
    {18, kElsagBailey},
    {19, "Fisher Controls"},
    {20, "Foxboro"},
    {21, "Fuji"},
    {22, kElsagBailey},
    {23, "Honeywell"},
    {24, "ITT Barton"},
    {25, "Kay Ray/Sensall"},
    {26, "Kent"},
    {27, "Leeds & Northrup"},
    {28, "Leslie"},
    {29, "M-System Co."},
    {30, "Measurex"},
    {31, "Micro Motion"},
    {32, "Moore Industries"},
    {33, "Moore Products"},
    {34, "Ohkura Electric"},
    {35, "Paine"},
    {36, "Rochester Instrument Systems"},
    {37, "Ronan"},
    {38, "Rosemount"},
    {39, "Peek Measurement"},
    {40, "Schlumberger"},
    {41, "Sensall"},
    {42, "Siemens"},
    {43, "Weed"},
    {44, "Toshiba"},
    {45, "Transmation"},
    {46, "Rosemount Analytic"},
    {47, "Neles-Jamesbury"},
    {48, "Valtek"},
    {49, "Varec"},
    {50, "Viatran"},
    {51, "Delta/Weed"},
    {52, "Westinghouse"},
    {53, "Xomox"},
    {54, "Yamatake"},
    {55, "Yokogawa"},
    {56, "Nuovo Pignone"},
    {57, "Promac"},
    {58, "Exac Corporation"},
    {59, "Mobrey"},
    {60, "Arcom Control System"},
    {61, "Princo"},
    {62, "Smar"},
    {63, "Foxboro Eckardt"},
    {64, "Measurement Technology"},
    {65, "Applied System Technologies"},
    {66, "Samson"},
    {67, "Sparling Instruments"},
    {68, "Fireye"},
    {69, "Krohne"},
    {70, "Betz"},
    {71, "Druck"},
    {72, "SOR"},
    {73, "Elcon"},
    {74, "EMCO"},
    {75, "Termiflex"},
    {76, "VAF Instruments"},
    {77, "Westlock Controls"},
    {78, "Drexelbrook"},
    {79, "Saab Tank Control"},
    {80, "K-TEK"},
    {81, "SENSIDYNE"},
    {82, "Draeger"},
    {83, "Raytek"},
    {84, "Meridian Instruments"},
    {85, "BTG"},
    {86, "Magnetrol"},
    {87, "Metso Automation"},
    {88, "Milltronics"},
    {89, "HELIOS"},
    {90, "Anderson Instrument Company"},
    {91, "INOR"},
    {92, "ROBERTSHAW"},
    {93, "PEPPERL+FUCHS"},
    {94, "ACCUTECH"},
    {95, "Flow Measurement"},
    {96, "Courdon-Haenni"},
    {97, "Knick"},
    {98, "VEGA"},
    {99, "MTS Systems Corp."},
    {100, "Oval"},
    {101, "Masoneilan-Dresser"},
    {102, "BESTA"},
    {103, "Ohmart"},
    {104, "Harold Beck and Sons"},
    {105, "rittmeyer instrumentation"},
    {106, "Rossel Messtechnik"},
    {107, "WIKA"},
    {108, "Bopp & Reuther Heinrichs"},
    {109, "PR Electronics"},
    {110, "Jordan Controls"},
    {111, "Valcom s.r.l."},
    {112, "US ELECTRIC MOTORS"},
    {113, "Apparatebau Hundsbach"},
}};

}  // namespace

constexpr std::array<Enumerator, kManufacturerIdCount> kManufacturerIds =
    block_family::JoinEnumerators(kCompanyCodes, block_family::kReservedCodes);

}  // namespace device_params

// The highest enumerator index is given as 0, not as the highest code 253.
DD_VARIABLE_FACTORY(
    phys_manufacturer_id,
    {.label = "Manufacturer  |de|Hersteller  |fr|Constructeur  |it|Costruttore  |es|Fabricante",
     .help = "References a specific manufacturer, which is usually a company name,   that is "
             "responsible for the manufacture of this Field Device."
             "  |de|Verweist auf den Hersteller, meist einen Firmennamen, der für die Herstellung "
             "dieses Feldgeräts verantwortlich ist."
             "  |fr|Désigne le constructeur, en général un nom de société, responsable de la "
             "fabrication de cet appareil de terrain."
             "  |it|Indica il costruttore, di solito una ragione sociale, responsabile della "
             "fabbricazione di questo apparecchio da campo."
             "  |es|Indica el fabricante, normalmente un nombre de empresa, responsable de la "
             "fabricación de este aparato de campo. ",
     .size = 2,
     .defaultValue = Int(device_identity::kManufacturerId),
     .maxEnumIndex = 0,
     .enumerators = device_params::kManufacturerIds})
