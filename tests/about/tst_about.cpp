#include "about/about.h"
#include "fakes.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    // A renamed executable, revision 12, a translator's site given with a trailing slash.
    // By the mouse, or by Tab from the return button (which has the focus at first) and
    // Enter: the translator, the author's site, the mail, in this order.
    void liens_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("tabulations"); // 0: a click
        QTest::addColumn<QString>("attendu");
        const QString courriel =
            "mailto:auteur@example.org?subject=Orsa%26line%20%23%C3%A9%20V3.0.12";
        QTest::newRow("mail, percent-encoded subject") << 2 << 0 << courriel;
        QTest::newRow("translator, Tab") << 5 << 1 << "https://traduction.example.org/index.htm";
        QTest::newRow("author's site, Tab") << 3 << 2 << "https://auteur.example.org";
        QTest::newRow("mail, Tab") << 2 << 3 << courriel;
    }

    void liens() {
        QFETCH(int, label);
        QFETCH(int, tabulations);
        QFETCH(QString, attendu);
        FakeServices fakes;
        fakes.identity.nomExecutable = QStringLiteral("Orsa&line #é");
        fakes.identity.revision = 12;
        fakes.adresses.siteTraduction += '/';
        About about(fakes.services(), QIcon(), QPixmap());
        for (int n : {2, 3, 5}) // empty until a language is applied
            about.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->setText("Lien");
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QLabel* lien = about.findChild<QLabel*>(QStringLiteral("Label%1").arg(label));
        if (tabulations == 0) {
            QTest::mouseClick(lien, Qt::LeftButton);
        } else {
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
            for (int i = 0; i < tabulations; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), lien);
            QTest::keyClick(lien, Qt::Key_Return);
            QVERIFY(about.isVisible()); // Enter on a link opens it, not the return button
        }
        QCOMPARE(fakes.opener.adresses.size(), 1);
        QCOMPARE(fakes.opener.adresses.first().toString(QUrl::FullyEncoded), attendu);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
