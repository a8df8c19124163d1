#include "app/lancement.h"
#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/services.h"
#include "platform/signauxfin.h"

#include <QSessionManager>

int main(int argc, char* argv[]) {
    if (const std::optional<int> fin = lancement::lireLigneCommande(argc, argv))
        return *fin;
    const std::unique_ptr<QApplication> application = lancement::ouvrirApplication(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orsaline.Orsaline"));
    QApplication::setPalette(platform::paletteClaire());
    platform::substituerPolices();

    const platform::ProgramIdentity identite = platform::ProgramIdentity::courante();
    platform::QtSettingsStore settings(identite.nomExecutable);
    platform::SystemClock horloge;
    platform::DesktopOpener ouvreur;
    platform::QtWindowEffects effets;
    const platform::Services services{settings, horloge,  ouvreur,
                                      effets,   identite, platform::AdressesAuteur::duProgramme()};

    FormTalvan fenetre(services);
    // The end of the session or a request to end (SIGTERM, SIGHUP, SIGINT) saves what "Oui" to
    // the quit question would save, without asking.
    platform::SignauxFin signaux;
    QObject::connect(&signaux, &platform::SignauxFin::recu, &fenetre, &FormTalvan::FinDeSession);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(application.get(), &QGuiApplication::commitDataRequest, &fenetre,
                     &FormTalvan::EnregistrerFinDeSession);
#endif
    fenetre.Charger();
    return QApplication::exec();
}
