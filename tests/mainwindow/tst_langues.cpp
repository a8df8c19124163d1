#include "about/about.h"
#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// The main window loaded on the fakes (fixed clock: every computed field is reproducible).
struct Banc {
    FakeServices fakes;
    std::unique_ptr<FormTalvan> w;

    explicit Banc(const std::function<void(FakeServices&)>& preparer = {}) {
        if (preparer)
            preparer(fakes);
        w = std::make_unique<FormTalvan>(fakes.services());
        w->Charger();
    }
    template <typename T = QWidget> T* c(const QString& nom) const {
        T* x = w->findChild<T*>(nom);
        if (!x)
            qFatal("no control %s", qPrintable(nom));
        return x;
    }
    void clic(const QString& nom) const { QTest::mouseClick(c(nom), Qt::LeftButton); }
    QWidget* aide() const { return c(QStringLiteral("Frame3")); }
};

std::function<void(FakeServices&)> langueStockee(const QString& valeur) {
    return [valeur](FakeServices& f) { f.settings.valeurs.insert("Start/Langue", valeur); };
}

// Every text a person can read on the main window, keyed "objectName/property".
QMap<QString, QString> textes(const FormTalvan& w) {
    QMap<QString, QString> m;
    m.insert(QStringLiteral("FormTalvan/title"), w.windowTitle());
    for (int i = 1; i <= 5; ++i)
        m.insert(QStringLiteral("Libelles/%1").arg(i), w.etat().Libelles[i]);
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        const QString n = c->objectName();
        if (n.isEmpty() || n.startsWith(QLatin1String("qt_")))
            continue;
        if (const auto* l = qobject_cast<const QLabel*>(c))
            m.insert(n + "/text", l->text());
        else if (const auto* b = qobject_cast<const QAbstractButton*>(c))
            m.insert(n + "/text", b->text());
        else if (const auto* e = qobject_cast<const QLineEdit*>(c))
            m.insert(n + "/text", e->text());
        m.insert(n + "/toolTip", c->toolTip());
    }
    return m;
}

QStringList differences(const QMap<QString, QString>& a, const QMap<QString, QString>& b) {
    QStringList d;
    for (const QString& cle : a.keys() + b.keys())
        if (a.value(cle, "<none>") != b.value(cle, "<none>"))
            d << cle + ": \"" + a.value(cle, "<none>") + "\" / \"" + b.value(cle, "<none>") + '"';
    d.removeDuplicates();
    return d;
}

} // namespace

