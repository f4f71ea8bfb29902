#include "rtvcatalog.h"

#include "samplekit.h"

using SampleKit::makeDefect;
using SampleKit::makeHeader;
using SampleKit::makePipe;
using SampleKit::makeTrack;

namespace {

// Track of 20 samples, one every 3 s, 1.25 m apart: index 30000 lies at 12.5 m.
QList<SampleTrack> standardTrack()
{
    return makeTrack(20, 3000, 1.25f);
}

void attachAll(SampleRtv &rtv, FrameCache &frames)
{
    const QString tag = rtv.relativePath.section(QLatin1Char('/'), -1);
    for (SampleDefect &d : rtv.defects)
        frames.attach(d, tag);
}

SampleRtv version0(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/v0.rtv");
    r.version = RtvV0;
    r.header = makeHeader(QStringLiteral("Zhang Wei"), QStringLiteral("Harbour Road"),
                          QStringLiteral("2018-11-20"), QString(), false);
    r.pipe = makePipe(QStringLiteral("YS-01"), QStringLiteral("YS-02"), 30.0f, 600);
    r.pipe.nAreaProperty = 2;
    r.pipe.nSoilProperty = 1;
    r.track = standardTrack();
    r.defects << makeDefect(4500, 0, 0, 0, 3.5f, 0.5f) << makeDefect(10500, 1, 0, 1, 8.0f, 1.0f)
              << makeDefect(12000, 2, 0, 2, 8.75f, 0.0f)
              << makeDefect(30000, 3, 0, 3, 0.0f, 1.5f)     // distance comes from the track: 12.5
              << makeDefect(52500, 4, -1, 1, 42.0f, 0.25f); // beyond the 30 m section
    r.defects[1].strInterpretDate.clear();
    attachAll(r, frames);
    return r;
}

SampleRtv version1(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/v1.rtv");
    r.version = RtvProjectNameBit;
    r.header = makeHeader(QStringLiteral("Li Na"), QStringLiteral("Station Street"),
                          QStringLiteral("2019-03-14"),
                          QStringLiteral("Station Street sewer survey"), false);
    r.pipe = makePipe(QStringLiteral("WS-11"), QStringLiteral("WS-12"), 40.0f, 1200);
    r.pipe.nPipeSectionMaterial = 4;
    r.pipe.strPipeSectionMaterial = QStringLiteral("ConcretePipe");
    r.pipe.nAreaProperty = 1;
    r.pipe.nSoilProperty = 3;
    r.track = standardTrack();
    r.defects << makeDefect(1500, 5, 0, 0, 2.0f, 0.5f)
              << makeDefect(7500, 6, 0, 1, 0.0f, 1.0f) // distance 0 and no track sample: stays 0
              << makeDefect(16500, 7, 0, 2, 15.2f, 0.5f) << makeDefect(19500, 8, 0, 0, 16.4f, 2.0f)
              << makeDefect(40500, 9, 1, 3, 33.0f, 0.5f); // structural code filed as functional
    attachAll(r, frames);
    return r;
}

SampleRtv version1024(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/v1024.rtv");
    r.version = RtvInterpretationBit;
    r.header = makeHeader(QStringLiteral("Wang Fang"), QStringLiteral("Canal Road"),
                          QStringLiteral("2019-04-02"), QString(), false);
    r.pipe = makePipe(QStringLiteral("YS-21"), QStringLiteral("YS-22"), 25.0f, 400);
    r.pipe.nTestDirction = 1;
    r.track = standardTrack();
    r.defects << makeDefect(2500, 10, 1, 0, 1.0f, 0.5f) << makeDefect(14500, 11, 1, 1, 6.6f, 1.0f)
              << makeDefect(16000, 12, 1, 2, 7.4f, 0.5f)
              << makeDefect(47500, 13, 1, 3, 20.0f, 3.0f);
    attachAll(r, frames);
    return r;
}

SampleRtv version1025(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/v1025.rtv");
    r.version = RtvCurrent;
    r.header =
        makeHeader(QStringLiteral("Chen Jie"), QStringLiteral("River Avenue"),
                   QStringLiteral("2019-05-06"), QStringLiteral("River Avenue renewal"), false);
    r.pipe = makePipe(QStringLiteral("HS-31"), QStringLiteral("HS-32"), 60.0f, 1600);
    r.pipe.nPipeSectionType = 2;
    r.pipe.nAreaProperty = 3;
    r.pipe.nSoilProperty = 2;
    r.track = standardTrack();
    r.defects << makeDefect(9500, 14, 1, 2, 5.0f, 0.5f)
              << makeDefect(21000, 7, 0, 1, 0.0f, 0.5f) // distance comes from the track: 8.75
              << makeDefect(28500, 15, 1, 3, 18.25f, 1.0f)
              << makeDefect(36500, -1, -1, 0, 30.0f, 0.0f) // nothing found here
              << makeDefect(56500, 0, 0, 3, 44.0f, 2.0f);
    attachAll(r, frames);
    return r;
}

} // namespace

namespace RtvCatalog {

QList<SampleRtv> versionFiles(FrameCache &frames)
{
    return {version0(frames), version1(frames), version1024(frames), version1025(frames)};
}

SampleRtv workedExample(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/worked.rtv");
    r.header = makeHeader(QStringLiteral("Zhao Lei"), QStringLiteral("Worked Example Lane"),
                          QStringLiteral("2019-06-10"), QStringLiteral("Worked example"), true);
    r.pipe = makePipe(QStringLiteral("WE-1"), QStringLiteral("WE-2"), 50.0f, 800);
    r.pipe.nAreaProperty = 1;
    r.pipe.nSoilProperty = 2;
    r.track = standardTrack();
    r.defects << makeDefect(5500, 0, 0, 3, 10.0f, 0.5f);
    attachAll(r, frames);
    return r;
}

SampleRtv withoutHeaderRow(FrameCache &frames)
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/noheader.rtv");
    r.hasHeaderRow = false;
    r.pipe = makePipe(QStringLiteral("NH-1"), QStringLiteral("NH-2"), 20.0f, 500);
    r.track = standardTrack();
    r.defects << makeDefect(3500, 10, 1, 1, 4.0f, 1.0f) << makeDefect(8500, 1, 0, 0, 9.0f, 0.5f);
    r.defects[1].strInterpretDate.clear(); // filled from the record date when read
    attachAll(r, frames);
    return r;
}

SampleRtv withoutDefects()
{
    SampleRtv r;
    r.relativePath = QStringLiteral("rtv/nodefects.rtv");
    r.header = makeHeader(QStringLiteral("Sun Mei"), QStringLiteral("Quiet Lane"),
                          QStringLiteral("2019-07-01"), QStringLiteral("Quiet Lane"), false);
    r.pipe = makePipe(QStringLiteral("QL-1"), QStringLiteral("QL-2"), 35.0f, 600);
    r.track = standardTrack();
    return r;
}

} // namespace RtvCatalog
