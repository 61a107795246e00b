#include "runtime/core/Date.h"

#include <ctime>
#include <optional>

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "runtime/core/TextFunctions.h"
#include "tests/support/EnvGuard.h"

using namespace runtime;

namespace {

// Dates in a fixed zone, so the fields do not depend on the machine.
class RuntimeDate : public ::testing::Test {
protected:
    void SetUp() override {
        zone_.emplace("TZ", "Asia/Tokyo");
        tzset();
        savedLocale_ = icu::Locale::getDefault();
    }
    void TearDown() override {
        zone_.reset();
        tzset();
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(savedLocale_, status);
    }

private:
    std::optional<testsupport::EnvGuard> zone_;
    icu::Locale savedLocale_;
};

TEST_F(RuntimeDate, FieldsOfAUnixTime) {
    Date d(static_cast<std::time_t>(1796706309));  // 2026-12-08 14:05:09 in Tokyo (UTC+9)
    EXPECT_EQ(d.Year(), 2026);
    EXPECT_EQ(d.Month(), 12);
    EXPECT_EQ(d.Day(), 8);
    EXPECT_EQ(d.Hour(), 14);
    EXPECT_EQ(d.Minute(), 5);
    EXPECT_EQ(d.Second(), 9);
    EXPECT_EQ(d.DayOfWeek(), 3);  // a Tuesday
}

TEST_F(RuntimeDate, TotalSecondsCountLocalTimeFrom1904) {
    EXPECT_DOUBLE_EQ(Date(1904, 1, 1).TotalSeconds(), 0.0);
    EXPECT_DOUBLE_EQ(Date(1904, 1, 2).TotalSeconds(), 86400.0);
    Date d(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(Date::FromTotalSeconds(d.TotalSeconds())->UnixTime(), d.UnixTime());
    Date carried(2026, 13, 1);
    EXPECT_EQ(carried.Year(), 2027);
    EXPECT_EQ(carried.Month(), 1);
}

TEST_F(RuntimeDate, AbbreviatedDateFollowsTheLocale) {
    Date d(2026, 12, 8, 9, 5, 7);
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("ja_JP"), status);
    EXPECT_EQ(d.AbbreviatedDate().Bytes(), "2026/12/08");
    EXPECT_EQ(d.ShortTime().Bytes(), "9:05");
    // Half past midnight in Tokyo is the previous day in UTC: the text shows the local day.
    EXPECT_EQ(Date(2026, 12, 8, 0, 30).AbbreviatedDate().Bytes(), "2026/12/08");
    icu::Locale::setDefault(icu::Locale("en_US"), status);
    String text = d.AbbreviatedDate();
    EXPECT_GT(InStr(text, String("2026")), 0);
    EXPECT_GT(InStr(text, String("Dec")), 0);
    EXPECT_GT(InStr(d.LongDate(), String("December")), 0);
    EXPECT_GT(InStr(d.ShortDate(), String("12/8")), 0);
}

TEST_F(RuntimeDate, NowIsNow) {
    const std::time_t before = std::time(nullptr);
    const Date now;
    EXPECT_GE(now.UnixTime(), before);
    EXPECT_LE(now.UnixTime(), std::time(nullptr));
}

}  // namespace
