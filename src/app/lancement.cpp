#include "app/lancement.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace lancement {

namespace {

QByteArray nomProgramme(const char* argv0) {
    return QFileInfo(QString::fromLocal8Bit(argv0 ? argv0 : "orsaline")).fileName().toLocal8Bit();
}

QByteArray variable(const char* nom) {
    const QByteArray v = qgetenv(nom);
    return v.isEmpty() ? QByteArrayLiteral("unset") : v;
}

// Whether one of the platforms Qt will try finds its display server: X11 by DISPLAY (or
// -display), Wayland by WAYLAND_DISPLAY or its default socket. The others (offscreen,
// vnc, eglfs...) need none.
bool affichagePresent(QString plateformes, bool optionDisplay) {
    if (plateformes.isEmpty())
        plateformes = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QStringList essais = plateformes.isEmpty()
                                   ? QStringList{QStringLiteral("xcb"), QStringLiteral("wayland")}
                                   : plateformes.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& essai : essais) {
        const QString nom = essai.section(QLatin1Char(':'), 0, 0).trimmed(); // "name:options"
        if (nom == QLatin1String("xcb")) {
            if (optionDisplay || !qEnvironmentVariableIsEmpty("DISPLAY"))
                return true;
        } else if (nom.startsWith(QLatin1String("wayland"))) {
            const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
            if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                (!runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath("wayland-0"))))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

void direPasDAffichage(const QByteArray& programme, const char* quoi) {
    std::fprintf(stderr, "%s: %s (DISPLAY: %s, WAYLAND_DISPLAY: %s)\n", programme.constData(), quoi,
                 variable("DISPLAY").constData(), variable("WAYLAND_DISPLAY").constData());
}

// The help in the language of the user's messages (LC_ALL, LC_MESSAGES, then LANG, as the C
// library chooses it): French, Spanish, or English for any other. %1 the program's name.
const char* texteAide() {
    QByteArray langue;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (langue = qgetenv(variable); !langue.isEmpty())
            break;
    if (langue.startsWith("fr"))
        return "Utilisation : %1 [--help] [--version]\n"
               "Trouve la déclinaison d'un mur vertical pour un cadran solaire, à partir de\n"
               "l'angle de l'ombre d'un fil à plomb lu sur un rapporteur et de la position du\n"
               "soleil à cet instant. Orsaline est un programme de bureau : il ouvre sa fenêtre\n"
               "et ne prend pas d'argument.\n\n"
               "Options :\n"
               "  -h, --help     Affiche cette aide et quitte.\n"
               "  -v, --version  Affiche la version et quitte.\n";
    if (langue.startsWith("es"))
        return "Uso: %1 [--help] [--version]\n"
               "Halla la declinación de una pared vertical para un reloj de sol, a partir del\n"
               "ángulo de la sombra de una plomada leído en un transportador y de la posición\n"
               "del sol en ese momento. Orsaline es un programa de escritorio: abre su ventana\n"
               "y no admite argumentos.\n\n"
               "Opciones:\n"
               "  -h, --help     Muestra esta ayuda y termina.\n"
               "  -v, --version  Muestra la versión y termina.\n";
    return "Usage: %1 [--help] [--version]\n"
           "Finds the declination of a vertical wall for a sundial, from the angle of a\n"
           "plumb line's shadow read on a protractor and the sun's position at that\n"
           "moment. Orsaline is a desktop program: it opens its window and takes no\n"
           "arguments.\n\n"
           "Options:\n"
           "  -h, --help     Show this help and exit.\n"
           "  -v, --version  Show the version and exit.\n";
}

QByteArray programmeOuvert;
QtMessageHandler gestionnairePrecedent = nullptr;

// Qt ends with qFatal (an abort and a core dump) when no platform plugin can start.
void pendantOuverture(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    if (type == QtFatalMsg) {
        direPasDAffichage(programmeOuvert, "the display could not be opened");
        std::_Exit(1);
    }
    if (gestionnairePrecedent)
        gestionnairePrecedent(type, contexte, texte);
}

} // namespace

std::optional<int> lireLigneCommande(int argc, char* argv[]) {
    const QByteArray programme = nomProgramme(argc > 0 ? argv[0] : nullptr);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parseur;
    // "-platform xcb" as Qt's own options are written; "-h" and "-v" still work.
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parseur.addOption(aide);
    parseur.addOption(version);
    // Qt's own options that QApplication reads after us (a session manager restarts a
    // program with -session); each takes a value.
    for (const char* qt : {"platform", "display", "session", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(qt));
        option.setValueName(QStringLiteral("value"));
        parseur.addOption(option);
    }

    const QByteArray usage = "Usage: " + programme + " [--help] [--version]\n";
    QString erreur;
    if (!parseur.parse(arguments))
        erreur = parseur.errorText();
    else if (!parseur.positionalArguments().isEmpty())
        erreur = QStringLiteral("unexpected argument '%1'.").arg(parseur.positionalArguments()[0]);
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n%s", programme.constData(), qPrintable(erreur),
                     usage.constData());
        return 2;
    }
    if (parseur.isSet(aide)) {
        const QString texte = QString::fromUtf8(texteAide()).arg(QString::fromLocal8Bit(programme));
        std::fputs(texte.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parseur.isSet(version)) {
        std::printf("%s %s\n", programme.constData(), ORSALINE_VERSION);
        return 0;
    }
    if (!affichagePresent(parseur.value(QStringLiteral("platform")),
                          parseur.isSet(QStringLiteral("display")))) {
        direPasDAffichage(programme, "no display to open the window on");
        return 1;
    }
    return std::nullopt;
}

std::unique_ptr<QApplication> ouvrirApplication(int& argc, char* argv[]) {
    programmeOuvert = nomProgramme(argc > 0 ? argv[0] : nullptr);
    gestionnairePrecedent = qInstallMessageHandler(pendantOuverture);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(gestionnairePrecedent);
    return application;
}

} // namespace lancement
