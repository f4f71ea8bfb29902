#pragma once

#include "samplemodel.h"

#include <QHash>
#include <QString>

// Building blocks shared by the sample file descriptions.
namespace SampleKit {

// Time indices count milliseconds of the run; the run starts at 09:30:00.
QString clockText(int timeIndex);

// count samples, one every stepMs, metresPerStep apart, starting at index 0 and 0 m.
QList<SampleTrack> makeTrack(int count, int stepMs, float metresPerStep);

// One shape of every stored type, placed by seed; text shapes carry text.
QList<SampleShape> everyShape(int seed, const QString &text);

SampleDefect makeDefect(int timeIndex, int name, int property, int level, float distance,
                        float length);

SampleHeader makeHeader(const QString &tester, const QString &site, const QString &date,
                        const QString &projectName, bool interpreted);

SamplePipe makePipe(const QString &startId, const QString &endId, float length, int diameter);

} // namespace SampleKit

// PNG frame pairs for the small sample files, made once per distinct frame.
class FrameCache
{
public:
    // Gives the defect an unannotated and an annotated 320x240 PNG.
    void attach(SampleDefect &defect, const QString &fileTag);
    QByteArray orgPng(int seed, const QString &caption);
    QByteArray defectPng(int seed, const QString &caption, const QString &label);
    int encodedCount() const { return m_encoded; }

private:
    QHash<QString, QByteArray> m_png;
    int m_encoded = 0;
};
