#pragma once

#include <QCoreApplication>
#include <QString>

class QSqlRecord;

// The text of the defect detail dialog, composed from one DefectInfo row: the position
// (as a range when the defect has a length), the class and name, and the standard's
// description of the defect's level. No widgets, so the texts can be checked alone.
class CDefectDetailText
{
    Q_DECLARE_TR_FUNCTIONS(QDlgDetail)

public:
    // Levels described per defect code (4, or 3 or 2 for some codes); 0 for no code.
    static int LevelCount(int code);
    // The translated description of level index (0-based) of a code; empty outside.
    static QString LevelDescription(int code, int levelIndex);
    // The code of a stored name text: the first defect name equal to it as a whole or with
    // its "(XX)" prefix dropped on both sides; -1 when none matches ("(ZC)Normal").
    static int CodeOfName(const QString &nameText);
    // "levelN:" + description for a stored name and level text; empty when there is none.
    static QString LevelLine(const QString &nameText, const QString &levelText);
    // The stored position text, or "Vertical a~b meters, ring to xxyy" for a defect with a
    // length when the stored text reads as a position.
    static QString PositionText(const QString &storedText, double length);
    // The whole text under the image for a DefectInfo row.
    static QString Compose(const QSqlRecord &record);
};
