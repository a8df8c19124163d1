#include "solar/lecture.h"

#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/sunposition.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace solar {

namespace {

constexpr double SecondesJour = 86400.0;

// ---- Calendar (proleptic Gregorian, H. Hinnant's days_from_civil / civil_from_days) ----

bool Bissextile(int a) {
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

bool DateValide(int j, int m, int a) {
    constexpr std::array<int, 12> jours{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (a < 1583 || a > 9999 || m < 1 || m > 12 || j < 1)
        return false;
    return j <= jours[static_cast<std::size_t>(m - 1)] + (m == 2 && Bissextile(a) ? 1 : 0);
}

// Days since 1970-01-01.
long long JoursDepuis1970(int a, int m, int j) {
    const long long y = a - (m <= 2 ? 1 : 0);
    const long long era = y / 400; // y >= 1582 here
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void DateDepuis1970(long long z, int& a, int& m, int& j) {
    z += 719468;
    const long long era = z / 146097; // z >= 0 for the years kept here
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    j = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    a = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// ---- Text ----

std::string Nombre(double x) {
    std::array<char, 64> tampon{};
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x);
    return std::string(tampon.data(), r.ptr);
}

std::string Nombre(int x) {
    return std::to_string(x);
}

// n >= 0 with at least two digits.
std::string DeuxChiffres(long long n) {
    std::string t = std::to_string(n);
    return t.size() < 2 ? "0" + t : t;
}

std::uint32_t Fnv1a(std::string_view texte) {
    std::uint32_t h = 2166136261u;
    for (const char c : texte) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

std::string Hex8(std::uint32_t h) {
    std::string s(8, '0');
    for (int i = 7; i >= 0; --i, h >>= 4)
        s[static_cast<std::size_t>(i)] = "0123456789abcdef"[h & 0xF];
    return s;
}

// The whole text as a number of type T, or nullopt.
template <typename T> std::optional<T> LireNombre(std::string_view s) {
    T x{};
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return x;
}

bool Entre(double x, double bas, double haut) {
    return x >= bas && x <= haut; // false for a NaN
}

// The fields of the settings text, in the order they are written.
struct ChampEntier {
    std::string_view cle;
    int Lecture::*champ;
};
struct ChampReel {
    std::string_view cle;
    double Lecture::*champ;
};
constexpr std::array<ChampEntier, 4> ChampsEntiers{{{"j", &Lecture::jour},
                                                    {"m", &Lecture::mois},
                                                    {"a", &Lecture::annee},
                                                    {"dz", &Lecture::decalage}}};
constexpr std::array<ChampReel, 7> ChampsReels{{{"hl", &Lecture::heureLocale},
                                                {"tu", &Lecture::gmt},
                                                {"lat", &Lecture::lat},
                                                {"lon", &Lecture::lon},
                                                {"ang", &Lecture::angle},
                                                {"az", &Lecture::azimut},
                                                {"h", &Lecture::hauteur}}};

} // namespace

bool LectureValide(const Lecture& l) {
    if (!DateValide(l.jour, l.mois, l.annee))
        return false;
    if (!Entre(l.heureLocale, -1.0, 2.0) || !Entre(l.gmt, -1.0, 2.0))
        return false;
    if (l.decalage < -18 * 3600 || l.decalage > 18 * 3600)
        return false;
    // The window's universal time of day is single precision: a second is ample.
    if (std::fabs(l.gmt + l.decalage / SecondesJour - l.heureLocale) > 1.0 / SecondesJour)
        return false;
    return std::fabs(l.lat) < 90.0 && Entre(l.lon, -360.0, 360.0) &&
           Entre(l.angle, -360.0, 360.0) && Entre(l.azimut, 0.0, 360.0) &&
           Entre(l.hauteur, -90.0, 90.0);
}

double DeclinaisonLecture(const Lecture& l) {
    return DeclinaisonMur(l.azimut, 90.0 - l.angle);
}

std::string TexteLecture(const Lecture& l) {
    if (!LectureValide(l))
        throw CalculError("TexteLecture: reading out of its ranges");
    std::string t = "L1";
    const auto champ = [&t](std::string_view cle, const std::string& valeur) {
        t += ' ';
        t += cle;
        t += '=';
        t += valeur;
    };
    for (const ChampEntier& c : ChampsEntiers)
        champ(c.cle, Nombre(l.*c.champ));
    for (const ChampReel& c : ChampsReels)
        champ(c.cle, Nombre(l.*c.champ));
    champ("ck", Hex8(Fnv1a(t)));
    return t;
}

std::optional<Lecture> LireLecture(std::string_view texte) {
    constexpr std::string_view Controle = " ck=";
    const std::size_t posControle = texte.rfind(Controle);
    if (posControle == std::string_view::npos)
        return std::nullopt;
    const std::string_view corps = texte.substr(0, posControle);
    if (texte.substr(posControle + Controle.size()) != Hex8(Fnv1a(corps)) ||
        corps.substr(0, 3) != "L1 ")
        return std::nullopt;

    Lecture l;
    std::array<bool, ChampsEntiers.size() + ChampsReels.size()> vus{};
    std::string_view reste = corps.substr(3);
    for (bool encore = true; encore;) {
        const std::size_t espace = reste.find(' ');
        const std::string_view jeton = reste.substr(0, espace);
        encore = espace != std::string_view::npos;
        if (encore)
            reste = reste.substr(espace + 1);
        const std::size_t egal = jeton.find('=');
        if (egal == std::string_view::npos || egal == 0)
            return std::nullopt;
        const std::string_view cle = jeton.substr(0, egal);
        const std::string_view valeur = jeton.substr(egal + 1);
        // A key of a later version is skipped; a known key is read once, whole.
        std::size_t rang = 0;
        bool lu = true;
        for (const ChampEntier& c : ChampsEntiers) {
            if (c.cle == cle) {
                const auto v = LireNombre<int>(valeur);
                lu = v.has_value() && !vus[rang];
                vus[rang] = true;
                l.*c.champ = v.value_or(0);
            }
            ++rang;
        }
        for (const ChampReel& c : ChampsReels) {
            if (c.cle == cle) {
                const auto v = LireNombre<double>(valeur);
                lu = v.has_value() && !vus[rang];
                vus[rang] = true;
                l.*c.champ = v.value_or(0.0);
            }
            ++rang;
        }
        if (!lu)
            return std::nullopt;
    }
    if (!std::all_of(vus.begin(), vus.end(), [](bool b) { return b; }) || !LectureValide(l))
        return std::nullopt;
    return l;
}

bool LectureAccordeeAuCiel(const Lecture& l) {
    constexpr double Tolerance = 0.01; // degrees
    try {
        const PositionSoleil p = PosSoleil(l.jour, l.mois, l.annee, l.gmt, l.lat, l.lon);
        return std::fabs(EcartAngle(p.azimut, l.azimut)) <= Tolerance &&
               std::fabs(p.hauteur - l.hauteur) <= Tolerance;
    } catch (const CalculError&) {
        return false;
    }
}

InstantLocal InstantLocalLecture(const Lecture& l) {
    if (!LectureValide(l))
        throw CalculError("InstantLocalLecture: reading out of its ranges");
    const auto secondes = static_cast<long long>(std::llround(l.heureLocale * SecondesJour));
    // Floor division: -1 s is 23:59:59 of the day before.
    const long long jours = secondes >= 0 ? secondes / 86400 : -((-secondes + 86399) / 86400);
    const long long duJour = secondes - jours * 86400;
    InstantLocal i{};
    DateDepuis1970(JoursDepuis1970(l.annee, l.mois, l.jour) + jours, i.annee, i.mois, i.jour);
    i.heure = static_cast<int>(duJour / 3600);
    i.minute = static_cast<int>(duJour / 60 % 60);
    i.seconde = static_cast<int>(duJour % 60);
    i.decalage = l.decalage;
    return i;
}

std::string TexteDecalage(int secondes) {
    const long long s = std::llabs(static_cast<long long>(secondes));
    std::string t = secondes < 0 ? "-" : "+";
    t += DeuxChiffres(s / 3600) + ":" + DeuxChiffres(s / 60 % 60);
    if (s % 60 != 0) {
        t += ':';
        t += DeuxChiffres(s % 60);
    }
    return t;
}

std::string TexteInstantIso(const Lecture& l) {
    const InstantLocal i = InstantLocalLecture(l);
    return std::to_string(i.annee) + "-" + DeuxChiffres(i.mois) + "-" + DeuxChiffres(i.jour) + "T" +
           DeuxChiffres(i.heure) + ":" + DeuxChiffres(i.minute) + ":" + DeuxChiffres(i.seconde) +
           TexteDecalage(i.decalage);
}

} // namespace solar
