// The observation pipeline and the sun's position.

#include "mainwindow/canvas.h"
#include "mainwindow/diagrams.h"
#include "mainwindow/formtalvan.h"
#include "solar/calculerror.h"
#include "solar/constants.h"
#include "solar/ephemeris.h"
#include "solar/sunposition.h"
#include "solar/textformat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace {

std::string texte(const QLineEdit* champ) {
    return champ->text().toStdString();
}
std::string texte(const QComboBox* liste) {
    return liste->currentText().toStdString();
}
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString FormTalvan::separateur() const {
    return QLocale().decimalPoint();
}

void FormTalvan::MajCalculs() {
    if (!m_etat.Chargee)
        return;
    // Stops at the first failure; what was already written keeps its new value.
    try {
        double lon = solar::ValMesure(texte(Text3)) + solar::ValMesure(texte(Text4)) / 60;
        double lat = solar::ValMesure(texte(Text1)) + solar::ValMesure(texte(Text2)) / 60;
        if (Option4->isChecked())
            lon = -lon;
        if (Option2->isChecked())
            lat = -lat;
        m_etat.Lon = lon;
        m_etat.Lat = lat;
        DecSoleil();
        m_etat.EQ = solar::EquationTemps(m_etat.Jd);
        const std::string secondes = m_etat.Libelles[4].toStdString();
        Text7->setText(q(solar::TexteEquationTemps(m_etat.EQ, secondes)));
        m_etat.Lambda = m_etat.Lon * solar::DegRad;
        Text8->setText(q(solar::TexteCorrectionLongitude(m_etat.Lambda, secondes)));
        m_etat.k = 90 - solar::ValMesure(texte(Text12));
    } catch (const solar::CalculError&) {
    }
}

void FormTalvan::DecSoleil() {
    const double jour = solar::Val(texte(Combo1[0]));
    const double mois = solar::Val(texte(Combo1[1]));
    const double annee = solar::Val(texte(Combo1[2]));
    m_etat.Jd = solar::JourJulien(jour, mois, annee);
    m_etat.Delta = solar::DeclinaisonSoleil(m_etat.Jd, m_etat.GMT);
    Text9->setText(q(solar::TexteDeclinaison(m_etat.Delta, separateur().toStdString())));
}

void FormTalvan::PosSoleil() {
    m_positionValide = false;
    solar::PositionSoleil p{};
    try {
        p = solar::PosSoleil(solar::Val(texte(Combo1[0])), solar::Val(texte(Combo1[1])),
                             solar::Val(texte(Combo1[2])), m_etat.GMT, m_etat.Lat, m_etat.Lon);
    } catch (const solar::CalculError&) {
        // No sun to show for these inputs: leave no picture of an earlier instant.
        effacerDiagrammes();
        throw;
    }
    m_etat.AzP = p.azimut;
    const std::string sep = separateur().toStdString();
    DessinerAzimut(*PicAZ, m_etat.AzP, m_etat.Moy);
    DessinerHauteur(*PicHE, p.hauteur);
    Label35->setText(m_etat.Libelles[2] + QStringLiteral(" = ") +
                     q(solar::FormatDiese(m_etat.AzP, sep)) + QStringLiteral(" °"));
    Label36->setText(m_etat.Libelles[1] + QStringLiteral(" = ") +
                     q(solar::FormatDiese(p.hauteur, sep)) + QStringLiteral(" °"));
    m_positionValide = true;
}

void FormTalvan::effacerDiagrammes() {
    PicAZ->effacer();
    PicHE->effacer();
    Label35->clear();
    Label36->clear();
}

void FormTalvan::TextePlace_Change(QLineEdit* champ, double borne) {
    // A value that cannot be read at all (too large for a number) is out of bounds too.
    const auto valeur = [champ]() -> std::optional<double> {
        try {
            return solar::ValMesure(texte(champ));
        } catch (const solar::CalculError&) {
            return std::nullopt;
        }
    };
    auto v = valeur();
    if (!v || *v < 0)
        champ->clear();
    v = valeur();
    if (!v || *v > borne)
        champ->clear();
    MajCalculs();
}
