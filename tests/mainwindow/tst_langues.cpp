#include "about/about.h"
#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

struct Banc : Fenetre<FormTalvan> {
    using Fenetre::Fenetre;
    bool coche(const QString& nom) const { return c(nom)->property("checked").toBool(); }
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

} // namespace

class TestLangues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Regression: both flags once stayed checked. The round trip equals a French start (only
    // an exact "F" starts in French). About, modal, follows the window's language, with the
    // legal notice below: copyright, no warranty, the licence's name.
    void allerRetour() {
        Banc b("f"), reference;
        QVERIFY(b.coche("Option5_1"));
        for (const char* drapeau : {"Option5_0", "Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            const bool es = b.coche("Option5_1");
            QVERIFY(b.coche(drapeau) && es != b.coche("Option5_0"));
            const QString aide = b.texte("Label8"); // 5 lines
            QVERIFY(aide.count('\n') == 4 && aide.split("\r\n", Qt::SkipEmptyParts).size() == 5);
            for (const char* l : {"Orsalina", "Adiós", "Chec_4=|Usar para el cálculo"})
                QVERIFY2(b.textes().contains(QString::fromUtf8(l)) == es, l);
            b.clic("Command6");
            QPointer<About> a = b.w->fenetreAbout();
            QVERIFY(a && a->isVisible() && a->isModal());
            QSignalSpy retour(a.data(), &About::retour); // the main window comes back on it
            const QStringList l =
                QString::fromUtf8(es ? "Acerca de|Versión : 3.0.0|Volver|SIN NINGUNA GARANTÍA"
                                     : "A propos|Version : 3.0.0|Retour|SANS AUCUNE GARANTIE")
                    .split('|');
            QCOMPARE(a->windowTitle() + '|' + legendes(a, {"Label4", "Command1"}),
                     l.mid(0, 3).join('|'));
            for (const QString& m : {l[3], u"Copyright © 2026"_s, u"(GPL-3.0-or-later)"_s})
                QVERIFY2(legendes(a, {"Label6"}).contains(m), qPrintable(m));
            QTest::mouseClick(a->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!a && retour.size() == 1);
        }
        b.tic();
        reference.tic();
        QCOMPARE(b.textes(), reference.textes());
    }
};

QTEST_MAIN(TestLangues)
#include "tst_langues.moc"
