// The settings file across runs and quits: real files in a temporary folder, read and written
// through the program's own store, one or two copies of the real main window.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/ecriturefichier.h"
#include "platform/signauxfin.h"

#include <QtTest>
#include <QtWidgets>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// One copy of the program on the settings file.
struct Fichier {
    std::unique_ptr<platform::QtSettingsStore> reglages;
};
struct Copie : Fichier, Fenetre<FormTalvan> {
    explicit Copie(const QString& chemin)
        : Fichier{platform::QtSettingsStore::fromFile(chemin)},
          Fenetre("F", "", "Europe/Paris", {}, reglages.get()) {}
    // "Text1 and N or S, Mem, lines = average": a kept line is X and its text when ticked, _ and
    // its text when not; a line after the kept ones is o when it holds a value, . when empty.
    QString vue() const {
        QString r = texte("Text1") + (c<QRadioButton>("Option1")->isChecked() ? "N " : "S ") +
                    QString::number(w->etat().Mem);
        for (int i = 0; i < 5; ++i) {
            const auto* dg = c<QLineEdit>(u"DG_%1"_s.arg(i));
            const bool vert = dg->palette().color(QPalette::Text) == QColor(0, 128, 0);
            if (vert != (i < w->etat().Mem))
                return r + " colour of line " + QString::number(i);
            r += ' ' +
                 (i >= w->etat().Mem
                      ? QString(dg->text().isEmpty() ? '.' : 'o')
                      : (c<QCheckBox>(u"Chec_%1"_s.arg(i))->isChecked() ? 'X' : '_') + dg->text());
        }
        return r + " = " + texte("Text15");
    }
};

// The [Start] section of the file as it lies on disk: key -> value as written.
QMap<QString, QString> section(const QString& chemin) {
    QFile f(chemin);
    QMap<QString, QString> cles;
    if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly))
        return cles;
    bool dedans = false;
    for (const QByteArray& l : f.readAll().split('\n')) {
        if (l.startsWith('['))
            dedans = l.trimmed() == "[Start]";
        else if (const qsizetype egal = l.indexOf('='); dedans && egal > 0)
            cles.insert(QString::fromUtf8(l.left(egal)), QString::fromUtf8(l.mid(egal + 1)));
    }
    return cles;
}

} // namespace

