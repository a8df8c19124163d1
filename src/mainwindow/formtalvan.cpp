#include "mainwindow/formtalvan.h"

#include "about/about.h"
#include "mainwindow/canvas.h"
#include "mainwindow/controls.h"
#include "overlay/droite.h"
#include "platform/etiquetteactive.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/icones.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>

using platform::police;
using platform::px;
using platform::rectTw;

namespace {

template <typename T, typename... Args>
T* creer(QWidget* parent, const QString& nom, Args... args) {
    auto* w = new T(args..., parent);
    w->setObjectName(nom);
    return w;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
    auto* l = creer<QLabel>(parent, nom);
    l->setText(texte);
    l->setGeometry(r);
    return l;
}

// A label positioned by its top-left corner that takes the size of its text.
QLabel* etiquetteAuto(QWidget* parent, const QString& nom, const QString& texte, double left,
                      double top) {
    auto* l = etiquette(parent, nom, texte, QRect(platform::pointTw(left, top), QSize(1, 1)));
    l->adjustSize();
    return l;
}

QToolButton* boutonIcone(QWidget* parent, const QString& nom, const QString& texte,
                         const QString& icone, const QRect& r) {
    auto* b = creer<QToolButton>(parent, nom);
    b->setText(texte);
    b->setIcon(platform::icone(icone));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setGeometry(r);
    return b;
}

QLineEdit* champ(QWidget* parent, const QString& nom, const QRect& r) {
    auto* t = creer<QLineEdit>(parent, nom);
    t->setGeometry(r);
    return t;
}

// Places the large degree mark after the number of a field as a degree sign stands: raised,
// its ring reaching down to 40 % of the digits' height, whatever the fonts. Centred on the
// line, as a label centres its text, it sat at mid-height and read as a letter "o".
void placerDegre(QLabel* degre, const QLineEdit* champ) {
    const QFontMetricsF chiffres(champ->font());
    const QFontMetricsF marque(degre->font());
    // QLineEdit centres its line of text vertically.
    const double ligneDeBase =
        champ->y() + (champ->height() + chiffres.ascent() - chiffres.descent()) / 2;
    const double basAnneau = ligneDeBase - 0.6 * chiffres.capHeight();
    // From the baseline, downward positive: the ring's bottom is negative. (The glyph's own
    // box: tightBoundingRect() of the one-character text spans the whole ascent.)
    const double basGlyphe = marque.boundingRect(degre->text().at(0)).bottom();
    degre->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int haut = qRound(basAnneau - marque.ascent() - basGlyphe);
    degre->setGeometry(degre->x(), haut, degre->width(), qCeil(marque.height()));
}

// The help figure, rendered from its drawing at the screen's density.
QPixmap figure(const QString& chemin, QSize taille, qreal densite) {
    QPixmap pm(taille * densite);
    pm.setDevicePixelRatio(densite);
    pm.fill(Qt::white);
    QPainter p(&pm);
    QSvgRenderer(chemin).render(&p, QRectF(QPointF(0, 0), QSizeF(taille)));
    return pm;
}

// The help figure's picture box, drawn when the help panel first shows it: rendering the
// drawing is a tenth of the window's construction and most sessions never open the panel.
class FigureAide : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent* event) override {
        if (pixmap().isNull())
            setPixmap(figure(QStringLiteral(":/images/figure_aide.svg"), QSize(480, 255),
                             devicePixelRatioF()));
        QLabel::showEvent(event);
    }
};

} // namespace

FormTalvan::FormTalvan(const platform::Services& services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    setObjectName(QStringLiteral("FormTalvan"));
    construire();
    relier();
    installerRapport();
    installerAnnulation();
}

FormTalvan::~FormTalvan() {
    if (m_droite)
        delete m_droite.data();
}

About* FormTalvan::fenetreAbout() const {
    return m_about.data();
}
Droite* FormTalvan::fenetreDroite() const {
    return m_droite.data();
}

