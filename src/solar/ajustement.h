#pragma once

#include "solar/statistiques.h"

#include <optional>
#include <vector>

// The clock's offset found from the readings themselves: the wall's declination D and the
// clock's offset delta fitted together. Reading i, taken at the stored universal time t_i
// with the angle a_i, gives D_i(delta) = DeclinaisonMur(Az(t_i + delta), 90 - a_i); the fit
// minimises the sum of EcartAngle(D, D_i(delta))^2. Angles in degrees (declinations from
// south, west positive), times in seconds.
//
// Notes:
// 1. Gauss-Newton with the rates rho_i = dAz/dt at t_i + delta (degrees per second, centred
//    difference over +-30 s) is a straight-line regression of e_i = D_i - D_1 on rho_i: the
//    step is -S_rho,e / S_rho,rho, clamped to +-900 s, until under 1e-4 s. Started from 0,
//    +3600 and -3600 s; the start with the smallest sum of squared residuals is kept.
// 2. sigma = max(sqrt(sum r_i^2 / (n - 2)), 0.25 deg): the reading's error as a floor, so
//    that three lucky readings do not look precise. SE(delta) = sigma / sqrt(S_rho,rho),
//    SE(D) = sigma sqrt(1/n + mean(rho)^2 / S_rho,rho).
// 3. What no fit finds: a protractor not square to the wall adds the same angle to every
//    reading, exactly as another D does; a longitude or zone error is the same parameter as
//    the clock's offset (delta is the error of the hour angle, whatever its cause).

namespace solar {

enum class VerdictHorloge {
    NonDeterminee, // the readings cannot tell the clock's offset
    Controlee,     // determined, no significant offset: the plain average stands
    Corrigee,      // determined, |delta| >= 3 SE(delta): D is the fit's
    DecalageHeure, // determined, |delta| within 1800 s of an hour: an hour's slip
};

// Reading error assumed at the floor of sigma, degrees.
inline constexpr double ErreurLecture = 0.25;
// SE0 above this: no fit is tried, seconds.
inline constexpr double Se0SansAjustement = 240.0;
// SE(delta) at most this for a determined offset, seconds; the planner's aim for SE0.
inline constexpr double SeDeterminee = 120.0;

struct AjustementHorloge {
    VerdictHorloge verdict = VerdictHorloge::NonDeterminee;
    int nombre = 0; // readings
    // 0.25 / sqrt(S_rho,rho) with the rates at the stored instants, s; -1 when the rates
    // are all alike (no value).
    double se0 = 0;
    bool ajuste = false; // false: no fit (SE0 too large, or every start failed)
    // Only when ajuste:
    double delta = 0;             // true instant - stored instant, s (> 0: the clock was slow)
    double declinaison = 0;       // D, -180..180
    double erreurDelta = 0;       // SE(delta), s
    double erreurDeclinaison = 0; // SE(D), degrees
    double sigma = 0;             // degrees
    double residuMax = 0;         // largest |r_i|, degrees

    friend bool operator==(const AjustementHorloge&, const AjustementHorloge&) = default;
};

// The fit and its verdict for the ticked readings that have an instant; nullopt with fewer
// than three readings or readings at different places (latitude or longitude apart by more
// than 1e-9 degree). A step that fails (CalculError) fails its start; never throws.
std::optional<AjustementHorloge> AjusterHorloge(const std::vector<Lecture>& lectures);

// Where one more reading would let the clock be checked.
struct ConseilHorloge {
    // Best local time still ahead (smallest SE0 with that reading added), day fraction of
    // the date, on a 5-minute step; nullopt when none.
    std::optional<double> heureLocale;
    // Whether any time of that day, ahead or gone, would do.
    bool possibleCeJour = false;

    friend bool operator==(const ConseilHorloge&, const ConseilHorloge&) = default;
};

// Times of the day jour/mois/annee (local, offset decalage in seconds, east positive) from
// depuis (local day fraction: 0 for the whole day, 1 or more for none) at which the sun is
// up, on the wall's side for the declination `declinaison` (an angle 0..180 on the
// protractor), and one more reading at the place of `lectures` would bring SE0 under
// SeDeterminee. Empty advice without readings; a failing sun position leaves that time out.
ConseilHorloge PlanifierMesure(const std::vector<Lecture>& lectures, int jour, int mois, int annee,
                               int decalage, double declinaison, double depuis);

} // namespace solar
