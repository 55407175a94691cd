#include "device_params/diagnosis_bits.h"

#include "core/factory_macros.h"

// The physical block's diagnosis: the 4-byte bit field with its texts, its mask of supported
// bits, and the maker-specific extension and its mask, which have no bit texts.

namespace {

// The bit enumeration's highest index is the top bit, passed as the signed 32-bit value.
constexpr std::int32_t kMaxDiagnosisBit = static_cast<std::int32_t>(diagnosis_bits::kHighestBit);

}  // namespace

DD_VARIABLE_FACTORY(
    phys_diagnosis,
    {.label = "Diagnosis  |de|Diagnose  |fr|Diagnostic de l'appareil   |it|Stato del dispositivo  "
              "|es|Estado del aparato",
     .help = "Detailed status information about the field device's operating condition.   "
             "Health of device (not process).  "
             "|de|Detaillierte Statusinformation über den Betriebszustand des Feldgeräts.   "
             "Zustand des Geräts (nicht des Prozesses).  "
             "|fr|Information d'état détaillée sur l'état de fonctionnement de l'appareil de "
             "terrain.   État de l'appareil (pas du process).  "
             "|it|Informazioni di stato dettagliate sulle condizioni operative del dispositivo da "
             "campo.   Stato del dispositivo (non del processo).  "
             "|es|Información de estado detallada sobre el estado de funcionamiento del aparato de "
             "campo.   Estado del aparato (no del proceso).",
     .size = 4,
     .maxEnumIndex = kMaxDiagnosisBit,
     .bitEnumerators = diagnosis_bits::kDiagnosis})

DD_VARIABLE_FACTORY(
    phys_diagnosis_mask,
    {.label = "Diagnosis Mask   |de|Diagnosemaske  |fr|Masque de diagnostic  "
              "|it|Maschera di diagnostica  |es|Máscara de diagnóstico",
     .help = "Diagnosis Mask: Definition of supported Diagnosis information bits.   "
             "0 = not supported, 1 = supported.  "
             "|de|Diagnosemaske: Festlegung der unterstützten Diagnose-Informationsbits.   "
             "0 = nicht unterstützt, 1 = unterstützt.  "
             "|fr|Masque de diagnostic : définition des bits d'information de diagnostic "
             "supportés.   0 = non supporté, 1 = supporté.  "
             "|it|Maschera di diagnostica: definizione dei bit di diagnostica supportati.   "
             "0 = non supportato, 1 = supportato.  "
             "|es|Máscara de diagnóstico: definición de los bits de diagnóstico soportados.   "
             "0 = no soportado, 1 = soportado.",
     .size = 4,
     .maxEnumIndex = kMaxDiagnosisBit,
     .bitEnumerators = diagnosis_bits::kSupportable})

DD_VARIABLE_FACTORY(
    phys_diagnosis_extension,
    {.label = "Diagnosis Extension  |de|Erweiterter Diagnose  |fr|Diagnostic étendu  "
              "|it|Ulteriori comunicazioni di errore  |es|Estado detallado del aparato",
     .help = "additional manufacturer-specific information of the device, coded   "
             "bit-by-bit. More than one message possible at once.  "
             "|de|zusätzliche herstellerspezifische Information des Geräts, bitweise   "
             "codiert. Mehrere Meldungen gleichzeitig möglich.  "
             "|fr|informations supplémentaires de l'appareil, spécifiques au fabricant, codées   "
             "bit par bit. Plusieurs messages possibles simultanément.  "
             "|it|informazioni aggiuntive del dispositivo specifiche del costruttore, codificate   "
             "bit per bit. Più messaggi possibili contemporaneamente.  "
             "|es|información adicional del aparato, específica del fabricante, codificada   "
             "bit a bit. Varios mensajes posibles a la vez.",
     .size = 6})

DD_VARIABLE_FACTORY(
    phys_diagnosis_extension_mask,
    {.label = "Extended Diagnosis Mask  |de|Erweiterte Diagnosemaske  "
              "|fr|Masque de diagnostic étendu  |it|Maschera dettagliata di diagnostica   "
              "|es|Máscara detallada de diagnóstico",
     .help = "Definition of supported Diagnosis extension bits.  "
             "|de|Festlegung der unterstützten erweiterten Diagnosebits.  "
             "|fr|Définition des bits de diagnostic étendu supportés.  "
             "|it|Definizione dei bit di diagnostica estesa supportati.  "
             "|es|Definición de los bits de diagnóstico ampliado soportados. ",
     .size = 6})