void FormTalvan::construire() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(platform::sizeTw(7545, 6300));
    // The designed system font; every control without a font of its own inherits it.
    setFont(police(QStringLiteral("MS Sans Serif"), 8.25));
    setWindowTitle(QStringLiteral("Orsaline"));
    setWindowIcon(platform::icone(QStringLiteral("icone")));

    // The outlines go first so that every control lies above them.
    const auto contour = [this](const QString& nom, const QRect& r) {
        auto* c = creer<Contour>(this, nom);
        c->setGeometry(r);
        c->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    // Reaches 105 twips further left than designed: "Correction en Longitude", right-aligned
    // on its field, touched the outline.
    contour(QStringLiteral("Shape1"), rectTw(3915 - 105, 165, 3585 + 105, 1980));
    contour(QStringLiteral("Shape2_0"), rectTw(4305, 2265, 3195, 1560));
    contour(QStringLiteral("Shape2_1"), rectTw(4320, 3915, 3195, 1365));
    contour(QStringLiteral("Shape2_2"), rectTw(2700, 2910, 1485, 2385));
    contour(QStringLiteral("Shape3"), rectTw(60, 2205, 2430, 1905));

    construireDiagrammes();
    construireDate();
    construirePlace();
    construireHeures();
    construireAngle();
    construireListe();
    construireCommandes();
    construireAide();

    // Each heading names its field for screen readers: the labelled-by relation is all
    // that names a drop-down list under Linux, where its name is its value.
    const std::pair<QLabel*, QWidget*> titres[] = {
        {Label6[0], Combo1[0]}, {Label6[1], Combo1[1]}, {Label6[2], Combo1[2]}, {Label9, Text9},
        {Label10, Text7},       {Label11, Text8},       {Label15, Text10},      {Label16, Text11},
        {Label18, Text13},      {Label17, Text12}};
    for (const auto& [titre, champ] : titres)
        titre->setBuddy(champ);
}

void FormTalvan::construireDate() {
    const char* titres[3] = {"Jour", "Mois", "Année"};
    const double gauches[3] = {4710, 5685, 6600};
    const QRect cases[3] = {rectTw(4485, 510, 885, 315), rectTw(5385, 510, 885, 315),
                            rectTw(6285, 510, 1050, 315)};
    for (int i = 0; i < 3; ++i) {
        Label6[i] = etiquetteAuto(this, QStringLiteral("Label6_%1").arg(i),
                                  QString::fromUtf8(titres[i]), gauches[i], 255);
        Combo1[i] = creer<QComboBox>(this, QStringLiteral("Combo1_%1").arg(i));
        Combo1[i]->setEditable(true);
        Combo1[i]->setInsertPolicy(QComboBox::NoInsert);
        Combo1[i]->setCompleter(nullptr); // a typed "19" must stay 19, not become 1900
        Combo1[i]->setMaxVisibleItems(12);
        Combo1[i]->setGeometry(cases[i]);
    }

    Label9 = etiquette(this, QStringLiteral("Label9"), QString::fromUtf8("Déclinaison du soleil"),
                       rectTw(5055 - 150, 990, 1440 + 300, 195));
    Label9->setAlignment(Qt::AlignCenter);
    Text9 = champ(this, QStringLiteral("Text9"), rectTw(6585, 967, 795, 240));
    Text9->setFont(police(QStringLiteral("MS Sans Serif"), 9.75));
    {
        QPalette p = Text9->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        p.setColor(QPalette::Text, QColor(0, 0, 64));
        Text9->setPalette(p);
    }
    Text9->setTextMargins(0, 0, 0, 0);
    Text9->setFrame(false);
    Text9->setAlignment(Qt::AlignCenter);

    // Right-aligned headings whose right edge stands at 5685 twips.
    const auto aDroite = [this](const QString& nom, const QString& texte, double top) {
        auto* l = etiquette(this, nom, texte, QRect());
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(QRect(0, px(top), px(5685), l->sizeHint().height()));
        return l;
    };
    Label10 = aDroite(QStringLiteral("Label10"), QStringLiteral("Equation du temps"), 1365);
    Text7 = champ(this, QStringLiteral("Text7"), rectTw(5760, 1312, 1620, 330));
    Label11 = aDroite(QStringLiteral("Label11"), QStringLiteral("Correction en Longitude"), 1800);
    Text8 = champ(this, QStringLiteral("Text8"), rectTw(5760, 1725, 1620, 330));
    for (QLineEdit* sortie : {Text9, Text7, Text8})
        sortie->setReadOnly(true);
}

