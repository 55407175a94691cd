#include "function_block_params/status_byte.h"

namespace status_byte {

// Quality in bits 7-6, substatus in bits 5-2, limit in bits 1-0. The texts are stored as the
// device description has them, its few irregular English parts included.
const std::array<Enumerator, kCount> kEnumeration = {{
    {0x00,
     "Bad"
     "  |de|Schlecht"
     "  |fr|Mauvais"
     "  |it|Scarto"
     "  |es|Malo"},
    {0x01,
     "Bad, Limit underflow"
     "  |de|Schlecht, Grenzwertunterschreitung"
     "  |fr|Mauvais, Dépassement de limite inférieure"
     "  |it|Scarto, Sotto il limite"
     "  |es|Malo, Por debajo del límite"},
    {0x02,
     "Bad, Limit overflow"
     "  |de|Schlecht, Grenzwertüberschreitung"
     "  |fr|Mauvais, Dépassement de limite supérieure"
     "  |it|Scarto, Sopra il limite"
     "  |es|Malo, Por encima del límite"},
    {0x03,
     "Bad, Value constant."
     "  |de|Schlecht, Wert konstant"
     "  |fr|Mauvais, Valeur constante"
     "  |it|Scarto, Valore costante"
     "  |es|Malo, Valor constante"},
    {0x04,
     "Bad, Value not accepted"
     "  |de|Schlecht, Wert nicht akzeptiert"
     "  |fr|Mauvais, Valeur non acceptée"
     "  |it|Scarto, Valore non accettato"
     "  |es|Malo, Valor no aceptado"},
    {0x05,
     "Bad, Value not accepted, Limit underflow"
     "  |de|Schlecht, Wert nicht akzeptiert, Grenzwertunterschreitung"
     "  |fr|Mauvais, Valeur non acceptée, Dépassement de limite inférieure"
     "  |it|Scarto, Valore non accettato, Sotto il limite"
     "  |es|Malo, Valor no aceptado, Por debajo del límite"},
    {0x06,
     "Bad, Value not accepted, Limit overflow"
     "  |de|Schlecht, Wert nicht akzeptiert, Grenzwertüberschreitung"
     "  |fr|Mauvais, Valeur non acceptée, Dépassement de limite supérieure"
     "  |it|Scarto, Valore non accettato, Sopra il limite"
     "  |es|Malo, Valor no aceptado, Por encima del límite"},
    {0x07,
     "Bad, Value not accepted, Value constant"
     "  |de|Schlecht, Wert nicht akzeptiert, Wert konstant"
     "  |fr|Mauvais, Valeur non acceptée, Valeur constante"
     "  |it|Scarto, Valore non accettato, Valore costante"
     "  |es|Malo, Valor no aceptado, Valor constante"},
    {0x08,
     "Bad, Not connected"
     "  |de|Schlecht, Nicht verbunden"
     "  |fr|Mauvais, Non connecté"
     "  |it|Scarto, Non collegato"
     "  |es|Malo, No conectado"},
    {0x09,
     "Bad, Not connected, Limit underflow"
     "  |de|Schlecht, Nicht verbunden, Grenzwertunterschreitung"
     "  |fr|Mauvais, Non connecté, Dépassement de limite inférieure"
     "  |it|Scarto, Non collegato, Sotto il limite"
     "  |es|Malo, No conectado, Por debajo del límite"},
    {0x0A,
     "Bad, Not connected, Limit overflow"
     "  |de|Schlecht, Nicht verbunden, Grenzwertüberschreitung"
     "  |fr|Mauvais, Non connecté, Dépassement de limite supérieure"
     "  |it|Scarto, Non collegato, Sopra il limite"
     "  |es|Malo, No conectado, Por encima del límite"},
    {0x0B,
     "Bad, Not connected, Value constant"
     "  |de|Schlecht, Nicht verbunden, Wert konstant"
     "  |fr|Mauvais, Non connecté, Valeur constante"
     "  |it|Scarto, Non collegato, Valore costante"
     "  |es|Malo, No conectado, Valor constante"},
    {0x0C,
     "Bad, Device failure"
     "  |de|Schlecht, Gerätefehler"
     "  |fr|Mauvais, Défaut appareil"
     "  |it|Scarto, Guasto apparecchio"
     "  |es|Malo, Fallo del aparato"},
    {0x0D,
     "Bad, Device failure, Limit underflow"
     "  |de|Schlecht, Gerätefehler, Grenzwertunterschreitung"
     "  |fr|Mauvais, Défaut appareil, Dépassement de limite inférieure"
     "  |it|Scarto, Guasto apparecchio, Sotto il limite"
     "  |es|Malo, Fallo del aparato, Por debajo del límite"},
    {0x0E,
     "Bad, Device failure, Limit overflow"
     "  |de|Schlecht, Gerätefehler, Grenzwertüberschreitung"
     "  |fr|Mauvais, Défaut appareil, Dépassement de limite supérieure"
     "  |it|Scarto, Guasto apparecchio, Sopra il limite"
     "  |es|Malo, Fallo del aparato, Por encima del límite"},
    {0x0F,
     "Bad, Device failure, Value constant"
     "  |de|Schlecht, Gerätefehler, Wert konstant"
     "  |fr|Mauvais, Défaut appareil, Valeur constante"
     "  |it|Scarto, Guasto apparecchio, Valore costante"
     "  |es|Malo, Fallo del aparato, Valor constante"},
    {0x10,
     "Bad, Sensor failure"
     "  |de|Schlecht, Sensorfehler"
     "  |fr|Mauvais, Défaut capteur"
     "  |it|Scarto, Guasto sensore"
     "  |es|Malo, Fallo del sensor"},
    {0x11,
     "Bad, Sensor failure, Limit underflow"
     "  |de|Schlecht, Sensorfehler, Grenzwertunterschreitung"
     "  |fr|Mauvais, Défaut capteur, Dépassement de limite inférieure"
     "  |it|Scarto, Guasto sensore, Sotto il limite"
     "  |es|Malo, Fallo del sensor, Por debajo del límite"},
    {0x12,
     "Bad, Sensor failure, Limit overflow"
     "  |de|Schlecht, Sensorfehler, Grenzwertüberschreitung"
     "  |fr|Mauvais, Défaut capteur, Dépassement de limite supérieure"
     "  |it|Scarto, Guasto sensore, Sopra il limite"
     "  |es|Malo, Fallo del sensor, Por encima del límite"},
    {0x13,
     "Bad, Sensor failure, Value constant"
     "  |de|Schlecht, Sensorfehler, Wert konstant"
     "  |fr|Mauvais, Défaut capteur, Valeur constante"
     "  |it|Scarto, Guasto sensore, Valore costante"
     "  |es|Malo, Fallo del sensor, Valor constante"},
    {0x14,
     "Bad, Last value (no communication)"
     "  |de|Schlecht, Letzter Wert (keine Kommunikation)"
     "  |fr|Mauvais, Dernière valeur (pas de communication)"
     "  |it|Scarto, Ultimo valore (nessuna comunicazione)"
     "  |es|Malo, Último valor (sin comunicación)"},
    {0x15,
     "Bad, Last value (no communication), Limit underflow"
     "  |de|Schlecht, Letzter Wert (keine Kommunikation), Grenzwertunterschreitung"
     "  |fr|Mauvais, Dernière valeur (pas de communication), Dépassement de limite inférieure"
     "  |it|Scarto, Ultimo valore (nessuna comunicazione), Sotto il limite"
     "  |es|Malo, Último valor (sin comunicación), Por debajo del límite"},
    {0x16,
     "Bad, Last value (no communication), Limit overflow"
     "  |de|Schlecht, Letzter Wert (keine Kommunikation), Grenzwertüberschreitung"
     "  |fr|Mauvais, Dernière valeur (pas de communication), Dépassement de limite supérieure"
     "  |it|Scarto, Ultimo valore (nessuna comunicazione), Sopra il limite"
     "  |es|Malo, Último valor (sin comunicación), Por encima del límite"},
    {0x17,
     "Bad, Last value (no communication), Value constant"
     "  |de|Schlecht, Letzter Wert (keine Kommunikation), Wert konstant"
     "  |fr|Mauvais, Dernière valeur (pas de communication), Valeur constante"
     "  |it|Scarto, Ultimo valore (nessuna comunicazione), Valore costante"
     "  |es|Malo, Último valor (sin comunicación), Valor constante"},
    {0x18,
     "Bad, No value (no communication)"
     "  |de|Schlecht, Kein Wert (keine Kommunikation)"
     "  |fr|Mauvais, Pas de valeur (pas de communication)"
     "  |it|Scarto, Nessun valore (nessuna comunicazione)"
     "  |es|Malo, Sin valor (sin comunicación)"},
    {0x19,
     "Bad, No value (no communication), Limit underflow"
     "  |de|Schlecht, Kein Wert (keine Kommunikation), Grenzwertunterschreitung"
     "  |fr|Mauvais, Pas de valeur (pas de communication), Dépassement de limite inférieure"
     "  |it|Scarto, Nessun valore (nessuna comunicazione), Sotto il limite"
     "  |es|Malo, Sin valor (sin comunicación), Por debajo del límite"},
    {0x1A,
     "Bad, No value (no communication), Limit overflow"
     "  |de|Schlecht, Kein Wert (keine Kommunikation), Grenzwertüberschreitung"
     "  |fr|Mauvais, Pas de valeur (pas de communication), Dépassement de limite supérieure"
     "  |it|Scarto, Nessun valore (nessuna comunicazione), Sopra il limite"
     "  |es|Malo, Sin valor (sin comunicación), Por encima del límite"},
    {0x1B,
     "Bad, No value (no communication), Value constant"
     "  |de|Schlecht, Kein Wert (keine Kommunikation), Wert konstant"
     "  |fr|Mauvais, Pas de valeur (pas de communication), Valeur constante"
     "  |it|Scarto, Nessun valore (nessuna comunicazione), Valore costante"
     "  |es|Malo, Sin valor (sin comunicación), Valor constante"},
    {0x1C,
     "Bad, Out of service"
     "  |de|Schlecht, Außer Betrieb"
     "  |fr|Mauvais, Hors service"
     "  |it|Scarto, Fuori servizio"
     "  |es|Malo, Fuera de servicio"},
    {0x1D,
     "Bad, Out of service, Limit underflow"
     "  |de|Schlecht, Außer Betrieb, Grenzwertunterschreitung"
     "  |fr|Mauvais, Hors service, Dépassement de limite inférieure"
     "  |it|Scarto, Fuori servizio, Sotto il limite"
     "  |es|Malo, Fuera de servicio, Por debajo del límite"},
    {0x1E,
     "Bad, Out of service, Limit overflow"
     "  |de|Schlecht, Außer Betrieb, Grenzwertüberschreitung"
     "  |fr|Mauvais, Hors service, Dépassement de limite supérieure"
     "  |it|Scarto, Fuori servizio, Sopra il limite"
     "  |es|Malo, Fuera de servicio, Por encima del límite"},
    {0x1F,
     "Bad, Out of service, Value constant"
     "  |de|Schlecht, Außer Betrieb, Wert konstant"
     "  |fr|Mauvais, Hors service, Valeur constante"
     "  |it|Scarto, Fuori servizio, Valore costante"
     "  |es|Malo, Fuera de servicio, Valor constante"},
    {0x20,
     "Bad, Value not supported"
     "  |de|Schlecht, Wert nicht unterstützt"
     "  |fr|Mauvais, Valeur non supportée"
     "  |it|Scarto, Valore non supportato"
     "  |es|Malo, Valor no soportado"},
    {0x21,
     "Bad, Value not supported, Limit underflow"
     "  |de|Schlecht, Wert nicht unterstützt, Grenzwertunterschreitung"
     "  |fr|Mauvais, Valeur non supportée, Dépassement de limite inférieure"
     "  |it|Scarto, Valore non supportato, Sotto il limite"
     "  |es|Malo, Valor no soportado, Por debajo del límite"},
    {0x22,
     "Bad, Value not supported, Limit overflow"
     "  |de|Schlecht, Wert nicht unterstützt, Grenzwertüberschreitung"
     "  |fr|Mauvais, Valeur non supportée, Dépassement de limite supérieure"
     "  |it|Scarto, Valore non supportato, Sopra il limite"
     "  |es|Malo, Valor no soportado, Por encima del límite"},
    {0x23,
     "Bad, Value not supported, Value constant"
     "  |de|Schlecht, Wert nicht unterstützt, Wert konstant"
     "  |fr|Mauvais, Valeur non supportée, Valeur constante"
     "  |it|Scarto, Valore non supportato, Valore costante"
     "  |es|Malo, Valor no soportado, Valor constante"},
    {0x40,
     "Uncertain"
     "  |de|Unsicher"
     "  |fr|Incertain"
     "  |it|Incerto"
     "  |es|Incierto"},
    {0x41,
     "Uncertain, Limit underflow"
     "  |de|Unsicher, Grenzwertunterschreitung"
     "  |fr|Incertain, Dépassement de limite inférieure"
     "  |it|Incerto, Sotto il limite"
     "  |es|Incierto, Por debajo del límite"},
    {0x42,
     "Uncertain, Limit overflow"
     "  |de|Unsicher, Grenzwertüberschreitung"
     "  |fr|Incertain, Dépassement de limite supérieure"
     "  |it|Incerto, Sopra il limite"
     "  |es|Incierto, Por encima del límite"},
    {0x43,
     "Uncertain, Value constant"
     "  |de|Unsicher, Wert konstant"
     "  |fr|Incertain, Valeur constante"
     "  |it|Incerto, Valore costante"
     "  |es|Incierto, Valor constante"},
    {0x44,
     "Uncertain, Last usable value"
     "  |de|Unsicher, Letzter gültiger Wert"
     "  |fr|Incertain, Dernière valeur utilisable"
     "  |it|Incerto, Ultimo valore utilizzabile"
     "  |es|Incierto, Último valor utilizable"},
    {0x45,
     "Uncertain, last usable value, Limit underflow"
     "  |de|Unsicher, Letzter gültiger Wert, Grenzwertunterschreitung"
     "  |fr|Incertain, Dernière valeur utilisable, Dépassement de limite inférieure"
     "  |it|Incerto, Ultimo valore utilizzabile, Sotto il limite"
     "  |es|Incierto, Último valor utilizable, Por debajo del límite"},
    {0x46,
     "Uncertain, Last usable value, Limit overflow"
     "  |de|Unsicher, Letzter gültiger Wert, Grenzwertüberschreitung"
     "  |fr|Incertain, Dernière valeur utilisable, Dépassement de limite supérieure"
     "  |it|Incerto, Ultimo valore utilizzabile, Sopra il limite"
     "  |es|Incierto, Último valor utilizable, Por encima del límite"},
    {0x47,
     "Uncertain, Last usable value, Value constant"
     "  |de|Unsicher, Letzter gültiger Wert, Wert konstant"
     "  |fr|Incertain, Dernière valeur utilisable, Valeur constante"
     "  |it|Incerto, Ultimo valore utilizzabile, Valore costante"
     "  |es|Incierto, Último valor utilizable, Valor constante"},
    {0x48,
     "Uncertain, Substitute value"
     "  |de|Unsicher, Ersatzwert"
     "  |fr|Incertain, Valeur de remplacement"
     "  |it|Incerto, Valore sostitutivo"
     "  |es|Incierto, Valor sustitutivo"},
    {0x49,
     "Uncertain, Substitute value, Limit underflow"
     "  |de|Unsicher, Ersatzwert, Grenzwertunterschreitung"
     "  |fr|Incertain, Valeur de remplacement, Dépassement de limite inférieure"
     "  |it|Incerto, Valore sostitutivo, Sotto il limite"
     "  |es|Incierto, Valor sustitutivo, Por debajo del límite"},
    {0x4A,
     "Uncertain, Substitute value, Limit overflow"
     "  |de|Unsicher, Ersatzwert, Grenzwertüberschreitung"
     "  |fr|Incertain, Valeur de remplacement, Dépassement de limite supérieure"
     "  |it|Incerto, Valore sostitutivo, Sopra il limite"
     "  |es|Incierto, Valor sustitutivo, Por encima del límite"},
    {0x4B,
     "Uncertain, Substitute value, Value constant"
     "  |de|Unsicher, Ersatzwert, Wert konstant"
     "  |fr|Incertain, Valeur de remplacement, Valeur constante"
     "  |it|Incerto, Valore sostitutivo, Valore costante"
     "  |es|Incierto, Valor sustitutivo, Valor constante"},
    {0x4C,
     "Uncertain, O/S initial value"
     "  |de|Unsicher, Anfangswert O/S"
     "  |fr|Incertain, Valeur initiale O/S"
     "  |it|Incerto, Valore iniziale O/S"
     "  |es|Incierto, Valor inicial O/S"},
    {0x4D,
     "Uncertain, O/S initial value, Limit underflow"
     "  |de|Unsicher, Anfangswert O/S, Grenzwertunterschreitung"
     "  |fr|Incertain, Valeur initiale O/S, Dépassement de limite inférieure"
     "  |it|Incerto, Valore iniziale O/S, Sotto il limite"
     "  |es|Incierto, Valor inicial O/S, Por debajo del límite"},
    {0x4E,
     "Uncertain, O/S initial value, Limit overflow"
     "  |de|Unsicher, Anfangswert O/S, Grenzwertüberschreitung"
     "  |fr|Incertain, Valeur initiale O/S, Dépassement de limite supérieure"
     "  |it|Incerto, Valore iniziale O/S, Sopra il limite"
     "  |es|Incierto, Valor inicial O/S, Por encima del límite"},
    {0x4F,
     "Uncertain, O/S initial value, Value constant"
     "  |de|Unsicher, Anfangswert O/S, Wert konstant"
     "  |fr|Incertain, Valeur initiale O/S, Valeur constante"
     "  |it|Incerto, Valore iniziale O/S, Valore costante"
     "  |es|Incierto, Valor inicial O/S, Valor constante"},
    {0x50,
     "Uncertain, Value not accurate"
     "  |de|Unsicher, Wert ungenau"
     "  |fr|Incertain, Valeur imprécise"
     "  |it|Incerto, Valore impreciso"
     "  |es|Incierto, Valor impreciso"},
    {0x51,
     "Uncertain, Value not accurate, Limit underflow"
     "  |de|Unsicher, Wert ungenau, Grenzwertunterschreitung"
     "  |fr|Incertain, Valeur imprécise, Dépassement de limite inférieure"
     "  |it|Incerto, Valore impreciso, Sotto il limite"
     "  |es|Incierto, Valor impreciso, Por debajo del límite"},
    {0x52,
     "Uncertain, Value not accurate, Limit overflow"
     "  |de|Unsicher, Wert ungenau, Grenzwertüberschreitung"
     "  |fr|Incertain, Valeur imprécise, Dépassement de limite supérieure"
     "  |it|Incerto, Valore impreciso, Sopra il limite"
     "  |es|Incierto, Valor impreciso, Por encima del límite"},
    {0x53,
     "Uncertain, Value not accurate, Value constant"
     "  |de|Unsicher, Wert ungenau, Wert konstant"
     "  |fr|Incertain, Valeur imprécise, Valeur constante"
     "  |it|Incerto, Valore impreciso, Valore costante"
     "  |es|Incierto, Valor impreciso, Valor constante"},
    {0x54,
     "Uncertain, Out of range"
     "  |de|Unsicher, Außerhalb des Bereichs"
     "  |fr|Incertain, Hors gamme"
     "  |it|Incerto, Fuori campo"
     "  |es|Incierto, Fuera de rango"},
    {0x55,
     "Uncertain, Out of range, Limit underflow"
     "  |de|Unsicher, Außerhalb des Bereichs, Grenzwertunterschreitung"
     "  |fr|Incertain, Hors gamme, Dépassement de limite inférieure"
     "  |it|Incerto, Fuori campo, Sotto il limite"
     "  |es|Incierto, Fuera de rango, Por debajo del límite"},
    {0x56,
     "Uncertain, Out of range, Limit overflow"
     "  |de|Unsicher, Außerhalb des Bereichs, Grenzwertüberschreitung"
     "  |fr|Incertain, Hors gamme, Dépassement de limite supérieure"
     "  |it|Incerto, Fuori campo, Sopra il limite"
     "  |es|Incierto, Fuera de rango, Por encima del límite"},
    {0x57,
     "Uncertain, Out of range, Value constant"
     "  |de|Unsicher, Außerhalb des Bereichs, Wert konstant"
     "  |fr|Incertain, Hors gamme, Valeur constante"
     "  |it|Incerto, Fuori campo, Valore costante"
     "  |es|Incierto, Fuera de rango, Valor constante"},
    {0x58,
     "Uncertain, Sub-normal"
     "  |de|Unsicher, Unternormal"
     "  |fr|Incertain, Sous-normal"
     "  |it|Incerto, Subnormale"
     "  |es|Incierto, Subnormal"},
    {0x59,
     "Uncertain, Sub-normal, Limit underflow"
     "  |de|Unsicher, Unternormal, Grenzwertunterschreitung"
     "  |fr|Incertain, Sous-normal, Dépassement de limite inférieure"
     "  |it|Incerto, Subnormale, Sotto il limite"
     "  |es|Incierto, Subnormal, Por debajo del límite"},
    {0x5A,
     "Uncertain, Sub-normal, Limit overflow"
     "  |de|Unsicher, Unternormal, Grenzwertüberschreitung"
     "  |fr|Incertain, Sous-normal, Dépassement de limite supérieure"
     "  |it|Incerto, Subnormale, Sopra il limite"
     "  |es|Incierto, Subnormal, Por encima del límite"},
    {0x5B,
     "Uncertain, Sub-normal, Value constant"
     "  |de|Unsicher, Unternormal, Wert konstant"
     "  |fr|Incertain, Sous-normal, Valeur constante"
     "  |it|Incerto, Subnormale, Valore costante"
     "  |es|Incierto, Subnormal, Valor constante"},
    {0x5C,
     "Uncertain, Configuration error"
     "  |de|Unsicher, Konfigurationsfehler"
     "  |fr|Incertain, Erreur de configuration"
     "  |it|Incerto, Errore di configurazione"
     "  |es|Incierto, Error de configuración"},
    {0x5D,
     "Uncertain, Configuration error, Limit underflow"
     "  |de|Unsicher, Konfigurationsfehler, Grenzwertunterschreitung"
     "  |fr|Incertain, Erreur de configuration, Dépassement de limite inférieure"
     "  |it|Incerto, Errore di configurazione, Sotto il limite"
     "  |es|Incierto, Error de configuración, Por debajo del límite"},
    {0x5E,
     "Uncertain, Configuration error, Limit overflow"
     "  |de|Unsicher, Konfigurationsfehler, Grenzwertüberschreitung"
     "  |fr|Incertain, Erreur de configuration, Dépassement de limite supérieure"
     "  |it|Incerto, Errore di configurazione, Sopra il limite"
     "  |es|Incierto, Error de configuración, Por encima del límite"},
    {0x5F,
     "Uncertain, Configuration error, Value constant"
     "  |de|Unsicher, Konfigurationsfehler, Wert konstant"
     "  |fr|Incertain, Erreur de configuration, Valeur constante"
     "  |it|Incerto, Errore di configurazione, Valore costante"
     "  |es|Incierto, Error de configuración, Valor constante"},
    {0x80,
     "Good"
     "  |de|Gut"
     "  |fr|Bon"
     "  |it|Buono"
     "  |es|Bueno"},
    {0x81,
     "Good, Limit underflow"
     "  |de|Gut, Grenzwertunterschreitung"
     "  |fr|Bon, Dépassement de limite inférieure"
     "  |it|Buono, Sotto il limite"
     "  |es|Bueno, Por debajo del límite"},
    {0x82,
     "Good, Limit overflow"
     "  |de|Gut, Grenzwertüberschreitung"
     "  |fr|Bon, Dépassement de limite supérieure"
     "  |it|Buono, Sopra il limite"
     "  |es|Bueno, Por encima del límite"},
    {0x83,
     "Good, Value constant"
     "  |de|Gut, Wert konstant"
     "  |fr|Bon, Valeur constante"
     "  |it|Buono, Valore costante"
     "  |es|Bueno, Valor constante"},
    {0x84,
     "Good, Update event"
     "  |de|Gut, Aktualisierungsereignis"
     "  |fr|Bon, Événement de mise à jour"
     "  |it|Buono, Evento di aggiornamento"
     "  |es|Bueno, Evento de actualización"},
    {0x85,
     "Good, Update event, Limit underflow"
     "  |de|Gut, Aktualisierungsereignis, Grenzwertunterschreitung"
     "  |fr|Bon, Événement de mise à jour, Dépassement de limite inférieure"
     "  |it|Buono, Evento di aggiornamento, Sotto il limite"
     "  |es|Bueno, Evento de actualización, Por debajo del límite"},
    {0x86,
     "Good, Update event, Limit overflow"
     "  |de|Gut, Aktualisierungsereignis, Grenzwertüberschreitung"
     "  |fr|Bon, Événement de mise à jour, Dépassement de limite supérieure"
     "  |it|Buono, Evento di aggiornamento, Sopra il limite"
     "  |es|Bueno, Evento de actualización, Por encima del límite"},
    {0x87,
     "Good, Update event, Value constant"
     "  |de|Gut, Aktualisierungsereignis, Wert konstant"
     "  |fr|Bon, Événement de mise à jour, Valeur constante"
     "  |it|Buono, Evento di aggiornamento, Valore costante"
     "  |es|Bueno, Evento de actualización, Valor constante"},
    {0x88,
     "Good, Warning Limit"
     "  |de|Gut, Warngrenze"
     "  |fr|Bon, Limite d'avertissement"
     "  |it|Buono, Limite di avviso"
     "  |es|Bueno, Límite de advertencia"},
    {0x89,
     "Good, Warning Limit underflow"
     "  |de|Gut, Warngrenze, Grenzwertunterschreitung"
     "  |fr|Bon, Limite d'avertissement, Dépassement de limite inférieure"
     "  |it|Buono, Limite di avviso, Sotto il limite"
     "  |es|Bueno, Límite de advertencia, Por debajo del límite"},
    {0x8A,
     "Good, Warning Limit overflow"
     "  |de|Gut, Warngrenze, Grenzwertüberschreitung"
     "  |fr|Bon, Limite d'avertissement, Dépassement de limite supérieure"
     "  |it|Buono, Limite di avviso, Sopra il limite"
     "  |es|Bueno, Límite de advertencia, Por encima del límite"},
    {0x8B,
     "Good, Warning Limit, Value constant"
     "  |de|Gut, Warngrenze, Wert konstant"
     "  |fr|Bon, Limite d'avertissement, Valeur constante"
     "  |it|Buono, Limite di avviso, Valore costante"
     "  |es|Bueno, Límite de advertencia, Valor constante"},
    {0x8C,
     "Good, Alarm Limit"
     "  |de|Gut, Alarmgrenze"
     "  |fr|Bon, Limite d'alarme"
     "  |it|Buono, Limite di allarme"
     "  |es|Bueno, Límite de alarma"},
    {0x8D,
     "Good, Alarm Limit underflow"
     "  |de|Gut, Alarmgrenze, Grenzwertunterschreitung"
     "  |fr|Bon, Limite d'alarme, Dépassement de limite inférieure"
     "  |it|Buono, Limite di allarme, Sotto il limite"
     "  |es|Bueno, Límite de alarma, Por debajo del límite"},
    {0x8E,
     "Good, Alarm Limit overflow"
     "  |de|Gut, Alarmgrenze, Grenzwertüberschreitung"
     "  |fr|Bon, Limite d'alarme, Dépassement de limite supérieure"
     "  |it|Buono, Limite di allarme, Sopra il limite"
     "  |es|Bueno, Límite de alarma, Por encima del límite"},
    {0x8F,
     "Good, Alarm Limit, Value constant"
     "  |de|Gut, Alarmgrenze, Wert konstant"
     "  |fr|Bon, Limite d'alarme, Valeur constante"
     "  |it|Buono, Limite di allarme, Valore costante"
     "  |es|Bueno, Límite de alarma, Valor constante"},
    {0x90,
     "Good, Unacknowledged block alarm"
     "  |de|Gut, Unquittierter Blockalarm"
     "  |fr|Bon, Alarme de bloc non acquittée"
     "  |it|Buono, Allarme di blocco non confermato"
     "  |es|Bueno, Alarma de bloque sin confirmar"},
    {0x91,
     "Good, Unacknowledged block alarm, Limit underflow"
     "  |de|Gut, Unquittierter Blockalarm, Grenzwertunterschreitung"
     "  |fr|Bon, Alarme de bloc non acquittée, Dépassement de limite inférieure"
     "  |it|Buono, Allarme di blocco non confermato, Sotto il limite"
     "  |es|Bueno, Alarma de bloque sin confirmar, Por debajo del límite"},
    {0x92,
     "Good, Unacknowledged block alarm, Limit overflow"
     "  |de|Gut, Unquittierter Blockalarm, Grenzwertüberschreitung"
     "  |fr|Bon, Alarme de bloc non acquittée, Dépassement de limite supérieure"
     "  |it|Buono, Allarme di blocco non confermato, Sopra il limite"
     "  |es|Bueno, Alarma de bloque sin confirmar, Por encima del límite"},
    {0x93,
     "Good, Unacknowledged block alarm, Value constant"
     "  |de|Gut, Unquittierter Blockalarm, Wert konstant"
     "  |fr|Bon, Alarme de bloc non acquittée, Valeur constante"
     "  |it|Buono, Allarme di blocco non confermato, Valore costante"
     "  |es|Bueno, Alarma de bloque sin confirmar, Valor constante"},
    {0x94,
     "Good, Unacknowledged Warning"
     "  |de|Gut, Unquittierte Warnung"
     "  |fr|Bon, Avertissement non acquitté"
     "  |it|Buono, Avviso non confermato"
     "  |es|Bueno, Advertencia sin confirmar"},
    {0x95,
     "Good, Unacknowledged Warning, Limit underflow"
     "  |de|Gut, Unquittierte Warnung, Grenzwertunterschreitung"
     "  |fr|Bon, Avertissement non acquitté, Dépassement de limite inférieure"
     "  |it|Buono, Avviso non confermato, Sotto il limite"
     "  |es|Bueno, Advertencia sin confirmar, Por debajo del límite"},
    {0x96,
     "Good, Unacknowledged Warning, Limit overflow"
     "  |de|Gut, Unquittierte Warnung, Grenzwertüberschreitung"
     "  |fr|Bon, Avertissement non acquitté, Dépassement de limite supérieure"
     "  |it|Buono, Avviso non confermato, Sopra il limite"
     "  |es|Bueno, Advertencia sin confirmar, Por encima del límite"},
    {0x97,
     "Good, Unacknowledged Warning, Value constant"
     "  |de|Gut, Unquittierte Warnung, Wert konstant"
     "  |fr|Bon, Avertissement non acquitté, Valeur constante"
     "  |it|Buono, Avviso non confermato, Valore costante"
     "  |es|Bueno, Advertencia sin confirmar, Valor constante"},
    {0x98,
     "Good, Unacknowledged Alarm"
     "  |de|Gut, Unquittierter Alarm"
     "  |fr|Bon, Alarme non acquittée"
     "  |it|Buono, Allarme non confermato"
     "  |es|Bueno, Alarma sin confirmar"},
    {0x99,
     "Good, Unacknowledged Alarm, Limit underflow"
     "  |de|Gut, Unquittierter Alarm, Grenzwertunterschreitung"
     "  |fr|Bon, Alarme non acquittée, Dépassement de limite inférieure"
     "  |it|Buono, Allarme non confermato, Sotto il limite"
     "  |es|Bueno, Alarma sin confirmar, Por debajo del límite"},
    {0x9A,
     "Good, Unacknowledged Alarm, Limit overflow"
     "  |de|Gut, Unquittierter Alarm, Grenzwertüberschreitung"
     "  |fr|Bon, Alarme non acquittée, Dépassement de limite supérieure"
     "  |it|Buono, Allarme non confermato, Sopra il limite"
     "  |es|Bueno, Alarma sin confirmar, Por encima del límite"},
    {0x9B,
     "Good, Unacknowledged Alarm, Value constant"
     "  |de|Gut, Unquittierter Alarm, Wert konstant"
     "  |fr|Bon, Alarme non acquittée, Valeur constante"
     "  |it|Buono, Allarme non confermato, Valore costante"
     "  |es|Bueno, Alarma sin confirmar, Valor constante"},
    {0xA0,
     "Good, Initiate fail-safe"
     "  |de|Gut, Fail-Safe einleiten"
     "  |fr|Bon, Déclencher la position de sécurité"
     "  |it|Buono, Attivare fail-safe"
     "  |es|Bueno, Iniciar fail-safe"},
    {0xA1,
     "Good, Initiate fail-safe, Limit underflow"
     "  |de|Gut, Fail-Safe einleiten, Grenzwertunterschreitung"
     "  |fr|Bon, Déclencher la position de sécurité, Dépassement de limite inférieure"
     "  |it|Buono, Attivare fail-safe, Sotto il limite"
     "  |es|Bueno, Iniciar fail-safe, Por debajo del límite"},
    {0xA2,
     "Good, Initiate fail-safe, Limit overflow"
     "  |de|Gut, Fail-Safe einleiten, Grenzwertüberschreitung"
     "  |fr|Bon, Déclencher la position de sécurité, Dépassement de limite supérieure"
     "  |it|Buono, Attivare fail-safe, Sopra il limite"
     "  |es|Bueno, Iniciar fail-safe, Por encima del límite"},
    {0xA3,
     "Good, Initiate fail-safe, Value constant"
     "  |de|Gut, Fail-Safe einleiten, Wert konstant"
     "  |fr|Bon, Déclencher la position de sécurité, Valeur constante"
     "  |it|Buono, Attivare fail-safe, Valore costante"
     "  |es|Bueno, Iniciar fail-safe, Valor constante"},
}};

}  // namespace status_byte
