#pragma once

// Helpers shared by the fuzz targets: reading doubles from the fuzzer's bytes, and
// stopping on a finding so that libFuzzer keeps the input.

#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Echec(const std::string& quoi) {
    std::fprintf(stderr, "FINDING: %s\n", quoi.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Verifier(bool condition, const std::string& quoi) {
    if (!condition)
        Echec(quoi);
}

// %.17g, enough to give a double back exactly.
inline std::string Texte(double x) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.17g", x);
    return tampon;
}

// A returned text must never show a non-finite value.
inline void SansNanNiInf(const std::string& texte, const std::string& quoi) {
    std::string minuscules = texte;
    for (char& c : minuscules)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Verifier(minuscules.find("nan") == std::string::npos &&
                 minuscules.find("inf") == std::string::npos,
             quoi + " wrote \"" + texte + "\"");
}

// The bytes taken one value at a time. A tag byte below the table's size picks one of
// the values where the arithmetic changes its mind; otherwise the next eight bytes are
// the double itself. Past the end every value is 0.
class Lecteur {
public:
    Lecteur(const std::uint8_t* donnees, std::size_t taille) : m_reste(donnees, taille) {}

    double Double() {
        static constexpr double Inf = std::numeric_limits<double>::infinity();
        static constexpr std::array<double, 28> Remarquables{
            0.0,
            -0.0,
            0.5,
            -0.5,
            1.0,
            -1.0,
            2.0,
            3.0,
            12.0,
            13.0,
            90.0,
            -90.0,
            180.0,
            -180.0,
            360.0,
            -360.0,
            2958466.0,
            -2958466.0,
            2147483648.0,
            -2147483649.0,
            32767.5,
            -32768.5,
            1e-320,
            std::numeric_limits<double>::max(),
            -std::numeric_limits<double>::max(),
            Inf,
            -Inf,
            std::numeric_limits<double>::quiet_NaN()};
        if (m_reste.empty())
            return 0.0;
        const std::uint8_t etiquette = Octet();
        if (etiquette < Remarquables.size())
            return Remarquables[etiquette];
        std::array<std::uint8_t, sizeof(double)> octets{};
        for (std::uint8_t& o : octets)
            o = Octet();
        double x = 0.0;
        std::memcpy(&x, octets.data(), sizeof x);
        // A small whole or decimal number of the tag's choosing is often more useful
        // than raw bits, whose exponents are mostly huge or tiny.
        if (etiquette < 128) {
            std::int32_t n = 0;
            std::memcpy(&n, octets.data(), sizeof n);
            return etiquette < 80 ? static_cast<double>(n % 100000) / 100.0
                                  : static_cast<double>(n % 4000);
        }
        return x;
    }

    // The rest of the bytes as a text.
    std::string_view Reste() const {
        return {reinterpret_cast<const char*>(m_reste.data()), m_reste.size()};
    }

private:
    std::uint8_t Octet() {
        if (m_reste.empty())
            return 0;
        const std::uint8_t o = m_reste.front();
        m_reste = m_reste.subspan(1);
        return o;
    }

    std::span<const std::uint8_t> m_reste;
};

} // namespace fuzz
