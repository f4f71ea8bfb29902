#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include "core/common/cuserprompt.h"

class QTemporaryDir;

namespace TestSupport {

// Path of a file of the generated sample data ("rtv/v0.rtv").
QString SamplePath(const QString &relative);
// The bytes of a file, empty when it cannot be read.
QByteArray FileBytes(const QString &path);
// Copies a sample file into the folder (tests never change the fixtures) and returns the copy.
QString CopySample(const QString &relative, const QTemporaryDir &dir,
                   const QString &name = QString());
// A source video (a copy of the bare sample video) under the given name, with the named
// sample files copied beside it under its base name; returns the video's path.
QString MakeSourceVideo(const QTemporaryDir &dir, const QString &video, const QStringList &beside);

// Records the core's information prompts while alive, installed in place of message boxes.
class RecordingPrompt : public CUserPrompt
{
public:
    RecordingPrompt();
    ~RecordingPrompt() override;
    void Information(const QString &title, const QString &text) override;
    // The texts shown, and the same as "title|text".
    QStringList Texts() const { return m_texts; }
    QStringList Calls() const { return m_calls; }
    void Clear();

private:
    QStringList m_texts;
    QStringList m_calls;
};

// A plain PNG picture of one colour written into the folder; returns its path.
QString WritePng(const QTemporaryDir &dir, const QString &name, Qt::GlobalColor color,
                 const QSize &size = QSize(16, 12));

// The command-line tool run to its end with the arguments.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
CliRun RunCli(const QStringList &arguments);

// Copies the report templates beside the test program, where the report builder looks for
// them (the application folder); false when one is missing.
bool InstallReportTemplates();
// Records every warning and critical message (and still prints it), so that a test's
// cleanup() can fail on unexpected ones: a failed query or a cross-thread use is a bug.
void InstallWarningRecorder();
QStringList TakeWarnings();
// The debug-log lines since the last ClearDebugLines (recorded by the same handler).
QStringList DebugLines();
void ClearDebugLines();

} // namespace TestSupport

// In cleanup(): fails the test function that produced a warning.
#define TQ_VERIFY_NO_WARNINGS()                                                                    \
    do {                                                                                           \
        const QStringList warnings = TestSupport::TakeWarnings();                                  \
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));                \
    } while (false)
