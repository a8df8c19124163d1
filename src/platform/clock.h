#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace platform {

// Every reading of "now" goes through this.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime maintenantUtc() const = 0;
    // Always a valid date and time.
    virtual QDateTime maintenantLocal() const = 0;
    // Offset of the computer's time zone from UTC, in seconds (east positive), in force at
    // the given local date and time. A local time skipped by a daylight-saving jump takes
    // the offset in force just before the jump; one that occurs twice, the first.
    virtual int decalageUtc(const QDate& date, const QTime& heure) const = 0;
    // The same, in force at a UTC instant.
    virtual int decalageUtcInstant(const QDateTime& utc) const = 0;
    // True when no time zone could be found for the computer and local time is UTC.
    virtual bool fuseauInconnu() const = 0;
    // The zone's IANA id ("Europe/Paris"), or empty when it has none.
    virtual QString nomFuseau() const { return {}; }
};

// A clock on a given time zone; the real one reads the system clock and zone. When the
// toolkit does not know the zone (a misspelt TZ, a path to a zoneinfo file, a rule it does
// not read), the C library's local time is taken instead.
class ZoneClock : public Clock {
public:
    QDateTime maintenantLocal() const override;
    int decalageUtc(const QDate& date, const QTime& heure) const override;
    int decalageUtcInstant(const QDateTime& utc) const override;
    bool fuseauInconnu() const override;
    QString nomFuseau() const override;
    virtual QTimeZone zone() const = 0;
};

class SystemClock final : public ZoneClock {
public:
    QDateTime maintenantUtc() const override;
    QTimeZone zone() const override;
};

} // namespace platform
