#include "device_params/block_enumerations.h"

namespace block_family {

const char kBlkReserveLabel[] =
    "Reserved Profile Parameter  |de|Reservierter Profilparameter  |fr|Paramètre de profil "
    "réservé  |it|Parametro di profilo riservato  |es|Parámetro de perfil reservado";
const char kBlkReserveHelp[] =
    "Parameter is reserved and contains no relevant data."
    "  |de|Parameter ist reserviert und enthält keine relevanten Daten."
    "  |fr|Le paramètre est réservé et ne contient aucune donnée pertinente."
    "  |it|Il parametro è riservato e non contiene dati rilevanti."
    "  |es|El parámetro está reservado y no contiene datos relevantes.";

const char kBlkObjectLabel[] =
    "Block Object  |de|Blockobjekt  |fr|Objet bloc  |it|Oggetto blocco  |es|Objeto bloque";
const char kBlkObjectHelp[] =
    "Type of related block."
    "  |de|Typ des entsprechenden Blocks."
    "  |fr|Type du bloc correspondant."
    "  |it|Tipo del relativo blocco."
    "  |es|Tipo del respectivo bloque";

const char kBlkParentClassLabel[] =
    "Parent Class  |de|Hauptklasse  |fr|Catégorie principale  |it|Classe principale  |es|Clase "
    "principal";
const char kBlkClassLabel[] = "Class  |de|Klasse  |fr|Catégorie  |it|Classe  |es|Clase";

const char kBlkDdReferenceLabel[] =
    "DD Reference  |de|DD-Referenz  |fr|Référence DD  |it|Referenza DD  |es|Referencia DD";
const char kBlkDdReferenceHelp[] =
    "The DD Reference consists of the Manufacturer Code, the Device Type,   the Device Revision "
    "and the Revision of the Device Description."
    "  |de|Die DD-Referenz setzt sich aus Herstellercode, Gerätetyp, Geräterevision und Revision "
    "der Gerätebeschreibung zusammen."
    "  |fr|La référence DD se compose du code constructeur, du type d'appareil, de la révision "
    "de l'appareil et de la révision de la description d'appareil."
    "  |it|La referenza DD è composta dal codice del costruttore, dal tipo di apparecchio, dalla "
    "revisione dell'apparecchio e dalla revisione della descrizione dell'apparecchio."
    "  |es|La referencia DD se compone del código del fabricante, el tipo de aparato, la "
    "revisión del aparato y la revisión de la descripción del aparato.";

const char kBlkDdRevLabel[] =
    "DD Revision  |de|DD-Revision  |fr|Révision DD  |it|Revisione DD  |es|Revisión DD ";
const char kBlkDdRevHelp[] =
    "Revision of the Device Description (e.g. modified menu structure,   this is not the Device "
    "Revision). There is only one DD Revision per   Device Type and per Device Revision in a Host."
    "  |de|Revision der Gerätebeschreibung (z. B. geänderte Menüstruktur; nicht die "
    "Geräterevision). In einem Host gibt es je Gerätetyp und Geräterevision nur eine DD-Revision."
    "  |fr|Révision de la description d'appareil (p. ex. structure de menu modifiée ; ce n'est "
    "pas la révision de l'appareil). Un hôte ne contient qu'une révision DD par type et par "
    "révision d'appareil."
    "  |it|Revisione della descrizione dell'apparecchio (ad es. struttura dei menu modificata; "
    "non è la revisione dell'apparecchio). In un host esiste una sola revisione DD per tipo e per "
    "revisione di apparecchio."
    "  |es|Revisión de la descripción del aparato (p. ej. estructura de menús modificada; no es "
    "la revisión del aparato). En un host sólo hay una revisión DD por tipo y por revisión de "
    "aparato.";

const char kBlkProfileLabel[] = "Profile  |de|Profil  |fr|Profil  |it|Profilo  |es|Perfil";
const char kBlkProfileHelp[] =
    "Class and term of the profile associated with the block."
    "  |de|Klasse und Bezeichnung des dem Block zugeordneten Profils."
    "  |fr|Catégorie et désignation du profil associé au bloc."
    "  |it|Classe e denominazione del profilo associato al blocco."
    "  |es|Clase y denominación del perfil asociado al bloque.";

const char kBlkProfileRevLabel[] =
    "Profile Revision  |de|Profil-Revision  |fr|Révision de profil  |it|Versione profilo  "
    "|es|Versión del perfil";
const char kBlkProfileRevHelp[] =
    "Revision number of the profile relating to the block."
    "  |de|Revisionsnummer des zum Block gehörenden Profils."
    "  |fr|Numéro de révision du profil relatif au bloc."
    "  |it|Numero di revisione del profilo relativo al blocco."
    "  |es|Número de revisión del perfil correspondiente al bloque.";

const char kBlkExecutionTimeLabel[] =
    "Execution Time  |de|Ausführungszeit  |fr|Temps d'exécution  |it|Tempo di esecuzione  "
    "|es|Periodo de ejecución";
const char kBlkExecutionTimeHelp[] =
    "Parameter is reserved for future use and contains no relevant data."
    "  |de|Parameter ist für künftige Verwendung reserviert und enthält keine relevanten Daten."
    "  |fr|Le paramètre est réservé à un usage futur et ne contient aucune donnée pertinente."
    "  |it|Il parametro è riservato per usi futuri e non contiene dati rilevanti."
    "  |es|El parámetro está reservado para un uso futuro y no contiene datos relevantes.";

const char kBlkHighestRelOffsetLabel[] =
    "No. of Parameters  |de|Anzahl Parameter  |fr|Nombre de paramètres  |it|Numero parametri  "
    "|es|Número de parámetros";
const char kBlkHighestRelOffsetHelp[] =
    "Number of used indices (parameters) of a block including the non-implemented   optional "
    "parameters. HIGH BYTE = highest index, LOW BYTE = highest offset."
    "  |de|Anzahl der belegten Indizes (Parameter) eines Blocks einschließlich der nicht "
    "implementierten optionalen Parameter. HIGH BYTE = höchster Index, LOW BYTE = höchster "
    "Offset."
    "  |fr|Nombre d'index (paramètres) utilisés d'un bloc, paramètres optionnels non implémentés "
    "compris. HIGH BYTE = index le plus élevé, LOW BYTE = offset le plus élevé."
    "  |it|Numero di indici (parametri) utilizzati di un blocco, compresi i parametri opzionali "
    "non implementati. HIGH BYTE = indice più alto, LOW BYTE = offset più alto."
    "  |es|Número de índices (parámetros) utilizados de un bloque, incluidos los parámetros "
    "opcionales no implementados. HIGH BYTE = índice más alto, LOW BYTE = offset más alto.";

const char kBlkIndexView1Label[] =
    "Index of View_1  |de|Index of View_1  |fr|Index de visualisation_1  |it|Indice di "
    "visualizzazione_1  |es|Índice de View_1";
const char kBlkIndexView1Help[] =
    "The index of the View 1."
    "  |de|Der Index von View 1."
    "  |fr|L'index de la visualisation 1."
    "  |it|L'indice della visualizzazione 1."
    "  |es|El índice de View 1.";

const char kBlkNumViewListsLabel[] =
    "Number of View Lists  |de|Anzahl Anzeigelisten  |fr|Nombre de listes d'affichage  "
    "|it|Numero liste di visualizzazione  |es|Número de listados de visualización";
const char kBlkNumViewListsHelp[] =
    "Number of view lists defined in a block."
    "  |de|Anzahl der in einem Block festgelegten Anzeigelisten."
    "  |fr|Nombre de listes d'affichage définies dans un bloc."
    "  |it|Numero di liste di visualizzazione definite in un blocco."
    "  |es|Número de listados de visualización definidos en un bloque.";

const char kStRevLabel[] =
    "Static Revision No.  |de|Statische Rev.-Nr.  |fr|N° de révision statique  |it|N° di "
    "revisione statica  |es|Revisión estática n°";
const char kStRevHelp[] =
    "The revision level of the static data associated with the block.   The Static Revision No. "
    "is changed by the device each time data are   written to the static parameter."
    "  |de|Revisionsstand der statischen Daten des Blocks. Das Gerät ändert die statische "
    "Revisionsnummer bei jedem Schreiben eines statischen Parameters."
    "  |fr|Niveau de révision des données statiques associées au bloc. L'appareil modifie le N° "
    "de révision statique à chaque écriture d'un paramètre statique."
    "  |it|Livello di revisione dei dati statici associati al blocco. L'apparecchio modifica il "
    "N° di revisione statica a ogni scrittura di un parametro statico."
    "  |es|Nivel de revisión de los datos estáticos asociados al bloque. El aparato modifica la "
    "revisión estática n° cada vez que se escribe un parámetro estático. ";

const char kTagDescLabel[] = "VAH0   Tag Number  |de|VAH0   Meßstelle";
const char kTagDescHelp[] =
    "Text; can be used in any way. A recommended use is as a unique label   for a field device "
    "in the plant."
    "  |de|Text; beliebig verwendbar. Empfohlen wird die Verwendung als eindeutige Bezeichnung "
    "eines Feldgeräts in der Anlage."
    "  |fr|Texte utilisable librement. Il est recommandé de s'en servir comme repère unique d'un "
    "appareil de terrain dans l'installation."
    "  |it|Testo utilizzabile liberamente. Si consiglia di usarlo come identificazione univoca di "
    "un apparecchio da campo nell'impianto."
    "  |es|Texto de uso libre. Se recomienda utilizarlo como identificación única de un aparato "
    "de campo en la planta. ";

const char kStrategyLabel[] =
    "Strategy  |de|Strategie  |fr|Stratégie  |it|Strategia  |es|Estrategia";
const char kStrategyHelp[] =
    "The strategy field can be used to help group blocks. These data are   not checked or "
    "processed by the block."
    "  |de|Das Feld Strategie kann zum Gruppieren von Blöcken dienen. Der Block prüft und "
    "verarbeitet diese Daten nicht."
    "  |fr|Le champ Stratégie peut servir à regrouper des blocs. Le bloc ne vérifie ni ne traite "
    "ces données."
    "  |it|Il campo Strategia può servire a raggruppare i blocchi. Il blocco non controlla né "
    "elabora questi dati."
    "  |es|El campo Estrategia puede servir para agrupar bloques. El bloque no comprueba ni "
    "procesa estos datos.";

const char kAlertKeyLabel[] =
    "Alert Key  |de|Alarmschlüssel  |fr|Clé d'alarme  |it|Chiave di allarme  |es|Clave de "
    "alarma";
const char kAlertKeyHelp[] =
    "The alert parameter (0 - 255) has a user-assigned value which may   be used in sorting "
    "alarms or events generated by a block."
    "  |de|Der Alarmparameter (0 - 255) enthält einen vom Anwender vergebenen Wert, nach dem sich "
    "die von einem Block erzeugten Alarme oder Ereignisse sortieren lassen."
    "  |fr|Le paramètre d'alarme (0 - 255) contient une valeur attribuée par l'utilisateur, qui "
    "peut servir à trier les alarmes ou événements générés par un bloc."
    "  |it|Il parametro di allarme (0 - 255) contiene un valore assegnato dall'utente, utile per "
    "ordinare gli allarmi o gli eventi generati da un blocco."
    "  |es|El parámetro de alarma (0 - 255) contiene un valor asignado por el usuario que puede "
    "servir para ordenar las alarmas o eventos generados por un bloque. ";

const char kTargetModeLabel[] =
    "Target Mode  |de|Zielmodus  |fr|Mode cible  |it|Modo di destinazione  |es|Modo de destino";
const char kTargetModeHelp[] =
    "Defines the target mode of the block."
    "  |de|Legt den Zielmodus des Blocks fest."
    "  |fr|Définit le mode cible du bloc."
    "  |it|Definisce il modo di destinazione del blocco."
    "  |es|Define el modo de destino del bloque.";

const char kActualModeLabel[] =
    "Actual Mode  |de|Aktueller Modus  |fr|Mode actuel  |it|Modo attuale  |es|Modo actual";
const char kActualModeHelp[] =
    "The actual mode attribute reflects the mode of operation it is able   to achieve. "
    "Comparison of the actual with the target indicates whether   the target was achieved. The "
    "actual mode is set by the block."
    "  |de|Der aktuelle Modus gibt die Betriebsart wieder, die der Block erreichen kann. Der "
    "Vergleich mit dem Zielmodus zeigt, ob das Ziel erreicht wurde. Der aktuelle Modus wird vom "
    "Block gesetzt."
    "  |fr|Le mode actuel reflète le mode de fonctionnement que le bloc peut atteindre. Sa "
    "comparaison avec le mode cible indique si la cible a été atteinte. Le mode actuel est fixé "
    "par le bloc."
    "  |it|Il modo attuale indica il modo operativo che il blocco è in grado di raggiungere. Il "
    "confronto con il modo di destinazione indica se la destinazione è stata raggiunta. Il modo "
    "attuale è impostato dal blocco."
    "  |es|El modo actual refleja el modo de funcionamiento que el bloque puede alcanzar. Su "
    "comparación con el modo de destino indica si se alcanzó el destino. El modo actual lo fija "
    "el bloque. ";

const char kPermittedModeLabel[] =
    "Permitted Mode  |de|Erlaubter Modus  |fr|Mode autorisé  |it|Modo permesso  |es|Modo "
    "permitido";
const char kPermittedModeHelp[] =
    "The permitted mode attribute is the part of the mode parameter that   indicates what mode "
    "of operation is allowed for the block."
    "  |de|Der erlaubte Modus ist der Teil des Modusparameters, der angibt, welche Betriebsarten "
    "für den Block zulässig sind."
    "  |fr|Le mode autorisé est la partie du paramètre de mode qui indique les modes de "
    "fonctionnement admis pour le bloc."
    "  |it|Il modo permesso è la parte del parametro di modo che indica quali modi operativi "
    "sono ammessi per il blocco."
    "  |es|El modo permitido es la parte del parámetro de modo que indica qué modos de "
    "funcionamiento se admiten para el bloque. ";

const char kNormalModeLabel[] =
    "Normal Mode  |de|Normalmodus  |fr|Mode normal  |it|Modo normale  |es|Modo normal";
const char kNormalModeHelp[] =
    "To help an operator select the normal mode of operation from those   available, a normal "
    "mode attribute is provided in the mode parameter.   This attribute may be used by a human "
    "interface application to help   guide the operator in setting the operation mode of a "
    "block. The   normal mode is the desired operating mode of the block."
    "  |de|Der Normalmodus im Modusparameter hilft dem Bediener, unter den verfügbaren "
    "Betriebsarten die normale zu wählen. Eine Bedienoberfläche kann ihn nutzen, um den Bediener "
    "beim Einstellen der Betriebsart eines Blocks zu führen. Der Normalmodus ist die gewünschte "
    "Betriebsart des Blocks."
    "  |fr|Le mode normal du paramètre de mode aide l'opérateur à choisir le mode de "
    "fonctionnement normal parmi ceux disponibles. Une interface utilisateur peut s'en servir "
    "pour guider l'opérateur lors du réglage du mode de fonctionnement d'un bloc. Le mode normal "
    "est le mode de fonctionnement souhaité du bloc."
    "  |it|Il modo normale del parametro di modo aiuta l'operatore a scegliere il modo operativo "
    "normale tra quelli disponibili. Un'interfaccia utente può usarlo per guidare l'operatore "
    "nell'impostazione del modo operativo di un blocco. Il modo normale è il modo operativo "
    "desiderato del blocco."
    "  |es|El modo normal del parámetro de modo ayuda al operador a elegir el modo de "
    "funcionamiento normal entre los disponibles. Una interfaz de usuario puede utilizarlo para "
    "guiar al operador al ajustar el modo de funcionamiento de un bloque. El modo normal es el "
    "modo de funcionamiento deseado del bloque. ";

const char kCurrentStateAlarmSumLabel[] =
    "Current State Alarm Sum  |de|Aktueller Summenalarm  |fr|Etat actuel de l'alarme groupée  "
    "|it|Allarme cumulativo attuale  |es|Alarma agrupada actual";
const char kCurrentStateAlarmSumHelp[] =
    "The alarm sum of the current alarm state."
    "  |de|Summenalarm des aktuellen Alarmzustands."
    "  |fr|Alarme groupée de l'état d'alarme actuel."
    "  |it|Allarme cumulativo dello stato di allarme attuale."
    "  |es|Alarma agrupada del estado de alarma actual.";

const char kUnacknowledgedStateAlarmSumLabel[] =
    "Unacknowledged State Alarm Sum  |de|Unquittierter Summenalarm  |fr|Alarme groupée non "
    "acquittée  |it|Allarme cumulativo non confermato  |es|Alarma agrupada sin confirmar";
const char kUnacknowledgedStateAlarmSumHelp[] =
    "The alarm sum of the unacknowledged alarm state."
    "  |de|Summenalarm des unquittierten Alarmzustands."
    "  |fr|Alarme groupée de l'état d'alarme non acquitté."
    "  |it|Allarme cumulativo dello stato di allarme non confermato."
    "  |es|Alarma agrupada del estado de alarma sin confirmar.";

const char kUnreportedStateAlarmSumLabel[] =
    "Unreported State Alarm Sum  |de|Ungemeldeter Summenalarm  |fr|Alarme groupée non signalée  "
    "|it|Allarme cumulativo non segnalato  |es|Alarma agrupada no declarada";
const char kUnreportedStateAlarmSumHelp[] =
    "The alarm sum of the unreported alarm state."
    "  |de|Summenalarm des ungemeldeten Alarmzustands."
    "  |fr|Alarme groupée de l'état d'alarme non signalé."
    "  |it|Allarme cumulativo dello stato di allarme non segnalato."
    "  |es|Alarma agrupada del estado de alarma no declarado.";

const char kDisabledStateAlarmSumLabel[] =
    "Disabled State Alarm Sum  |de|Deaktivierter Summenalarm  |fr|Alarme groupée désactivée  "
    "|it|Allarme cumulativo disattivato  |es|Alarma agrupada desactivada";
const char kDisabledStateAlarmSumHelp[] =
    "The alarm sum of the disabled alarm state."
    "  |de|Summenalarm des deaktivierten Alarmzustands."
    "  |fr|Alarme groupée de l'état d'alarme désactivé."
    "  |it|Allarme cumulativo dello stato di allarme disattivato."
    "  |es|Alarma agrupada del estado de alarma desactivado.";

const char kPhysicalBlockText[] =
    "Physical Block  |de|Physical Block  |fr|Bloc physique  |it|Blocco fisico  |es|Bloque físico";
const char kTransducerBlockText[] =
    "Transducer Block  |de|Transducer Block  |fr|Bloc transducteur  |it|Blocco trasduttore  "
    "|es|Bloque transductor";
const char kTransmitterText[] =
    "Transmitter  |de|Messumformer  |fr|Transmetteur  |it|Trasmettitore  |es|Transmisor";
const char kFlowText[] = "Flow  |de|Durchfluss  |fr|Débit  |it|Portata  |es|Caudal";
const char kNotUsedText[] =
    "Not used  |de|Nicht benutzt  |fr|Non utilisé  |it|Non utilizzato  |es|No utilizado";
const char kNoneText[] = "None  |de|Keine  |fr|Aucun  |it|Nessuno  |es|Ninguno";
const char kUnknownText[] = "Unknown  |de|Unbekannt  |fr|Inconnu  |it|Sconosciuto  |es|Desconocido";
const char kSpecialText[] = "Special  |de|Speziell  |fr|Spécial  |it|Speciale  |es|Especial";
const char kProfileRevision20Text[] = "2.0";
const char kAutoText[] = "AUTO";
const char kNoAlarmText[] =
    "No Alarm  |de|Kein Alarm  |fr|Pas d'alarme  |it|Nessun allarme  |es|Sin alarma";
const char kParameterModificationText[] =
    "Parameter modification  |de|Parameteränderung  |fr|Modification de paramètre  "
    "|it|Modifica parametro  |es|Modificación de parámetro";

const char kFunctionBlockText[] =
    "Function Block  |de|Function Block  |fr|Bloc fonctionnel  |it|Blocco funzionale  "
    "|es|Bloque de función";
const char kFunctionBlockParentClassHelp[] =
    "Parent Class: Defines the function block parent class (Input, Output,   Control etc.)."
    "  |de|Hauptklasse: Legt die Hauptklasse des Function Block fest (Eingang, Ausgang, "
    "Regelung usw.)."
    "  |fr|Catégorie principale : définit la catégorie principale du bloc fonctionnel (entrée, "
    "sortie, régulation, etc.)."
    "  |it|Classe principale: definisce la classe principale del blocco funzionale (ingresso, "
    "uscita, regolazione ecc.)."
    "  |es|Clase principal: define la clase principal del bloque de función (entrada, salida, "
    "control, etc.).";
const char kFunctionBlockClassHelp[] =
    "Class: Defines the function block class (Analog Input, Discrete Input etc.)."
    "  |de|Klasse: Legt die Klasse des Function Block fest (Analogeingang, Digitaleingang usw.)."
    "  |fr|Catégorie : définit la catégorie du bloc fonctionnel (entrée analogique, entrée "
    "TOR, etc.)."
    "  |it|Classe: definisce la classe del blocco funzionale (ingresso analogico, ingresso "
    "digitale ecc.)."
    "  |es|Clase: define la clase del bloque de función (entrada analógica, entrada discreta, "
    "etc.).";
const char kManText[] = "MAN";
const char kOutOfServiceText[] =
    "Out of Service (O/S)  |de|Außer Betrieb  |fr|Hors service  |it|Fuori servizio  |es|Fuera "
    "de servicio";
// The limit conditions, as alarm bits and as the set state of an alarm record. They share the
// French part with the limits' labels; the Italian part is followed by three blanks.
const char kUpperLimitAlarmText[] =
    "Upper Limit Alarm  |de|Alarm oberer Grenzwert  |fr|Limite d'alarme supérieure  "
    "|it|Allarme limite superiore   |es|Alarma límite superior";
const char kUpperLimitWarningText[] =
    "Upper Limit Warning  |de|Warnung oberer Grenzwert  |fr|Limite d'avertissement supérieure  "
    "|it|Avviso limite superiore   |es|Advertencia límite superior";
const char kLowerLimitAlarmText[] =
    "Lower Limit Alarm  |de|Alarm unterer Grenzwert  |fr|Limite d'alarme inférieure  "
    "|it|Allarme limite inferiore   |es|Alarma límite inferior";
const char kLowerLimitWarningText[] =
    "Lower Limit Warning  |de|Warnung unterer Grenzwert  |fr|Limite d'avertissement inférieure  "
    "|it|Avviso limite inferiore   |es|Advertencia límite inferior";

const char kOutputValueText[] =
    "Output Value  |de|Ausgangswert  |fr|Valeur de sortie  |it|Valore di uscita  |es|Valor de "
    "salida";
const char kStatusUpperLimitWarningText[] =
    "Status Upper Limit Warning  |de|Status Oberer Warngrenzwert  |fr|Etat Limite "
    "d'avertissement supérieure  |it|Stato Valore limite superiore avviso  |es|Status Valor "
    "límite superior de advertencia";
const char kStatusUpperLimitAlarmText[] =
    "Status Upper Limit Alarm  |de|Status Oberer Alarmgrenzwert  |fr|Etat Limite d'alarme "
    "supérieure  |it|Stato Valore limite superiore allarme  |es|Status Valor límite superior de "
    "la alarma";
// Two blanks inside the Italian part.
const char kOutputValueUpperWarningText[] =
    "Output Value Upper Warning  |de|Ausgangswert Warnung Oben  |fr|Valeur de sortie "
    "d'avertissement supérieure  |it|Valore di uscita superiore  avviso  |es|Valor de salida "
    "superior de advertencia";
const char kOutputValueUpperAlarmText[] =
    "Output Value Upper Alarm  |de|Ausgangswert Alarm Oben  |fr|Valeur de sortie d'alarme "
    "supérieure  |it|Valore di uscita superiore allarme  |es|Valor de salida superior de la "
    "alarma";

}  // namespace block_family