void FormTalvan::construirePlace() {
    const QFont chiffres = police(QStringLiteral("MS Sans Serif"), 13.5);
    const QFont marques = police(QStringLiteral("MS Sans Serif"), 18);
    const auto lieu = [&](const QString& nom, const QRect& r) {
        QLineEdit* t = champ(this, nom, r);
        t->setFont(chiffres);
        colorerTexte(t, QColor(128, 0, 0));
        t->setAlignment(Qt::AlignCenter);
        t->setTextMargins(0, 0, 0, 0);
        return t;
    };
    const auto marque = [&](const QString& nom, const char* texte, double left, double top) {
        QLabel* l = etiquetteAuto(this, nom, QString::fromUtf8(texte), left, top);
        l->setFont(marques);
        l->adjustSize();
    };
    Text1 = lieu(QStringLiteral("Text1"), rectTw(4620, 2445, 555, 435));
    marque(QStringLiteral("Label1_0"), "°", 5205, 2445);
    Text2 = lieu(QStringLiteral("Text2"), rectTw(5415, 2445, 555, 435));
    marque(QStringLiteral("Label4"), "'", 6030, 2445);
    Text3 = lieu(QStringLiteral("Text3"), rectTw(4620, 3105, 555, 480));
    marque(QStringLiteral("Label2"), "°", 5205, 3105);
    Text4 = lieu(QStringLiteral("Text4"), rectTw(5415, 3105, 555, 480));
    marque(QStringLiteral("Label3"), "'", 6030, 3105);

    auto* frame1 = creer<QWidget>(this, QStringLiteral("Frame1"));
    frame1->setGeometry(rectTw(6300, 2370, 1005, 645));
    Option1 = creer<QRadioButton>(frame1, QStringLiteral("Option1"));
    Option1->setText(QStringLiteral("Nord"));
    Option1->setGeometry(rectTw(105, 105, 810, 195 + 60));
    Option2 = creer<QRadioButton>(frame1, QStringLiteral("Option2"));
    Option2->setText(QStringLiteral("Sud"));
    Option2->setGeometry(rectTw(105, 315 + 30, 810, 195 + 60));
    Option1->setChecked(true);

    auto* frame2 = creer<QWidget>(this, QStringLiteral("Frame2"));
    frame2->setGeometry(rectTw(6300, 3000, 1050, 750));
    Option4 = creer<QRadioButton>(frame2, QStringLiteral("Option4"));
    Option4->setText(QStringLiteral("Est"));
    Option4->setGeometry(rectTw(105, 150, 900, 195 + 60));
    Option3 = creer<QRadioButton>(frame2, QStringLiteral("Option3"));
    Option3->setText(QStringLiteral("Ouest"));
    Option3->setGeometry(rectTw(105, 420, 900, 195 + 60));
    Option4->setChecked(true);
}

