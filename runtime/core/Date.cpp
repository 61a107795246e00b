#include "runtime/core/Date.h"

#include <memory>

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace runtime {
namespace {

// Seconds from 1904-01-01 to 1970-01-01.
constexpr double kEpochOffset = 2082844800.0;

// The formats are given the wall-clock time as if it were GMT, so that texts
// show the same fields as Year, Month ... whatever zone ICU settled on.
String Formatted(double wallSeconds, icu::DateFormat* format) {
    if (format == nullptr) return String();
    format->adoptTimeZone(icu::TimeZone::createTimeZone("GMT"));
    icu::UnicodeString text;
    format->format(static_cast<UDate>(wallSeconds) * 1000.0, text);
    std::string out;
    return String(text.toUTF8String(out));
}

String DateText(double t, icu::DateFormat::EStyle style) {
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, icu::Locale::getDefault()));
    return Formatted(t, format.get());
}

}  // namespace

Date::Date() { SetUnixTime(std::time(nullptr)); }

Date::Date(std::time_t unixSeconds) { SetUnixTime(unixSeconds); }

Date::Date(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    SetUnixTime(std::mktime(&tm));
}

std::shared_ptr<Date> Date::FromTotalSeconds(double totalSeconds) {
    // The wall-clock fields, read as if UTC, then placed in the local zone.
    auto wall = static_cast<std::time_t>(totalSeconds - kEpochOffset);
    std::tm tm{};
    gmtime_r(&wall, &tm);
    return std::make_shared<Date>(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

void Date::SetUnixTime(std::time_t t) {
    unix_ = t;
    localtime_r(&unix_, &local_);
}

double Date::TotalSeconds() const { return WallSeconds() + kEpochOffset; }

double Date::WallSeconds() const { return static_cast<double>(unix_) + static_cast<double>(local_.tm_gmtoff); }

String Date::AbbreviatedDate() const { return DateText(WallSeconds(), icu::DateFormat::kMedium); }

String Date::ShortDate() const { return DateText(WallSeconds(), icu::DateFormat::kShort); }

String Date::LongDate() const { return DateText(WallSeconds(), icu::DateFormat::kLong); }

String Date::ShortTime() const {
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, icu::Locale::getDefault()));
    return Formatted(WallSeconds(), format.get());
}

}  // namespace runtime
