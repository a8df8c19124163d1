#include "overlay/maplink.h"

#include "solar/textformat.h"

#include <QByteArray>
#include <string>

namespace overlay {

QUrl adresseCarte(double lat, double lon) {
    // "ll" is the centre (latitude,longitude east positive); "spn" the extent of the view
    // in degrees; "t=h" the satellite view with labels; "hl=fr" the page's own language.
    const std::string texte = "https://www.google.com/maps?ll=" + solar::TexteLatitudeCarte(lat) +
                              "," + solar::TexteLongitudeCarte(-lon) +
                              "&spn=0.099583,0.219830&t=h&hl=fr";
    // The text is plain ASCII already encoded; fromEncoded keeps the query as written.
    return QUrl::fromEncoded(QByteArray::fromStdString(texte), QUrl::StrictMode);
}

namespace {

constexpr LegendesDroite LegendesFr{"Transparence", "Angle", "Retour",
                                    "Angle",        "décl.", "Déclinaison du mur"};
constexpr LegendesDroite LegendesEs{"Transparencia", "ángulo", "Volver",
                                    "Ángulo",        "decl.",  "Declinación de la pared"};

} // namespace

const LegendesDroite& legendesDroite(platform::Langue langue) {
    return platform::selon(langue, LegendesFr, LegendesEs);
}

} // namespace overlay
