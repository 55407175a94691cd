// The physical block's identity and revision parameters, and the digit variables that give the
// software revision a numeric view.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"

namespace {

constexpr char kSoftwareRevisionLabel[] = "V5H4   Software Revision  |de|V5H4   Software-Revision";

// The one-byte digits of the software revision carry its label and nothing else of it.
constexpr VariableRecord kSoftwareRevisionDigit = {.label = kSoftwareRevisionLabel, .size = 1};

}  // namespace

DD_VARIABLE_FACTORY(phys_software_rev_numeric,
                    {.label = kSoftwareRevisionLabel, .size = 2, .defaultValue = Int(0)})
DD_VARIABLE_FACTORY(phys_software_rev_000, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_001, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_002, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_003, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_004, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_005, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_006, kSoftwareRevisionDigit)
DD_VARIABLE_FACTORY(phys_software_rev_rest, {.label = kSoftwareRevisionLabel, .size = 10})

DD_VARIABLE_FACTORY(
    phys_software_rev,
    {.label = kSoftwareRevisionLabel,
     .help = "This revision corresponds to the software or firmware that is embedded   in the "
             "Field Device."
             "  |de|Diese Revision entspricht der im Feldgerät eingebetteten Software bzw. "
             "Firmware."
             "  |fr|Cette révision correspond au logiciel ou micrologiciel intégré dans "
             "l'appareil de terrain."
             "  |it|Questa revisione corrisponde al software o firmware integrato "
             "nell'apparecchio da campo."
             "  |es|Esta revisión corresponde al software o firmware integrado en el aparato de "
             "campo. ",
     .size = 16,
     .defaultValue = Text("?")})
DD_VARIABLE_FACTORY(
    phys_hardware_rev,
    {.label = "V5H5   Hardware Revision  |de|V5H5   Hardware-Revision",
     .help = "Revision that corresponds to the electronics hardware of the Field Device."
             "  |de|Revision, die der Elektronik-Hardware des Feldgeräts entspricht."
             "  |fr|Révision correspondant au matériel électronique de l'appareil de terrain."
             "  |it|Revisione corrispondente all'hardware elettronico dell'apparecchio da campo."
             "  |es|Revisión correspondiente al hardware electrónico del aparato de campo. ",
     .size = 16})
DD_VARIABLE_FACTORY(
    phys_device_id,
    {.label = "Device ID  |de|Gerätebezeichnung  |fr|Désignation de l'appareil  "
              "|it|Denominazione apparecchio  |es|Identificador del aparato",
     .help = "Uniquely identifies the Field Device when combined with the Manufacturer   "
             "Identification and Device Type. Therefore, this variable cannot be   modified by "
             "the Host user."
             "  |de|Kennzeichnet das Feldgerät zusammen mit Herstellerkennung und Gerätetyp "
             "eindeutig. Deshalb kann der Anwender diese Variable am Host nicht ändern."
             "  |fr|Identifie l'appareil de terrain de façon univoque avec l'identification du "
             "constructeur et le type d'appareil. C'est pourquoi l'utilisateur de l'hôte ne peut "
             "pas modifier cette variable."
             "  |it|Identifica in modo univoco l'apparecchio da campo insieme all'identificazione "
             "del costruttore e al tipo di apparecchio. Per questo l'utente dell'host non può "
             "modificare questa variabile."
             "  |es|Identifica de forma unívoca el aparato de campo junto con la identificación "
             "del fabricante y el tipo de aparato. Por ello el usuario del host no puede modificar "
             "esta variable. ",
     .size = 16,
     .defaultValue = Text("KELVANE 40")})
DD_VARIABLE_FACTORY(
    phys_serial_num,
    {.label = "VAH1   Serial Number  |de|VAH1   Seriennummer",
     .help = "Uniquely identifies the Field Device. Therefore, this variable cannot   be modified "
             "by the Host."
             "  |de|Kennzeichnet das Feldgerät eindeutig. Deshalb kann der Host diese Variable "
             "nicht ändern."
             "  |fr|Identifie l'appareil de terrain de façon univoque. C'est pourquoi l'hôte ne "
             "peut pas modifier cette variable."
             "  |it|Identifica in modo univoco l'apparecchio da campo. Per questo l'host non può "
             "modificare questa variabile."
             "  |es|Identifica de forma unívoca el aparato de campo. Por ello el host no puede "
             "modificar esta variable. ",
     .size = 16})
DD_VARIABLE_FACTORY(
    phys_device_certification,
    {.label = "Device Certification  |de|Zertifikation Gerät  |fr|Certification appareil  "
              "|it|Certificato apparecchio  |es|Certificación del aparato",
     .help = "Certification of the device."
             "  |de|Zertifikation des Geräts."
             "  |fr|Certification de l'appareil."
             "  |it|Certificato dell'apparecchio."
             "  |es|Certificación del aparato.",
     .size = 16,
     .handling = Handling::ReadWrite})
DD_VARIABLE_FACTORY(
    phys_descriptor,
    {.label = "Descriptor  |de|Beschreibung  |fr|Description  |it|Descrizione  |es|Descripción",
     .help = "Text that is associated with the Field Device. This text can be used   by the user "
             "in any way. There is no specific recommended use."
             "  |de|Dem Feldgerät zugeordneter Text. Der Anwender kann ihn beliebig verwenden; "
             "eine bestimmte Verwendung wird nicht empfohlen."
             "  |fr|Texte associé à l'appareil de terrain. L'utilisateur peut s'en servir "
             "librement ; aucune utilisation particulière n'est recommandée."
             "  |it|Testo associato all'apparecchio da campo. L'utente può usarlo liberamente; "
             "non è raccomandato alcun uso specifico."
             "  |es|Texto asociado al aparato de campo. El usuario puede utilizarlo libremente; "
             "no se recomienda ningún uso específico. ",
     .size = 32,
     .handling = Handling::ReadWrite})
DD_VARIABLE_FACTORY(
    phys_message,
    {.label = "Message  |de|Nachricht  |fr|Message  |it|Messaggio  |es|Mensaje",
     .help = "Text that is associated with the Field Device. This text can be used   by the user "
             "in any way. There is no recommended use."
             "  |de|Dem Feldgerät zugeordneter Text. Der Anwender kann ihn beliebig verwenden; "
             "es gibt keine empfohlene Verwendung."
             "  |fr|Texte associé à l'appareil de terrain. L'utilisateur peut s'en servir "
             "librement ; il n'y a pas d'utilisation recommandée."
             "  |it|Testo associato all'apparecchio da campo. L'utente può usarlo liberamente; "
             "non esiste un uso raccomandato."
             "  |es|Texto asociado al aparato de campo. El usuario puede utilizarlo libremente; "
             "no hay un uso recomendado. ",
     .size = 32,
     .handling = Handling::ReadWrite})
DD_VARIABLE_FACTORY(
    phys_install_date,
    {.label = "Installation Date  |de|Einbaudatum  |fr|Date d'installation  |it|Data di "
              "installazione  |es|Fecha de montaje",
     .help = "Date, on which the device was installed."
             "  |de|Datum, an dem das Gerät eingebaut wurde."
             "  |fr|Date à laquelle l'appareil a été installé."
             "  |it|Data in cui l'apparecchio è stato installato."
             "  |es|Fecha en la que se montó el aparato.",
     .size = 8,
     .handling = Handling::ReadWrite})
DD_VARIABLE_FACTORY(phys_tag_desc, block_family::kTagDesc)
