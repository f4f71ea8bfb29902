#pragma once

#include <QJsonObject>
#include <QString>

// Writes the whole sample tree below one output folder and its manifest.
class SampleGenerator
{
public:
    explicit SampleGenerator(const QString &outDir);

    // large adds OUTDIR/large/large.rtv. False with *error when anything cannot be written.
    bool run(bool large, QString *error);
    QString summary() const;

private:
    bool prepareFolders(bool large, QString *error);
    bool writeRtvFiles(QString *error);
    bool writeUnreadableFiles(QString *error);
    bool writeLarge(QString *error);
    QString path(const QString &relative) const;

    QString m_outDir;
    QJsonObject m_rtv;
    QJsonObject m_bmw;
    QJsonObject m_videos;
    int m_rtvFiles = 0;
    int m_defects = 0;
    int m_pngs = 0;
};
