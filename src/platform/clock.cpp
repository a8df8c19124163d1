#include "platform/clock.h"

namespace platform {

QDateTime ZoneClock::maintenantLocal() const {
    const QDateTime utc = maintenantUtc();
    const QTimeZone z = zone();
    const QDateTime local = z.isValid() ? utc.toTimeZone(z) : utc.toLocalTime();
    return local.isValid() ? local : utc;
}

int ZoneClock::decalageUtc(const QDate& date, const QTime& heure) const {
    // The wall-clock reading taken as if it were UTC; the instant it names is that minus
    // the offset. Offsets are under a day and jumps more than a day apart, so the offsets
    // a day before and a day after are the two that can be in force.
    const QDateTime mur(date, heure, Qt::UTC);
    const int avant = decalageUtcInstant(mur.addDays(-1));
    const int apres = decalageUtcInstant(mur.addDays(1));
    if (decalageUtcInstant(mur.addSecs(-avant)) == avant)
        return avant;
    if (decalageUtcInstant(mur.addSecs(-apres)) == apres)
        return apres;
    // Neither names an instant that shows this reading: it falls in the jump.
    return avant;
}

int ZoneClock::decalageUtcInstant(const QDateTime& utc) const {
    const QTimeZone z = zone();
    return z.isValid() ? z.offsetFromUtc(utc) : utc.toLocalTime().offsetFromUtc();
}

bool ZoneClock::fuseauInconnu() const {
    if (zone().isValid())
        return false;
    // glibc takes a TZ it cannot read as UTC, named after the text's leading letters
    // ("Europe" for "Europe/Pariss"). A zone that is really UTC all year says so.
    const QDateTime maintenant = maintenantUtc().toLocalTime();
    if (maintenant.offsetFromUtc() != 0 || maintenant.addMonths(6).offsetFromUtc() != 0)
        return false;
    const QString nom = maintenant.timeZoneAbbreviation();
    for (const char* utc : {"UTC", "GMT", "UCT", "UT", "Z"})
        if (nom == QLatin1String(utc))
            return false;
    return true;
}

QString ZoneClock::nomFuseau() const {
    const QTimeZone z = zone();
    return z.isValid() ? QString::fromUtf8(z.id()) : QString();
}

QDateTime SystemClock::maintenantUtc() const {
    return QDateTime::currentDateTimeUtc();
}

QTimeZone SystemClock::zone() const {
    return QTimeZone::systemTimeZone();
}

} // namespace platform
