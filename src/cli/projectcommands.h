#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// "project add", "project list", "import" and "defects": the project database and video
// import without the window, on the data files of --app-dir in the language of --lang.
class ProjectCommands
{
    Q_DECLARE_TR_FUNCTIONS(ProjectCommands)

public:
    struct NewProject
    {
        QString number;
        QString name;
        QString site;
        QString date; // "yyyy-MM-dd"; today when empty
    };

    static int AddProject(const NewProject &project);
    static int ListProjects(bool json);
    static int Import(const QString &projectNumber, const QStringList &videos, bool json);
    static int ListDefects(const QString &projectNumber, bool json);

    // The key of the project with that number; empty (and a message) when there is none.
    static QString ProjectKey(const QString &projectNumber);
};
