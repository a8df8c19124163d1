#!/usr/bin/env python3
"""Noiseless reading sessions for the clock-fit tests, from the NOAA solar calculator's
formulas (Meeus), independent of Orsaline's own sun.

For a place, a date, the universal times the clock gave (hours) and a known wall
declination D (degrees from south, west positive) and clock offset delta (seconds, true
instant = clock's + delta), prints the protractor angle of each reading:
a = Az(t + delta) - 90 - D, into 0..360 (Az from north through east, no refraction).

  seance_horloge.py LAT LON_EAST YEAR MONTH DAY D DELTA UT_HOURS...
"""
import math
import sys


def azimut(lat, lon_est, annee, mois, jour, heures_tu):
    if mois <= 2:
        annee, mois = annee - 1, mois + 12
    a = annee // 100
    jd = (math.floor(365.25 * (annee + 4716)) + math.floor(30.6001 * (mois + 1)) + jour
          + 2 - a + a // 4 - 1524.5 + heures_tu / 24)
    t = (jd - 2451545) / 36525
    l0 = (280.46646 + t * (36000.76983 + t * 0.0003032)) % 360
    m = 357.52911 + t * (35999.05029 - 0.0001537 * t)
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    mr = math.radians(m)
    c = (math.sin(mr) * (1.914602 - t * (0.004817 + 0.000014 * t))
         + math.sin(2 * mr) * (0.019993 - 0.000101 * t) + math.sin(3 * mr) * 0.000289)
    omega = 125.04 - 1934.136 * t
    lam = l0 + c - 0.00569 - 0.00478 * math.sin(math.radians(omega))
    eps0 = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60
    eps = eps0 + 0.00256 * math.cos(math.radians(omega))
    decl = math.asin(math.sin(math.radians(eps)) * math.sin(math.radians(lam)))
    y = math.tan(math.radians(eps / 2)) ** 2
    l0r = math.radians(l0)
    eqt = 4 * math.degrees(y * math.sin(2 * l0r) - 2 * e * math.sin(mr)
                           + 4 * e * y * math.sin(mr) * math.cos(2 * l0r)
                           - 0.5 * y * y * math.sin(4 * l0r) - 1.25 * e * e * math.sin(2 * mr))
    tst = (heures_tu * 60 + eqt + 4 * lon_est) % 1440
    ha = math.radians(tst / 4 - 180)
    phi = math.radians(lat)
    cz = math.sin(phi) * math.sin(decl) + math.cos(phi) * math.cos(decl) * math.cos(ha)
    zen = math.acos(max(-1.0, min(1.0, cz)))
    az = math.degrees(math.acos((math.sin(phi) * cz - math.sin(decl))
                                / (math.cos(phi) * math.sin(zen))))
    return (az + 180) % 360 if ha > 0 else (540 - az) % 360


def main():
    lat, lon, an, mo, jo, d, delta = sys.argv[1:8]
    for h in sys.argv[8:]:
        az = azimut(float(lat), float(lon), int(an), int(mo), int(jo),
                    float(h) + float(delta) / 3600)
        print(f"{h} {(az - 90 - float(d)) % 360:.10f}")


if __name__ == "__main__":
    main()
