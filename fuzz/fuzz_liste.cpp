// A list line as the main window reads it: the same value in every locale, and what the list
// writes for that value (two decimals, either separator) reads back as it within rounding.

#include "fuzz_commun.h"
#include "platform/nombrelocal.h"
#include "solar/textformat.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace {

void Verifier(const QString& texte) {
    const std::string quoi = "\"" + texte.toStdString() + "\"";
    QLocale::setDefault(QLocale::c());
    const std::optional<double> v = platform::nombreLocal(texte);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    fuzz::Verifier(platform::nombreLocal(texte) == v, quoi + " read differently in French");
    if (!v)
        return;
    for (const char* separateur : {".", ","}) {
        const std::string ecrit = solar::FormatDiese0(*v, separateur);
        fuzz::SansNanNiInf(ecrit, quoi);
        const std::optional<double> relu = platform::nombreLocal(QString::fromStdString(ecrit));
        fuzz::Verifier(relu && std::abs(*relu - *v) <= 0.005 + std::abs(*v) * 1e-15,
                       quoi + " read as " + fuzz::Texte(*v) + ", written " + ecrit);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Verifier(
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    return 0;
}
