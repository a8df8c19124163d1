#include "about/about.h"
#include "fakes.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    // A renamed executable, revision 12, a translator's site given with a trailing slash. By the
    // mouse, or by Tab from the return button (which has the focus at first) and Enter: the
    // translator, the author's site, the mail, in this order; Enter opens a link, not "Retour".
    void liens() {
        const QString courriel =
            "mailto:auteur@example.org?subject=Orsa%26line%20%23%C3%A9%20V3.0.12";
        const Fenetre<About> b("F", "", "Europe/Paris", {}, nullptr, [](FakeServices& f) {
            f.identity.nomExecutable = QStringLiteral("Orsa&line #é");
            f.identity.revision = 12;
            f.adresses.siteTraduction += '/';
        });
        About& about = *b.w;
        for (const char* n : {"Label2", "Label3", "Label5"}) // empty until a language is applied
            b.c<QLabel>(n)->setText("Lien");
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        b.clic("Label2");
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        for (const char* lien : {"Label5", "Label3", "Label2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), lien);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(about.isVisible());
        QStringList ouvertes;
        for (const QUrl& u : b.fakes.opener.adresses)
            ouvertes << u.toString(QUrl::FullyEncoded);
        QCOMPARE(ouvertes, QStringList({courriel, "https://traduction.example.org/index.htm",
                                        "https://auteur.example.org", courriel}));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
