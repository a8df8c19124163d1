// The observation pipeline and the sun's position.

#include "mainwindow/canvas.h"
#include "mainwindow/controls.h"
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
#include <array>
#include <cmath>
#include <optional>

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

// Day, month and year as the arithmetic reads them (the number at the start of each list's
// text, a full stop as separator), or nullopt while one of them holds no calendar number:
// empty, not a number, zero or negative. Any other number is taken as it is: 31 November
// is 1 December, a year may be typed beyond the lists' 1900..2100.
std::optional<std::array<double, 3>> FormTalvan::dateDesListes() const {
    std::array<double, 3> date{};
    for (std::size_t i = 0; i < date.size(); ++i) {
        std::optional<double> v;
        try {
            v = solar::LireVal(texte(Combo1[i]));
        } catch (const solar::CalculError&) {
        }
        if (!v || !(*v > 0))
            return std::nullopt;
        date[i] = *v;
    }
    return date;
}

// The angle read on the protractor, degrees: the number at the start of Text12, with a
// comma or a full stop as separator; nullopt when it holds none, or one beyond a double.
std::optional<double> FormTalvan::lireAngle() const {
    try {
        return solar::LireMesure(texte(Text12));
    } catch (const solar::CalculError&) {
        return std::nullopt;
    }
}

void FormTalvan::MajCalculs() {
    if (!m_etat.Chargee)
        return;
    // Stops at the first failure; what was already written keeps its new value. The date's
    // data go on show or are cleared together.
    try {
        double lon = solar::ValMesure(texte(Text3)) + solar::ValMesure(texte(Text4)) / 60;
        double lat = solar::ValMesure(texte(Text1)) + solar::ValMesure(texte(Text2)) / 60;
        if (Option4->isChecked())
            lon = -lon;
        if (Option2->isChecked())
            lat = -lat;
        m_etat.Lon = lon;
        m_etat.Lat = lat;
        const std::string secondes = m_etat.Libelles[4].toStdString();
        try {
            DecSoleil();
            m_etat.EQ = solar::EquationTemps(m_etat.Jd);
            ecrireChamp(Text7, q(solar::TexteEquationTemps(m_etat.EQ, secondes)));
        } catch (const solar::CalculError&) {
            // No sun's data of another date left on show; the place's below still are.
            Text7->clear();
        }
        m_etat.Lambda = m_etat.Lon * solar::DegRad;
        ecrireChamp(Text8, q(solar::TexteCorrectionLongitude(m_etat.Lambda, secondes)));
        // A field that holds no angle leaves k: "Calcul" refuses it.
        if (const auto angle = lireAngle())
            m_etat.k = 90 - *angle;
    } catch (const solar::CalculError&) {
    }
    indiquerFuseau();
}

void FormTalvan::DecSoleil() {
    try {
        const auto date = dateDesListes();
        if (!date)
            throw solar::CalculError("DecSoleil: no calendar date in the lists");
        m_etat.Jd = solar::JourJulien((*date)[0], (*date)[1], (*date)[2]);
        m_etat.Delta = solar::DeclinaisonSoleil(m_etat.Jd, m_etat.GMT);
        ecrireChamp(Text9, q(solar::TexteDeclinaison(m_etat.Delta, separateur().toStdString())));
    } catch (const solar::CalculError&) {
        // No declination of another date or instant left on show.
        Text9->clear();
        throw;
    }
}

void FormTalvan::PosSoleil() {
    m_positionValide = false;
    m_lecturePosition.reset();
    solar::PositionSoleil p{};
    std::optional<std::array<double, 3>> date;
    try {
        date = dateDesListes();
        if (!date)
            throw solar::CalculError("PosSoleil: no calendar date in the lists");
        p = solar::PosSoleil((*date)[0], (*date)[1], (*date)[2], m_etat.GMT, m_etat.Lat,
                             m_etat.Lon);
    } catch (const solar::CalculError&) {
        // No sun to show for these inputs: leave no picture of an earlier instant.
        effacerDiagrammes();
        throw;
    }
    m_etat.AzP = p.azimut;
    m_hauteur = p.hauteur;
    if (const auto [j, m, a] = *date; j == std::floor(j) && m == std::floor(m) &&
                                      a == std::floor(a) && j <= 31 && m <= 12 && a <= 9999) {
        solar::Lecture l;
        l.jour = static_cast<int>(j), l.mois = static_cast<int>(m), l.annee = static_cast<int>(a);
        l.gmt = m_etat.GMT;
        l.heureLocale = m_etat.Hl;
        l.decalage = m_etat.Decalage;
        l.lat = m_etat.Lat, l.lon = m_etat.Lon;
        l.azimut = p.azimut, l.hauteur = p.hauteur;
        m_lecturePosition = l;
    }
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
