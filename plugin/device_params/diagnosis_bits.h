#pragma once

#include <cstdint>
#include <span>

#include "core/variable_record.h"

// The device's diagnosis vocabulary: one text per bit of the 4-byte diagnosis value, read as
// one unsigned 32-bit number. The texts are the device's Windows-1252 bytes; only plug-in
// sources, compiled for that code page, include this header.
namespace diagnosis_bits {

inline constexpr std::uint32_t kHighestBit = 0x80000000u;

// The most significant byte first, then the second byte, then the "more information" bit.
// A value of 0 has a text of its own: no diagnosis at all.
inline constexpr BitEnumerator kDiagnosis[] = {
    {0x00000000u, "Status OK  |de|Status OK  |fr|Etat OK  |it|Stato OK  |es|Estado OK"},
    {0x01000000u,
     "Hardware failure electronics.  |de|Hardwarefehler Elektronik.  "
     "|fr|Défaut matériel électronique.  |it|Guasto hardware elettronica.  "
     "|es|Fallo de hardware en la electrónica."},
    {0x02000000u,
     "Hardware failure mechanics.  |de|Hardwarefehler Mechanik.  |fr|Défaut matériel mécanique.  "
     "|it|Guasto hardware meccanica.  |es|Fallo de hardware en la mecánica."},
    {0x04000000u,
     "Motor temperature too high.  |de|Motortemperatur zu hoch.  "
     "|fr|Température moteur trop élevée.  |it|Temperatura motore troppo alta.  "
     "|es|Temperatura del motor demasiado alta."},
    {0x08000000u,
     "Electronics temperature too high.  |de|Elektroniktemperatur zu hoch.  "
     "|fr|Température électronique trop élevée.  |it|Temperatura elettronica troppo alta.  "
     "|es|Temperatura de la electrónica demasiado alta."},
    {0x10000000u,
     "Memory checksum error.  |de|Prüfsummenfehler im Speicher.  "
     "|fr|Erreur de somme de contrôle mémoire.  |it|Errore di checksum della memoria.  "
     "|es|Error de suma de control de la memoria."},
    {0x20000000u,
     "Failure in measurement.  |de|Fehler in der Messung.  |fr|Erreur de mesure.  "
     "|it|Errore di misura.  |es|Error de medición.",
     "  |es|Error de medición. "},
    {0x40000000u,
     "Device not initialized.  |de|Gerät nicht initialisiert.  |fr|Appareil non initialisé.  "
     "|it|Dispositivo non inizializzato.  |es|Aparato no inicializado."},
    {kHighestBit,
     "Selfcalibration failed.  |de|Selbstkalibrierung fehlgeschlagen.  "
     "|fr|Echec de l'autocalibrage.  |it|Autocompensazione errata.  "
     "|es|Error en la autocompensación. ",
     "  |it|Autocompensazione errata.  |es|Error en la autocompensación."},
    {0x00010000u,
     "Zero point error (limit position).  |de|Nullpunktfehler (Endlage).  "
     "|fr|Erreur de zéro (position limite).  |it|Errore di zero (posizione limite).  "
     "|es|Error de punto cero (posición límite)."},
    {0x00020000u,
     "Power supply failed.  |de|Energieversorgung ausgefallen.  |fr|Défaut d'alimentation.  "
     "|it|Guasto dell'alimentazione.  |es|Fallo de la alimentación."},
    {0x00040000u,
     "Configuration not valid.  |de|Konfiguration ungültig.  |fr|Configuration non valide.  "
     "|it|Configurazione non valida.  |es|Configuración no válida.",
     "  |es|Configuración no válida. "},
    {0x00080000u,
     "New start-up (warm startup) carried out.  |de|Neuanlauf (Warmstart) durchgeführt.  "
     "|fr|Redémarrage (démarrage à chaud) effectué.  |it|Eseguito riavvio (avvio a caldo).  "
     "|es|Ejecutado reinicio (arranque en caliente) ",
     "  |es|Ejecutado reinicio (arranque en caliente)"},
    {0x00100000u,
     "Restart (cold startup) carried out.  |de|Wiederanlauf (Kaltstart) durchgeführt.  "
     "|fr|Redémarrage (démarrage à froid) effectué.  |it|Eseguito riavvio (avvio a freddo).  "
     "|es|Ejecutado rearranque (arranque en frío)."},
    {0x00200000u,
     "Maintenance required.  |de|Wartung erforderlich.  |fr|Maintenance nécessaire.  "
     "|it|Manutenzione necessaria.  |es|Se requiere mantenimiento."},
    {0x00400000u,
     "Characterization invalid.  |de|Kennlinie ungültig.  |fr|Caractérisation non valide.  "
     "|it|Caratterizzazione non valida.  |es|Caracterización no válida. "},
    {0x00000080u,
     "More information available.  |de|Weitere Informationen verfügbar.  "
     "|fr|Plus d'informations disponibles.  |it|Ulteriori informazioni disponibili.  "
     "|es|Más información disponible."},
};

// The bits a device may support: every bit above. "No diagnosis" is no bit to support.
inline constexpr std::span<const BitEnumerator> kSupportable = std::span(kDiagnosis).subspan(1);

}  // namespace diagnosis_bits
