#include "platform/windoweffects.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void QtWindowEffects::premierPlan(QWidget* fenetre, bool actif) {
    if (!fenetre)
        return;
    const bool visible = fenetre->isVisible();
    fenetre->setWindowFlag(Qt::WindowStaysOnTopHint, actif);
    // Changing the flags hides a shown window; show it again without activating it.
    if (visible) {
        fenetre->setAttribute(Qt::WA_ShowWithoutActivating);
        fenetre->show();
    }
}

void QtWindowEffects::transparence(QWidget* fenetre, int opacite) {
    if (fenetre)
        fenetre->setWindowOpacity(qBound(0, opacite, 255) / 255.0);
}

void QtWindowEffects::deplacer(QWidget* fenetre) {
    if (!fenetre)
        return;
    if (QWindow* w = fenetre->window()->windowHandle())
        w->startSystemMove();
}

} // namespace platform
