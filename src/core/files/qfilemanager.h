#pragma once

#include <QString>

// Where the program keeps its files: the cache root (in the data folder, "_En" in English)
// with its "Temp" and "Template" folders, one folder per project below it and one per
// video below that; plus the file operations the import, the reports, the data export and
// the shut-down share.
//
// Folders are created and removed only inside the cache root: a project or item folder must
// be one plain name (not empty, ".", "..", nor holding a separator), and a path is refused
// when it leaves the root, also through a symbolic link. Removal unlinks links found inside
// a folder and never follows them.
//
// One per process, created on first use (GUI thread); the workers call it while no other
// worker runs.
class QFileManager
{
public:
    static QFileManager *GetInstance();
    // Destroys the object; the next GetInstance() takes the root from the current data folder.
    static void ReleaseInstance();

    QString GetRootDir() const { return m_strRootDir; }
    QString GetTempDir() const { return m_strTempDir; }
    QString GetTemplateDir() const { return m_strTemplateDir; }

    // The part after the last separator, "/" or "\" (the whole path when there is none).
    static QString PathToFileName(const QString &path);
    // One plain folder name: not empty, not "." or "..", no separator.
    static bool IsValidFolderName(const QString &name);

    // root/project/sub (root/project/ for an empty sub); empty when a name is not valid or
    // the folder would lie outside the root. Creates nothing.
    QString GetProjectDir(const QString &projectFolder, const QString &subFolder) const;
    // Creates root/project/item when missing and returns it; empty on a refused name or
    // a folder that cannot be created.
    QString GetItemDir(const QString &projectFolder, const QString &itemFolder) const;
    // Creates root/project when missing and root/project/item, which must not exist yet;
    // returns it, or empty with `existed` telling whether the name was taken.
    QString CreateNewItemDir(const QString &projectFolder, const QString &itemFolder,
                             bool &existed) const;
    // Creates the base (the root or a folder inside it) and base/name when missing.
    bool CreateDir(const QString &base, const QString &name) const;

    // Copies with overwrite; a backslash is a separator only where the system has it as
    // one (not on Linux). The source is a file or a pipe. False when the source is missing
    // (the target is then untouched) or the target is a folder. The copy goes to a temporary
    // name beside the target and replaces it only when complete, so a failed copy keeps it.
    static bool CopyFileToPath(const QString &source, const QString &target);

    // Removes a folder strictly inside the root with everything in it; a link is removed
    // itself, not followed. False for an empty path, a missing folder or one outside the root.
    bool RecursiveRemove(const QString &path) const;
    bool RemoveProjectDir(const QString &projectFolder) const;
    bool RemoveItemDir(const QString &projectFolder, const QString &itemFolder) const;
    // The temporary folder with its contents (at shut-down).
    bool RemoveTempDir() const;

private:
    QFileManager();
    ~QFileManager() = default;
    QFileManager(const QFileManager &) = delete;
    QFileManager &operator=(const QFileManager &) = delete;

    // The cleaned absolute form of the path when its real location is inside the root
    // (or the root itself when allowed); empty, with a log line, otherwise.
    QString CheckedPath(const QString &path, bool followLast, bool allowRoot) const;

    QString m_strRootDir;
    QString m_strTempDir;
    QString m_strTemplateDir;
    QString m_strRealRootDir; // the root with every link resolved; empty when it is missing
};
