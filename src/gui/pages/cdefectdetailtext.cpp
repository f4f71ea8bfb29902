#include "gui/pages/cdefectdetailtext.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QVariant>

#include "core/common/myhelper.h"
#include "core/inspection/cdefectvocabulary.h"

namespace {

constexpr int kMaxLevels = 4;

// The standard's description of each level per defect code (CJJ 181-2012); nullptr where
// a code has fewer levels. Trailing blanks belong to the texts.
const char *const kLevelTexts[CDefectVocabulary::kCodeCount][kMaxLevels] = {
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Crack when one or more of the following circumstances exist:\n1) The "
                          "fine crack can be seen in the pipe wall;\n2) A small amount of sediment "
                          "emerges from the crack in the pipe wall\n3) Slight peeling."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Gap a significant gap is formed at the rupture, but the shape of the "
                          "pipe is unaffected and the rupture does not fall off."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Breakage the circumferential coverage of debris left or broken at the "
                          "wall of pipe is not more than the arc length of 60 degree. "),
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "Collapse when one or more of the following circumstances exist:\n1) The "
            "circumferential coverage on the edge of crack, gap or breakage\nof pipe material is "
            "not more than the arc length of 60 degree.\n2) The circumferential extent of the wall "
            "material falling off\nis more than the arc length of 60 degree."),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The deformation is not more than 5% of the pipe diameter."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The deformation is 5%~15% of the pipe diameter."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The deformation is 15%~25% of the pipe diameter."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The deformation is more than 25% of the pipe diameter."),
    },
    {
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "Slight corrosion slight surface peeling, uneven surface on the pipe wall "),
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "Medium corrosion surface flaking reveals coarse aggregate or steel bar."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Heavy corrosion coarse aggregate or steel bars are fully exposed."),
        nullptr,
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Slight misplaced the deviation between two connected \nnozzles is not "
                          "greater than 1/2 of the thickness of pipe wall. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Medium misplaced the deviation between two connected \nnozzles is 1/2~1 "
                          "time of the thickness of pipe wall."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Heavy misplaced the deviation between two connected \nnozzles is 1~2 "
                          "times of the thickness of pipe wall."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Serious misplaced the deviation between two connected \nnozzles is more "
                          "than twice the thickness of pipe wall"),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Undulation height / pipe diameter less than or equal 20%. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "20%<Undulation height / pipe diameter less than or equal35%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "35%<Undulation height / pipe diameter less than or equal50%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "Undulation height / pipe diameter > 50%."),
    },
    {
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "Slight disjointed a small amount of soil is squeezed on the end of pipe. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Medium disjointed the disjointing distance is not more than 2cm. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Heavy disjointed the disjointing distance is within 2cm ~5cm"),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Serious disjointed the disjointing distance is more than 5cm."),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The interface material is visible in the upper "
                                              "\npart of the horizontal centerline of the pipe"),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The interface material is visible in the lower "
                                              "\npart of the horizontal centerline of the pipe"),
        nullptr,
        nullptr,
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The length of the branch pipe entering the main pipe is not \nmore than "
                          "10% of the diameter of the main pipe.  "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The length of the branch pipe entering the main pipe is \n10%~20% of "
                          "the diameter of the main pipe."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The length of the branch pipe entering the main pipe is \ngreater than "
                          "20% of the diameter of the main pipe."),
        nullptr,
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The foreign matter is in the pipeline and the area of \nthe occupied "
                          "water cross section is not more than 10%. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The foreign matter is in the pipeline and the area "
                                              "of \nthe occupied water cross section is 10%~30%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The foreign matter is in the pipeline and the area of \nthe occupied "
                          "water cross section is greater than 30%."),
        nullptr,
    },
    {
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "Drip water continues to drip from the defect point \nand flows along the pipe wall."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "Line leakage-water continues to flow out of the "
                                              "defect\npoint and out of the pipe wall. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Gushing water rushes from the defect point, the area \nof the water "
                          "leakage surface is not more than 1/3 of the pipeline"),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "Leakage the water rushes or ejects from the defect point,\nand the area "
                          "of the leaking water surface is larger than 1/3 of the pipeline. "),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The thickness of the sediment is 20%~30% of the diameter of the pipe."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The thickness of the sediment is 30%~40% of the diameter of the pipe."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The thickness of the sediment is 40%~50% of the diameter of the pipe."),
        QT_TRANSLATE_NOOP(
            "DefectLevelTexts",
            "The thickness of the sediment is more than 50% of the diameter of the pipe."),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The cross section loss caused by hard scaling is not more than "
                          "15%;\nThe cross section loss caused by soft scaling is 15%~25%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The cross section loss caused by hard scaling is 15%~25%.\nThe cross "
                          "section loss caused by soft scaling is 25%~50%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The cross section loss caused by hard scaling is 25%~50%.\nThe cross "
                          "section loss caused by soft scaling is 50%~80%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts",
                          "The cross section loss caused by hard scaling is more than 50%;\nThe "
                          "cross section loss caused by soft scaling is more than 80%."),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is not more than 15%. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 15%~25%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 25%~50%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is more than 50%. "),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is not more than 15%. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 15%~25%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 25%~50%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is more than 50%. "),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is not more than 15%. "),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 15%~25%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is 25%~50%."),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "The cross section loss is more than 50%."),
    },
    {
        QT_TRANSLATE_NOOP("DefectLevelTexts", "Sporadic floating objects, floating objects occupy "
                                              "no more than 30% \nof the water surface area"),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "More floating objects, floating objects account for "
                                              "30% to 60% \nof the water surface area"),
        QT_TRANSLATE_NOOP("DefectLevelTexts", "A large number of floating objects, floating "
                                              "objects occupy more \nthan 60% of the wate"),
        nullptr,
    },
};

