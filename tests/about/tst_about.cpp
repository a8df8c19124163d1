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
        FakeServices fakes;
        fakes.identity.nomExecutable = QStringLiteral("Orsa&line #é");
        fakes.identity.revision = 12;
        fakes.adresses.siteTraduction += '/';
        About about(fakes.services(), QIcon(), QPixmap());
        for (const char* n : {"Label2", "Label3", "Label5"}) // empty until a language is applied
            about.findChild<QLabel*>(n)->setText("Lien");
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.findChild<QLabel*>("Label2"), Qt::LeftButton);
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
        for (const QUrl& u : fakes.opener.adresses)
            ouvertes << u.toString(QUrl::FullyEncoded);
        QCOMPARE(ouvertes, QStringList({courriel, "https://traduction.example.org/index.htm",
                                        "https://auteur.example.org", courriel}));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
