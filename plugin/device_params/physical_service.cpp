#include "core/factory_macros.h"

// Service parameters of the physical block: the write lock, the factory reset command, the
// current and last diagnostic code, the bus address and the device and software number.

namespace {

// The lock is released by one code only; every other value, 0 included, locks the device.
constexpr Enumerator kSecurityLockingStates[] = {
    {5938, "Off  |de|Aus"},
    {0, "On  |de|Ein"},
};

// Its enumerator offers the reset under the parameter's own name.
constexpr const char kFactoryResetText[] =
    "Factory Reset  |de|Rücksetzen in Auslieferzustand  |fr|Remise à l'état de livraison  "
    "|it|Reset allo stato d fornitura  |es|Reposición al estado original de suministro";

constexpr Enumerator kFactoryResetCommands[] = {
    {0,
     "No function  |de|Keine Funktion  |fr|Aucune fonction  |it|Nessuna funzione  "
     "|es|Ninguna función"},
    {1, kFactoryResetText},
};

// The current and the last diagnostic code name the same codes: each text says what happened,
// its help also what to do.
constexpr Enumerator kDiagnosticCodes[] = {
    {0, "No error, no warning  |de|Kein Fehler, keine Warnung",
     "No error, no warning  |de|Kein Fehler, keine Warnung"},
    {101, "E101 - Defective sensor  |de|E101 - Sensor defekt",
     "E101 - Defective sensor\n  Check and, if necessary, replace the sensor through Q+Y Service  "
     "|de|E101 - Sensor defekt\n  Sensor prüfen und gegebenenfalls durch den Q+Y Service "
     "ersetzen lassen"},
    {102, "E102 - EEPROM error (checksum error)  |de|E102 - EEPROM-Fehler (Prüfsummenfehler)",
     "E102 - EEPROM error (checksum error)\n  Contact Q+Y Service  "
     "|de|E102 - EEPROM-Fehler (Prüfsummenfehler)\n  Q+Y Service kontaktieren"},
    {103, "E103 - Communication error with sensor  |de|E103 - Kommunikationsfehler mit dem Sensor",
     "E103 - Communication error with sensor\n  Self-monitoring system starts a remedying try, "
     "otherwise contact Q+Y Service  |de|E103 - Kommunikationsfehler mit dem Sensor\n  "
     "Die Selbstüberwachung unternimmt einen Behebungsversuch, sonst Q+Y Service kontaktieren"},
    {104, "E104 - Error in ASIC  |de|E104 - Fehler im ASIC",
     "E104 - Error in ASIC  Contact Q+Y Service  |de|E104 - Fehler im ASIC  "
     "Q+Y Service kontaktieren"},
    {106, "E106 - Download active  |de|E106 - Download aktiv",
     "E106 - Download active - i.e. configuration data are being digitally transmitted to the "
     "Kelvane 40 system\n  The sensor will operate normally again once download is finished  "
     "|de|E106 - Download aktiv - d.h. Konfigurationsdaten werden digital zum Kelvane 40 System "
     "übertragen\n  Der Sensor arbeitet nach Ende des Downloads wieder normal"},
    {116,
     "E116 - An error has occured during the download of configuration data  "
     "|de|E116 - Beim Download der Konfigurationsdaten ist ein Fehler aufgetreten",
     "E116 - An error has occured during the download of configuration data\n  "
     "Reload the configuration data  "
     "|de|E116 - Beim Download der Konfigurationsdaten ist ein Fehler aufgetreten\n  "
     "Konfigurationsdaten neu laden"},
    {211,
     "W211 - Correct value of totalizer is not guaranteed (check sum error)  "
     "|de|W211 - Korrekter Wert des Zählers nicht gewährleistet (Prüfsummenfehler)",
     "W211 - Correct value of totalizer is not guaranteed (check sum error)\n  Reset totalizer  "
     "|de|W211 - Korrekter Wert des Zählers nicht gewährleistet (Prüfsummenfehler)\n  "
     "Zähler zurücksetzen"},
    {250, "W250 - initializing active  |de|W250 - Initialisierung aktiv",
     "W250 - initializing active\n  Wait until initializing is finished  "
     "|de|W250 - Initialisierung aktiv\n  Warten, bis die Initialisierung beendet ist"},
};

// The help of both diagnostic-code items: every code with its remedy.
constexpr const char kDiagnosticCodeOverview[] =
    "No error, no warning\n\n"
    "  E101 - Defective sensor\n"
    "  Check and, if necessary, replace the sensor through Q+Y Service\n\n"
    "  E102 - EEPROM error (checksum error)\n"
    "  Contact Q+Y Service\n\n"
    "  E103 - Communication error with sensor\n"
    "  Self-monitoring system starts a remedying try, otherwise contact Q+Y Service\n\n"
    "  E104 - Error in ASIC  Contact Q+Y Service\n\n"
    "  E106 - Download active - i.e. configuration data are being digitally transmitted to the "
    "Kelvane 40 system\n"
    "  The sensor will operate normally again once download is finished\n\n"
    "  E116 - An error has occured during the download of configuration data\n"
    "  Reload the configuration data\n\n"
    "  W211 - Correct value of totalizer is not guaranteed (check sum error)\n"
    "  Reset totalizer\n\n"
    "  W250 - initializing active\n"
    "  Wait until initializing is finished"
    "  |de|Kein Fehler, keine Warnung\n\n"
    "  E101 - Sensor defekt\n"
    "  Sensor prüfen und gegebenenfalls durch den Q+Y Service ersetzen lassen\n\n"
    "  E102 - EEPROM-Fehler (Prüfsummenfehler)\n"
    "  Q+Y Service kontaktieren\n\n"
    "  E103 - Kommunikationsfehler mit dem Sensor\n"
    "  Die Selbstüberwachung unternimmt einen Behebungsversuch, sonst Q+Y Service kontaktieren\n\n"
    "  E104 - Fehler im ASIC  Q+Y Service kontaktieren\n\n"
    "  E106 - Download aktiv - d.h. Konfigurationsdaten werden digital zum Kelvane 40 System "
    "übertragen\n"
    "  Der Sensor arbeitet nach Ende des Downloads wieder normal\n\n"
    "  E116 - Beim Download der Konfigurationsdaten ist ein Fehler aufgetreten\n"
    "  Konfigurationsdaten neu laden\n\n"
    "  W211 - Korrekter Wert des Zählers nicht gewährleistet (Prüfsummenfehler)\n"
    "  Zähler zurücksetzen\n\n"
    "  W250 - Initialisierung aktiv\n"
    "  Warten, bis die Initialisierung beendet ist";

// Label and help of the device and software number alike.
constexpr const char kDeviceAndSoftwareNumberText[] =
    "Device and Software Number  |de|Geräte- und Softwarenummer";

}  // namespace

