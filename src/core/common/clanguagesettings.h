#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVariant>

class QTranslator;

// The process-wide language: Chinese ("zh_CN") or English ("en_US"), stored per user under
// "Language". Decides the translations and the language-dependent data file names.
class CLanguageSettings
{
    Q_DECLARE_TR_FUNCTIONS(CLanguageSettings)

public:
    static CLanguageSettings *GetInstance();

    QString Language() const { return m_strLanguage; }
    void SetLanguage(bool chinese);
    bool IsChinese() const;
    // Toggles between Chinese and English, sets the default locale and stores the choice.
    void SwitchLanguage();

    void UnloadLanguage();
    bool LoadQtLanguage();
    bool LoadAppLanguage();
    // Unloads, loads both translations and stores the language whatever the loads gave.
    void ApplyLanguage();

    // "name" + "_En" before the extension in English ("KLN_TQ420_Config_En.xml").
    QString LanguageFileName(const QString &chineseName) const;

    // The command-line tool keeps standard output for its own results.
    static void SetConsoleEcho(bool enabled);

    static QVariant ReadUserSetting(const QString &key, const QVariant &defaultValue);
    static void WriteUserSetting(const QString &key, const QVariant &value);

private:
    CLanguageSettings();
    ~CLanguageSettings();

    QString m_strLanguage;
    QTranslator *m_qtTranslator = nullptr;  // owned; only while Chinese is loaded
    QTranslator *m_appTranslator = nullptr; // owned
};