class TestLangues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Only an exact "F" starts in French. Every text then equals that of a French start,
    // switched to Spanish where expected; the flags are clicked first.
    void demarrage_data() {
        QTest::addColumn<QVariant>("stockee"); // null: nothing stored
        QTest::addColumn<QStringList>("drapeaux");
        QTest::addColumn<bool>("espagnol");
        QTest::newRow("none stored") << QVariant() << QStringList() << false;
        QTest::newRow("F") << QVariant("F") << QStringList() << false;
        QTest::newRow("E") << QVariant("E") << QStringList() << true;
        QTest::newRow("lower-case f") << QVariant("f") << QStringList() << true;
        QTest::newRow("empty") << QVariant("") << QStringList() << true;
        QTest::newRow("French, Spanish, French")
            << QVariant() << QStringList{"Option5_1", "Option5_0"} << false;
        QTest::newRow("Spanish, French") << QVariant("E") << QStringList{"Option5_0"} << false;
    }
    void demarrage() {
        QFETCH(QVariant, stockee);
        QFETCH(QStringList, drapeaux);
        QFETCH(bool, espagnol);
        Banc b(stockee.isNull() ? std::function<void(FakeServices&)>()
                                : langueStockee(stockee.toString()));
        for (const QString& d : drapeaux)
            b.clic(d);
        Banc reference;
        if (espagnol)
            reference.clic("Option5_1");
        b.w->Timer1_Timer();
        reference.w->Timer1_Timer();
        QCOMPARE(b.c<QAbstractButton>("Option5_0")->isChecked(), !espagnol);
        const QStringList d = differences(textes(*b.w), textes(*reference.w));
        QVERIFY2(d.isEmpty(), qPrintable(d.join('\n')));
    }

    void litteraux_data() {
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("es");
        const char* table[][3] = {
            {"FormTalvan/title", "Orsaline", "Orsalina"},
            {"Label17/text", "Angle mesuré au mur", "Ángulo medido en la pared"},
            {"Command3/text", "Efface le dernier", "Eliminar la última"},
            {"Option5_0/toolTip", "Français", "Francés"},
            {"PicHE/toolTip",
             "Hauteur du centre du soleil (sans tenir Compte de la réfraction atmosphérique)",
             "Altura del centro del sol (sin tener en cuenta la refracción atmosférica"},
            {"LabAide_0/text", "Angle à reporter", "Ángulo para transladar"},
            {"Command8/text", "Google", "Google"},
            {"Libelles/5", "Au revoir", "Adios"},
            {"Chec_4/toolTip", "Utiliser pour le calcul", "Utiliser pour le calcul"},
        };
        for (const auto& l : table)
            QTest::newRow(l[0]) << QString(l[0]) << QString::fromUtf8(l[1])
                                << QString::fromUtf8(l[2]);
    }
    void litteraux() {
        QFETCH(QString, cle);
        QFETCH(QString, fr);
        QFETCH(QString, es);
        Banc b;
        QCOMPARE(textes(*b.w).value(cle), fr);
        b.clic("Option5_1");
        QCOMPARE(textes(*b.w).value(cle), es);
    }

    // Both languages: the units follow at once, the help text has five lines, and the
    // mark beside the clock says what the clock says.
    void dependances() {
        Banc b;
        const struct {
            const char* drapeau;
            const char* secondes;
            const char* abrege;
        } langues[] = {{"Option5_1", " Segundos", " Seg."}, {"Option5_0", " Secondes", " Sec."}};
        for (const auto& l : langues) {
            b.clic(QString::fromLatin1(l.drapeau));
            QVERIFY(b.c<QLineEdit>("Text7")->text().endsWith(QLatin1String(l.secondes)));
            QVERIFY(b.c<QLineEdit>("Text8")->text().endsWith(QLatin1String(l.abrege)));
            const QString aide = b.c<QLabel>("Label8")->text();
            const QStringList lignes = aide.split(QStringLiteral("\r\n"));
            QCOMPARE(lignes.size(), 5);
            QCOMPARE(aide.count('\n'), 4);
            QVERIFY(!lignes.contains(QString())); // none empty, no trailing break
            QVERIFY(!b.c("Image1")->toolTip().isEmpty());
            QCOMPARE(b.c("Label13")->toolTip(), b.c("Image1")->toolTip());
        }
    }

    // Only the help button, the figure and the help text hide the panel.
    void aideClic_data() {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<bool>("masque");
        QTest::newRow("help button") << "Command7" << true;
        QTest::newRow("figure") << "Image2" << true;
        QTest::newRow("help text") << "Label8" << true;
        QTest::newRow("annotation") << "LabAide_2" << false;
        QTest::newRow("figure title") << "Label12" << false;
    }
    void aideClic() {
        QFETCH(QString, cible);
        QFETCH(bool, masque);
        Banc b;
        QVERIFY(!b.aide()->isVisible());
        b.clic("Command7");
        QVERIFY(b.aide()->isVisible());
        QCOMPARE(b.aide()->x(), 0);
        b.clic(cible);
        QCOMPARE(b.aide()->isVisible(), !masque);
        b.clic("Command7");
        QCOMPARE(b.aide()->isVisible(), masque);
    }

    // The panel leaves the command row uncovered: a click there reaches the button.
    void aideRangeeCommandes() {
        Banc b;
        b.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
        b.clic("Command7");
        for (const char* nom :
             {"Option5_0", "Option5_1", "Command8", "Command7", "Command6", "Command4"}) {
            QWidget* bouton = b.c(QString::fromLatin1(nom));
            const QRect r = bouton->geometry();
            // The panel's lower edge reaches the row's first pixel row.
            for (const QPoint p : {r.center(), QPoint(r.center().x(), r.top())})
                QVERIFY2(b.w->childAt(p) == bouton, nom);
        }
        // Through the window, as a person clicks: Spanish while the panel stays shown.
        const QWidget* espagnol = b.c("Option5_1");
        QTest::mouseClick(b.w->windowHandle(), Qt::LeftButton, {}, espagnol->geometry().center());
        QVERIFY(b.aide()->isVisible());
        QCOMPARE(b.c<QLabel>("LabAide_3")->text(), QStringLiteral("Pared Vertical"));
        QVERIFY(b.c<QLabel>("Label8")->text().startsWith(QStringLiteral("- Introducir")));
        QTest::mouseClick(b.w->windowHandle(), Qt::LeftButton, {},
                          b.c("Command7")->geometry().center());
        QVERIFY(!b.aide()->isVisible());
    }

    void about_data() {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QStringList>("premier");
        QTest::addColumn<QStringList>("second");
        const QStringList fr{"A propos", "Version :3.0", "Retour"};
        const QStringList es{"Acerca de", QString::fromUtf8("Versión :3.0"), "Volver"};
        QTest::newRow("French, then Spanish") << "F" << fr << es;
        QTest::newRow("Spanish, then French") << "E" << es << fr;
    }
    void about() {
        QFETCH(QString, depart);
        QFETCH(QStringList, premier);
        QFETCH(QStringList, second);
        Banc b(langueStockee(depart));
        QVERIFY(!b.w->fenetreAbout()); // created when first opened
        for (const QStringList& attendu : {premier, second}) {
            b.clic("Command6");
            QPointer<About> a = b.w->fenetreAbout();
            QVERIFY(a && a->isVisible() && a->isModal());
            QCOMPARE((QStringList{a->windowTitle(), a->findChild<QLabel*>("Label4")->text(),
                                  a->findChild<QAbstractButton*>("Command1")->text()}),
                     attendu);
            QTest::mouseClick(a->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!a);
            QVERIFY(b.w->isVisible());
            b.clic(depart == "F" ? QStringLiteral("Option5_1") : QStringLiteral("Option5_0"));
        }
    }

    void courriel() {
        Banc b([](FakeServices& f) { f.identity.nomExecutable = QStringLiteral("Merolt"); });
        b.clic("Command6");
        auto* lien = b.w->fenetreAbout()->findChild<QLabel*>("Label2");
        QTest::mouseClick(lien, Qt::LeftButton, {}, lien->rect().center());
        QCOMPARE(b.fakes.opener.adresses.size(), 1);
        QCOMPARE(b.fakes.opener.adresses[0].query(QUrl::FullyDecoded),
                 QStringLiteral("subject=Merolt V3.0.0"));
    }

    void carte_data() {
        QTest::addColumn<bool>("espagnol");
        QTest::addColumn<QStringList>("legendes");
        QTest::newRow("French") << false << QStringList{"Transparence", "Angle", "Retour"};
        QTest::newRow("Spanish") << true
                                 << QStringList{"Transparencia", QString::fromUtf8("ángulo"),
                                                "Volver"};
    }
    void carte() {
        QFETCH(bool, espagnol);
        QFETCH(QStringList, legendes);
        Banc b; // 48°52' N, 2°20' E
        if (espagnol)
            b.clic("Option5_1");
        const auto droites = [] {
            int n = 0;
            for (QWidget* t : QApplication::topLevelWidgets())
                n += qobject_cast<Droite*>(t) && t->isVisible();
            return n;
        };
        for (int clics = 1; clics <= 2; ++clics) {
            b.clic("Command8");
            QCOMPARE(b.fakes.opener.adresses.size(), clics);
            QVERIFY(b.fakes.opener.adresses.last()
                        .toString(QUrl::FullyEncoded)
                        .endsWith("/maps?ll=48.8666667,2.3333333&spn=0.099583,0.219830&t=h&hl=fr"));
            QCOMPARE(droites(), 1);
            QVERIFY(b.w->isMinimized());
        }
        Droite* d = b.w->fenetreDroite();
        QCOMPARE((QStringList{d->findChild<QLabel*>("Label1")->text(),
                              d->findChild<QLabel*>("Label2")->text(),
                              d->findChild<QAbstractButton*>("Command1")->text()}),
                 legendes);
        QTest::mouseClick(d->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(droites(), 0);
        QVERIFY(b.w->isVisible());
        QVERIFY(!b.w->isMinimized());
    }
};

QTEST_MAIN(TestLangues)
#include "tst_langues.moc"
