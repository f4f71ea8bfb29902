#include "bmwsamples.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {

struct Field
{
    const char *name;
    QString text;
};

// The good file's fields in the recorder's order; variants drop or change some.
QList<Field> goodFields()
{
    return {
        {"InspectAddress", QStringLiteral("Harbour Road No.3")},
        {"InspectDate", QStringLiteral(" 2019年05月06日 ")},
        {"StartWellNum", QStringLiteral("YS-101")},
        {"EndWellNum", QStringLiteral("YS-102")},
        {"InspectDirection", QStringLiteral("Downcurrent")},
        {"PipeType", QStringLiteral("SeweragePipes")},
        {"PipeStock", QStringLiteral("ConcretePipe")},
        {"PipeDiameter", QStringLiteral("800")},
        {"InspectUnit", QStringLiteral("Dalmeron Pipe Services")},
        {"Inspector", QStringLiteral("Li Na")},
        {"PipeSectionlength", QStringLiteral("45.5")},
        {"StartWellDepth", QStringLiteral("2.25")},
        {"EndWellDepth", QStringLiteral("2.75")},
        {"Region", QStringLiteral("The area where there are main traffic roads and there are "
                                  "Class-B civil building engineering nearby（K=6）")},
        {"Soil", QStringLiteral("Muddy soil(T=8)")},
    };
}

// root: document element; headline: wrap the fields in "Headline" or put them
// straight below the root.
QString document(const QString &root, bool headline, const QList<Field> &fields)
{
    // The declaration must open the document, before any line break.
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartElement(root);
    // Recorder data ahead of the headline: its InspectUnit must not be taken.
    xml.writeStartElement(QStringLiteral("Recorder"));
    xml.writeTextElement(QStringLiteral("Model"), QStringLiteral("TQ-REC 2"));
    xml.writeTextElement(QStringLiteral("InspectUnit"), QStringLiteral("Recorder Factory"));
    xml.writeEndElement();
    if (headline)
        xml.writeStartElement(QStringLiteral("Headline"));
    for (const Field &f : fields)
        xml.writeTextElement(QLatin1String(f.name), f.text);
    xml.writeEndDocument();
    return text;
}

bool save(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

// What a reader with the English option lists gets from the good file.
QJsonObject goodExpectation()
{
    return QJsonObject{
        {"readable", true},
        {"optionLanguage", "en"},
        {"strTestSite", "Harbour Road No.3"},
        {"strTestDate", "2019-05-06"},
        {"strStartWellID", "YS-101"},
        {"strEndWellID", "YS-102"},
        {"nTestDirction", 0},
        {"nPipeSectionType", 1},
        {"nPipeSectionMaterial", 4},
        {"nPipeSectionDiameter", 800},
        {"strTestUnit", "Dalmeron Pipe Services"},
        {"strTester", "Li Na"},
        {"fPipeSectionLen", 45.5},
        {"fstartBuriedDepth", 2.25},
        {"fendBuriedDepth", 2.75},
        {"nAreaProperty", 1},
        {"nSoilProperty", 2},
    };
}

QJsonObject rejected(const QString &why)
{
    return QJsonObject{{"readable", false}, {"note", why}};
}

} // namespace

namespace BmwSamples {

bool write(const QString &outDir, QJsonObject *manifest, QString *error)
{
    const QString dir = outDir + QStringLiteral("/bmw/");
    const QString good = document(QStringLiteral("VideoInfo"), true, goodFields());

    QList<Field> odd = goodFields();
    odd.removeAt(4); // no InspectDirection
    odd[4] = {"PipeType", QStringLiteral("RainwaterPipeline")};
    odd[5] = {"PipeStock", QStringLiteral("BambooPipe")};
    odd[6] = {"PipeDiameter", QString()}; // empty number: the default stays
    odd[0] = {"InspectAddress", QStringLiteral("人民路'东段")};
    odd[1] = {"InspectDate", QStringLiteral("2020年01月02日")};
    odd.removeLast(); // no Soil
    odd.removeLast(); // no Region

    const bool ok =
        save(dir + QStringLiteral("good.xml"), good, error) &&
        save(dir + QStringLiteral("wrongroot.xml"),
             document(QStringLiteral("videoinfo"), true, goodFields()), error) &&
        save(dir + QStringLiteral("malformed.xml"), good.left(good.size() / 2), error) &&
        save(dir + QStringLiteral("noheadline.xml"),
             document(QStringLiteral("VideoInfo"), false, goodFields()), error) &&
        save(dir + QStringLiteral("unknownstock.xml"),
             document(QStringLiteral("VideoInfo"), true, odd), error);
    if (!ok)
        return false;

    QJsonObject unknown = goodExpectation();
    unknown.insert("strTestSite", QStringLiteral("人民路'东段"));
    unknown.insert("strTestDate", "2020-01-02");
    unknown.insert("nTestDirction", 1);
    unknown.insert("nPipeSectionType", 0);
    unknown.insert("nPipeSectionMaterial", -1);
    unknown.insert("nPipeSectionDiameter", 600);
    unknown.insert("nAreaProperty", 0);
    unknown.insert("nSoilProperty", 0);

    manifest->insert("bmw/good.xml", goodExpectation());
    manifest->insert("bmw/wrongroot.xml", rejected("document element is \"videoinfo\""));
    manifest->insert("bmw/malformed.xml", rejected("not well-formed"));
    manifest->insert("bmw/noheadline.xml", rejected("no \"Headline\" element"));
    manifest->insert("bmw/unknownstock.xml", unknown);
    return true;
}

} // namespace BmwSamples
