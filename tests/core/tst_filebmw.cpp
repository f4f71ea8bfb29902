// Video description files: reading into an RTV file's header and pipe section, and the
// conversion into a new RTV file.
#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>

#include "core/inspection/cfilebmw.h"
#include "core/inspection/cfilertv.h"
#include "support/testsupport.h"

namespace {
QJsonObject ManifestOf(const QString &name)
{
    QFile file(TestSupport::SamplePath(QStringLiteral("manifest.json")));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value("bmw")
        .toObject()
        .value(name)
        .toObject();
}

void WriteText(const QString &path, const QString &text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}
} // namespace

class TestFileBMW : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        QDir::setCurrent(m_settingsDir.path()); // option lists come from their defaults
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void readsSamples_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"bmw/good.xml", "bmw/unknownstock.xml", "bmw/wrongroot.xml",
                                 "bmw/malformed.xml", "bmw/noheadline.xml"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void readsSamples()
    {
        QFETCH(QString, name);
        const QJsonObject expected = ManifestOf(name);
        QVERIFY(!expected.isEmpty());
        CFileRTV target;
        target.ResetContents();
        QCOMPARE(CFileBMW::ReadFile(TestSupport::SamplePath(name), &target),
                 expected.value("readable").toBool());
        if (!expected.value("readable").toBool())
            return;
        const ProjectParam &header = target.GetProjectParam();
        const PipelineParam &pipe = target.GetPipelineParam();
        QCOMPARE(header.strTestSite, expected.value("strTestSite").toString());
        QCOMPARE(header.strTestDate, expected.value("strTestDate").toString());
        QCOMPARE(header.strTestUnit, expected.value("strTestUnit").toString());
        QCOMPARE(header.strTester, expected.value("strTester").toString());
        QCOMPARE(pipe.strStartWellID, expected.value("strStartWellID").toString());
        QCOMPARE(pipe.startWell.strWellNum, pipe.strStartWellID);
        QCOMPARE(pipe.strEndWellID, expected.value("strEndWellID").toString());
        QCOMPARE(pipe.endWell.strWellNum, pipe.strEndWellID);
        QCOMPARE(pipe.nTestDirction, expected.value("nTestDirction").toInt());
        QCOMPARE(pipe.nPipeSectionType, expected.value("nPipeSectionType").toInt());
        QCOMPARE(pipe.nPipeSectionMaterial, expected.value("nPipeSectionMaterial").toInt());
        QCOMPARE(pipe.nPipeSectionDiameter, expected.value("nPipeSectionDiameter").toInt());
        QCOMPARE(pipe.fPipeSectionLen, float(expected.value("fPipeSectionLen").toDouble()));
        QCOMPARE(pipe.fstartBuriedDepth, float(expected.value("fstartBuriedDepth").toDouble()));
        QCOMPARE(pipe.fendBuriedDepth, float(expected.value("fendBuriedDepth").toDouble()));
        QCOMPARE(pipe.nAreaProperty, expected.value("nAreaProperty").toInt());
        QCOMPARE(pipe.nSoilProperty, expected.value("nSoilProperty").toInt());
    }

    void fieldRules()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("v.xml"));
        WriteText(
            path,
            QStringLiteral(
                "<VideoInfo><Headline><InspectDate>2019-05-06</InspectDate>"
                "<Soil>Silt layer,Sludge（T=10）</Soil><Region>unknown region</Region>"
                "<PipeDiameter></PipeDiameter><InspectDirection>Countercurrent</InspectDirection>"
                "</Headline></VideoInfo>"));
        CFileRTV target;
        target.ResetContents();
        QVERIFY(CFileBMW::ReadFile(path, &target));
        QVERIFY(target.GetProjectParam().strTestDate.isEmpty()); // not in the 年月日 form
        QVERIFY(target.GetProjectParam().strTestSite.isEmpty()); // missing text reads empty
        QCOMPARE(target.GetPipelineParam().nSoilProperty, 3);
        QCOMPARE(target.GetPipelineParam().nAreaProperty, 0);
        QCOMPARE(target.GetPipelineParam().nPipeSectionDiameter, 600);
        QCOMPARE(target.GetPipelineParam().nTestDirction, 1);
        QVERIFY(!CFileBMW::ReadFile(path, nullptr));
        QVERIFY(!CFileBMW::ReadFile(dir.filePath(QStringLiteral("missing.xml")), &target));
    }

    void convertsIntoAnRtvFile()
    {
        QTemporaryDir dir;
        const QString rtv = dir.filePath(QStringLiteral("road.rtv"));
        WriteText(rtv, QStringLiteral("an older file in the way"));
        CFileRTV converter;
        QCOMPARE(
            CFileBMW::ConvertToRTV(TestSupport::SamplePath(QStringLiteral("bmw/unknownstock.xml")),
                                   rtv, &converter),
            int(CFileBMW::Converted));
        QVERIFY(!converter.isOpen());

        CFileRTV reader;
        QVERIFY(reader.open(rtv));
        QVERIFY(reader.TraversalFile());
        QCOMPARE(reader.GetProjectParam().strTestSite, QStringLiteral("人民路'东段"));
        QVERIFY(reader.GetProjectParam().bIsInterpretation);
        QCOMPARE(reader.GetPipelineParam().strStartWellID, QStringLiteral("YS-101"));
        QCOMPARE(reader.GetPipelineParam().nTestDirction, 1);
        QVERIFY(reader.GetDefectList().isEmpty());
    }

    void conversionFailures()
    {
        QTemporaryDir dir;
        CFileRTV converter;
        const QString rtv = dir.filePath(QStringLiteral("road.rtv"));
        QCOMPARE(CFileBMW::ConvertToRTV(dir.filePath(QStringLiteral("none.xml")), rtv, &converter),
                 int(CFileBMW::ConvertUnreadable));
        QCOMPARE(CFileBMW::ConvertToRTV(
                     TestSupport::SamplePath(QStringLiteral("bmw/wrongroot.xml")), rtv, &converter),
                 int(CFileBMW::ConvertUnreadable));
        QVERIFY(!QFileInfo::exists(rtv));
        QCOMPARE(CFileBMW::ConvertToRTV(TestSupport::SamplePath(QStringLiteral("bmw/good.xml")),
                                        dir.filePath(QStringLiteral("no/folder/road.rtv")),
                                        &converter),
                 int(CFileBMW::ConvertFailed));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_GUILESS_MAIN(TestFileBMW)
#include "tst_filebmw.moc"
