#include "app/language.h"

#include <QLocale>
#include <QSettings>

QString interfaceLanguage(const QSettings &settings, const QLocale &system)
{
    const QString stored = settings.value(QLatin1String(kLanguageKey)).toString();
    if (stored == QLatin1String("de") || stored == QLatin1String("en"))
        return stored;
    return system.language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
}
