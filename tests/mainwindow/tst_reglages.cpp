// The settings file across runs and quits: real files, one or two copies of the real window.

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

using Reglages = std::unique_ptr<platform::QtSettingsStore>; // a base: built before the window
struct Copie : Reglages, Fenetre<FormTalvan> { // one copy of the program on the settings file
    explicit Copie(const QString& chemin)
        : Reglages(platform::QtSettingsStore::fromFile(chemin)),
          Fenetre("F", "", "Europe/Paris", {}, Reglages::get()) {}
    // "Text1 and N or S, Mem, lines = average": a kept (green) line X or _ (unticked) and its
    // text; a line after them o when it holds a value, . if empty.
    QString vue() const {
        const int mem = w->etat().Mem;
        QString r = texte("Text1") + (c<QRadioButton>("Option1")->isChecked() ? "N " : "S ") +
                    QString::number(mem);
        for (int i = 0; i < 5; ++i)
            r += ((dg(i)->palette().color(QPalette::Text) == QColor(0, 128, 0)) != (i < mem)
                      ? " colour:"
                      : " ") +
                 (i >= mem ? QString(dg(i)->text().isEmpty() ? '.' : 'o')
                           : (chec(i)->isChecked() ? 'X' : '_') + dg(i)->text());
        return r + " = " + texte("Text15");
    }
};

// Gestures (one for B: two copies, B started first, no file), the boxes shown, "name>answer" or
// "name:buttons>answer" (Oui, Non, Entree: the default button, Echap, SIGTERM: an end asked
// meanwhile), whether the window (B's) is still open, the file's [Start] keys: "key=value" as on
// disk, "key=*" not empty, "!key" absent, "FIFO=" still a FIFO; A0, B2: that copy's line's text.
// Then the file at start, what the window shows of it (unchecked when empty), the locale.
struct Depart {
    QByteArray contenu = "[Start]\n0=10.00\n1=20.00\n";
    QString vue = {};
    const char* locale = "C";
};
struct Cas {
    QString gestes, boites;
    bool ouverte;
    QString fichier;
    Depart depart = {};
};

} // namespace

Q_DECLARE_METATYPE(Cas)

class TestReglages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QString m_chemin;
    std::unique_ptr<Copie> A, B;
    std::unique_ptr<platform::SignauxFin> m_signaux;
    QStringList m_reponses, m_vues; // answers to give; boxes seen, as in the rows
    QTimer m_repondeur;

    // The file written, then one copy or two; SIGTERM ends the last, as main() connects it.
    void demarrer(const QByteArray& contenu, bool deux) {
        if (contenu == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(m_chemin).constData(), 0600), 0);
        else if (QFile f(m_chemin); !contenu.isEmpty() && !deux)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
        if (deux)
            B = std::make_unique<Copie>(m_chemin);
        A = std::make_unique<Copie>(m_chemin);
        m_signaux = std::make_unique<platform::SignauxFin>();
        connect(m_signaux.get(), &platform::SignauxFin::recu, (deux ? B : A)->w.get(),
                &FormTalvan::FinDeSession);
    }
    void repondre() {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m)
            return;
        QStringList boutons;
        for (QAbstractButton* b : m->buttons())
            if (b->isVisible())
                boutons << b->text().remove(u'&'); // Qt may add its own mnemonic
        const QString r = m_reponses.isEmpty() ? u"Echap"_s : m_reponses.takeFirst();
        const QString b = boutons.join('/');
        m_vues << m->objectName() + (b == "Oui/Non" ? "" : ':' + b) + '>' + r;
        if (r == "Oui" || r == "Non")
            m->button(r == "Oui" ? QMessageBox::Yes : QMessageBox::No)->click();
        else if (r == "SIGTERM") {
            ::raise(SIGTERM);
            QVERIFY(QTest::qWaitFor([m] { return !m->isVisible(); }));
        } else
            QTest::keyClick(m, r == "Entree" ? Qt::Key_Return : Qt::Key_Escape);
    }
    // Gestures, for copy A or, prefixed "B:", for B: a control's name (a click), Name=text (typed),
    // bas:Name (the Down arrow on it), calc:angle, garder:angle (Calcul, then keep), session (the
    // session manager's request to save), undo (Ctrl+Z), plein (every later save fails).
    void jouer(const QString& gestes, const QString& boites) {
        for (const QString& b : boites.split(' ', Qt::SkipEmptyParts))
            m_reponses << b.section('>', 1);
        for (QString g : gestes.split(' ', Qt::SkipEmptyParts)) {
            const Copie& k = g.startsWith("B:") ? *B : *A;
            g.remove(QRegularExpression("^B:"));
            const QString arg = g.section(QRegularExpression("[:=]"), 1);
            if (g.startsWith("calc:") || g.startsWith("garder:"))
                k.calculer(arg, g.startsWith("garder:"));
            else if (g.contains('='))
                k.taper(g.section('=', 0, 0), arg);
            else if (g == "session")
                k.w->EnregistrerFinDeSession();
            else if (g == "plein")
                platform::SimulerPannes([](auto e, auto&) {
                    return e == platform::EtapeEcriture::Vidage ? ENOSPC : 0;
                });
            else if (!g.startsWith("bas:") && g != "undo")
                k.clic(g);
            else { // keys, without the mouse
                k.w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(k.w.get()));
                g == "undo" ? QTest::keyClick(k.w.get(), Qt::Key_Z, Qt::ControlModifier)
                            : (k.c(arg)->setFocus(), QTest::keyClick(k.c(arg), Qt::Key_Down));
            }
        }
        QCOMPARE(m_vues.join(' '), boites);
    }
    void verifierFichier(const QString& attendu) {
        QFile f(m_chemin);
        const QFileInfo info(m_chemin); // not a file but there: the FIFO
        const QString disque = info.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll()
                               : info.exists()                              ? QByteArray("FIFO=")
                                                                            : "";
        for (QString a : attendu.split(' ', Qt::SkipEmptyParts)) {
            for (const auto& [nom, k] : {std::pair{'A', A.get()}, std::pair{'B', B.get()}})
                for (int i = 0; k && i < 5; ++i)
                    a.replace(QString(nom) + QString::number(i), k->dg(i)->text());
            const QString nom = a.section('=', 0, 0).remove(u'!');
            const QRegularExpressionMatch m =
                QRegularExpression('^' + QRegularExpression::escape(nom) + "=(.*)$",
                                   QRegularExpression::MultilineOption)
                    .match(disque);
            if (a.endsWith("=*"))
                QVERIFY2(!m.captured(1).isEmpty(), qPrintable(a));
            else
                QCOMPARE(nom + '=' + (m.hasMatch() ? m.captured(1) : "absent"),
                         a.startsWith('!') ? nom + "=absent" : a);
        }
    }

