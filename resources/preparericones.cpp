// Build-time tool: draws each icon with Qt's own SVG icon engine at the sizes the windows
// show it, into files of raw pixels that the program answers from instead of reading the SVG.
//
//   preparer-icones <folder of the SVG files> <output folder> <name>-<width>x<height> ...
//
// Run with QT_QPA_PLATFORM=offscreen. Each <name>-<width>x<height>.argb holds the pixels of
// QIcon(svg).pixmap(size) at a device pixel ratio of 1, rows top to bottom, as
// QImage::Format_ARGB32_Premultiplied holds them: no decoding at run time, and no rounding
// as a PNG's unpremultiplied colours could bring. tests/platform/tst_platform.cpp checks them.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: preparer-icones SVG-FOLDER OUT-FOLDER NAME-WxH...\n");
        return 2;
    }
    const QDir source(args[1]);
    const QDir sortie(args[2]);
    if (!QDir().mkpath(sortie.path()))
        return 1;
    static const QRegularExpression forme(QStringLiteral("^(.+)-(\\d+)x(\\d+)$"));
    for (const QString& element : args.mid(3)) {
        const QRegularExpressionMatch m = forme.match(element);
        const QString svg = source.filePath(m.captured(1) + QStringLiteral(".svg"));
        const QSize taille(m.captured(2).toInt(), m.captured(3).toInt());
        const QPixmap image = m.hasMatch() ? QIcon(svg).pixmap(taille, 1.0) : QPixmap();
        // The file's name gives the image's size: the drawing must fill the box.
        const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QString chemin = sortie.filePath(element + QStringLiteral(".argb"));
        QFile f(chemin);
        const bool ecrit =
            !image.isNull() && image.size() == taille && f.open(QIODevice::WriteOnly) &&
            f.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()) ==
                pixels.sizeInBytes();
        if (!ecrit) {
            std::fprintf(stderr, "preparer-icones: cannot draw %s into %s\n", qPrintable(svg),
                         qPrintable(chemin));
            return 1;
        }
    }
    return 0;
}
