// The result and the time zone explained: what the average means, how much it can be
// trusted, and which UTC offset the times were taken with.

#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "solar/observation.h"
#include "solar/statistiques.h"

#include <QLineEdit>
#include <QLocale>
#include <cmath>

namespace {

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

QString degres(double valeur) {
    return QLocale().toString(valeur, 'f', 2);
}

QString nomAccessible(const char* objet, platform::Langue langue) {
    for (const captions::NomAccessible& n : captions::nomsAccessibles())
        if (qstrcmp(n.nom, objet) == 0)
            return u8(platform::selon(langue, n.fr, n.es));
    return {};
}

} // namespace

// Text15's tooltip, accessible name and description, from the ticked numeric values.
void FormTalvan::decrireMoyenne(const std::vector<double>& valeurs) {
    const platform::Langue lang = langue();
    const AnalyseLignes& analyse = analyseLignes();
    CleMoyenne cle{valeurs, Text15->text(),  QLocale().name(),
                   lang,    analyse.horloge, analyse.conseil};
    if (m_cleMoyenne == cle)
        return;
    m_cleMoyenne = std::move(cle);

    const captions::TextesResultat& t = captions::textesResultat(lang);
    QString mots;
    QString dispersion;
    // Only an average that is a direction is put into words: one computed from values
    // within -180..180 and shown in the field.
    const auto stats = solar::StatistiquesCercle(valeurs);
    if (stats && !Text15->text().isEmpty() && std::isfinite(stats->moyenne)) {
        mots = OrientationMur(stats->moyenne, lang);
        if (const auto& d = stats->dispersion;
            d && std::isfinite(d->ecartType) && std::isfinite(d->erreurType))
            dispersion = u8(t.dispersion)
                             .arg(QLocale().toString(stats->nombre), degres(d->ecartType),
                                  degres(d->erreurType), degres(d->etendue));
    }
    // The clock's line only beside a result the field shows.
    const QString horloge = mots.isEmpty() ? QString() : texteHorloge(analyse);
    QStringList description;
    for (const QString& s : {dispersion, horloge})
        if (!s.isEmpty())
            description << s;
    QStringList bulle;
    for (const QString& s : {mots, dispersion, horloge, AideRaccourcisRapport(lang)})
        if (!s.isEmpty())
            bulle << s;
    Text15->setToolTip(bulle.join(QLatin1Char('\n')));
    const QString nom = nomAccessible("Text15", lang);
    const QString nomComplet = mots.isEmpty() ? nom : nom + QStringLiteral(" : ") + mots;
    if (Text15->accessibleName() != nomComplet)
        Text15->setAccessibleName(nomComplet);
    const QString texteDescription = description.join(QLatin1Char('\n'));
    if (Text15->accessibleDescription() != texteDescription)
        Text15->setAccessibleDescription(texteDescription);
    signalerHorloge();
}

// The UTC offset the times are taken with, on the local time's field and heading; and the
// warning in the message line while it is more than 3 h from the place's own (longitude /
// 15 h). The warning gives way to any other message: it is written only into an empty
// line, and taken away only while the line still shows it.
void FormTalvan::indiquerFuseau() {
    // The offset the last MajHeures used, whether the clock runs or a time was typed.
    const int secondes = m_etat.Decalage;
    QString fuseau = QStringLiteral("UTC") + QString::fromStdString(solar::TexteDecalage(secondes));
    if (const QString nom = m_services.clock.nomFuseau(); !nom.isEmpty())
        fuseau += QStringLiteral(", ") + nom;
    const QString bulle = u8(captions::textesResultat(langue()).fuseau).arg(fuseau);
    if (Text10->toolTip() != bulle) {
        Text10->setToolTip(bulle);
        Label15->setToolTip(bulle);
        Text10->setAccessibleDescription(bulle);
    }

    const bool eloigne =
        !Text3->text().trimmed().isEmpty() && solar::FuseauEloigne(secondes, m_etat.Lon);
    const QString avertissement =
        u8(captions::texteMessage(captions::Message::FuseauEloigne, langue()));
    const bool libre = Label7->text().isEmpty() ||
                       (!m_messageHorloge.isEmpty() && Label7->text() == m_messageHorloge);
    if (eloigne && libre)
        afficherMessage(captions::Message::FuseauEloigne);
    else if (!eloigne && Label7->text() == avertissement)
        Label7->clear();
    signalerHorloge();
}
