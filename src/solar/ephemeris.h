#pragma once

// Low-accuracy theory of the sun referred to JD 2415020.0. Angles in degrees unless
// stated; times of day are day fractions (0.5 is noon) unless stated.

namespace solar {

// Universal time of a UTC reading in decimal hours, single precision; milliseconds are
// not given. 14:30:36 gives 14.51; 23:59:59 gives 23.99972, never 24.
float HeureGMT(int heures, int minutes, int secondes);

// Julian centuries of 36525 days since JD 2415020.0.
double SiecleJulien(double jd);

// An angle in degrees brought into 0..360; 0 and 360 are returned unchanged.
// Throws CalculError when floor(x) does not fit a 32-bit signed integer.
double Modulo360(double x);

// Equation of time, mean minus apparent solar time, in minutes of time.
// About +14.25 on 11 Feb 2008 (JD 2454507.5), -16.48 on 3 Nov 2008.
double EquationTemps(double jd);

// Julian day at 0 h UT of a civil date (Meeus' rule): the Gregorian calendar after
// 1582 October 4, the Julian one up to it. Any numbers are taken: a fraction of the day
// passes through, day 0 is the last day of the previous month.
double JourJulien(double jour, double mois, double annee);

// Declination of the sun in degrees, north positive, at Julian day jd0 (0 h UT) plus the
// universal time of day gmt (day fraction). Uses the main window's 0.017453292.
double DeclinaisonSoleil(double jd0, double gmt);

// The sun at T Julian centuries since JD 2415020.0 in the short theory that
// DeclinaisonSoleil and PosSoleil share (degrees, 0.017453292 per degree).
struct SoleilApparent {
    double longitude;   // apparent longitude, not brought into 0..360
    double obliquite;   // obliquity of the ecliptic
    double declinaison; // declination, north positive
};
SoleilApparent SoleilApparentEn(double t);

} // namespace solar
