// The interface language, chosen in Settings → Language and stored with QSettings under
// "language" ("en" or "de"); applied at the next start.
#pragma once

#include <QString>

class QLocale;
class QSettings;

inline constexpr char kLanguageKey[] = "language";

// "de" or "en": the stored choice; without one (or with another value) German when the
// system locale's language is German, else English.
QString interfaceLanguage(const QSettings &settings, const QLocale &system);
