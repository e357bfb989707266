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

TEST(LocaleMonths, ComeFromLcAllThenLangAndAnUninstalledLocaleCannotBeRead)
{
    const auto months = [](const char *lcAll, const char *lang) {
        LocaleEnvironment env;
        if (lcAll)
            env.set("LC_ALL", lcAll);
        if (lang)
            env.set("LANG", lang);
        return SystemAbbreviatedMonthNames();
    };
    const std::optional<QStringList> lcAll = months("fr_FR.UTF-8", "C");
    ASSERT_TRUE(lcAll.has_value()) << "fr_FR.UTF-8 is not installed: run scripts/setup";
    EXPECT_EQ(lcAll->mid(0, 2), (QStringList { QStringLiteral("janv."), QString::fromUtf8("févr.") }));
    EXPECT_EQ(processed(*lcAll), FrenchMonths);
    EXPECT_EQ(processed(months(nullptr, "fr_FR.UTF-8").value_or(QStringList())), FrenchMonths);
    EXPECT_EQ(processed(months("C", nullptr).value_or(QStringList())).join(QLatin1Char(' ')),
        QStringLiteral("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC"));
    EXPECT_FALSE(months("xx_YY.UTF-8", nullptr).has_value());
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
