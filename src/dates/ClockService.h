// Where the present moment comes from: the system clock as the date and time texts the
// date module reads, and the local zone. Tests inject a fixed clock.
#pragma once
#include <string>

class ClockService {
public:
    virtual ~ClockService() = default;
    // The system date as a numeric text: "YYYY-MM-DD" or, in month-first layouts,
    // "MM/DD/YYYY" (third character "-", "/" or ".").
    virtual std::string DateText() const = 0;
    // The system time as text: "HH:MM:SS" (24-hour) or with an AM/PM marker first or last.
    virtual std::string TimeText() const = 0;
    // Seconds to add to local time to obtain GMT (the date library's get_timezone).
    virtual int TimezoneSeconds() const = 0;
};

// The computer's clock and zone.
class SystemClock final : public ClockService {
public:
    std::string DateText() const override;
    std::string TimeText() const override;
    int TimezoneSeconds() const override;
};

// A clock that always reads the same texts (tests, scripted runs).
class FixedClock final : public ClockService {
public:
    FixedClock(std::string date, std::string time, int timezoneSeconds = 0)
        : date_(std::move(date)), time_(std::move(time)), timezone_(timezoneSeconds) {}
    std::string DateText() const override { return date_; }
    std::string TimeText() const override { return time_; }
    int TimezoneSeconds() const override { return timezone_; }
    void Set(std::string date, std::string time) {
        date_ = std::move(date);
        time_ = std::move(time);
    }

private:
    std::string date_, time_;
    int timezone_;
};
