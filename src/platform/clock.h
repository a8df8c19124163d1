#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace platform {

// Every reading of "now" goes through this.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime maintenantUtc() const = 0;
    virtual QDateTime maintenantLocal() const = 0;
    // Offset of the computer's time zone from UTC, in seconds (east positive),
    // in force at the given local date and time.
    virtual int decalageUtc(const QDate& date, const QTime& heure) const = 0;
    // The same, in force at a UTC instant.
    virtual int decalageUtcInstant(const QDateTime& utc) const = 0;
};

// A clock on a given time zone; the real one reads the system clock and zone.
class ZoneClock : public Clock {
public:
    QDateTime maintenantLocal() const override;
    int decalageUtc(const QDate& date, const QTime& heure) const override;
    int decalageUtcInstant(const QDateTime& utc) const override;
    virtual QTimeZone zone() const = 0;
};

class SystemClock final : public ZoneClock {
public:
    QDateTime maintenantUtc() const override;
    QTimeZone zone() const override;
};

} // namespace platform
