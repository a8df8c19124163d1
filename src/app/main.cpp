#include "app/lancement.h"
#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/services.h"

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
    fenetre.Charger();
    return QApplication::exec();
}
