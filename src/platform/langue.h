#pragma once

#include <QLocale>
#include <QString>

namespace platform {

// The language of the windows, chosen with the two flag buttons.
enum class Langue { Francais, Espagnol };

// A text in both languages, UTF-8.
struct Bilingue {
    const char* fr;
    const char* es;
};

template <typename T> constexpr const T& selon(Langue langue, const T& fr, const T& es) {
    return langue == Langue::Francais ? fr : es;
}

inline QString texte(const Bilingue& t, Langue langue) {
    return QString::fromUtf8(selon(langue, t.fr, t.es));
}

// The settings file keeps the language as a letter: "F" French, any other Spanish ("E").
inline Langue langueDeLettre(const QString& lettre) {
    return lettre == QLatin1String("F") ? Langue::Francais : Langue::Espagnol;
}
inline QString lettreDeLangue(Langue langue) {
    return langue == Langue::Francais ? QStringLiteral("F") : QStringLiteral("E");
}

// French puts a blank before a colon, Spanish does not.
inline QString deuxPoints(Langue langue) {
    return langue == Langue::Francais ? QStringLiteral(" : ") : QStringLiteral(": ");
}

// Month names and date formats in the language; numbers keep the user's own locale.
inline QLocale localeDeLangue(Langue langue) {
    return langue == Langue::Francais ? QLocale(QLocale::French, QLocale::France)
                                      : QLocale(QLocale::Spanish, QLocale::Spain);
}

} // namespace platform