// The four enumerations pass 0 as their highest index and take their default before the
// first enumerator.

DD_VARIABLE_FACTORY(
    phys_security_locking,
    {.label = "Security Locking  |de|Sicherheits-Verriegelung  |fr|Verrouillage de sécurité  "
              "|it|Chiusura di sicurezza  |es|Bloqueo de seguridad",
     .help = "Storage location for a password used by the host software to check   "
             "if the device parameters are accessible.  "
             "|de|Speicherplatz für ein Passwort, mit dem die Host-Software prüft,   "
             "ob die Geräteparameter zugänglich sind.  "
             "|fr|Emplacement de mémoire d'un mot de passe utilisé par le logiciel hôte pour "
             "vérifier   si les paramètres de l'appareil sont accessibles.  "
             "|it|Posizione di memoria di una password usata dal software host per verificare   "
             "se i parametri del dispositivo sono accessibili.  "
             "|es|Posición de memoria de una contraseña usada por el software del host para "
             "comprobar   si los parámetros del aparato son accesibles. ",
     .size = 2,
     .defaultValue = Int(0),
     .maxEnumIndex = 0,
     .enumerators = kSecurityLockingStates,
     .handling = Handling::None})

DD_VARIABLE_FACTORY(phys_factory_reset,
                    {.label = kFactoryResetText,
                     .help = "Command for setting device for default value.  "
                             "|de|Befehl zum Zurücksetzen des Geräts auf die Standardwerte.  "
                             "|fr|Commande de remise de l'appareil aux valeurs par défaut.  "
                             "|it|Comando per riportare il dispositivo ai valori di default.  "
                             "|es|Comando para reponer el aparato a los valores por defecto. ",
                     .size = 2,
                     .defaultValue = Int(0),
                     .maxEnumIndex = 0,
                     .enumerators = kFactoryResetCommands,
                     .handling = Handling::Write})

DD_VARIABLE_FACTORY(phys_ms_err_code, {.label = "V5H2   Diagnostic Code  |de|V5H2   Diagnosecode",
                                       .help = kDiagnosticCodeOverview,
                                       .size = 2,
                                       .defaultValue = Int(0),
                                       .maxEnumIndex = 0,
                                       .enumerators = kDiagnosticCodes,
                                       .handlingBeforeType = true})

DD_VARIABLE_FACTORY(phys_ms_last_err_code,
                    {.label = "V5H3   Last Diagnostics  |de|V5H3   Letzter Diagnosecode",
                     .help = kDiagnosticCodeOverview,
                     .size = 2,
                     .defaultValue = Int(0),
                     .maxEnumIndex = 0,
                     .enumerators = kDiagnosticCodes,
                     .handling = Handling::None})

DD_VARIABLE_FACTORY(phys_ms_device_bus_address,
                    {.label = "V5H0   Device Bus Address  |de|V5H0   Geräte-Busadresse",
                     .help = "Device Bus Address  |de|Geräte-Busadresse",
                     .size = 1,
                     .handlingBeforeType = true})

DD_VARIABLE_FACTORY(phys_ms_device_and_software_no, {.label = kDeviceAndSoftwareNumberText,
                                                     .help = kDeviceAndSoftwareNumberText,
                                                     .size = 2,
                                                     .handlingBeforeType = true})
