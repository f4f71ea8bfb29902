#pragma once

// Creation statements of the four RTV tables, issued exactly as the field units write them.

inline constexpr const char kCreateProjectParam[] =
    "CREATE TABLE IF NOT EXISTS ProjectParam (id INTEGER UNIQUE PRIMARY KEY, strTester VARCHAR,    "
    "        strTestUnit VARCHAR,           strTestDevice VARCHAR,           strTestSite VARCHAR,  "
    "         strTestDate VARCHAR,           strProjectName VARCHAR,           bIsInterpretation "
    "BOOL)";
inline constexpr const char kCreatePipelineParam[] =
    "CREATE TABLE IF NOT EXISTS PipelineParam (strStartWellID VARCHAR, strEndWellID VARCHAR,       "
    "          strParam VARCHAR,CONSTRAINT pk_PipelineID PRIMARY KEY "
    "(strStartWellID,strEndWellID))";
inline constexpr const char kCreateRobotTrackLog[] =
    "CREATE TABLE IF NOT EXISTS RobotTrackLog (nTimeIndex INTEGER UNIQUE PRIMARY KEY,              "
    "  strCurTime VARCHAR,                 strRobotState VARCHAR)";
inline constexpr const char kCreateDefectsFound[] =
    "CREATE TABLE IF NOT EXISTS DefectsFound (nTimeIndex INTEGER  UNIQUE PRIMARY KEY,              "
    "  strCurTime VARCHAR,                 imgDataOrg BLOB,                imgDataDefect BLOB,     "
    "            strDefectParam VARCHAR,                 strVectorGraph VARCHAR)";
