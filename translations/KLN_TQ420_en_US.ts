<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QDefectInfoManage</name>
    <message>
        <source>RoadName</source>
        <translation>Road name</translation>
    </message>
    <message>
        <source>PipeNum</source>
        <translation>Pipe No.</translation>
    </message>
    <message>
        <source>PipeType</source>
        <translation>Pipe type</translation>
    </message>
    <message>
        <source>PipeMeterial</source>
        <translation>Pipe material</translation>
    </message>
    <message>
        <source>PipeDiameter</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>DefectName</source>
        <translation>Defect</translation>
    </message>
    <message>
        <source>DefectLevel</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>DefectType</source>
        <translation>Defect type</translation>
    </message>
    <message>
        <source>DefectPosion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>TestDate</source>
        <translation>Inspection date</translation>
    </message>
    <message>
        <source>InterpretaionDate</source>
        <translation>Interpreted</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>VedioHashCode</source>
        <translation>Video key</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>ImagePath</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>ProHashCode</source>
        <translation>Project key</translation>
    </message>
    <message>
        <source>TimeIndex</source>
        <translation>Time index</translation>
    </message>
    <message>
        <source>DefectLength</source>
        <translation>Defect length (m)</translation>
    </message>
</context>
<context>
    <name>QProjectInfoManage</name>
    <message>
        <source>ProjectNum</source>
        <translation>Project No.</translation>
    </message>
    <message>
        <source>ProjectName</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>ProjectSite</source>
        <translation>Project site</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>CommencementDate</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>ReportnNumber</source>
        <translation>Report No.</translation>
    </message>
    <message>
        <source>ClientnUnits</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>ConstructionUnits</source>
        <translation>Contractor</translation>
    </message>
    <message>
        <source>DesignnUnits</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>BuildnUnits</source>
        <translation>Builder</translation>
    </message>
    <message>
        <source>SupervisenUnits</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>MeasureType</source>
        <translation>Inspection type</translation>
    </message>
    <message>
        <source>MoveMethod</source>
        <translation>Travel method</translation>
    </message>
    <message>
        <source>SealMethod</source>
        <translation>Plugging method</translation>
    </message>
    <message>
        <source>DrainageMethod</source>
        <translation>Drainage method</translation>
    </message>
    <message>
        <source>DesiltMethod</source>
        <translation>Desilting method</translation>
    </message>
    <message>
        <source>VedioNums</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>PipeNums</source>
        <translation>Pipes</translation>
    </message>
    <message>
        <source>Mileages</source>
        <translation>Length (m)</translation>
    </message>
    <message>
        <source>StandardInterpretationNums</source>
        <translation>Graded defects</translation>
    </message>
    <message>
        <source>InterpretationNums</source>
        <translation>Interpreted defects</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>Key</translation>
    </message>
</context>
<context>
    <name>QVedioInfoManage</name>
    <message>
        <source>RoadName</source>
        <translation>Road name</translation>
    </message>
    <message>
        <source>PipeNum</source>
        <translation>Pipe No.</translation>
    </message>
    <message>
        <source>PipeType</source>
        <translation>Pipe type</translation>
    </message>
    <message>
        <source>PipeMeterial</source>
        <translation>Pipe material</translation>
    </message>
    <message>
        <source>VedioFileName</source>
        <translation>Video file</translation>
    </message>
    <message>
        <source>RecordDate</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>ImportDate</source>
        <translation>Imported</translation>
    </message>
    <message>
        <source>DefectNums</source>
        <translation>Defects</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>ProHashCode</source>
        <translation>Project key</translation>
    </message>
    <message>
        <source>PipeSectionLen</source>
        <translation>Section length (m)</translation>
    </message>
    <message>
        <source>PipeBranchDepth</source>
        <translation>Inspected length (m)</translation>
    </message>
    <message>
        <source>PipeSectionDiameter</source>
        <translation>Diameter (mm)</translation>
    </message>
</context>
</TS>
