#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The language of the user interface. Source shows the texts as the code holds them.
enum class UiLanguage { Source, English, Japanese };

// BRINDLE_LANG (en, ja, source) when it names one, else the locale: Japanese → Japanese,
// Chinese → the source texts, anything else → English.
UiLanguage ChooseUiLanguage(const QString& envValue, const QLocale& locale);

// Installs our translation of lang and Qt's own for its buttons and dialogs; replaces the ones
// installed before. False when a translation could not be loaded (the source texts then show).
bool InstallUiLanguage(UiLanguage lang);
// From BRINDLE_LANG and QLocale::system().
bool InstallUiLanguageFromEnvironment();

// What InstallUiLanguage put in force, and whether BRINDLE_LANG chose it.
UiLanguage CurrentUiLanguage();
bool UiLanguageFromEnvironment();

// The resource path of our compiled translation of lang; empty for Source.
QString TranslationFile(UiLanguage lang);
