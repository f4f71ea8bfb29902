// The language settings, the translation files they load, and the completeness of the
// Chinese translation.
#include <QtTest>

#include <QDomDocument>
#include <QSettings>

#include "core/common/clanguagesettings.h"
#include "support/testsupport.h"

namespace {
QString AppText()
{
    return QCoreApplication::translate("DefectVocabulary", "(PL) Rupture");
}

// The placeholders %1..%99 a text uses, as a sorted list.
QStringList Placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%(\\d{1,2})")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        CLanguageSettings::SetConsoleEcho(false);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("Dalmeron-test"));
        QCoreApplication::setApplicationName(QStringLiteral("KLN_TQ420"));
        // The translations are looked up beside the program.
        const QDir appDir(QCoreApplication::applicationDirPath());
        const QDir built(QStringLiteral(TQ420_APP_DIR));
        const QStringList files = built.entryList({QStringLiteral("*zh_CN.qm")});
        QVERIFY(files.contains(QStringLiteral("KLN_TQ420_zh_CN.qm")));
        for (const QString &name : files) {
            QFile::remove(appDir.filePath(name));
            QVERIFY2(QFile::copy(built.filePath(name), appDir.filePath(name)), qPrintable(name));
        }
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void fileNamesFollowTheLanguage()
    {
        CLanguageSettings *settings = CLanguageSettings::GetInstance();
        settings->SetLanguage(true);
        QVERIFY(settings->IsChinese());
        QCOMPARE(settings->LanguageFileName(QStringLiteral("/KLN_TQ420_Config.xml")),
                 QStringLiteral("/KLN_TQ420_Config.xml"));
        settings->SetLanguage(false);
        QCOMPARE(settings->Language(), QStringLiteral("en_US"));
        QCOMPARE(settings->LanguageFileName(QStringLiteral("/KLN_TQ420_Config.xml")),
                 QStringLiteral("/KLN_TQ420_Config_En.xml"));
        QCOMPARE(settings->LanguageFileName(QStringLiteral("/app.dir/KLN_TQ420_Cache")),
                 QStringLiteral("/app.dir/KLN_TQ420_Cache_En"));
    }

    void loadsAndUnloadsTranslations()
    {
        CLanguageSettings *settings = CLanguageSettings::GetInstance();
        settings->SetLanguage(true);
        settings->ApplyLanguage();
        QCOMPARE(AppText(), QStringLiteral("(PL)破裂"));
        QCOMPARE(QCoreApplication::translate("QProgressDialog", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(
            CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
            QStringLiteral("zh_CN"));

        settings->SetLanguage(false);
        settings->ApplyLanguage(); // no English file: the source texts stay, the choice is stored
        QCOMPARE(AppText(), QStringLiteral("(PL) Rupture"));
        QCOMPARE(
            CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
            QStringLiteral("en_US"));
        QVERIFY(!settings->LoadQtLanguage());
        settings->UnloadLanguage();
        settings->UnloadLanguage(); // twice is harmless
    }

    void switchTogglesAndStores()
    {
        CLanguageSettings *settings = CLanguageSettings::GetInstance();
        settings->SetLanguage(false);
        settings->SwitchLanguage();
        QVERIFY(settings->IsChinese());
        QCOMPARE(QLocale().language(), QLocale::Chinese);
        QCOMPARE(
            CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
            QStringLiteral("zh_CN"));
        settings->SwitchLanguage();
        QCOMPARE(settings->Language(), QStringLiteral("en_US"));
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(
            CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
            QStringLiteral("en_US"));
        QCOMPARE(CLanguageSettings::ReadUserSetting(QStringLiteral("Missing"), 7).toInt(), 7);
    }

    // Every source text has a natural translation with the same placeholders.
    void chineseTranslationIsComplete()
    {
        QFile file(QStringLiteral(TQ420_SOURCE_DIR "/translations/KLN_TQ420_zh_CN.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument ts;
        QVERIFY(ts.setContent(&file));
        const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
        QVERIFY(messages.count() > 100);
        QStringList problems;
        for (int i = 0; i < messages.count(); ++i) {
            const QDomElement message = messages.item(i).toElement();
            const QString source = message.firstChildElement(QStringLiteral("source")).text();
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            if (translation.attribute(QStringLiteral("type")) == QLatin1String("unfinished") ||
                translation.text().isEmpty())
                problems << QStringLiteral("untranslated: ") + source;
            else if (Placeholders(source) != Placeholders(translation.text()))
                problems << QStringLiteral("placeholders differ: ") + source;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
