#include "platform/icones.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

// Each image drawn at build time must be, pixel for pixel, what Qt's SVG icon engine draws
// today; other sizes (20 x 20) and looks must still come from the drawing.
class TestIcones : public QObject {
    Q_OBJECT
private slots:
    void commeLeDessin_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        static const QRegularExpression forme(QStringLiteral("^(.+)-(\\d+)x(\\d+)\\.argb$"));
        for (QDirIterator it(QStringLiteral(":/icones")); it.hasNext();) {
            const QRegularExpressionMatch m = forme.match(it.next().section(u'/', -1));
            QVERIFY2(m.hasMatch(), qPrintable(it.filePath()));
            QTest::addRow("%s", qPrintable(it.fileName()))
                << m.captured(1) << QSize(m.captured(2).toInt(), m.captured(3).toInt());
        }
    }
    void commeLeDessin() {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        const QIcon prete = platform::icone(nom), svg(QStringLiteral(":/images/%1.svg").arg(nom));
        for (const QSize t : {taille, QSize(20, 20)})
            for (const qreal dpr : {1.0, 1.5, 2.0})
                for (const auto mode : {QIcon::Normal, QIcon::Disabled})
                    for (const auto etat : {QIcon::Off, QIcon::On}) {
                        const QPixmap a = prete.pixmap(t / dpr, dpr, mode, etat);
                        const QPixmap b = svg.pixmap(t / dpr, dpr, mode, etat);
                        QVERIFY(!b.isNull());
                        QCOMPARE(a.devicePixelRatio(), b.devicePixelRatio());
                        QCOMPARE(a.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                 b.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
                    }
    }
};

QTEST_MAIN(TestIcones)
#include "tst_icones.moc"
