#include "platform/etiquetteactive.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace platform {

namespace {

class EtiquetteAccessible : public QAccessibleWidget {
public:
    explicit EtiquetteAccessible(EtiquetteActive* e) : QAccessibleWidget(e, e->roleAccessible()) {}

    EtiquetteActive* etiquette() const { return static_cast<EtiquetteActive*>(widget()); }
    QString action() const { return etiquette()->bascule() ? toggleAction() : pressAction(); }

    QString text(QAccessible::Text t) const override {
        // Named by its own text unless given a name (the watch has only a picture).
        if (t == QAccessible::Name && etiquette()->accessibleName().isEmpty())
            return etiquette()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (etiquette()->bascule()) {
            s.checkable = true;
            s.checked = etiquette()->enfoncee();
        }
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{action()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == this->action())
            emit etiquette()->active();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String(EtiquetteActive::staticMetaObject.className()))
        return new EtiquetteAccessible(static_cast<EtiquetteActive*>(objet));
    return nullptr;
}

} // namespace

EtiquetteActive::EtiquetteActive(QAccessible::Role role, QWidget* parent)
    : QLabel(parent), m_role(role) {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
    setFocusPolicy(Qt::TabFocus);
}

void EtiquetteActive::setEnfoncee(bool enfoncee) {
    if (enfoncee == m_enfoncee)
        return;
    m_enfoncee = enfoncee;
    QAccessible::State change;
    change.checked = true;
    QAccessibleStateChangeEvent evenement(this, change);
    QAccessible::updateAccessibility(&evenement);
}

void EtiquetteActive::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (!event->isAutoRepeat())
            emit active();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void EtiquetteActive::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect cadre;
    cadre.initFrom(this);
    cadre.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &cadre, &p, this);
}

} // namespace platform
