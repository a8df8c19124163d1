#include "platform/icones.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Each image drawn at build time must be, pixel for pixel, what Qt's SVG icon engine draws
// from the SVG today, and the looks not prepared must still come from the drawing.
class TestIcones : public QObject {
    Q_OBJECT
private slots:
    void commeLeDessin_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        static const QRegularExpression forme(QStringLiteral("^(.+)-(\\d+)x(\\d+)\\.argb$"));
        QSet<QString> noms;
        for (QDirIterator it(QStringLiteral(":/icones")); it.hasNext();) {
            const QRegularExpressionMatch m = forme.match(it.next().section(u'/', -1));
            QVERIFY2(m.hasMatch(), qPrintable(it.filePath()));
            QTest::addRow("%s", qPrintable(it.fileName()))
                << m.captured(1) << QSize(m.captured(2).toInt(), m.captured(3).toInt());
            if (!noms.contains(m.captured(1))) // and once a size drawn at run time
                QTest::addRow("%s 20x20", qPrintable(m.captured(1)))
                    << m.captured(1) << QSize(20, 20);
            noms.insert(m.captured(1));
        }
    }
    void commeLeDessin() {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        const QIcon prete = platform::icone(nom);
        const QIcon svg(QStringLiteral(":/images/%1.svg").arg(nom));
        const auto image = [&](const QIcon& i, qreal densite, QIcon::Mode mode, QIcon::State etat) {
            const QPixmap p = i.pixmap(taille / densite, densite, mode, etat);
            return std::pair(p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                             p.devicePixelRatio());
        };
        for (const qreal densite : {1.0, 1.5, 2.0})
            for (const auto mode : {QIcon::Normal, QIcon::Disabled})
                for (const auto etat : {QIcon::Off, QIcon::On}) {
                    const auto attendu = image(svg, densite, mode, etat);
                    QVERIFY(!attendu.first.isNull());
                    QVERIFY2(image(prete, densite, mode, etat) == attendu,
                             qPrintable(QStringLiteral("density %1 mode %2 state %3")
                                            .arg(densite)
                                            .arg(mode)
                                            .arg(etat)));
                }
    }
};

QTEST_MAIN(TestIcones)
#include "tst_icones.moc"
