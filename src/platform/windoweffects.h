#pragma once

class QWidget;

namespace platform {

// Window operations of the overlay. Where the desktop refuses one (no compositor,
// Wayland refusing a stacking order or a move), the window simply stays as it was.
class WindowEffects {
public:
    virtual ~WindowEffects() = default;
    virtual void premierPlan(QWidget* fenetre, bool actif) = 0;
    // opacite: 0 (invisible) to 255 (opaque).
    virtual void transparence(QWidget* fenetre, int opacite) = 0;
    // Lets the window follow the mouse until the button is released.
    virtual void deplacer(QWidget* fenetre) = 0;
};

class QtWindowEffects final : public WindowEffects {
public:
    void premierPlan(QWidget* fenetre, bool actif) override;
    void transparence(QWidget* fenetre, int opacite) override;
    void deplacer(QWidget* fenetre) override;
};

} // namespace platform
