#include "mainwindow/captions.h"

#include <array>

namespace captions {

namespace {

using enum Fenetre;
using enum Propriete;

// The About button and the About window's title bar share their words.
constexpr const char* AProposFr = "A propos";
constexpr const char* AProposEs = "Acerca de";
constexpr const char* AnnulerFr = "Ctrl+Z annule le dernier changement de la liste.";
constexpr const char* AnnulerEs = "Ctrl+Z deshace el último cambio de la lista.";

// Texts are UTF-8. A doubled apostrophe ('') is the program's way of quoting a word and
// is shown as it stands. Row 2's Spanish text lacks its closing parenthesis: it has always
// been written so.
constexpr std::array<Ligne, 49> Table{{
    {1, Principale, "Libelles_1", Texte, "He", "Altura"},
    {2, Principale, "PicHE", ToolTip,
     "Hauteur du centre du soleil (sans tenir Compte de la réfraction atmosphérique)",
     "Altura del centro del sol (sin tener en cuenta la refracción atmosférica"},
    {3, Principale, "Libelles_2", Texte, "Azimut", "Azimut"},
    {4, Principale, "Libelles_3", Texte, "Voulez vous conserver les calculs effectués?",
     "¿Guardar los cálculos realizados?"},
    {5, Principale, "Libelles_5", Texte, "Au revoir", "Adiós"},
    {6, Principale, "PicAZ", ToolTip, "Azimut du centre du Soleil", "Azimut del centro del sol"},
    {7, Principale, "Option5_0", ToolTip, "Français", "Francés"},
    {8, Principale, "Option5_1", ToolTip, "Espagnol", "Español"},
    {9, Principale, "LabAide_0", Caption, "Angle à reporter", "Ángulo para transladar"},
    {10, Principale, "LabAide_1", Caption, "Fil à plomb tenu à la main",
     "Plomada sujeta con la mano"},
    {11, Principale, "LabAide_2", Caption, "Ombre du Soleil", "Sombra del Sol"},
    {12, Principale, "LabAide_3", Caption, "Mur vertical", "Pared Vertical"},
    {13, Principale, "LabAide_4", Caption, "Rapporteur parfaitement horizontal",
     "Transportador perfectamente horizontal"},
    {14, Principale, "Command2", Caption, "Garder", "Guardar"},
    {15, Principale, "Command3", Caption, "Efface le dernier", "Eliminar la última"},
    {16, Principale, "Command5", Caption, "Reset", "Resetear"},
    {17, Principale, "Label5", Caption, "Déclinaison du mur", "Declinación de la pared"},
    {18, Principale, "FormTalvan", Titre, "Orsaline", "Orsalina"},
    {19, Principale, "Command1", Caption, "Calcul", "Calcular"},
    {20, Principale, "Label17", Caption, "Angle mesuré au mur", "Ángulo medido en la pared"},
    {21, Principale, "Label6_0", Caption, "Jour", "Día"},
    {22, Principale, "Label6_1", Caption, "Mois", "Mes"},
    {23, Principale, "Label6_2", Caption, "Année", "Año"},
    {24, Principale, "Label9", Caption, "Déclinaison du soleil", "Declinación del sol"},
    {25, Principale, "Label10", Caption, "Equation du temps", "Ecuación de tiempo"},
    {26, Principale, "Label11", Caption, "Correction en Longitude", "Corrección por Longitud"},
    // The leading blank separates the unit from the number it follows.
    {27, Principale, "Libelles_4", Texte, " Secondes", " Segundos"},
    {28, Principale, "Option1", Caption, "Nord", "Norte"},
    {29, Principale, "Option2", Caption, "Sud", "Sur"},
    {30, Principale, "Option3", Caption, "Ouest", "Oeste"},
    {31, Principale, "Option4", Caption, "Est", "Este"},
    {32, Principale, "Image1", ToolTip, "Cliquez pour entrer les heures manuellement.",
     "Pulsar para introducir las horas manualmente."},
    {33, Principale, "Label15", Caption, "H Locale", "Hora Local"},
    {34, Principale, "Label16", Caption, "H GMT", "Hora GMT"},
    {35, Principale, "Label18", Caption, "H Solaire", "Hora Solar"},
    {36, Principale, "Label12", Caption, "Vue de dessus.", "Vista desde arriba."},
    {37, Principale, "Command7", Caption, "Aide", "Ayuda"},
    {38, Principale, "Command8", Caption, "Google", "Google"},
    {39, Principale, "Command8", ToolTip, "Déterminer l'orientation de votre mur avec Google",
     "para determinar la orientación de tu pared con Google"},
    {40, Principale, "Command6", Caption, AProposFr, AProposEs},
    {41, About, "About", Titre, AProposFr, AProposEs},
    {42, Principale, "Command4", Caption, "Quitter", "Salir"},
    {43, About, "Label1_0", Caption,
     "Les formules utilisées pour les calculs sont issues des ouvrages de Orbeck",
     "Las fórmulas utilizadas para los cálculos han salido de obras de Orbeck"},
    {44, About, "Label4", Tag, "Version", "Versión"},
    {45, About, "Label1_1", Caption,
     "Ce logiciel est gratuit : vous pouvez le copier et le diffuser librement.",
     "Este programa es gratuito: puede copiarlo y difundirlo libremente."},
    {46, About, "Label3", Caption, "Visiter le site de l'auteur", "Visitar el sitio del autor"},
    {47, About, "Label2", Caption, "Envoyer un coucou à l'auteur",
     "Enviar un mensaje al autor (en francés o inglés a ser posible)"},
    {48, About, "Label5", Caption, "Traductions Espagnoles de Vantrell du site ''Brivane''",
     "Traducción al español de Vantrell, colaborador de la revista''Brivane''"},
    {49, About, "Command1", Caption, "Retour", "Volver"},
}};

constexpr std::array<LigneAide, 5> Aide{{
    {"- Renseignez votre position géographique puis...",
     "- Introducir vuestra posición geográfica y después…"},
    {"- Entrez dans la fenêtre ''Angle mesuré''l'angle mesuré. Appuyez ensuite sur le bouton "
     "''Calcul''",
     "- Introducir en la ventana ''Ángulo medido en la pared'' el ángulo medido. Pulsad a "
     "continuación el botón ''Calcular''."},
    {"- Si la mesure vous parait précise appuyez sur le bouton ''Garder''.",
     "- Si la medida os parece precisa pulsad el botón ''Guardar''."},
    {"- Recommencez l'opération 2 ou 3 fois dans la journée, la valeur calculée de la "
     "déclinaison sera la moyenne des données cochées. (Le trait vert dans l'azimut du soleil "
     "représente le mur).",
     "- Repetir la operación 2 ó 3 veces durante el día, el valor calculado de la declinación "
     "será la media de los datos obtenidos. (El trazo verde en el cartel del azimut representa "
     "el muro)."},
    {"- En cliquant dans l'image d'une montre vous pourrez arreter la pendule et entrer une "
     "heure locale ou TU de mesure.",
     "- Pulsando en el dibujo del reloj se puede parar la hora actual e introducir una hora "
     "local o de TU."},
}};

constexpr std::array<NomAccessible, 10> NomsAccessibles{{
    {"Text1", "Latitude, degrés", "Latitud, grados"},
    {"Text2", "Latitude, minutes", "Latitud, minutos"},
    {"Text3", "Longitude, degrés", "Longitud, grados"},
    {"Text4", "Longitude, minutes", "Longitud, minutos"},
    {"DG_", "Mesure %1", "Medida %1"},
    {"Chec_", "Utiliser la mesure %1", "Usar la medida %1"},
    {"Label7", "Message", "Mensaje"},
    // Ticked while the clock is stopped.
    {"Image1", "Horloge arrêtée", "Reloj parado"},
    // The result's heading names the program, not the value: the field gets its own name.
    {"Text15", "Déclinaison du mur, moyenne", "Declinación de la pared, media"},
    {"Label13", "Horloge arrêtée", "Reloj parado"},
}};

// The tick boxes of the list, and the About window's legal notice below the designed texts
// (what the GPL asks an interactive program to show).
constexpr std::array<Ligne, 10> Supplements{{
    {0, Principale, "Chec_0", ToolTip, "Utiliser pour le calcul", "Usar para el cálculo"},
    {0, Principale, "Chec_1", ToolTip, "Utiliser pour le calcul", "Usar para el cálculo"},
    {0, Principale, "Chec_2", ToolTip, "Utiliser pour le calcul", "Usar para el cálculo"},
    {0, Principale, "Chec_3", ToolTip, "Utiliser pour le calcul", "Usar para el cálculo"},
    {0, Principale, "Chec_4", ToolTip, "Utiliser pour le calcul", "Usar para el cálculo"},
    {0, About, "Label6", Caption,
     "Copyright © 2026 les développeurs d'Orsaline\n"
     "Ce programme est fourni SANS AUCUNE GARANTIE.\n"
     "Licence : GNU GPL version 3 ou ultérieure (GPL-3.0-or-later)",
     "Copyright © 2026 los desarrolladores de Orsaline\n"
     "Este programa se ofrece SIN NINGUNA GARANTÍA.\n"
     "Licencia: GNU GPL versión 3 o posterior (GPL-3.0-or-later)"},
    // The buttons that change the list: one step of undo.
    {0, Principale, "Command1", ToolTip, AnnulerFr, AnnulerEs},
    {0, Principale, "Command2", ToolTip, AnnulerFr, AnnulerEs},
    {0, Principale, "Command3", ToolTip, AnnulerFr, AnnulerEs},
    {0, Principale, "Command5", ToolTip, AnnulerFr, AnnulerEs},
}};

constexpr std::array<Mnemonique, 8> Mnemoniques{{
    {"Command1", 'C', 'C'}, // Calcul, Calcular
    {"Command2", 'G', 'G'}, // Garder, Guardar
    {"Command3", 'E', 'E'}, // Efface le dernier, Eliminar la última
    {"Command5", 'R', 'R'}, // Reset, Resetear
    {"Command8", 'o', 'o'}, // Google
    {"Command7", 'A', 'A'}, // Aide, Ayuda
    {"Command6", 'p', 'd'}, // A propos, Acerca de
    {"Command4", 'Q', 'S'}, // Quitter, Salir
}};

struct TexteMessage {
    Message message;
    const char* fr;
    const char* es;
};

constexpr std::array<TexteMessage, 6> Messages{{
    {Message::SaisieIncorrecte, ErreurSaisie,
     "Error en la introducción de datos, vuelva a empezar."},
    {Message::AngleHorsRapporteur, "L'angle mesuré doit être entre 0 et 180°, recommencez !",
     "El ángulo medido debe estar entre 0 y 180°, vuelva a empezar."},
    {Message::SoleilSousHorizon,
     "Le soleil est sous l'horizon à l'heure de la mesure, recommencez !",
     "El sol está bajo el horizonte a la hora de la medida, vuelva a empezar."},
    {Message::FuseauInconnu, "Fuseau horaire inconnu : l'heure locale est le temps universel.",
     "Zona horaria desconocida: la hora local es el tiempo universal."},
    {Message::FuseauEloigne,
     // Short: the message line holds three or four lines.
     "Fuseau de l'ordinateur à plus de 3 h de la longitude : vérifiez-le !",
     "Zona del ordenador a más de 3 h de la longitud: ¡compruébela!"},
    {Message::MoyenneImpossible, "Mesures cochées trop différentes pour une moyenne.",
     "Medidas marcadas demasiado distintas para una media."},
}};

} // namespace

const char* texteMessage(Message message, Langue langue) {
    for (const TexteMessage& m : Messages)
        if (m.message == message)
            return platform::selon(langue, m.fr, m.es);
    return "";
}

std::span<const Ligne> supplements() {
    return Supplements;
}

std::span<const Mnemonique> mnemoniques() {
    return Mnemoniques;
}

std::span<const NomAccessible> nomsAccessibles() {
    return NomsAccessibles;
}

std::span<const Ligne> table() {
    return Table;
}

std::span<const LigneAide> aide() {
    return Aide;
}

namespace {

constexpr TextesLecture LectureFr{
    "%1 · angle %2° · soleil : azimut %3°, hauteur %4° · 1 min d'horloge = %5°",
    "Mesure fragile : une minute d'erreur sur l'heure déplace la déclinaison de plus de %1°.",
    "Soleil bas (moins de %1°) : l'ombre du fil est pâle et large.",
    "Mesure à l'écart : à %1° de la moyenne des autres mesures cochées (%2°), au-delà de la "
    "tolérance de %3°.",
    "L'heure était sans doute fausse d'une heure (heure d'été) : avec %1 h, la déclinaison "
    "serait %2°.",
};
constexpr TextesLecture LectureEs{
    "%1 · ángulo %2° · sol: azimut %3°, altura %4° · 1 min de reloj = %5°",
    "Medida frágil: un minuto de error en la hora mueve la declinación más de %1°.",
    "Sol bajo (menos de %1°): la sombra del hilo es pálida y ancha.",
    "Medida apartada: a %1° de la media de las demás medidas marcadas (%2°), más allá de la "
    "tolerancia de %3°.",
    "La hora probablemente estaba desfasada una hora (horario de verano): con %1 h, la "
    "declinación sería %2°.",
};

constexpr TextesResultat ResultatFr{
    "%1 mesures cochées : écart type %2°, erreur type de la moyenne %3°, étendue %4°",
    "Fuseau horaire utilisé : %1",
};

constexpr TextesResultat ResultatEs{
    "%1 medidas marcadas: desviación típica %2°, error típico de la media %3°, rango %4°",
    "Zona horaria utilizada: %1",
};

constexpr TextesHorloge HorlogeFr{
    "en avance",
    "en retard",
    "Horloge %1 de %2 ± %3 : déclinaison corrigée %4° ± %5° (moyenne brute %6°)",
    "Mesures décalées d'une heure (heure d'été ?) : déclinaison corrigée %1° ± %2° (moyenne "
    "brute %3°)",
    "Horloge contrôlée : pas d'écart significatif (%1 de %2 ± %3)",
    "Horloge non contrôlable avec ces mesures",
    "%1 : %2",
    "une mesure vers %1 permettrait de contrôler l'horloge",
    "plus aucune heure aujourd'hui ne permettrait de contrôler l'horloge",
    "en cette saison l'horloge ne peut pas être contrôlée par les mesures : réglez la montre "
    "sur un signal horaire",
    "Horloge %1 de %2 d'après les mesures",
    "Mesures décalées d'une heure (heure d'été ?)",
    "Corriger l'heure des mesures (%1)",
    "Heures des mesures %1 corrigées de %2",
};

constexpr TextesHorloge HorlogeEs{
    "adelantado",
    "atrasado",
    "Reloj %1 %2 ± %3: declinación corregida %4° ± %5° (media sin corregir %6°)",
    "Medidas desplazadas una hora (¿horario de verano?): declinación corregida %1° ± %2° "
    "(media sin corregir %3°)",
    "Reloj comprobado: sin desfase significativo (%1 %2 ± %3)",
    "Reloj no comprobable con estas medidas",
    "%1: %2",
    "una medida hacia las %1 permitiría comprobar el reloj",
    "ninguna hora de lo que queda de hoy permitiría comprobar el reloj",
    "en esta época del año el reloj no puede comprobarse con las medidas: ponga el reloj en "
    "hora con una señal horaria",
    "Reloj %1 %2 según las medidas",
    "Medidas desplazadas una hora (¿horario de verano?)",
    "Corregir la hora de las medidas (%1)",
    "Horas de las medidas %1 corregidas en %2",
};

} // namespace

const TextesHorloge& textesHorloge(Langue langue) {
    return platform::selon(langue, HorlogeFr, HorlogeEs);
}

const TextesLecture& textesLecture(Langue langue) {
    return platform::selon(langue, LectureFr, LectureEs);
}

const TextesResultat& textesResultat(Langue langue) {
    return platform::selon(langue, ResultatFr, ResultatEs);
}

namespace {

constexpr TextesQuestions QuestionsFr{
    "Oui",
    "Non",
    "Voulez vous effacer toutes les mesures de la liste?",
    "Une autre fenêtre d'Orsaline a enregistré ces mesures depuis l'ouverture de celle-ci :"
    "\n\n%1\n\nLa liste ne peut pas les garder avec les vôtres. Voulez vous les remplacer "
    "par les mesures de cette fenêtre?",
    "Les réglages n'ont pas pu être enregistrés dans :\n%1",
    "Voulez vous effacer la dernière mesure gardée ?",
    "Le fichier précédent est inchangé.",
    "Quitter quand même, sans enregistrer ?",
};
constexpr TextesQuestions QuestionsEs{
    "Sí",
    "No",
    "¿Borrar todas las medidas de la lista?",
    "Otra ventana de Orsaline ha guardado estas medidas desde que se abrió esta:\n\n%1\n\n"
    "La lista no puede conservarlas junto con las suyas. ¿Reemplazarlas por las medidas de "
    "esta ventana?",
    "No se han podido guardar los ajustes en:\n%1",
    "¿Borrar la última medida guardada?",
    "El archivo anterior no ha cambiado.",
    "¿Salir de todos modos, sin guardar?",
};

} // namespace

namespace {

constexpr TextesAnnonces AnnoncesFr{
    "Mesure %1 : %2°, %3.",      "Moyenne %1°.", "Pas de moyenne.",
    "Mesure %1 effacée.",        "Liste vide.",  "1 mesure dans la liste.",
    "%1 mesures dans la liste.",
};
constexpr TextesAnnonces AnnoncesEs{
    "Medida %1: %2°, %3.",     "Media %1°.",   "Sin media.",
    "Medida %1 borrada.",      "Lista vacía.", "1 medida en la lista.",
    "%1 medidas en la lista.",
};

} // namespace

const TextesAnnonces& textesAnnonces(Langue langue) {
    return platform::selon(langue, AnnoncesFr, AnnoncesEs);
}

const TextesQuestions& textesQuestions(Langue langue) {
    return platform::selon(langue, QuestionsFr, QuestionsEs);
}

} // namespace captions
