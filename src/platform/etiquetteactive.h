#pragma once

#include <QAccessible>
#include <QLabel>

namespace platform {

// A label that acts as a button or a link: the watch and its "(*)" on the main window, the
// links of the About window. Tab reaches it and shows a focus frame, Space or Enter
// activates it, and a screen reader announces it with the given role and can press it.
// The mouse stays with the window that owns it (its event filter).
class EtiquetteActive : public QLabel {
    Q_OBJECT

public:
    EtiquetteActive(QAccessible::Role role, QWidget* parent);

    QAccessible::Role roleAccessible() const { return m_role; }

    // A control with two states (the clock stopped or running), announced with its state;
    // give it the role of a check box, the two-state role that AT-SPI conveys.
    void setBascule(bool bascule) { m_bascule = bascule; }
    bool bascule() const { return m_bascule; }
    void setEnfoncee(bool enfoncee);
    bool enfoncee() const { return m_enfoncee; }

signals:
    void active(); // Space, Enter, or the screen reader's press or toggle

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role m_role;
    bool m_bascule = false;
    bool m_enfoncee = false;
};

} // namespace platform
