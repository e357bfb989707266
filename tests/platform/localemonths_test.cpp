#include "gamedata/monthnames.h"
#include "platform/localemonths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace vx;
using namespace vx::platform;

namespace {

// Sets locale variables for one test and puts back what was there.
class LocaleEnvironment
{
public:
    LocaleEnvironment()
    {
        for (const char *name : { "LC_ALL", "LC_TIME", "LC_CTYPE", "LANG" }) {
            const char *value = std::getenv(name);
            m_saved.push_back({ name, value ? std::optional<std::string>(value) : std::nullopt });
            unsetenv(name);
        }
    }
    ~LocaleEnvironment()
    {
        for (const auto &[name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    void set(const char *name, const char *value) { setenv(name, value, 1); }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

QStringList processed(const QStringList &abbreviations)
{
    const auto names = processMonthNames(abbreviations);
    return QStringList(names.begin() + 1, names.end());
}

const QStringList FrenchMonths
    = { QStringLiteral("JANV"), QString::fromUtf8("FÉVR"), QStringLiteral("MARS"), QStringLiteral("AVRIL"),
          QStringLiteral("MAI"), QStringLiteral("JUIN"), QStringLiteral("JUIL"), QString::fromUtf8("AOÛT"),
          QStringLiteral("SEPT"), QStringLiteral("OCT"), QStringLiteral("NOV"), QString::fromUtf8("DÉC") };

} // namespace

TEST(LocaleMonths, FrenchUnderLcAllProcessesToTheFrenchAbbreviations)
{
    LocaleEnvironment env;
    env.set("LANG", "C");
    env.set("LC_ALL", "fr_FR.UTF-8");
    const std::optional<QStringList> names = SystemAbbreviatedMonthNames();
    ASSERT_TRUE(names.has_value()) << "fr_FR.UTF-8 is not installed: run scripts/setup";
    ASSERT_EQ(names->size(), 12);
    EXPECT_EQ(names->at(0), QStringLiteral("janv."));
    EXPECT_EQ(names->at(1), QString::fromUtf8("févr."));
    EXPECT_EQ(processed(*names), FrenchMonths);
}

TEST(LocaleMonths, FrenchUnderLangAlone)
{
    LocaleEnvironment env;
    env.set("LANG", "fr_FR.UTF-8");
    const std::optional<QStringList> names = SystemAbbreviatedMonthNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(processed(*names), FrenchMonths);
}

TEST(LocaleMonths, TheCLocaleGivesEnglishAbbreviations)
{
    LocaleEnvironment env;
    env.set("LC_ALL", "C");
    const std::optional<QStringList> names = SystemAbbreviatedMonthNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(
        processed(*names).join(QLatin1Char(' ')), QStringLiteral("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC"));
}

TEST(LocaleMonths, ALocaleThatIsNotInstalledCannotBeRead)
{
    LocaleEnvironment env;
    env.set("LC_ALL", "xx_YY.UTF-8");
    EXPECT_FALSE(SystemAbbreviatedMonthNames().has_value());
}

TEST(LocaleMonths, TestsCanReplaceTheNamesOrMakeThemUnreadable)
{
    SetMonthNamesForTesting(QStringList { QStringLiteral("a") });
    EXPECT_EQ(SystemAbbreviatedMonthNames(), QStringList { QStringLiteral("a") });
    SetLocaleUnreadableForTesting(true);
    EXPECT_FALSE(SystemAbbreviatedMonthNames().has_value());
    SetLocaleUnreadableForTesting(false);
    SetMonthNamesForTesting(std::nullopt);
    EXPECT_TRUE(SystemAbbreviatedMonthNames().has_value());
}