class TestReglages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QString m_chemin;
    std::unique_ptr<Copie> A, B;
    std::unique_ptr<platform::SignauxFin> m_signaux;
    QStringList m_reponses, m_vues; // answers to give, boxes seen as "name:buttons"
    QTimer m_repondeur;
    int m_fichiers = 0;

    // With two copies, B starts first and SIGTERM ends it; connected as the program's main() does.
    void demarrer(bool deux) {
        if (deux)
            B = std::make_unique<Copie>(m_chemin);
        A = std::make_unique<Copie>(m_chemin);
        m_signaux = std::make_unique<platform::SignauxFin>();
        connect(m_signaux.get(), &platform::SignauxFin::recu, (deux ? B : A)->w.get(),
                &FormTalvan::FinDeSession);
    }
    // Answers the message boxes in turn: Oui, Non, Ok, Entree (the default button), Echap,
    // SIGTERM (the program asked to end while the box is open).
    void repondre() {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m)
            return;
        QStringList boutons;
        for (QAbstractButton* b : m->buttons())
            if (b->isVisible())
                boutons << b->text().remove(u'&'); // Qt may add its own mnemonic
        m_vues << m->objectName() + ':' + boutons.join('/');
        const QString r = m_reponses.isEmpty() ? u"Echap"_s : m_reponses.takeFirst();
        static const QMap<QString, QMessageBox::StandardButton> nommes{
            {"Oui", QMessageBox::Yes}, {"Non", QMessageBox::No}, {"Ok", QMessageBox::Ok}};
        if (nommes.contains(r))
            m->button(nommes[r])->click();
        else if (r == "SIGTERM") {
            ::raise(SIGTERM);
            QVERIFY(QTest::qWaitFor([m] { return !m->isVisible(); }));
        } else
            QTest::keyClick(m, r == "Entree" ? Qt::Key_Return : Qt::Key_Escape);
    }
    // Gestures, each for copy A or, prefixed "B:", for copy B: a control's name (a mouse click),
    // Name=text (typed into a field reached without the mouse), calc:angle, garder:angle
    // (Calcul, then keep), fermer (the window's close box), sigterm, session (the session
    // manager's request to save), undo (Ctrl+Z), disque-plein (every later save fails),
    // tab:Name (Tab until Name has the focus), key:Down, key:Space.
    void jouer(const QString& gestes) {
        for (QString g : gestes.split(' ', Qt::SkipEmptyParts)) {
            const Copie& k = g.startsWith("B:") ? *B : *A;
            g.remove(QRegularExpression("^[AB]:"));
            const QString arg = g.section(QRegularExpression("[:=]"), 1);
            if (g.startsWith("calc:") || g.startsWith("garder:")) {
                k.c<QLineEdit>("Text12")->setText(arg);
                k.clic("Command1");
                if (g.startsWith("garder:"))
                    k.clic("Command2");
            } else if (g.contains('=')) {
                auto* champ = k.c<QLineEdit>(g.section('=', 0, 0));
                champ->setFocus();
                champ->selectAll();
                QTest::keyClicks(champ, arg);
            } else if (g.startsWith("tab:")) {
                k.w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(k.w.get()));
                for (int n = 0; n < 80 && QApplication::focusWidget()->objectName() != arg; ++n)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), arg);
            } else if (g.startsWith("key:")) {
                QTest::keyClick(QApplication::focusWidget(),
                                arg == "Down" ? Qt::Key_Down : Qt::Key_Space);
            } else if (g == "fermer") {
                k.w->close();
            } else if (g == "sigterm") {
                ::raise(SIGTERM);
                QVERIFY(QTest::qWaitFor([&k] { return !k.w->isVisible(); }));
            } else if (g == "session") {
                k.w->EnregistrerFinDeSession();
            } else if (g == "undo") {
                k.w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(k.w.get()));
                QTest::keyClick(k.w.get(), Qt::Key_Z, Qt::ControlModifier);
            } else if (g == "disque-plein") {
                platform::SimulerPannes([](auto e, auto&) {
                    return e == platform::EtapeEcriture::Vidage ? ENOSPC : 0;
                });
            } else {
                k.clic(g);
            }
        }
    }
    // "key=value" as on disk, "key=*" any value but empty, "!key" absent, "FIFO" the path is
    // still a FIFO; A0, B2... stand for the text of that copy's line.
    void verifierFichier(const QString& attendu) {
        const QMap<QString, QString> cles = section(m_chemin);
        for (QString a : attendu.split(' ', Qt::SkipEmptyParts)) {
            for (const auto& [nom, k] : {std::pair{'A', A.get()}, std::pair{'B', B.get()}})
                for (int i = 0; k && i < 5; ++i)
                    a.replace(QString(nom) + QString::number(i), k->texte(u"DG_%1"_s.arg(i)));
            if (a == "FIFO")
                QVERIFY(QFileInfo(m_chemin).exists() && !QFileInfo(m_chemin).isFile());
            else if (a.startsWith('!'))
                QVERIFY2(!cles.contains(a.mid(1)), qPrintable(a));
            else if (a.endsWith("=*"))
                QVERIFY2(!cles.value(a.chopped(2)).isEmpty(), qPrintable(a));
            else
                QCOMPARE(a.section('=', 0, 0) + '=' + cles.value(a.section('=', 0, 0), "absent"),
                         a);
        }
    }
    void ecrire(const QByteArray& contenu) {
        if (contenu == "FIFO") {
            QCOMPARE(::mkfifo(QFile::encodeName(m_chemin).constData(), 0600), 0);
            return;
        }
        QFile f(m_chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        connect(&m_repondeur, &QTimer::timeout, this, &TestReglages::repondre);
    }
    void init() {
        m_chemin = m_dossier.filePath(QString::number(++m_fichiers) + ".ini");
        m_vues.clear();
        m_repondeur.start(10);
    }
    void cleanup() {
        m_repondeur.stop();
        platform::SimulerPannes({});
        m_signaux.reset();
        A.reset();
        B.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Files as users and older versions leave them: what the window shows at start, then what
    // the file holds after the gestures and answers. Averages by hand: (-12.44 + 7.5) / 2 =
    // -2.47; (10.50 - 3.25) / 2 = 3.625, rounded away from zero; (10 + 20) / 2 = 15.
    void fichiers_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QStringList>("reponses");
        QTest::addColumn<QString>("fichier");
        const QStringList oui{"Oui"};
        QTest::newRow("gap") << QByteArray("[Start]\n0=10.00\n3=20.00\n") << "C"
                             << "48N 2 X10.00 X20.00 . . . = 15.00"
                             << "garder:45 calc:44 Command4" << oui
                             << "0=10.00 1=20.00 2=* 3=* 4= Mem=3 deglat=48";
        QTest::newRow("commas, full-stop locale")
            << QByteArray("[Start]\n0=\"-12,44\"\n1=\"7,5\"\n") << "C"
            << "48N 2 X-12,44 X7,5 . . . = -2.47"
            << "calc:45 Text1 Command4" << oui << "0=\"-12,44\" 1=\"7,5\" 2=* Mem=2";
        QTest::newRow("full stops, French locale")
            << QByteArray("[Start]\n0=10.50\n1=-3.25\n") << "fr_FR"
            << "48N 2 X10.50 X-3.25 . . . = 3,63"
            << "Command5 Command4" << QStringList{"Oui", "Oui"} << "0= 1= Mem=0 Langue=F";
        QTest::newRow("comma read as a group")
            << QByteArray("[Start]\n0=\"0,180\"\n") << "C"
            << "48N 1 X0,180 . . . . = .18"
            << "Command4" << QStringList() << "0=\"0,180\" Langue=F !Mem";
        QTest::newRow("unquoted comma")
            << QByteArray("[Start]\ndeglat=43,5\n0=12,50\n") << "C"
            << "43,5N 1 X12,50 . . . . = 12.50"
            << "Text1 Command4" << oui << "deglat=\"43,5\" 0=\"12,50\" Mem=1";
        QTest::newRow("comment and stray lines")
            << QByteArray("[Start]\n# mur sud\ndeglat=43\nmur sud\nlat=False\n0=10.00\n") << "C"
            << "43S 1 X10.00 . . . . = 10.00"
            << "Command4" << QStringList() << "deglat=43 lat=False 0=10.00 Langue=F";
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Start]\nLangue=E\ndeglat=43\n") << "C"
            << "43N 0 . . . . . = "
            << "Command4" << QStringList() << "deglat=43 Langue=E";
        QTest::newRow("binary junk")
            << QByteArray("\x01\xff\x80=\x7f\n\0\x02[\n[Start]\ndeglat=12\n", 28) << "C"
            << "12N 0 . . . . . = "
            << "Command4" << QStringList() << "deglat=12 Langue=F";
        QTest::newRow("a word kept") << QByteArray("[Start]\n1=mur\n2=10.00\n") << "C"
                                     << "48N 2 _mur X10.00 . . . = 10.00"
                                     << "garder:45 Command4" << oui << "0=mur 1=10.00 2=* 3= Mem=3";
        QTest::newRow("place out of bounds, emptied by the program")
            << QByteArray("[Start]\ndeglat=95\n") << "C"
            << "N 0 . . . . . = "
            << "Command4" << QStringList() << "deglat=95 Langue=F";
        QTest::newRow("FIFO") << QByteArray("FIFO") << "C"
                              << "48N 0 . . . . . = "
                              << "Text1 Command4" << QStringList{"Oui", "Oui"} << "FIFO";
    }
    void fichiers() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, locale);
        QFETCH(QString, debut);
        QFETCH(QString, gestes);
        QFETCH(QStringList, reponses);
        QFETCH(QString, fichier);
        QLocale::setDefault(QLocale(locale));
        ecrire(contenu);
        demarrer(false);
        QCOMPARE(A->vue(), debut);
        m_reponses = reponses;
        jouer(gestes);
        QVERIFY(!A->w->isVisible());
        QCOMPARE(m_reponses, QStringList()); // each answer given, to a box of its own
        QCOMPARE(m_vues.size(), reponses.size());
        verifierFichier(fichier);
    }

    // The ways out, from a file with two kept readings: the boxes shown with their buttons,
    // whether the window is still open, what the file holds then.
    void quitter_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QStringList>("reponses");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<bool>("ouverte");
        QTest::addColumn<QString>("fichier");
        const QStringList q{"QuestionQuitter:Oui/Non"}, r{"QuestionReset:Oui/Non"}, rien;
        const QString intact = "!Langue !lat 0=10.00 1=20.00";
        QTest::newRow("nothing changed")
            << "Command4" << rien << rien << false << "Langue=F !lat 0=10.00 !Mem";
        QTest::newRow("Yes") << "Text2 Command4" << QStringList{"Oui"} << q << false
                             << "lat=True 0=10.00 1=20.00 2= Mem=2 Langue=F";
        QTest::newRow("No") << "Text2 Command4" << QStringList{"Non"} << q << false << intact;
        QTest::newRow("Escape") << "Text2 Command4" << QStringList{"Echap"} << q << true << intact;
        QTest::newRow("close box, Escape")
            << "Text2 fermer" << QStringList{"Echap"} << q << true << intact;
        QTest::newRow("close box, Yes, Spanish")
            << "Option5_1 Text2 fermer" << QStringList{"Entree"}
            << QStringList{u"QuestionQuitter:Sí/No"_s} << false << "lat=True Langue=E";
        QTest::newRow("reset, Escape") << "Command5" << QStringList{"Echap"} << r << true << intact;
        QTest::newRow("reset, Yes")
            << "Command5" << QStringList{"Oui"} << r << true << "0= 1= Mem=0 !Langue !lat";
        const QString e = "QuestionEffacer:Oui/Non"; // erasing a kept line asks first
        QTest::newRow("reset, nothing kept")
            << "Command3 Command3 Command5" << QStringList{"Oui", "Oui"} << QStringList{e, e}
            << true << "0= 1= !Langue !lat";
        // Each kind of place control changed from the keyboard alone, "Quitter" by the keyboard.
        for (const auto& [nom, gestes, fichier] :
             {std::tuple{"keyboard, latitude", "tab:Text1 Text1=45", "deglat=45"},
              std::tuple{"keyboard, longitude minutes", "tab:Text4 Text4=7", "minlon=7"},
              std::tuple{"keyboard, south", "tab:Option1 key:Down", "lat=False lon=True"},
              std::tuple{"keyboard, west", "tab:Option4 key:Down", "lon=False lat=True"}})
            QTest::newRow(nom) << QString(gestes) + " tab:Command4 key:Space"
                               << QStringList{"Entree"} << q << false
                               << QString(fichier) + " Langue=F 0=10.00";
        QTest::newRow("SIGTERM") << "Text2 sigterm" << rien << rien << false
                                 << "lat=True 0=10.00 1=20.00 Mem=2 Langue=F";
        QTest::newRow("SIGTERM, About open, nothing changed")
            << "Command6 sigterm" << rien << rien << false << "Langue=F !lat";
        QTest::newRow("SIGTERM during the question")
            << "Text2 Command4" << QStringList{"SIGTERM"} << q << false << "lat=True Langue=F";
        QTest::newRow("end of session, then quit")
            << "Text2 session Command4" << rien << rien << false << "lat=True Mem=2 Langue=F";
        QTest::newRow("end of session, one more kept, Yes")
            << "garder:44 session garder:45 Command4" << QStringList{"Oui"} << q << false
            << "0=10.00 1=20.00 2=A2 3=A3 4= Mem=4";
        QTest::newRow("reset undone, Yes")
            << "Command5 undo Command4" << QStringList{"Oui", "Oui"} << QStringList{r[0], q[0]}
            << false << "0=10.00 1=20.00 2= Mem=2";
        // A save that fails at quit offers to stay, "Non" by default: the old file is whole.
        const QString echec = "EchecEnregistrement:Oui/Non";
        QTest::newRow("disk full, stay")
            << "Text2 disque-plein Command4" << QStringList{"Oui", "Entree"}
            << QStringList{q[0], echec} << true << intact;
        QTest::newRow("disk full, quit all the same")
            << "disque-plein Command4" << QStringList{"Oui"} << QStringList{echec} << false
            << intact;
    }
    void quitter() {
        QFETCH(QString, gestes);
        QFETCH(QStringList, reponses);
        QFETCH(QStringList, boites);
        QFETCH(bool, ouverte);
        QFETCH(QString, fichier);
        ecrire("[Start]\n0=10.00\n1=20.00\n");
        demarrer(false);
        m_reponses = reponses;
        jouer(gestes);
        QCOMPARE(m_vues, boites);
        QTRY_COMPARE(A->w->isVisible(), ouverte);
        verifierFichier(fichier);
    }

    // Two copies on one file, B started first; A0... is the text A showed in line 0.
    void deuxCopies_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QStringList>("reponses");
        QTest::addColumn<QString>("fichier");
        const QString deuxA = "garder:40 garder:41 ";
        QTest::newRow("A then B, B touched the place")
            << deuxA + "A:Command4 B:Text1=44 B:Command4" << QStringList{"Oui", "Oui"}
            << "0=A0 1=A1 2= Mem=2 deglat=44";
        QTest::newRow("B then A") << deuxA + "B:Text1=44 B:Command4 Command4"
                                  << QStringList{"Oui", "Oui"} << "0=A0 1=A1 Mem=2 deglat=44";
        const QString trop = "garder:40 garder:41 garder:42 Command4 B:garder:50 B:garder:51 "
                             "B:garder:52 B:Command4";
        QTest::newRow("too many, keep the saved ones")
            << trop << QStringList{"Oui", "Oui", "Non"} << "0=A0 1=A1 2=A2 3= Mem=3";
        QTest::newRow("too many, replace them")
            << trop << QStringList{"Oui", "Oui", "Oui"} << "0=B0 1=B1 2=B2 3= Mem=3";
        QTest::newRow("too many, Escape")
            << trop << QStringList{"Oui", "Oui", "Echap"} << "0=A0 1=A1 2=A2 3=";
    }
    void deuxCopies() {
        QFETCH(QString, gestes);
        QFETCH(QStringList, reponses);
        QFETCH(QString, fichier);
        demarrer(true);
        m_reponses = reponses;
        jouer(gestes);
        QCOMPARE(m_reponses, QStringList()); // each answer given, to a box of its own
        QCOMPARE(m_vues.size(), reponses.size());
        QCOMPARE(B->w->isVisible(),
                 m_vues.contains("QuestionListes:Oui/Non") && reponses.last() == "Echap");
        verifierFichier(fichier);
    }
};

QTEST_MAIN(TestReglages)
#include "tst_reglages.moc"
