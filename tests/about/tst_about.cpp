#include "about/about.h"
#include "fakes.h"
#include "platform/geometry.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void liens_data();
    void liens();
    void fermeture_data();
    void fermeture();
    void disposition();
};

namespace {

QPixmap soleil() {
    QPixmap p(64, 64);
    p.fill(Qt::yellow);
    return p;
}

// Link labels have no text until the language is applied; give them one to click.
void ecrireLiens(About& about) {
    for (const char* nom : {"Label2", "Label3", "Label5"})
        about.findChild<QLabel*>(QLatin1String(nom))->setText(QStringLiteral("Lien"));
}

} // namespace

void TestAbout::liens_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("siteTraduction");
    QTest::addColumn<QString>("attendu");
    const QString trad = QStringLiteral("https://traduction.example.org");
    const QString courriel = QStringLiteral("mailto:auteur@example.org?subject=");
    QTest::newRow("mail, renamed executable")
        << "Label2"
        << "Merolt" << 0 << trad << courriel + "Merolt%20V3.0.0";
    QTest::newRow("mail, revision and reserved characters")
        << "Label2"
        << "Orsa&line #é" << 12 << trad << courriel + "Orsa%26line%20%23%C3%A9%20V3.0.12";
    QTest::newRow("author's site") << "Label3"
                                   << "orsaline" << 0 << trad << "https://auteur.example.org";
    QTest::newRow("translator") << "Label5"
                                << "orsaline" << 0 << trad << trad + "/index.htm";
    QTest::newRow("translator, trailing slash")
        << "Label5"
        << "orsaline" << 0 << trad + "/" << trad + "/index.htm";
}

void TestAbout::liens() {
    QFETCH(QString, label);
    QFETCH(QString, executable);
    QFETCH(int, revision);
    QFETCH(QString, siteTraduction);
    QFETCH(QString, attendu);
    FakeServices fakes;
    fakes.identity.nomExecutable = executable;
    fakes.identity.revision = revision;
    fakes.adresses.siteTraduction = siteTraduction;
    About about(fakes.services(), QIcon(), soleil());
    ecrireLiens(about);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.findChild<QLabel*>(label), Qt::LeftButton);
    QCOMPARE(fakes.opener.adresses.size(), 1);
    QCOMPARE(fakes.opener.adresses.first().toString(QUrl::FullyEncoded), attendu);
}

// Any way of closing discards the window; only Command1 asks the main window back.
void TestAbout::fermeture_data() {
    QTest::addColumn<bool>("parBouton");
    QTest::addColumn<int>("retours");
    QTest::newRow("Command1") << true << 1;
    QTest::newRow("Escape") << false << 0;
}

void TestAbout::fermeture() {
    QFETCH(bool, parBouton);
    QFETCH(int, retours);
    FakeServices fakes;
    QPointer<About> about = new About(fakes.services(), QIcon(), soleil());
    QSignalSpy retour(about.data(), &About::retour);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    if (parBouton)
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    else
        QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
    QCOMPARE(retour.size(), retours);
}

void TestAbout::disposition() {
    FakeServices fakes;
    About about(fakes.services(), QIcon(), soleil());
    const QSize taille = platform::sizeTw(7545, 6330);
    QCOMPARE(about.minimumSize(), taille);
    QCOMPARE(about.maximumSize(), taille);

    // Label3 and Label2 size themselves to their text and stay centred, whether the text
    // was written while hidden or while showing.
    auto* site = about.findChild<QLabel*>(QStringLiteral("Label3"));
    site->setText(QStringLiteral("Visiter le site de l'auteur"));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(qAbs(site->geometry().center().x() - about.width() / 2) <= 1);
    QCOMPARE(site->width(), site->sizeHint().width());
    site->setText(QStringLiteral("Enviar un mensaje al autor (en francés o inglés a ser posible)"));
    QTRY_COMPARE(site->width(), site->sizeHint().width());
    QVERIFY(qAbs(site->geometry().center().x() - about.width() / 2) <= 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
