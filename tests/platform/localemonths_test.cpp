#include "gamedata/monthnames.h"
#include "platform/localemonths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

using namespace vx;
using namespace vx::platform;

// The month names read under the given LC_ALL and LANG (nullptr: unset), as processed for file names; the
// environment is put back afterwards.
static std::string monthsUnder(const char *lcAll, const char *lang)
{
    std::vector<std::pair<const char *, std::optional<std::string>>> saved;
    for (const char *name : {"LC_ALL", "LC_TIME", "LC_CTYPE", "LANG"}) {
        const char *value = std::getenv(name);
        saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
        unsetenv(name);
    }
    for (const auto &[name, value] : {std::pair("LC_ALL", lcAll), {"LANG", lang}})
        if (value)
            setenv(name, value, 1);
    const std::optional<QStringList> names = SystemAbbreviatedMonthNames();
    for (const auto &[name, value] : saved)
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    if (!names)
        return "none";
    const auto table = processMonthNames(*names);
    return (names->first() + " " + QStringList(table.begin() + 1, table.end()).join(' ')).toStdString();
}

TEST(LocaleMonths, ComeFromLcAllThenLangAndAnUninstalledLocaleFallsBackToTheDefault)
{
    const std::string french = "janv. JANV FÉVR MARS AVRIL MAI JUIN JUIL AOÛT SEPT OCT NOV DÉC";
    const std::string english = "Jan JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC";
    ASSERT_EQ(monthsUnder("fr_FR.UTF-8", "C"), french) << "fr_FR.UTF-8 is not installed: run scripts/setup";
    EXPECT_EQ(monthsUnder(nullptr, "fr_FR.UTF-8"), french);
    EXPECT_EQ(monthsUnder("C", "fr_FR.UTF-8"), english);
    // The C library goes on with its default locale, so start-up goes on with its month names.
    EXPECT_EQ(monthsUnder("xx_YY.UTF-8", "fr_FR.UTF-8"), english);
    EXPECT_EQ(monthsUnder(nullptr, "xx_YY.UTF-8"), english);
}
