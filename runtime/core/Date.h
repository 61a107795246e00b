#pragma once
// The framework's Date: a moment shown in the local time zone.
//
// TotalSeconds counts local wall-clock seconds since 1904-01-01 00:00, as the
// framework counts them. Texts follow the default locale (from the
// environment) through ICU's date formats.

#include <cstdint>
#include <ctime>
#include <memory>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class Date : public Object {
public:
    Date();  // now
    explicit Date(std::time_t unixSeconds);
    // A local date and time; fields out of range carry over (month 13 is January of the next year).
    Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static std::shared_ptr<Date> FromTotalSeconds(double totalSeconds);

    int Year() const { return local_.tm_year + 1900; }
    int Month() const { return local_.tm_mon + 1; }
    int Day() const { return local_.tm_mday; }
    int Hour() const { return local_.tm_hour; }
    int Minute() const { return local_.tm_min; }
    int Second() const { return local_.tm_sec; }
    int DayOfWeek() const { return local_.tm_wday + 1; }  // 1 Sunday ... 7 Saturday
    double TotalSeconds() const;
    std::time_t UnixTime() const { return unix_; }

    String AbbreviatedDate() const;  // the locale's medium date: "2026/12/08" in Japanese
    String ShortDate() const;
    String LongDate() const;
    String ShortTime() const;

private:
    void SetUnixTime(std::time_t t);
    double WallSeconds() const;  // local wall-clock seconds since 1970-01-01

    std::time_t unix_ = 0;
    std::tm local_{};
};

using DateRef = std::shared_ptr<Date>;

}  // namespace runtime
