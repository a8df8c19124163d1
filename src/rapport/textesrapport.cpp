#include "rapport/textesrapport.h"

namespace {

constexpr TextesRapport RapportFr{
    "Orsaline — déclinaison du mur",
    "Rapport établi le %1",
    "d MMMM yyyy 'à' HH:mm",
    "Lieu",
    "Date des mesures",
    "d MMMM yyyy",
    "Mesures (déclinaison du mur en degrés, comptée depuis le sud, positive vers l'ouest)",
    "Aucune mesure dans la liste.",
    "cochée",
    "non cochée",
    "instant non conservé",
    "d MMM yyyy",
    "angle",
    "azimut du soleil",
    "hauteur",
    "N°",
    "Déclinaison",
    "Cochée",
    "Instant",
    "Angle",
    "Azimut",
    "Hauteur",
    "Moyenne des mesures cochées",
    "aucune",
    "Sur %1 mesures cochées : écart type %2°, erreur type de la moyenne %3°, étendue %4°",
    "Vue de dessus, nord en haut : le soleil (bleu) à %1, heure locale ; le mur (vert) "
    "selon la moyenne.",
    "Pas de diagramme : la position du soleil n'a pas pu être calculée.",
    "Copier le rapport",
    "Enregistrer en CSV…",
    "Imprimer…",
    "Clic droit : menu du rapport. %1 copie le rapport (ou le texte sélectionné), %2 "
    "l'enregistre en CSV, %3 l'imprime.",
    "Enregistrer le rapport en CSV",
    "Fichiers CSV (*.csv)",
    "Le rapport n'a pas pu être enregistré dans :\n%1\n\n%2",
    "Imprimer le rapport",
    "Le rapport n'a pas pu être imprimé sur :\n%1",
};

constexpr TextesRapport RapportEs{
    "Orsalina — declinación de la pared",
    "Informe realizado el %1",
    "d 'de' MMMM 'de' yyyy, HH:mm",
    "Lugar",
    "Fecha de las medidas",
    "d 'de' MMMM 'de' yyyy",
    "Medidas (declinación de la pared en grados, contada desde el sur, positiva hacia el "
    "oeste)",
    "Ninguna medida en la lista.",
    "marcada",
    "no marcada",
    "instante no guardado",
    "d MMM yyyy",
    "ángulo",
    "azimut del sol",
    "altura",
    "N.º",
    "Declinación",
    "Marcada",
    "Instante",
    "Ángulo",
    "Azimut",
    "Altura",
    "Media de las medidas marcadas",
    "ninguna",
    "Con %1 medidas marcadas: desviación típica %2°, error típico de la media %3°, "
    "rango %4°",
    "Vista desde arriba, norte arriba: el sol (azul) a las %1, hora local; la pared (verde) "
    "según la media.",
    "Sin diagrama: no se ha podido calcular la posición del sol.",
    "Copiar el informe",
    "Guardar en CSV…",
    "Imprimir…",
    "Clic derecho: menú del informe. %1 copia el informe (o el texto seleccionado), %2 lo "
    "guarda en CSV, %3 lo imprime.",
    "Guardar el informe en CSV",
    "Archivos CSV (*.csv)",
    "No se ha podido guardar el informe en:\n%1\n\n%2",
    "Imprimir el informe",
    "No se ha podido imprimir el informe en:\n%1",
};

} // namespace

const TextesRapport& textesRapport(platform::Langue langue) {
    return platform::selon(langue, RapportFr, RapportEs);
}
