#include "QtProfileStore.h"

#include "TextCodec.h"

namespace {

QString Key(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}

} // namespace

CQtProfileStore::CQtProfileStore()
    : m_settings(QStringLiteral("KESTA"), QStringLiteral("Visual Brindle")) {}

CQtProfileStore::CQtProfileStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat) {}

int CQtProfileStore::GetInt(const std::string& section, const std::string& key, int def) {
    const QVariant v = m_settings.value(Key(section, key));
    bool ok = false;
    const int value = v.toInt(&ok);
    return v.isValid() && ok ? value : def;
}

bool CQtProfileStore::WriteInt(const std::string& section, const std::string& key, int value) {
    if (!m_settings.isWritable())
        return false;
    m_settings.setValue(Key(section, key), value);
    return true;
}

std::string CQtProfileStore::GetString(const std::string& section, const std::string& key,
                                       const std::string& def) {
    const QVariant v = m_settings.value(Key(section, key));
    if (!v.isValid())
        return def;
    const std::optional<std::string> cp932 = Utf8ToCp932(v.toString().toStdString());
    return cp932 ? *cp932 : def;
}

bool CQtProfileStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    const std::optional<std::string> utf8 = Cp932ToUtf8(value);
    if (!utf8 || !m_settings.isWritable())
        return false;
    m_settings.setValue(Key(section, key), QString::fromStdString(*utf8));
    return true;
}
