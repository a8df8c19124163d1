#include "platform/icones.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace platform {

namespace {

class IconePreparee final : public QIconEngine {
public:
    explicit IconePreparee(QString nom) : m_nom(std::move(nom)) {}

    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override {
        // The drawings have one face: the "on" state of a checked button shows the "off" one.
        if (mode == QIcon::Normal) {
            const QPixmap image = preparee(taille);
            if (!image.isNull())
                return image;
        }
        return dessin().pixmap(taille, 1.0, mode, etat);
    }

    // As Qt's SVG icon engine: the size of the pixmap it would give.
    QSize actualSize(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override {
        return pixmap(taille, mode, etat).size();
    }

    // As Qt's SVG icon engine: a pixmap at the device's density, stretched over the rectangle.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State etat) override {
        QSize taille = rect.size();
        if (painter->device())
            taille *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(taille, mode, etat));
    }

    QIconEngine* clone() const override { return new IconePreparee(m_nom); }
    bool isNull() override { return false; }

private:
    QPixmap preparee(const QSize& taille) {
        const auto [it, nouveau] = m_preparees.try_emplace({taille.width(), taille.height()});
        if (nouveau) {
            const QResource pixels(QStringLiteral(":/icones/%1-%2x%3.argb")
                                       .arg(m_nom)
                                       .arg(taille.width())
                                       .arg(taille.height()));
            const qsizetype ligne = qsizetype(taille.width()) * 4;
            if (pixels.isValid() && pixels.compressionAlgorithm() == QResource::NoCompression &&
                pixels.size() == ligne * taille.height()) {
                QImage image(taille, QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < taille.height(); ++y)
                    std::memcpy(image.scanLine(y), pixels.data() + y * ligne, size_t(ligne));
                // As Qt's SVG icon engine makes its pixmap from the image it drew.
                it->second = QPixmap::fromImage(std::move(image));
            }
        }
        return it->second;
    }

    // Read on first need only.
    const QIcon& dessin() {
        if (!m_dessin)
            m_dessin.emplace(QStringLiteral(":/images/%1.svg").arg(m_nom));
        return *m_dessin;
    }

    QString m_nom;
    std::map<std::pair<int, int>, QPixmap> m_preparees;
    std::optional<QIcon> m_dessin;
};

} // namespace

QIcon icone(const QString& nom) {
    return QIcon(new IconePreparee(nom));
}

} // namespace platform
