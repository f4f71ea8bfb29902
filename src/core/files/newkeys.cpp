#include "core/files/newkeys.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "core/common/debuglog.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"

namespace {
constexpr int kProjectKeyLength = 10;
constexpr int kVideoCodeLength = 5;
// 36^5 codes per project: a hundred draws all taken means something else is wrong.
constexpr int kAttempts = 100;

// n characters, each a digit or a capital letter, from the system's random source: keys
// made in the same instant, or by two processes at once, are independent.
QString RandomKey(int n)
{
    QRandomGenerator *random = QRandomGenerator::system();
    QString key;
    key.reserve(qMax(n, 0));
    for (int i = 0; i < n; ++i) {
        const bool digit = random->bounded(2) == 0;
        key +=
            digit ? QChar('0' + int(random->bounded(10))) : QChar('A' + int(random->bounded(26)));
    }
    return key;
}

bool IsKeyText(const QString &text, int length)
{
    static const QRegularExpression keyCharacters(QStringLiteral("^[0-9A-Z]*$"));
    return text.size() == length && keyCharacters.match(text).hasMatch();
}
} // namespace

QString NewKeys::ProjectKey()
{
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    const QString root = QFileManager::GetInstance()->GetRootDir();
    for (int i = 0; i < kAttempts; ++i) {
        const QString key = RandomKey(kProjectKeyLength);
        if (db->IsProjectKeyFree(key) && !QFileInfo::exists(root + QLatin1Char('/') + key))
            return key;
    }
    TQ_LOG << "no free project key !!!";
    return QString();
}

QString NewKeys::CreateVideoFolder(const QString &projectKey, QString &videoKey)
{
    videoKey.clear();
    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    const QFileManager *files = QFileManager::GetInstance();
    for (int i = 0; i < kAttempts; ++i) {
        const QString key = projectKey + RandomKey(kVideoCodeLength);
        if (!db->IsVideoKeyFree(key))
            continue;
        bool existed = false;
        const QString folder = files->CreateNewItemDir(projectKey, key, existed);
        if (!folder.isEmpty()) {
            videoKey = key;
            return folder;
        }
        if (!existed)
            return QString(); // refused or not writable: another key would not help
    }
    TQ_LOG << "no free video key in" << projectKey << "!!!";
    return QString();
}

QString NewKeys::FreeFileName(const QString &dir, int length, const QString &suffix)
{
    const QDir folder(dir);
    for (int i = 0; i < kAttempts; ++i) {
        const QString name = RandomKey(length) + suffix;
        if (!QFileInfo::exists(folder.filePath(name)))
            return name;
    }
    TQ_LOG << "no free file name in" << dir << "!!!";
    return QString();
}

bool NewKeys::IsProjectKeyName(const QString &name)
{
    return IsKeyText(name, kProjectKeyLength);
}

bool NewKeys::IsVideoKeyName(const QString &name, const QString &projectKey)
{
    return !projectKey.isEmpty() && name.startsWith(projectKey) &&
           IsKeyText(name.mid(projectKey.size()), kVideoCodeLength);
}
