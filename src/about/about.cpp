#include "about/about.h"

#include "platform/etiquetteactive.h"
#include "platform/fonts.h"
#include "platform/geometry.h"

#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace {

template <typename Label = QLabel, typename... Args>
Label* etiquette(QWidget* parent, const char* nom, const QRect& zone, const QFont& police,
                 const QColor& couleur = QColor(), Args... args) {
    auto* label = new Label(args..., parent);
    label->setObjectName(QLatin1String(nom));
    label->setGeometry(zone);
    label->setFont(police);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (couleur.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, couleur);
        label->setPalette(palette);
    }
    return label;
}

// Height of the legal notice's three lines under the designed window, in twips.
constexpr double HauteurMentions = 780;

const QColor Violet(128, 0, 128);
const QColor Bleu(0, 0, 255);

} // namespace

About::About(const platform::Services& services, const QIcon& icone, const QPixmap& curseur,
             QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("A Propos..."));
    setWindowIcon(icone);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    // The designed 6330 twips, and below them the legal notice.
    setFixedSize(platform::sizeTw(7545, 6330 + HauteurMentions));

    using platform::police;
    using platform::rectTw;
    const QString comic = QStringLiteral("Comic Sans MS");
    const QString arial = QStringLiteral("Arial");

    etiquette(this, "Label1_0", rectTw(705, 315, 6135, 1020), police(comic, 14.25), Violet);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(rectTw(3510, 1440, 525, 465));
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(icone.pixmap(32, 32));

    etiquette(this, "Label4", rectTw(2895, 2130, 1755, 315),
              police(QStringLiteral("MS Sans Serif"), 12));
    // The links: reached by Tab in this order, opened by Enter or Space too.
    const QFont lien = police(arial, 12, false, true);
    using platform::EtiquetteActive;
    m_Label5 = etiquette<EtiquetteActive>(this, "Label5", rectTw(667, 2565, 6210, 960), lien, Bleu,
                                          QAccessible::Link);
    etiquette(this, "Label1_1", rectTw(705, 3570, 6135, 870), police(comic, 12));
    // These two size themselves to their one-line text (see recentrer()).
    m_Label3 = etiquette<EtiquetteActive>(this, "Label3", rectTw(3735, 4605, 0, 270), lien, Bleu,
                                          QAccessible::Link);
    m_Label2 = etiquette<EtiquetteActive>(this, "Label2", rectTw(3735, 5040, 0, 270), lien, Bleu,
                                          QAccessible::Link);
    m_Label3->setWordWrap(false);
    m_Label2->setWordWrap(false);

    // The sun of the main window's About button, pointing with its centre.
    const QCursor pointeur =
        curseur.isNull()
            ? QCursor(Qt::PointingHandCursor)
            : QCursor(curseur.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation), 16,
                      16);
    for (EtiquetteActive* l : {m_Label5, m_Label3, m_Label2}) {
        l->setCursor(pointeur);
        l->installEventFilter(this);
        connect(l, &EtiquetteActive::active, this, [this, l] { ouvrir(l); });
    }

    auto* retourBouton = new QPushButton(QStringLiteral("Retour"), this);
    retourBouton->setObjectName(QStringLiteral("Command1"));
    retourBouton->setGeometry(rectTw(855, 5460, 5835, 615));
    retourBouton->setDefault(true);
    connect(retourBouton, &QPushButton::clicked, this, [this] {
        close();
        emit retour();
    });
    // Enter on opening still returns; Tab goes on to the links.
    retourBouton->setFocus();

    // Copyright, no warranty and licence, as the GPL asks of an interactive program.
    etiquette(this, "Label6", rectTw(300, 6330 - 150, 6945, HauteurMentions), police(arial, 8.25),
              QColor(64, 64, 64));

    recentrer();
}

QUrl About::adresseCourriel() const {
    const platform::ProgramIdentity& id = m_services.identity;
    // One pass, so that a name holding "%2" stays as it is.
    const QString sujet = QStringLiteral("%1 V%2.%3.%4")
                              .arg(id.nomExecutable, QString::number(id.majeure),
                                   QString::number(id.mineure), QString::number(id.revision));
    QUrl adresse;
    adresse.setScheme(QStringLiteral("mailto"));
    adresse.setPath(m_services.adresses.courriel);
    adresse.setQuery(QStringLiteral("subject=") +
                     QString::fromLatin1(QUrl::toPercentEncoding(sujet)));
    return adresse;
}

QUrl About::adresseTraduction() const {
    QString site = m_services.adresses.siteTraduction;
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return QUrl(site + QStringLiteral("/index.htm"));
}

void About::recentrer() {
    const int milieu = width() / 2;
    for (QLabel* lien : {m_Label3, m_Label2}) {
        const int largeur = lien->sizeHint().width();
        lien->setGeometry(milieu - largeur / 2, lien->y(), largeur, lien->height());
    }
}

bool About::event(QEvent* e) {
    // A label whose text changes while the window shows asks its parent for a new layout.
    if (e->type() == QEvent::LayoutRequest)
        recentrer();
    return QDialog::event(e);
}

void About::showEvent(QShowEvent* e) {
    // The texts are written while the window is hidden, which requests nothing.
    recentrer();
    QDialog::showEvent(e);
}

bool About::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(e);
        const auto* label = static_cast<QLabel*>(objet);
        if (souris->button() == Qt::LeftButton &&
            label->rect().contains(souris->position().toPoint()))
            ouvrir(label);
    }
    return QDialog::eventFilter(objet, e);
}

void About::ouvrir(const QLabel* lien) {
    if (lien == m_Label2)
        m_services.opener.ouvrir(adresseCourriel());
    else if (lien == m_Label3)
        m_services.opener.ouvrir(QUrl(m_services.adresses.site));
    else if (lien == m_Label5)
        m_services.opener.ouvrir(adresseTraduction());
}
