#include "about/about.h"
#include "fakes.h"

#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    // A renamed executable, revision 12, a translator's site given with a trailing slash.
    void liens_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("mail, percent-encoded subject")
            << 2 << "mailto:auteur@example.org?subject=Orsa%26line%20%23%C3%A9%20V3.0.12";
        QTest::newRow("author's site") << 3 << "https://auteur.example.org";
        QTest::newRow("translator") << 5 << "https://traduction.example.org/index.htm";
    }

    void liens() {
        QFETCH(int, label);
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
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label%1").arg(label)),
                          Qt::LeftButton);
        QCOMPARE(fakes.opener.adresses.size(), 1);
        QCOMPARE(fakes.opener.adresses.first().toString(QUrl::FullyEncoded), attendu);
    }

    void fermeture() {
        FakeServices fakes;
        QPointer<About> about = new About(fakes.services(), QIcon(), QPixmap());
        QSignalSpy retour(about.data(), &About::retour);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseClick(about->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QCOMPARE(retour.size(), 1);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
