#pragma once

#include <QPointF>
#include <Qt>

class QWidget;

namespace platform {

// Window operations of the overlay. Where the desktop refuses one (no compositor,
// Wayland refusing a stacking order or a move), the window simply stays as it was.
class WindowEffects {
public:
    virtual ~WindowEffects() = default;
    virtual void premierPlan(QWidget* fenetre, bool actif) = 0;
    // opacite: 0 (invisible) to 255 (opaque). True when the desktop draws the whole window
    // at that opacity; false where it cannot (Wayland), and the window has to paint its
    // own background see-through.
    virtual bool transparence(QWidget* fenetre, int opacite) = 0;
    // Lets the window follow the mouse until the button pressed at `pointeur` (global
    // position) is released.
    virtual void deplacer(QWidget* fenetre, Qt::MouseButton bouton, QPointF pointeur) = 0;
};

class QtWindowEffects final : public WindowEffects {
public:
    void premierPlan(QWidget* fenetre, bool actif) override;
    bool transparence(QWidget* fenetre, int opacite) override;
    void deplacer(QWidget* fenetre, Qt::MouseButton bouton, QPointF pointeur) override;
};

} // namespace platform
