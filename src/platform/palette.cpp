#include "platform/palette.h"

namespace platform {

QPalette paletteClaire() {
    const QColor face(240, 240, 240);
    QPalette p(Qt::black, face, Qt::white, QColor(160, 160, 160), QColor(160, 160, 160), Qt::black,
               Qt::white, Qt::white, face);
    p.setColor(QPalette::Midlight, QColor(227, 227, 227));
    p.setColor(QPalette::Shadow, QColor(105, 105, 105));
    p.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    p.setColor(QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    const QColor grise(120, 120, 120);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, grise);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Highlight, grise);
    return p;
}

} // namespace platform
