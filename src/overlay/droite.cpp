#include "overlay/droite.h"

#include "overlay/maplink.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "solar/constants.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

using platform::rectTw;

namespace {

// Its text comes with the language.
QLabel* legende(const char* nom, const QRect& place, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(nom));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    l->setFont(platform::police(QStringLiteral("Arial"), 8.25));
    return l;
}

// Arrow keys move the bar by `pas`, Page Up and Page Down by `page`.
QScrollBar* barre(const char* nom, int minimum, int maximum, int pas, int page, const QRect& place,
                  QWidget* parent) {
    auto* b = new QScrollBar(Qt::Horizontal, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    b->setRange(minimum, maximum);
    b->setSingleStep(pas);
    b->setPageStep(page);
    b->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys run backward by default (Left and Page Down raise the value);
    // here Right and Page Up raise it, as on a slider.
    b->setInvertedControls(false);
    return b;
}

} // namespace

Droite::Droite(platform::WindowEffects& effets, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_effets(effets) {
    setObjectName(QStringLiteral("Droite"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(platform::sizeTw(3555, 3990));
    // The window paints its own white background, see-through where the desktop cannot
    // make the whole window so (Wayland).
    setAttribute(Qt::WA_TranslucentBackground);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(rectTw(0, 3225, 4000, 810));
    frame1->setFrameShape(QFrame::NoFrame);
    frame1->setAutoFillBackground(true);
    // Presses on the panel and the read-out do not start a move of the window.
    frame1->setAttribute(Qt::WA_NoMousePropagation);

    auto* label1 = legende("Label1", rectTw(75, 15, 1035, 255), frame1);
    auto* hscroll1 = barre("HScroll1", 20, 255, 10, 100, rectTw(1230, 15, 2265, 225), frame1);
    // The value changes at the end of a thumb drag only, not while it moves.
    hscroll1->setTracking(false);
    label1->setBuddy(hscroll1);
    auto* label2 = legende("Label2", rectTw(75, 255, 1035, 255), frame1);
    // One degree per arrow key, ten per page; the lines follow the thumb while it moves.
    m_angle = barre("HScroll2", 0, 360, 1, 10, rectTw(1230, 255, 2265, 225), frame1);
    label2->setBuddy(m_angle);
    auto* command1 = new QPushButton(frame1);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(rectTw(1230, 495, 2265, 270));

    m_lecture = new QLabel(QStringLiteral("XX°"), this);
    m_lecture->setObjectName(QStringLiteral("Label3"));
    m_lecture->setGeometry(rectTw(1350, 2955, 900, 210));
    m_lecture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lecture->setFont(platform::police(QStringLiteral("Arial"), 9, true));
    m_lecture->setAttribute(Qt::WA_NoMousePropagation);
    // Beside the read-out, the wall's declination, so that nobody subtracts 180 in mind.
    m_declinaison = new QLabel(this);
    m_declinaison->setObjectName(QStringLiteral("Label4"));
    m_declinaison->setGeometry(rectTw(2250, 2955, 1230, 210));
    m_declinaison->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_declinaison->setFont(platform::police(QStringLiteral("Arial"), 9));
    m_declinaison->setAttribute(Qt::WA_NoMousePropagation);

    setTabOrder(frame1, command1);
    setTabOrder(command1, label1);
    setTabOrder(label1, hscroll1);
    setTabOrder(hscroll1, label2);
    setTabOrder(label2, m_angle);
    setTabOrder(m_angle, m_lecture);

    connect(hscroll1, &QScrollBar::valueChanged, this, &Droite::DefinirTransparence);
    connect(m_angle, &QScrollBar::valueChanged, this, &Droite::MajDroite);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);

    appliquerLangue(platform::Langue::Francais);
    // Load step: both values differ from the bars' minimums, so both handlers run.
    m_effets.premierPlan(this, true);
    hscroll1->setValue(200);
    m_angle->setValue(180);
}

void Droite::appliquerLangue(platform::Langue langue) {
    const overlay::LegendesDroite& l = overlay::legendesDroite(langue);
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(QString::fromUtf8(l.transparence));
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(QString::fromUtf8(l.angle));
    findChild<QPushButton*>(QStringLiteral("Command1"))->setText(QString::fromUtf8(l.retour));
    findChild<QScrollBar*>(QStringLiteral("HScroll1"))
        ->setAccessibleName(QString::fromUtf8(l.transparence));
    m_angle->setAccessibleName(QString::fromUtf8(l.nomAngle));
    m_declinaison->setAccessibleName(QString::fromUtf8(l.nomDeclinaison));
    m_motDeclinaison = QString::fromUtf8(l.declinaison);
    ecrireDeclinaison();
}

void Droite::placerSur(const QWidget* fenetre) {
    if (!fenetre)
        return;
    QRect place(QPoint(), size());
    place.moveCenter(fenetre->frameGeometry().center());
    if (const QScreen* ecran = fenetre->screen()) {
        const QRect libre = ecran->availableGeometry();
        place.moveLeft(qBound(libre.left(), place.left(), libre.right() + 1 - place.width()));
        place.moveTop(qBound(libre.top(), place.top(), libre.bottom() + 1 - place.height()));
    }
    move(place.topLeft());
}

void Droite::DefinirTransparence(int opacite) {
    m_opaciteFond = m_effets.transparence(this, opacite) ? 255 : opacite;
    update();
}

// The read-out less 180, from -180 to 180: the declination of the wall whose facing
// direction the blue line shows (0 due south, positive toward the west).
void Droite::ecrireDeclinaison() {
    const QString texte = m_motDeclinaison + QLatin1Char(' ') +
                          QLocale().toString(m_angle->value() - 180) + QStringLiteral("°");
    m_declinaison->setText(texte);
    m_angle->setAccessibleDescription(m_lecture->text() + QStringLiteral(", ") + texte);
}

void Droite::MajDroite() {
    const float w = static_cast<float>(width() * platform::twipsParPixel);
    // Centre in single precision, both coordinates from the width.
    const float cx = w / 2;
    const float cy = w / 2 - 500;
    m_ag = m_angle->value() * solar::DegRad;

    // Li runs a full width past the centre each way, at Ag clockwise from +x on screen.
    m_li = QLineF(cx + w * std::cos(m_ag), cy + w * std::sin(m_ag), cx - w * std::cos(m_ag),
                  cy - w * std::sin(m_ag));
    // Fl: a quarter width from the centre, square to Li; 0 degrees points up (north on
    // the map), 90 to the right.
    const double normale = m_ag + 1.57079628;
    m_fl = QLineF(cx, cy, cx - (w / 4) * std::cos(normale), cy - (w / 4) * std::sin(normale));

    m_lecture->setText(QString::number(m_angle->value()) + QStringLiteral("°"));
    ecrireDeclinaison();
    update();
}

void Droite::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), QColor(255, 255, 255, m_opaciteFond));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1 / platform::twipsParPixel, 1 / platform::twipsParPixel); // drawn in twips
    QPen trait(QColor(255, 0, 0), 3);
    trait.setCosmetic(true); // 3 pixels wide whatever the scale
    p.setPen(trait);
    p.drawLine(m_li);
    trait.setColor(QColor(0, 0, 192));
    p.setPen(trait);
    p.drawLine(m_fl);
}

void Droite::mousePressEvent(QMouseEvent* event) {
    m_effets.deplacer(this, event->button(), event->globalPosition());
    event->accept();
}

void Droite::closeEvent(QCloseEvent* event) {
    event->accept();
    emit fermee();
}