private slots:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        m_repondeur.callOnTimeout(this, &TestReglages::repondre, Qt::UniqueConnection);
        m_chemin = m_dossier.filePath(QTest::currentDataTag() + u".ini"_s);
        m_vues = m_reponses = {};
        m_repondeur.start(10);
    }
    void cleanup() {
        m_repondeur.stop();
        platform::SimulerPannes({});
        m_signaux.reset();
        A.reset();
        B.reset();
    }

    void sortie_data() {
        QTest::addColumn<Cas>("cas");
        const QString q = "QuestionQuitter>", r = "QuestionReset>", e = "QuestionEffacer>Oui",
                      echec = "EchecEnregistrement>", intact = "!Langue !lat 0=10.00 1=20.00";
        // Files as users and older versions leave them. Averages by hand: (-12.44 + 7.5) / 2 =
        // -2.47; (10.50 - 3.25) / 2 = 3.625, rounded away from zero.
        QTest::newRow("gap, a word") << Cas{
            "garder:45 calc:44 Command4", q + "Oui", false,
            "0=mur 1=20.00 2=* 3=* 4= Mem=3 deglat=48 minlon=20",
            Depart{"[Start]\nminlat=5\n1=mur\n3=20.00\n", "48N 2 _mur X20.00 . . . = 20.00"}};
        QTest::newRow("commas quoted or not, full-stop locale")
            << Cas{"calc:45 Text1 Command4", q + "Oui", false,
                   "deglat=\"43,5\" 0=\"-12,44\" 1=\"7,5\" 2=* Mem=2",
                   Depart{"[Start]\ndeglat=43,5\n0=\"-12,44\"\n1=7,5\n",
                          "43,5N 2 X-12,44 X7,5 . . . = -2.47"}};
        QTest::newRow("full stops, French locale") << Cas{
            "Command5 Command4", r + "Oui " + q + "Oui", false, "0= 1= Mem=0 Langue=F",
            Depart{"[Start]\n0=10.50\n1=-3.25\n", "48N 2 X10.50 X-3.25 . . . = 3,63", "fr_FR"}};
        QTest::newRow("byte-order mark, comment, stray lines") << Cas{
            "Command4", "", false, "deglat=43 lat=False 0=10.00 Langue=E !Mem",
            Depart{"\xEF\xBB\xBF[Start]\n# mur\nLangue=E\ndeglat=43\nmur sud\nlat=False\n0=10.00\n",
                   "43S 1 X10.00 . . . . = 10.00"}};
        QTest::newRow("FIFO") << Cas{"Text1 Command4", q + "Oui " + echec + "Oui", false,
                                     "FIFO=", Depart{"FIFO", "48N 0 . . . . . = "}};
        // The ways out, from a file with two kept readings; Escape keeps the window open.
        QTest::newRow("reset, Escape; nothing changed")
            << Cas{"Command5 Command4", r + "Echap", false, "Langue=F !lat !Mem"};
        QTest::newRow("Escape, then No")
            << Cas{"Text2 Command4 Command4", q + "Echap " + q + "Non", false, intact};
        QTest::newRow("Yes by default, Spanish")
            << Cas{"Option5_1 Text2 Command4", u"QuestionQuitter:Sí/No>Entree"_s, false,
                   "lat=True 0=10.00 1=20.00 2= Mem=2 Langue=E"};
        QTest::newRow("reset, Yes") << Cas{"Command5", r + "Oui", true, "0= 1= Mem=0 !lat"};
        // Erasing a kept line asks first; with nothing kept the reset asks nothing.
        QTest::newRow("reset, nothing kept")
            << Cas{"Command3 Command3 Command5", e + ' ' + e, true, "0= 1= !Langue"};
        QTest::newRow("keyboard: longitude minutes, west")
            << Cas{"Text4=7 bas:Option4 Command4", q + "Oui", false, "minlon=7 lon=False lat=True"};
        QTest::newRow("SIGTERM during the question")
            << Cas{"Text2 Command4", q + "SIGTERM", false, "lat=True Langue=F"};
        QTest::newRow("end of session, then quit")
            << Cas{"Text2 session Command4", "", false, "lat=True Mem=2 Langue=F"};
        QTest::newRow("end of session, one more kept, Yes")
            << Cas{"garder:44 session garder:45 Command4", q + "Oui", false,
                   "0=10.00 1=20.00 2=A2 3=A3 4= Mem=4"};
        QTest::newRow("reset undone, Yes") << Cas{"Command5 undo Command4", r + "Oui " + q + "Oui",
                                                  false, "0=10.00 1=20.00 2= Mem=2"};
        // A save that fails at quit offers to stay, "Non" by default: the old file is whole.
        QTest::newRow("disk full, stay")
            << Cas{"Text2 plein Command4", q + "Oui " + echec + "Entree", true, intact};
        QTest::newRow("disk full, quit") << Cas{"plein Command4", echec + "Oui", false, intact};
        // Two copies. The place another copy saved stays unless this one changed it; lines another
        // copy saved meanwhile that do not fit beside this one's are kept, replaced, or B stays.
        const QString qq = q + "Oui " + q + "Oui", l = qq + " QuestionListes>";
        const QString trop = "garder:40 garder:41 garder:42 Command4 B:garder:50 B:garder:51 "
                             "B:garder:52 B:Command4";
        QTest::newRow("A then B, B touched the place")
            << Cas{"garder:40 garder:41 Command4 B:Text1=44 B:Command4", qq, false,
                   "0=A0 1=A1 2= Mem=2 deglat=44"};
        QTest::newRow("B then A") << Cas{"garder:40 garder:41 B:Text1=44 B:Command4 Command4", qq,
                                         false, "0=A0 1=A1 Mem=2 deglat=44"};
        QTest::newRow("too many, No") << Cas{trop, l + "Non", false, "0=A0 1=A1 2=A2 3= Mem=3"};
        QTest::newRow("too many, Yes") << Cas{trop, l + "Oui", false, "0=B0 1=B1 2=B2 3= Mem=3"};
        QTest::newRow("too many, Escape") << Cas{trop, l + "Echap", true, "0=A0 1=A1 2=A2 3="};
    }
    void sortie() {
        QFETCH(Cas, cas);
        const auto& [gestes, boites, ouverte, fichier, depart] = cas;
        QLocale::setDefault(QLocale(QString::fromLatin1(depart.locale)));
        demarrer(depart.contenu, gestes.contains("B:"));
        if (!depart.vue.isEmpty())
            QCOMPARE(A->vue(), depart.vue);
        jouer(gestes, boites);
        QTRY_COMPARE((B ? B : A)->w->isVisible(), ouverte);
        verifierFichier(fichier);
    }
};

QTEST_MAIN(TestReglages)
#include "tst_reglages.moc"