void FormTalvan::construireHeures() {
    Text10 = champ(this, QStringLiteral("Text10"), rectTw(4635, 4095, 855, 285));
    Label15 = etiquette(this, QStringLiteral("Label15"), QStringLiteral("H Locale"),
                        rectTw(5685, 4125, 930, 225));
    Text11 = champ(this, QStringLiteral("Text11"), rectTw(4635, 4455, 855, 285));
    Label16 = etiquette(this, QStringLiteral("Label16"), QStringLiteral("H GMT"),
                        rectTw(5685, 4485, 930, 225));
    Text13 = champ(this, QStringLiteral("Text13"), rectTw(4635, 4830, 855, 285));
    Text13->setReadOnly(true);
    Label18 = etiquette(this, QStringLiteral("Label18"), QStringLiteral("H Solaire"),
                        rectTw(5685, 4860, 930, 225));
    for (QLineEdit* t : {Text10, Text11, Text13})
        t->setTextMargins(0, 0, 0, 0);
    for (QLabel* l : {Label15, Label16})
        colorerTexte(l, Qt::black, QPalette::WindowText);

    // The watch and its mark answer the keyboard too; a screen reader hears them as a box
    // ticked while the clock is stopped.
    const auto bouton = [this](const QString& nom, const QString& texte, const QRect& r) {
        auto* b = creer<platform::EtiquetteActive>(this, nom, QAccessible::CheckBox);
        b->setText(texte);
        b->setGeometry(r);
        b->setBascule(true);
        return b;
    };
    Label13 =
        bouton(QStringLiteral("Label13"), QStringLiteral("(*)"), rectTw(6990, 4155, 240, 300));
    Label13->setFont(police(QStringLiteral("Microsoft Sans Serif"), 8.25));
    Label13->setAlignment(Qt::AlignCenter);
    Label13->setCursor(Qt::PointingHandCursor);
    // One Tab stop for the clock: the watch; its mark answers the mouse.
    Label13->setFocusPolicy(Qt::NoFocus);
    Image1 = bouton(QStringLiteral("Image1"), QString(), rectTw(6630, 4335, 480, 480));
    Image1->setPixmap(platform::icone(QStringLiteral("montre")).pixmap(32, 32));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Cliquez pour entrer les heures manuellement."));

    const QColor rouge(255, 0, 0);
    Line1 = new Trait(QPointF(6630, 4755) / 15.0, QPointF(7155, 4335) / 15.0, rouge, 4, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2 = new Trait(QPointF(6630, 4335) / 15.0, QPointF(7155, 4755) / 15.0, rouge, 4, this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line1->hide();
    Line2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void FormTalvan::construireAngle() {
    Command1 = boutonIcone(this, QStringLiteral("Command1"), QStringLiteral("Calcul"),
                           QStringLiteral("icone"), rectTw(2940, 3045, 1035, 855));
    Label17 = etiquette(this, QStringLiteral("Label17"), QString::fromUtf8("Angle mesuré au mur"),
                        rectTw(2715, 4080, 1470, 570));
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setWordWrap(true);
    Label17->setFont(police(QStringLiteral("MS Sans Serif"), 9.75));
    colorerTexte(Label17, QColor(192, 0, 0), QPalette::WindowText);
    Text12 = champ(this, QStringLiteral("Text12"), rectTw(2895, 4695, 1170, 450));
    Text12->setFont(police(QStringLiteral("Arial"), 14.25));
    colorerTexte(Text12, QColor(192, 0, 0));
    Text12->setAlignment(Qt::AlignCenter);
}

void FormTalvan::construireListe() {
    const auto bouton = [this](const QString& nom, const QString& texte, double top) {
        auto* b = new BoutonTexte(texte, this);
        b->setObjectName(nom);
        b->setGeometry(rectTw(165, top, 855, 525));
        b->setAutoDefault(false);
        return b;
    };
    Command2 = bouton(QStringLiteral("Command2"), QStringLiteral("Garder"), 2445);
    Command3 = bouton(QStringLiteral("Command3"), QStringLiteral("Efface le dernier"), 2955);
    Command5 = bouton(QStringLiteral("Command5"), QStringLiteral("Reset"), 3465);
    for (int i = 0; i < 5; ++i) {
        DG[i] = champ(this, QStringLiteral("DG_%1").arg(i), rectTw(1110, 2445 + 315 * i, 855, 285));
        DG[i]->setTextMargins(0, 0, 0, 0);
        colorerTexte(DG[i], Qt::black);
        Chec[i] = creer<QCheckBox>(this, QStringLiteral("Chec_%1").arg(i));
        Chec[i]->setGeometry(rectTw(2055, 2445 + 315 * i, 225 + 60, 225 + 30));
    }

    Label5 = etiquette(this, QStringLiteral("Label5"), QString::fromUtf8("Déclinaison du mur"),
                       rectTw(165, 4140, 2445, 615));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setWordWrap(true);
    Label5->setFont(police(QStringLiteral("MS Sans Serif"), 9.75));
    Text15 = champ(this, QStringLiteral("Text15"), rectTw(780, 4695, 1335, 450));
    Text15->setFont(police(QStringLiteral("Arial"), 14.25));
    colorerTexte(Text15, QColor(0, 0, 128));
    Text15->setAlignment(Qt::AlignCenter);
    Text15->setReadOnly(true);
    auto* degre = etiquette(this, QStringLiteral("Label1_1"), QString::fromUtf8("°"),
                            rectTw(2145, 4695, 300, 450));
    degre->setFont(police(QStringLiteral("MS Sans Serif"), 24));
    placerDegre(degre, Text15);
    Label7 = creer<LigneMessage>(this, QStringLiteral("Label7"));
    Label7->setGeometry(rectTw(120, 5385, 2220, 870));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    colorerTexte(Label7, QColor(192, 0, 0), QPalette::WindowText);
}

void FormTalvan::construireDiagrammes() {
    auto* frame8 = creer<QWidget>(this, QStringLiteral("Frame8"));
    frame8->setGeometry(rectTw(-30, 120, 3690, 2055));
    PicHE = creer<Canvas>(frame8, QStringLiteral("PicHE"));
    PicHE->setGeometry(rectTw(30, 225, 1770, 1770));
    PicAZ = creer<Canvas>(frame8, QStringLiteral("PicAZ"));
    PicAZ->setGeometry(rectTw(1860, 225, 1770, 1770));
    for (Canvas* c : {PicHE, PicAZ})
        c->setFont(police(QStringLiteral("Arial"), 8.25));
    Label36 = etiquetteAuto(frame8, QStringLiteral("Label36"), QString(), 120, 15);
    Label35 = etiquetteAuto(frame8, QStringLiteral("Label35"), QString(), 1875, 15);
    for (QLabel* l : {Label35, Label36})
        l->setMinimumWidth(px(1700));
}

void FormTalvan::construireCommandes() {
    const char* drapeaux[2] = {"drapeau_fr", "drapeau_es"};
    const char* bulles[2] = {"Français", "Espagnol"};
    const QRect places[2] = {rectTw(2340, 5415, 1035, 450), rectTw(2340, 5850, 1035, 420)};
    // A group of their own: auto-exclusion would look among every button of the window
    // (the hemisphere options too) and leave both flags selected.
    auto* groupe = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        Option5[i] = creer<QToolButton>(this, QStringLiteral("Option5_%1").arg(i));
        Option5[i]->setCheckable(true);
        groupe->addButton(Option5[i]);
        Option5[i]->setIcon(platform::icone(QString::fromLatin1(drapeaux[i])));
        Option5[i]->setIconSize(QSize(36, 24));
        Option5[i]->setToolTip(QString::fromUtf8(bulles[i]));
        Option5[i]->setGeometry(places[i]);
    }
    Command8 = boutonIcone(this, QStringLiteral("Command8"), QStringLiteral("Google"),
                           QStringLiteral("globe"), rectTw(3360, 5415, 1035, 855));
    Command8->setToolTip(QString::fromUtf8("Déterminer l'orientation de votre mur avec Google"));
    Command7 = boutonIcone(this, QStringLiteral("Command7"), QStringLiteral("Aide"),
                           QStringLiteral("aide"), rectTw(4380, 5415, 1035, 855));
    Command6 = boutonIcone(this, QStringLiteral("Command6"), QStringLiteral("A propos"),
                           QStringLiteral("soleil"), rectTw(5400, 5415, 1035, 855));
    Command4 = boutonIcone(this, QStringLiteral("Command4"), QStringLiteral("Quitter"),
                           QStringLiteral("quitter"), rectTw(6420, 5415, 1035, 855));
}

void FormTalvan::construireAide() {
    Frame3 = creer<QWidget>(this, QStringLiteral("Frame3"));
    Frame3->setGeometry(rectTw(10000, -150, 7515, 5580));
    Frame3->setAutoFillBackground(true);
    Frame3->hide();

    Image2 = creer<FigureAide>(Frame3, QStringLiteral("Image2"));
    Image2->setGeometry(rectTw(135, 240, 7200, 3825));
    struct Annotation {
        const char* texte;
        QColor couleur;
        Qt::Alignment alignement;
        QRect place;
    };
    const Annotation annotations[5] = {
        {"Angle à reporter", QColor(255, 0, 0), Qt::AlignHCenter, rectTw(4740, 1845, 2625, 255)},
        {"Fil à plomb tenu à la main", QColor(64, 64, 64), Qt::AlignLeft,
         rectTw(2505, 1230, 2625, 255)},
        {"Ombre du Soleil", QColor(0, 0, 255), Qt::AlignRight, rectTw(270, 2340, 1530, 225)},
        {"Mur vertical", QColor(192, 64, 0), Qt::AlignHCenter, rectTw(2940, 3585, 1875, 255)},
        {"Rapporteur parfaitement horizontal", QColor(0, 0, 255), Qt::AlignLeft,
         rectTw(5115, 2505, 2160, 555)},
    };
    for (int i = 0; i < 5; ++i) {
        const Annotation& a = annotations[i];
        QLabel* l = etiquette(Frame3, QStringLiteral("LabAide_%1").arg(i),
                              QString::fromUtf8(a.texte), a.place);
        l->setAlignment(a.alignement | Qt::AlignTop);
        l->setWordWrap(true);
        colorerTexte(l, a.couleur, QPalette::WindowText);
    }
    QLabel* titre = etiquette(Frame3, QStringLiteral("Label12"), QStringLiteral("Vue de dessus."),
                              rectTw(5250, 480, 1905, 225));
    titre->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label8 = etiquette(Frame3, QStringLiteral("Label8"), QString(), rectTw(120, 4080, 7185, 1455));
    Label8->setFont(police(QStringLiteral("Arial"), 8.25));
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
