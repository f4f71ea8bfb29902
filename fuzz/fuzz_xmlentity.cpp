// The XML texts stored in the columns of an RTV file. The first byte chooses the entity
// that reads the rest, as UTF-8 (SQLite hands the text over as Unicode).
#include <QString>

#include "core/inspection/cdefectitem.h"
#include "core/inspection/crobotstateitem.h"
#include "core/inspection/defectparam.h"
#include "core/inspection/pipelineparam.h"
#include "fuzzsupport.h"

namespace {

template <class Entity>
void Read(const QString &text)
{
    Entity entity;
    entity.fromXMLString(text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    switch (data[0] % 4) {
    case 0:
        Read<PipelineParam>(text); // PipelineParam.strParam
        break;
    case 1:
        Read<CRobotStateItem>(text); // RobotTrackLog.strRobotState
        break;
    case 2:
        Read<DefectParam>(text); // DefectsFound.strDefectParam
        break;
    default:
        Read<CDefectItem>(text); // DefectsFound.strVectorGraph
        break;
    }
    return 0;
}
