// French and Spanish, the help panel and the About command.

#include "about/about.h"
#include "mainwindow/canvas.h"
#include "mainwindow/captions.h"
#include "mainwindow/commandesrapport.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "platform/etiquetteactive.h"
#include "platform/geometry.h"
#include "platform/icones.h"
#include "platform/traductionsqt.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <ranges>

namespace {

// Set only when they change: Qt tells screen readers of every call, which would repeat the
// focused control's texts at each language change.
void nommer(QWidget* w, const QString& nom) {
    if (w->accessibleName() != nom)
        w->setAccessibleName(nom);
}
void decrire(QWidget* w, const QString& description) {
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

void ecrire(QObject* cible, captions::Propriete propriete, const QString& texte) {
    if (!cible)
        return;
    switch (propriete) {
    case captions::Propriete::Caption:
        if (auto* l = qobject_cast<QLabel*>(cible))
            l->setText(texte);
        else if (auto* b = qobject_cast<QAbstractButton*>(cible))
            b->setText(texte);
        break;
    case captions::Propriete::ToolTip:
        if (auto* w = qobject_cast<QWidget*>(cible))
            w->setToolTip(texte);
        break;
    case captions::Propriete::Tag:
        cible->setProperty("Tag", texte);
        break;
    case captions::Propriete::Titre:
        if (auto* w = qobject_cast<QWidget*>(cible))
            w->setWindowTitle(texte);
        break;
    case captions::Propriete::Texte:
        break;
    }
}

} // namespace

using platform::Langue;
using platform::selon;

Langue FormTalvan::langue() const {
    return Option5[0]->isChecked() ? Langue::Francais : Langue::Espagnol;
}

void FormTalvan::Option5_Click(int index) {
    AppliquerLangue(index == 0 ? Langue::Francais : Langue::Espagnol);
}

void FormTalvan::AppliquerLangue(Langue langue) {
    platform::traduireQt(langue);
    const auto lignes = {captions::table(), captions::supplements()};
    for (const captions::Ligne& ligne : lignes | std::views::join) {
        const QString texte = QString::fromUtf8(selon(langue, ligne.fr, ligne.es));
        const QString nom = QString::fromLatin1(ligne.nom);
        if (ligne.propriete == captions::Propriete::Texte) {
            const int entree = nom.section(QLatin1Char('_'), 1).toInt();
            if (entree >= 1 && entree <= 5)
                m_etat.Libelles[entree] = texte;
            continue;
        }
        // The About window takes its texts when it exists; it is created when opened.
        QWidget* fenetre = ligne.fenetre == captions::Fenetre::Principale
                               ? static_cast<QWidget*>(this)
                               : static_cast<QWidget*>(m_about.data());
        if (!fenetre)
            continue;
        QObject* cible = fenetre->objectName() == nom ? fenetre : fenetre->findChild<QObject*>(nom);
        ecrire(cible, ligne.propriete, texte);
    }
    QStringList aide;
    for (const captions::LigneAide& l : captions::aide())
        aide << QString::fromUtf8(selon(langue, l.fr, l.es));
    Label8->setText(aide.join(QStringLiteral("\r\n")));
    Label13->setToolTip(Image1->toolTip());
    for (const captions::Mnemonique& m : captions::mnemoniques()) {
        auto* bouton = findChild<QAbstractButton*>(QString::fromLatin1(m.nom));
        if (!bouton)
            continue;
        QString legende = bouton->text();
        const qsizetype i = legende.indexOf(QLatin1Char(selon(langue, m.fr, m.es)));
        if (i >= 0 && !legende.contains(QLatin1Char('&')))
            bouton->setText(legende.insert(i, QLatin1Char('&')));
    }
    nommerPourLecteurs(langue);
    traduireMessage(langue);
    traduireRapport(langue);
    if (m_cleMoyenne) { // the result's texts again, in this language
        const std::vector<double> valeurs = std::move(m_cleMoyenne->valeurs);
        m_cleMoyenne.reset();
        decrireMoyenne(valeurs);
    }
    MajCalculs();
}

// What a screen reader says, in the current language. A field under a heading is named by
// it through the label's buddy (the labelled-by relation, the one a date list can be named
// by); the others get a name of their own.
void FormTalvan::nommerPourLecteurs(Langue langue) {
    for (QWidget* w : std::initializer_list<QWidget*>{PicHE, PicAZ, Option5[0], Option5[1]})
        nommer(w, w->toolTip());
    // Descriptions taken from a tooltip are set too: a listener caches a description and
    // hears of a new one only when it is set.
    for (QWidget* w : std::initializer_list<QWidget*>{Image1, Label13, Command8})
        decrire(w, w == Label13 ? Image1->toolTip() : w->toolTip());
    for (QCheckBox* c : Chec)
        decrire(c, c->toolTip());
    for (const captions::NomAccessible& n : captions::nomsAccessibles()) {
        const QString nom = QString::fromLatin1(n.nom);
        const QString texte = QString::fromUtf8(selon(langue, n.fr, n.es));
        if (!nom.endsWith(QLatin1Char('_'))) {
            if (auto* w = findChild<QWidget*>(nom))
                nommer(w, texte);
            continue;
        }
        for (int i = 0; i < 5; ++i)
            if (auto* w = findChild<QWidget*>(nom + QString::number(i)))
                nommer(w, texte.arg(i + 1));
    }
    for (int i = 0; i < 5; ++i)
        decrireLigne(i);
    // A field named by its heading takes the heading's new words, of which a listener hears
    // only by this event.
    for (QLabel* titre : findChildren<QLabel*>())
        if (QWidget* champ = titre->buddy()) {
            QAccessibleEvent evenement(champ, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&evenement);
        }
}

// A line holding a reading says whether it is kept, as its green colour shows, then what
// its tooltip says: the reading kept with it, whether it disagrees with the others, and
// last the report's commands, which stay named whatever the line holds.
void FormTalvan::decrireLigne(int i) {
    QString description;
    const QString lecture = texteLectureLigne(i);
    const QString aide = AideRaccourcisRapport(langue());
    const QString bulle = lecture.isEmpty() ? aide : lecture + QLatin1Char('\n') + aide;
    if (!DG[i]->text().isEmpty()) {
        const bool gardee = DG[i]->palette().color(QPalette::Text) == VertGarde;
        description =
            platform::texte(gardee ? captions::LigneGardee : captions::LigneCandidate, langue()) +
            QLatin1Char('\n') + bulle;
    }
    decrire(DG[i], description);
    if (DG[i]->toolTip() != bulle)
        DG[i]->setToolTip(bulle);
}

void FormTalvan::Command6_Click() {
    if (!m_about) {
        m_about = new About(m_services, windowIcon(),
                            platform::icone(QStringLiteral("soleil")).pixmap(32, 32), this);
        connect(m_about, &About::retour, this, [this] {
            show();
            raise();
            activateWindow();
        });
    }
    AppliquerLangue(langue());
    const platform::ProgramIdentity& id = m_services.identity;
    if (auto* version = m_about->findChild<QLabel*>(QStringLiteral("Label4")))
        version->setText(QStringLiteral("%1 : %2.%3.%4")
                             .arg(version->property("Tag").toString())
                             .arg(id.majeure)
                             .arg(id.mineure)
                             .arg(id.revision));
    m_about->show();
}

void FormTalvan::Command7_Click() {
    Frame3->setVisible(!Frame3->isVisible());
    Frame3->move(0, Frame3->y());
    // Over every control but the command row (created after the others from Option5_0 on),
    // whose top the panel's lower edge reaches by 15 twips.
    Frame3->stackUnder(Option5[0]);
}

void FormTalvan::masquerAide() {
    Frame3->hide();
}
