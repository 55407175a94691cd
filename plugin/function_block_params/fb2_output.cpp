// Output of function block 2, the totalizer: the totalized quantity and its status byte.

#include "core/factory_macros.h"
#include "function_block_params/status_byte.h"

DD_VARIABLE_FACTORY(
    func2_out_total_value,
    {.label = "V0H2   Totalized Volume  |de|V0H2   Summe Volumen",
     .help = "The function block parameter totalizer value contains the value of   the actual "
             "totalized value in a vendor-specific or configuration-adjusted   engineering unit."
             "  |de|Der Funktionsblockparameter Zählwert enthält den aktuell aufsummierten Wert "
             "in einer herstellerspezifischen oder per Konfiguration eingestellten "
             "physikalischen Einheit."
             "  |fr|Le paramètre de bloc fonctionnel valeur du compteur contient la valeur "
             "totalisée actuelle dans une unité physique propre au fabricant ou définie par "
             "configuration."
             "  |it|Il parametro di blocco funzionale valore del contatore contiene il valore "
             "totalizzato attuale in un'unità ingegneristica specifica del costruttore o "
             "impostata tramite configurazione."
             "  |es|El parámetro de bloque de función valor del totalizador contiene el valor "
             "totalizado actual en una unidad de ingeniería específica del fabricante o ajustada "
             "por configuración. "})

// The directory declares the status as an integer; the factory makes it the enumerated status
// byte. Its class flags pass through flag 14 on the way to 9 and 15.
DD_VARIABLE_FACTORY(
    func2_out_total_status,
    {.label = "Status (Totalizer)  |de|Status (Zählwerk)  |fr|Etat (compteur)  |it|Stato "
              "(contatore)  |es|Status (totalizador)",
     .help = "The function block parameter totalizer status contains the value   of the actual "
             "status of the totalizer."
             "  |de|Der Funktionsblockparameter Zählwerkstatus enthält den aktuellen Status des "
             "Zählwerks."
             "  |fr|Le paramètre de bloc fonctionnel état du compteur contient l'état actuel du "
             "compteur."
             "  |it|Il parametro di blocco funzionale stato del contatore contiene lo stato "
             "attuale del contatore."
             "  |es|El parámetro de bloque de función estado del totalizador contiene el estado "
             "actual del totalizador.",
     .type = DD_TYPE_ENUMERATED,
     .size = 1,
     .maxEnumIndex = status_byte::kHighestValue,
     .enumerators = status_byte::kEnumeration})
