// The window's report commands; the report's contents are tested on their own.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/ecriturefichier.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// The window at the fake clock's instant (11 February 2008, 13:00 in Paris), in a French
// user's regional format, with its dialogs replaced: files and printers come from the test.
struct Banc : Fenetre<FormTalvan> {
    QString fichier;     // what the save dialog answers; empty: cancelled
    QString proposition; // what the window proposed to it
    QString pdf;         // where "Print to PDF" writes; empty: the print dialog is cancelled
    QStringList avis;    // warnings shown
    explicit Banc(const char* langue = "F") // the regional format set before the window reads it
        : Fenetre((QLocale::setDefault(QLocale(QLocale::French, QLocale::France)), langue)) {
        DialoguesRapport& d = w->dialoguesRapport();
        d.fichierEnregistrement = [this](QWidget*, const QString&, const QString& p,
                                         const QString&) { return (proposition = p, fichier); };
        d.reglerImpression = [this](QWidget*, QPrinter& imprimante, const QString&) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            return !pdf.isEmpty();
        };
        d.avertir = [this](QWidget*, const QString&, const QString& t) { avis << t; };
        QApplication::setActiveWindow(w.get());
    }
    // Line i typed by hand, ticked or not.
    void ligne(int i, const QString& t, bool x) const { (taper(dg(i), t), chec(i)->setChecked(x)); }
    void touche(Qt::Key k) const { QTest::keyClick(c("Text12"), k, Qt::ControlModifier); }
};

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

} // namespace

class TestRapport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Saved through the window: a French spreadsheet's file (a byte-order mark, ";", decimal
    // commas, CRLF), one row per line that is not empty, in order, ticked or not. The copy key
    // copies the report without a selection, the selection with one. "Print to PDF": one page,
    // written where the print dialog says.
    void commandes() {
        QTemporaryDir dossier;
        Banc b;
        b.ligne(0, "12,10", true);
        b.ligne(1, "-0,50", true);
        b.ligne(3, "a \"b\"", false);
        b.fichier = dossier.filePath("mesures.csv");
        b.touche(Qt::Key_S);
        QCOMPARE(QFileInfo(b.proposition).fileName() + ' ' + b.avis.join('|'),
                 "orsaline-2008-02-11.csv ");
        const QByteArray octets = lire(b.fichier);
        QStringList debuts; // the first two fields of each row
        for (const QByteArray& rangee : octets.split('\n'))
            debuts << QString::fromUtf8(rangee).section(';', 0, 1);
        QCOMPARE(debuts.join('|'), u"texte;cochée|12,10;1|-0,50;1|\"a \"\"b\"\"\";0|"_s);
        QVERIFY(octets.startsWith("\xEF\xBB\xBF") && octets.count("\r\n") == 4);
        b.touche(Qt::Key_C);
        const QString copie = QGuiApplication::clipboard()->text();
        QVERIFY2(copie.contains(u"\n4. a \"b\" — non cochée — sans instant\n"_s) &&
                     copie.contains(u"Rapport établi le 11 février 2008 à 13:00"_s),
                 qPrintable(copie));
        b.taper("Text12", "45");
        b.c<QLineEdit>("Text12")->selectAll();
        b.touche(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), "45");

        // Cancelled: no word (the check below); then the page printed.
        b.fichier.clear();
        b.touche(Qt::Key_S);
        b.pdf = dossier.filePath("rapport.pdf");
        b.touche(Qt::Key_P);
        const QByteArray pdf = lire(b.pdf);
        QVERIFY(b.avis.isEmpty() && pdf.startsWith("%PDF-") && pdf.size() > 10000);
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);

        // A write cut short by a full disk: a message that names the file and says the previous
        // one is unchanged, as it is. A PDF that cannot be written is said so, naming the file.
        b.fichier = dossier.filePath("mesures.csv");
        b.ligne(0, "13,10", true);
        platform::SimulerPannes([](platform::EtapeEcriture e, const QString&) {
            return e == platform::EtapeEcriture::Ecriture ? ENOSPC : 0;
        });
        b.touche(Qt::Key_S);
        platform::SimulerPannes({});
        const QString avis = b.avis.join('|');
        QVERIFY2(avis.startsWith("Le rapport n'a pas pu") && avis.contains(b.fichier) &&
                     avis.endsWith(u"Le fichier précédent est inchangé."_s) && b.avis.size() == 1,
                 qPrintable(avis));
        QCOMPARE(lire(b.fichier), octets);
        b.pdf = dossier.filePath("absent/rapport.pdf");
        b.touche(Qt::Key_P);
        QVERIFY2(b.avis.size() == 2 && b.avis[1].contains(b.pdf), qPrintable(b.avis.join('|')));
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