// The name without everything up to and including its first ")".
QString WithoutCodePrefix(const QString &name)
{
    const int close = name.indexOf(QLatin1Char(')'));
    return (close < 0 ? name : name.mid(close + 1)).trimmed();
}

} // namespace

int CDefectDetailText::LevelCount(int code)
{
    if (code < 0 || code >= CDefectVocabulary::kCodeCount)
        return 0;
    int count = 0;
    while (count < kMaxLevels && kLevelTexts[code][count])
        ++count;
    return count;
}

QString CDefectDetailText::LevelDescription(int code, int levelIndex)
{
    if (levelIndex < 0 || levelIndex >= LevelCount(code))
        return QString();
    return QCoreApplication::translate("DefectLevelTexts", kLevelTexts[code][levelIndex]);
}

int CDefectDetailText::CodeOfName(const QString &nameText)
{
    const QStringList names = CDefectVocabulary::DefectNameList();
    const QString bare = WithoutCodePrefix(nameText);
    for (int code = 0; code < names.size(); ++code) {
        if (names.at(code) == nameText || WithoutCodePrefix(names.at(code)) == bare)
            return code;
    }
    return -1;
}

QString CDefectDetailText::LevelLine(const QString &nameText, const QString &levelText)
{
    const int code = CodeOfName(nameText);
    const int level = MyHelper::LevelFromText(levelText);
    const QString description = LevelDescription(code, level);
    if (description.isEmpty())
        return QString();
    return tr("level%1:").arg(level + 1) + description;
}

QString CDefectDetailText::PositionText(const QString &storedText, double length)
{
    if (MyHelper::FuzzyEqual(length, 0.0))
        return storedText;
    // The stored text was written with the vocabulary's template; read it back with it, so
    // the translated word order is followed.
    const QString storedTemplate =
        QCoreApplication::translate("DefectVocabulary", "Vertical %1 meters, ring to %2%3");
    // Literal pieces escaped; %1 the distance, %2 and %3 the two clock positions.
    const QStringList groups = {QStringLiteral("(?<d>[-+]?[0-9]*\\.?[0-9]+)"),
                                QStringLiteral("(?<a>[0-9]{2})"), QStringLiteral("(?<b>[0-9]{2})")};
    QString pattern = QStringLiteral("^");
    int from = 0;
    QRegularExpressionMatchIterator places =
        QRegularExpression(QStringLiteral("%([1-3])")).globalMatch(storedTemplate);
    while (places.hasNext()) {
        const QRegularExpressionMatch place = places.next();
        pattern +=
            QRegularExpression::escape(storedTemplate.mid(from, place.capturedStart() - from));
        pattern += groups.at(place.captured(1).toInt() - 1);
        from = place.capturedEnd();
    }
    pattern += QRegularExpression::escape(storedTemplate.mid(from)) + QLatin1Char('$');
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(storedText.trimmed());
    if (!match.hasMatch())
        return storedText;
    const double distance = match.captured(QStringLiteral("d")).toDouble();
    return tr("Vertical %1~%2 meters, ring to %3%4")
        .arg(QString::number(distance, 'f', 3), QString::number(distance + length, 'f', 3),
             match.captured(QStringLiteral("a")), match.captured(QStringLiteral("b")));
}

QString CDefectDetailText::Compose(const QSqlRecord &record)
{
    const QString bullet = tr("\t●\t");
    const QString name = record.value(QStringLiteral("DefectName")).toString();
    QString text = bullet;
    text += PositionText(record.value(QStringLiteral("DefectPosion")).toString(),
                         record.value(QStringLiteral("DefectLength")).toDouble());
    text += tr(" exists") + record.value(QStringLiteral("DefectType")).toString() + name;
    text += tr(" . \n\t");
    const QString line = LevelLine(name, record.value(QStringLiteral("DefectLevel")).toString());
    if (!line.isEmpty())
        text += line + tr(" . ");
    text += QLatin1Char('\n');
    const QVariant remark = record.value(QStringLiteral("Remark"));
    if (!remark.isNull())
        text += bullet + remark.toString();
    return text;
}
