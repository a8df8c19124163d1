#include "platform/clock.h"

namespace platform {

QDateTime ZoneClock::maintenantLocal() const {
    return maintenantUtc().toTimeZone(zone());
}

int ZoneClock::decalageUtc(const QDate& date, const QTime& heure) const {
    const QTimeZone z = zone();
    const QDateTime local(date, heure, z);
    // A local time skipped by a daylight-saving jump has no offset of its own:
    // take the one in force just before it.
    if (!local.isValid())
        return z.offsetFromUtc(QDateTime(date, heure, z).addSecs(-3600));
    return z.offsetFromUtc(local);
}

int ZoneClock::decalageUtcInstant(const QDateTime& utc) const {
    return zone().offsetFromUtc(utc);
}

QDateTime SystemClock::maintenantUtc() const {
    return QDateTime::currentDateTimeUtc();
}

QTimeZone SystemClock::zone() const {
    return QTimeZone::systemTimeZone();
}

} // namespace platform
