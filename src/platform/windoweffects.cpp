#include "platform/windoweffects.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

bool plateforme(const char* nom) {
    return QGuiApplication::platformName() == QLatin1String(nom);
}

// Moves a window with the mouse until all buttons are up, where the desktop does not.
class Suiveur final : public QObject {
public:
    Suiveur(QWidget* fenetre, QPointF pointeur)
        : QObject(fenetre), m_fenetre(fenetre), m_depart(pointeur), m_origine(fenetre->pos()) {
        fenetre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (m_fini)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPointF ici = static_cast<QMouseEvent*>(event)->globalPosition();
            m_fenetre->move(m_origine + (ici - m_depart).toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)
                return true;
            break;
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            break;
        default:
            return false;
        }
        m_fini = true;
        deleteLater();
        return event->type() == QEvent::MouseButtonRelease;
    }

private:
    QWidget* m_fenetre;
    QPointF m_depart;
    QPoint m_origine;
    bool m_fini = false;
};

} // namespace

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

bool QtWindowEffects::transparence(QWidget* fenetre, int opacite) {
    // X11 (with a compositor) and Windows draw a window at the opacity it asks for;
    // Wayland has no such request, and there the window paints itself see-through.
    if (!fenetre || !(plateforme("xcb") || plateforme("windows")))
        return false;
    fenetre->setWindowOpacity(qBound(0, opacite, 255) / 255.0);
    return true;
}

void QtWindowEffects::deplacer(QWidget* fenetre, Qt::MouseButton bouton, QPointF pointeur) {
    if (!fenetre)
        return;
    QWidget* w = fenetre->window();
    // X11 window managers end a system move when the LEFT button is released
    // (_NET_WM_MOVERESIZE as Qt sends it names button 1): a move started with another
    // button would leave the window stuck to the pointer. Follow the mouse here instead,
    // as where the desktop offers no system move at all.
    const bool parLeBureau = bouton == Qt::LeftButton || !plateforme("xcb");
    if (parLeBureau && w->windowHandle() && w->windowHandle()->startSystemMove())
        return;
    new Suiveur(w, pointeur);
}

} // namespace platform
