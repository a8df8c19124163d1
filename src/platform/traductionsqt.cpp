#include "platform/traductionsqt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace platform {

void traduireQt(Langue langue) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    // One translator per application, replaced only when the language changes.
    static QPointer<QTranslator> traducteur;
    static QString charge;
    const QString catalogue =
        selon(langue, QStringLiteral("qtbase_fr"), QStringLiteral("qtbase_es"));
    if (!traducteur) {
        traducteur = new QTranslator(application);
        charge.clear();
    }
    if (charge == catalogue)
        return;
    QCoreApplication::removeTranslator(traducteur);
    charge = catalogue;
    if (traducteur->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
}

} // namespace platform
