#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct CInstalled {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    UiLanguage lang = UiLanguage::Source;
    bool fromEnvironment = false;
};

CInstalled& Installed() {
    static CInstalled installed;
    return installed;
}

} // namespace

UiLanguage ChooseUiLanguage(const QString& envValue, const QLocale& locale) {
    const QString value = envValue.trimmed().toLower();
    if (value == QLatin1String("en"))
        return UiLanguage::English;
    if (value == QLatin1String("ja"))
        return UiLanguage::Japanese;
    if (value == QLatin1String("source"))
        return UiLanguage::Source;
    switch (locale.language()) {
    case QLocale::Japanese:
        return UiLanguage::Japanese;
    case QLocale::Chinese:
        return UiLanguage::Source;
    default:
        return UiLanguage::English;
    }
}

QString TranslationFile(UiLanguage lang) {
    switch (lang) {
    case UiLanguage::English:
        return QStringLiteral(":/i18n/brindle_en.qm");
    case UiLanguage::Japanese:
        return QStringLiteral(":/i18n/brindle_ja.qm");
    case UiLanguage::Source:
        break;
    }
    return {};
}

bool InstallUiLanguage(UiLanguage lang) {
    CInstalled& installed = Installed();
    for (auto* t : {&installed.own, &installed.qt}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    installed.lang = lang;
    if (lang == UiLanguage::Source)
        return true;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(TranslationFile(lang))) {
        installed.lang = UiLanguage::Source;
        return false;
    }
    QCoreApplication::installTranslator(own.get());
    installed.own = std::move(own);
    // Qt's own texts (Yes, No, Cancel, the file dialog); English needs none.
    if (lang == UiLanguage::Japanese) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed.qt = std::move(qt);
        }
    }
    return true;
}

bool InstallUiLanguageFromEnvironment() {
    const QString env = qEnvironmentVariable("BRINDLE_LANG");
    const UiLanguage lang = ChooseUiLanguage(env, QLocale::system());
    const bool ok = InstallUiLanguage(lang);
    const QString value = env.trimmed().toLower();
    Installed().fromEnvironment = value == QLatin1String("en") || value == QLatin1String("ja") ||
                                  value == QLatin1String("source");
    return ok;
}

UiLanguage CurrentUiLanguage() {
    return Installed().lang;
}

bool UiLanguageFromEnvironment() {
    return Installed().fromEnvironment;
}
