#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"
#include "platform/services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::substituerPolices();

    const platform::ProgramIdentity identite = platform::ProgramIdentity::courante();
    platform::QtSettingsStore settings(identite.nomExecutable);
    platform::SystemClock horloge;
    platform::DesktopOpener ouvreur;
    platform::QtWindowEffects effets;
    const platform::Services services{settings, horloge,  ouvreur,
                                      effets,   identite, platform::AdressesAuteur::duProgramme()};

    FormTalvan fenetre(services);
    fenetre.Charger();
    return app.exec();
}
