// A list line as the main window reads it, under the C locale and under French.

#include "fuzz_commun.h"
#include "platform/nombrelocal.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace {

void Verifier(const QLocale& langue, const QString& texte) {
    QLocale::setDefault(langue);
    const std::optional<double> v = platform::nombreLocal(texte);
    if (!v)
        return;
    const std::string quoi = langue.name().toStdString() + ": \"" + texte.toStdString() + "\"";
    // What the locale writes for the value reads back as the same value.
    const QString ecrit = QLocale().toString(*v, 'g', 17);
    fuzz::SansNanNiInf(ecrit.toStdString(), quoi);
    const std::optional<double> relu = platform::nombreLocal(ecrit);
    fuzz::Verifier(relu && *relu == *v,
                   quoi + " read as " + fuzz::Texte(*v) + ", written " + ecrit.toStdString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    Verifier(QLocale::c(), texte);
    Verifier(QLocale(QLocale::French, QLocale::France), texte);
    return 0;
}
