#include "core/files/newkeys.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"

namespace {
constexpr int kProjectKeyLength = 10;
constexpr int kVideoCodeLength = 5;
// 36^5 codes per project: a hundred draws all taken means something else is wrong.
constexpr int kAttempts = 100;

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
        const QString key = MyHelper::MakeRandomKey(kProjectKeyLength);
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
        const QString key = projectKey + MyHelper::MakeRandomKey(kVideoCodeLength);
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

bool NewKeys::IsProjectKeyName(const QString &name)
{
    return IsKeyText(name, kProjectKeyLength);
}

bool NewKeys::IsVideoKeyName(const QString &name, const QString &projectKey)
{
    return !projectKey.isEmpty() && name.startsWith(projectKey) &&
           IsKeyText(name.mid(projectKey.size()), kVideoCodeLength);
}
