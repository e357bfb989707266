#include "platform/localemonths.h"

#include "platform/testmode.h"

#include <QStringDecoder>
#include <algorithm>
#include <langinfo.h>
#include <locale.h>

namespace vx::platform {

std::optional<QStringList> SystemAbbreviatedMonthNames()
{
    if (const TestMode *mode = TestMode::current()) {
        if (mode->locale.unreadable())
            return std::nullopt;
        if (mode->locale.monthNames())
            return mode->locale.monthNames();
    }

    // A private locale object: the process-wide locale of the program is left as it is. When the
    // environment names a locale that is not installed, the C library goes on with its default
    // locale, and so do the month names.
    locale_t loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        return std::nullopt;

    QStringDecoder decoder(nl_langinfo_l(CODESET, loc));
    QStringList names;
    static const nl_item months[12] = {
        ABMON_1, ABMON_2, ABMON_3, ABMON_4, ABMON_5, ABMON_6, ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    for (nl_item item : months) {
        const QByteArray raw(nl_langinfo_l(item, loc));
        names << (decoder.isValid() ? QString(decoder.decode(raw)) : QString::fromLocal8Bit(raw));
    }
    freelocale(loc);
    if (std::all_of(names.cbegin(), names.cend(), [](const QString &name) { return name.isEmpty(); }))
        return std::nullopt;
    return names;
}

} // namespace vx::platform
