#include "about/about.h"
#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {

struct Banc : Fenetre<FormTalvan> {
    using Fenetre::Fenetre;
    bool coche(const QString& nom) const { return c(nom)->property("checked").toBool(); }
    bool aide() const { return c("Frame3")->isVisible(); }
    // Every text a person can read on the window, as sorted "objectName=text|toolTip" lines.
    QStringList textes() const {
        QStringList l(w->etat().Libelles.begin(), w->etat().Libelles.end());
        l << w->windowTitle();
        for (const QWidget* x : w->findChildren<QWidget*>())
            if (!x->objectName().startsWith(QLatin1String("qt_")))
                l << x->objectName() + '=' + x->property("text").toString() + '|' + x->toolTip();
        l.sort();
        return l;
    }
};

QString legendes(const QWidget* f, const QStringList& noms) {
    QStringList l;
    for (const QString& n : noms)
        l << f->findChild<QWidget*>(n)->property("text").toString();
    return l.join('|');
}

const QString Adresse = "/maps?ll=48.8666667,2.3333333&spn=0.099583,0.219830&t=h&hl=fr";

} // namespace

class TestLangues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Regression: both flags once stayed checked. The round trip equals a French start.
    void allerRetour() {
        Banc b, reference;
        for (const char* drapeau : {"Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            QVERIFY(b.coche(drapeau) && b.coche("Option5_0") != b.coche("Option5_1"));
            const QString aide = b.c("Label8")->property("text").toString(); // 5 lines
            QVERIFY(aide.count('\n') == 4 && aide.split("\r\n", Qt::SkipEmptyParts).size() == 5);
            if (b.coche("Option5_1"))
                for (const char* l : {"Orsalina", "Adiós", "Chec_4=|Usar para el cálculo"})
                    QVERIFY2(b.textes().contains(QString::fromUtf8(l)), l);
        }
        b.w->Timer1_Timer();
        reference.w->Timer1_Timer();
        QCOMPARE(b.textes(), reference.textes());
    }

    // Only the help button, the figure and the help text hide the panel.
    void aideClic() {
        Banc b;
        QVERIFY(!b.aide());
        b.clic("Command7");
        for (const auto& [cible, masque] : {std::pair{"Image2", true}, std::pair{"Label8", true},
                                            std::pair{"LabAide_2", false}}) {
            b.clic(cible);
            QVERIFY2(b.aide() != masque, cible);
            b.clic("Command7");
            QVERIFY2(b.aide() == masque, cible);
        }
    }

    void about() {
        Banc b("f"); // only an exact "F" starts in French
        // Below them, the legal notice: copyright, no warranty, the licence's name.
        for (const auto& [attendu, garantie] :
             {std::pair{"Acerca de|Versión : 3.0.0|Volver", "SIN NINGUNA GARANTÍA"},
              std::pair{"A propos|Version : 3.0.0|Retour", "SANS AUCUNE GARANTIE"}}) {
            b.clic("Command6");
            QPointer<About> a = b.w->fenetreAbout();
            QVERIFY(a && a->isVisible() && a->isModal());
            QSignalSpy retour(a.data(), &About::retour); // the main window comes back on it
            QCOMPARE(a->windowTitle() + '|' + legendes(a, {"Label4", "Command1"}),
                     QString::fromUtf8(attendu));
            const QString mentions = legendes(a, {"Label6"});
            for (const char* m : {"Copyright © 2026", garantie, "(GPL-3.0-or-later)"})
                QVERIFY2(mentions.contains(QString::fromUtf8(m)), m);
            QTest::mouseClick(a->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!a);
            QCOMPARE(retour.size(), 1);
            b.clic("Option5_0");
        }
    }

    // In Spanish too the address asks for French; one address and one overlay per click, in
    // the window's language for a reader too. (The overlay's own tests bring the window back.)
    void carte() {
        Banc b; // 48°52' N, 2°20' E
        b.clic("Option5_1");
        const auto fenetres = QApplication::topLevelWidgets().size();
        for (int clics = 1; clics <= 2; ++clics) {
            b.clic("Command8");
            QCOMPARE(b.fakes.opener.adresses.size(), clics);
            QVERIFY(b.fakes.opener.adresses.last().toString(QUrl::FullyEncoded).endsWith(Adresse));
            QCOMPARE(QApplication::topLevelWidgets().size(), fenetres + 1);
            QVERIFY(!b.w->isVisible());
        }
        Droite* d = b.w->fenetreDroite();
        QCOMPARE(legendes(d, {"Label1", "Label2", "Command1"}),
                 QString::fromUtf8("Transparencia|ángulo|Volver"));
        QStringList lus; // what a screen reader names: both bars and the declination
        for (const char* nom : {"HScroll1", "HScroll2", "Label4"})
            lus << QAccessible::queryAccessibleInterface(d->findChild<QWidget*>(nom))
                       ->text(QAccessible::Name);
        QCOMPARE(lus.join('|'), QString::fromUtf8("Transparencia|Ángulo|Declinación de la pared"));
    }
};

QTEST_MAIN(TestLangues)
#include "tst_langues.moc"
