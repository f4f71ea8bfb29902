#pragma once

#include "samplemodel.h"

class FrameCache;

// The descriptions of the sample RTV files; paths are relative to OUTDIR.
namespace RtvCatalog {

// v0, v1, v1024, v1025: one file per version, between them every defect code,
// level and class, the track-distance case and a defect beyond the section end.
QList<SampleRtv> versionFiles(FrameCache &frames);

SampleRtv workedExample(FrameCache &frames); // one PL level-4 defect in a 50 m section
SampleRtv withoutHeaderRow(FrameCache &frames);
SampleRtv withoutDefects();

SampleRtv hostileTexts(FrameCache &frames);
SampleRtv brokenImages(FrameCache &frames);
SampleRtv malformedXml(FrameCache &frames);

} // namespace RtvCatalog
