#include "core/common/clanguagesettings.h"

#include <cstdio>

#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "core/common/debuglog.h"

namespace {
const QString kLanguageKey = QStringLiteral("Language");
const QString kChinese = QStringLiteral("zh_CN");
const QString kEnglish = QStringLiteral("en_US");

bool g_consoleEcho = true;

void WriteToStdout(const QString &text)
{
    if (!g_consoleEcho)
        return;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
} // namespace

CLanguageSettings *CLanguageSettings::GetInstance()
{
    static CLanguageSettings *instance = new CLanguageSettings; // lives until the process ends
    return instance;
}

CLanguageSettings::CLanguageSettings()
{
    m_strLanguage = ReadUserSetting(kLanguageKey, QString()).toString();
    if (m_strLanguage.isEmpty())
        m_strLanguage = QLocale::system().name();
}

CLanguageSettings::~CLanguageSettings()
{
    UnloadLanguage();
}

void CLanguageSettings::SetLanguage(bool chinese)
{
    m_strLanguage = chinese ? kChinese : kEnglish;
    WriteToStdout(m_strLanguage + QStringLiteral("\r\n"));
}

bool CLanguageSettings::IsChinese() const
{
    return m_strLanguage == kChinese;
}

void CLanguageSettings::SwitchLanguage()
{
    if (IsChinese()) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
        m_strLanguage = kEnglish;
    } else {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::AnyCountry));
        m_strLanguage = kChinese;
    }
    WriteUserSetting(kLanguageKey, m_strLanguage);
}

void CLanguageSettings::UnloadLanguage()
{
    for (QTranslator **translator : {&m_qtTranslator, &m_appTranslator}) {
        if (!*translator)
            continue;
        QCoreApplication::removeTranslator(*translator);
        delete *translator;
        *translator = nullptr;
    }
}

bool CLanguageSettings::LoadQtLanguage()
{
    if (!IsChinese())
        return false;
    auto *translator = new QTranslator;
    if (!translator->load(QCoreApplication::applicationDirPath() + QStringLiteral("/qt_") +
                          m_strLanguage)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    m_qtTranslator = translator;
    return true;
}

bool CLanguageSettings::LoadAppLanguage()
{
    auto *translator = new QTranslator;
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/");
    TQ_LOG << "AppDir:" << dir;
    if (!translator->load(dir + QStringLiteral("KLN_TQ420_") + m_strLanguage)) {
        WriteToStdout(QStringLiteral("LoadAppLanguage failded !!!"));
        delete translator;
        return false;
    }
    WriteToStdout(QStringLiteral("current language:") + m_strLanguage + QStringLiteral("\r\n"));
    QCoreApplication::installTranslator(translator);
    m_appTranslator = translator;
    return true;
}

void CLanguageSettings::ApplyLanguage()
{
    UnloadLanguage();
    LoadQtLanguage();
    LoadAppLanguage();
    WriteUserSetting(kLanguageKey, m_strLanguage);
}

QString CLanguageSettings::LanguageFileName(const QString &chineseName) const
{
    if (IsChinese())
        return chineseName;
    const int dot = chineseName.lastIndexOf(QLatin1Char('.'));
    const int slash = chineseName.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return chineseName + QStringLiteral("_En");
    return chineseName.left(dot) + QStringLiteral("_En") + chineseName.mid(dot);
}

void CLanguageSettings::SetConsoleEcho(bool enabled)
{
    g_consoleEcho = enabled;
}

QVariant CLanguageSettings::ReadUserSetting(const QString &key, const QVariant &defaultValue)
{
    const QSettings settings;
    return settings.contains(key) ? settings.value(key) : defaultValue;
}

void CLanguageSettings::WriteUserSetting(const QString &key, const QVariant &value)
{
    QSettings settings;
    settings.setValue(key, value);
}
