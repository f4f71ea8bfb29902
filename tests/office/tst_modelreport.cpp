// The inspection report builder: statistics over sample RTV files, then the document it
// writes through the word processor server, read back from the saved package.
#include <QtTest>

#include <QTranslator>

#include <QDomDocument>
#include <QSqlQuery>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "office/report/cmodelreport.h"
#include "office/report/qexportreportthread.h"
#include "support/docxreadback.h"
#include "support/testsupport.h"

namespace {

// What the GUI thread hands over without a project: the system settings' values and the
// language.
ReportInputs Inputs(bool chinese = false)
{
    ReportInputs inputs;
    inputs.system = SystemValues::Of(*QSystemInfo::GetInstance());
    inputs.chinese = chinese;
    return inputs;
}

// A copy of a sample in its own folder (so that every copy has its own Images folder),
// optionally with another inspection date in its header.
QString Copy(const QTemporaryDir &dir, const QString &sample, const QString &folder,
             const QString &date = QString())
{
    QDir(dir.path()).mkpath(folder);
    const QString path = TestSupport::CopySample(QStringLiteral("rtv/") + sample, dir,
                                                 folder + QLatin1Char('/') + sample);
    if (!date.isNull()) {
        CFileRTV file;
        if (!file.open(path) || !file.queryProjectParam())
            qFatal("cannot read %s", qPrintable(path));
        file.GetProjectParam().strTestDate = date;
        if (!file.UpdateProjectParam())
            qFatal("cannot write %s", qPrintable(path));
        file.close();
    }
    return path;
}

// The saved document, read back: word/document.xml and the chart part.
struct SavedReport
{
    QDomDocument document;
    QByteArray chart;
    QList<QDomElement> elements; // every element in document order

    bool read(const QString &path)
    {
        DocxReadBack::Package package;
        if (!package.read(path))
            return false;
        chart = package.parts.value(QStringLiteral("word/charts/chart1.xml"));
        document = package.document;
        collect(document.documentElement());
        return true;
    }
    void collect(const QDomElement &element)
    {
        elements << element;
        for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            collect(e);
    }
    // The text between the bookmark's start and its end.
    QString bookmark(const QString &name) const
    {
        QString id;
        QString text;
        for (const QDomElement &e : elements) {
            if (id.isEmpty()) {
                if (e.tagName() == QLatin1String("w:bookmarkStart") &&
                    e.attribute(QStringLiteral("w:name")) == name)
                    id = e.attribute(QStringLiteral("w:id"));
            } else if (e.tagName() == QLatin1String("w:bookmarkEnd") &&
                       e.attribute(QStringLiteral("w:id")) == id) {
                return text;
            } else if (e.tagName() == QLatin1String("w:t")) {
                text += e.text();
            }
        }
        return QStringLiteral("<missing %1>").arg(name);
    }
    QList<QDomElement> tables() const
    {
        QList<QDomElement> list;
        const QDomNodeList nodes = document.elementsByTagName(QStringLiteral("w:tbl"));
        for (int i = 0; i < nodes.size(); ++i)
            list << nodes.at(i).toElement();
        return list;
    }
    static QList<QDomElement> children(const QDomElement &parent, const QString &tag)
    {
        QList<QDomElement> list;
        for (QDomElement e = parent.firstChildElement(tag); !e.isNull();
             e = e.nextSiblingElement(tag))
            list << e;
        return list;
    }
    QString cell(int table, int row, int column) const
    {
        const QDomElement tr =
            children(tables().value(table - 1), QStringLiteral("w:tr")).value(row - 1);
        const QDomElement tc = children(tr, QStringLiteral("w:tc")).value(column - 1);
        QString text;
        const QDomNodeList ts = tc.elementsByTagName(QStringLiteral("w:t"));
        for (int i = 0; i < ts.size(); ++i)
            text += ts.at(i).toElement().text();
        return text;
    }
    static int count(const QDomElement &below, const QString &tag)
    {
        return below.elementsByTagName(tag).size();
    }
    // The values of the pie chart's series.
    QStringList chartValues(const QString &tag) const
    {
        QDomDocument doc;
        doc.setContent(chart);
        QStringList values;
        const QDomElement part = doc.elementsByTagName(tag).at(0).toElement();
        const QDomNodeList points = part.elementsByTagName(QStringLiteral("c:v"));
        for (int i = 0; i < points.size(); ++i)
            values << points.at(i).toElement().text();
        return values;
    }
};

} // namespace

class TestModelReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }
    void statistics_data();
    void statistics();
    void dateRange_data();
    void dateRange();
    void workAmountsAndWells();
    void clear();
    void threadEntries_data();
    void threadEntries();
    void threadReportsFailure_data();
    void threadReportsFailure();
    void document_data();
    void document();
    void chineseDocument();
    void inputsNotSettings_data();
    void inputsNotSettings();
    void readingLeavesTheFilesAlone();

private:
    bool m_bTemplates = false;
    QTemporaryDir m_appDir;
};

void TestModelReport::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    CLanguageSettings::GetInstance()->SetLanguage(false);
    m_bTemplates = TestSupport::InstallReportTemplates();
}

void TestModelReport::statistics_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("evaluated");
    QTest::addColumn<int>("withDefects");
    QTest::addColumn<int>("defects");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("inspected");
    QTest::addColumn<int>("wells");

    QTest::newRow("one without defects") << QStringList{"v1.rtv", "v1024.rtv", "nodefects.rtv"} << 3
                                         << 2 << 2 << 9 << 100.0 << 100.0 << 6;
    // v0 has a defect at 42 m of a 30 m section: reading raises both lengths to it; the
    // defect without class still counts.
    QTest::newRow("inspected beyond the section")
        << QStringList{"v0.rtv"} << 1 << 1 << 1 << 5 << 42.0 << 42.0 << 2;
    // The first entry after sorting is the "normal" one: evaluated, but no defects.
    QTest::newRow("normal entry first")
        << QStringList{"malformedxml.rtv"} << 1 << 1 << 0 << 2 << 100.0 << 100.0 << 2;
    QTest::newRow("unreadable skipped")
        << QStringList{"notsqlite.rtv", "v1.rtv", "empty.rtv", "notables.rtv"} << 1 << 1 << 1 << 5
        << 40.0 << 40.0 << 2;
}

void TestModelReport::statistics()
{
    QFETCH(QStringList, samples);
    QTemporaryDir dir;
    CModelReport report(Inputs());
    for (int i = 0; i < samples.size(); ++i)
        report.InsertReportItem(Copy(dir, samples.at(i), QString::number(i)), QString());
    // The same path again is ignored.
    if (report.ItemCount() > 0)
        report.InsertReportItem(report.ItemAt(0)->GetPath(), QString());

    QTEST(report.ItemCount(), "items");
    QTEST(report.EvaluatedSections(), "evaluated");
    QTEST(report.SectionsWithDefects(), "withDefects");
    QTEST(report.DefectTotal(), "defects");
    QTEST(double(report.SectionLengthTotal()), "length");
    QTEST(double(report.SecondLengthTotal()), "inspected");
    QTEST(report.Wells().size(), "wells");

    // Every total is the sum of the count matrix.
    int all = 0;
    for (int grade = 0; grade < CModelReport::kGrades; ++grade) {
        int sum = 0;
        for (int type = 0; type < CModelReport::kTypes; ++type)
            sum += report.DefectCount(type, grade);
        QCOMPARE(report.GradeTotal(grade), sum);
        all += sum;
    }
    for (int type = 0; type < CModelReport::kTypes; ++type) {
        int sum = 0;
        for (int grade = 0; grade < CModelReport::kGrades; ++grade)
            sum += report.DefectCount(type, grade);
        QCOMPARE(report.TypeTotal(type), sum);
    }
    QCOMPARE(all, report.DefectTotal());
}

void TestModelReport::dateRange_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");

    const QString chinese = QString::fromUtf8("2020年05月20日");
    QTest::newRow("both formats") << QStringList{"2020-05-26", chinese, "26/05/2020"}
                                  << QDate(2020, 5, 20) << QDate(2020, 5, 26);
    QTest::newRow("unparsable first") << QStringList{"yesterday", "2020-05-26", chinese}
                                      << QDate(2020, 5, 20) << QDate(2020, 5, 26);
    QTest::newRow("later dates") << QStringList{chinese, "2020-06-01", "2020-05-26"}
                                 << QDate(2020, 5, 20) << QDate(2020, 6, 1);
    QTest::newRow("none valid") << QStringList{"", "2020-13-40"} << QDate() << QDate();
}

void TestModelReport::dateRange()
{
    QFETCH(QStringList, dates);
    QTemporaryDir dir;
    CModelReport report(Inputs());
    for (int i = 0; i < dates.size(); ++i)
        report.InsertReportItem(Copy(dir, "v1.rtv", QString::number(i), dates.at(i)), QString());
    QCOMPARE(report.ItemCount(), dates.size());
    QTEST(report.DateFrom(), "from");
    QTEST(report.DateTo(), "to");
}

void TestModelReport::workAmountsAndWells()
{
    QTemporaryDir dir;
    CModelReport report(Inputs());
    report.InsertReportItem(Copy(dir, "worked.rtv", "a"), QString());
    report.InsertReportItem(Copy(dir, "v1.rtv", "b"), QString());
    report.InsertReportItem(Copy(dir, "worked.rtv", "c"), QString());
    report.InsertReportItem(Copy(dir, "nodefects.rtv", "d"), QString());

    // worked.rtv twice: same type, material and diameter, same wells.
    const QList<CWorkAmount> &groups = report.WorkAmounts();
    QCOMPARE(groups.size(), 3);
    QCOMPARE(groups.at(0).nCount, 2);
    QCOMPARE(groups.at(0).nInterpreted, 2);
    QCOMPARE(double(groups.at(0).fLength), 100.0);
    QCOMPARE(double(groups.at(0).fSecondLength), 100.0);
    QCOMPARE(groups.at(0).nDiameter, 800);
    QCOMPARE(groups.at(0).strText, QStringLiteral("Sewerage pipe(GH Reinforced concrete pipe)"));
    QCOMPARE(groups.at(1).nCount, 1);
    QCOMPARE(groups.at(1).nDiameter, 1200);
    QCOMPARE(groups.at(2).nInterpreted, 0); // nodefects.rtv is not interpreted

    QStringList numbers;
    for (const CWellParam &well : report.Wells())
        numbers << well.strWellNum;
    QCOMPARE(numbers.size(), 6);
    QCOMPARE(numbers.removeDuplicates(), 0);
    QCOMPARE(numbers.at(1), report.ItemAt(0)->GetFileRTV().GetPipelineParam().endWell.strWellNum);
}

void TestModelReport::clear()
{
    QTemporaryDir dir;
    CModelReport report(Inputs());
    const QString path = Copy(dir, "v1.rtv", "a", "2020-05-26");
    report.InsertReportItem(path, QString());
    report.Clear();
    QCOMPARE(report.ItemCount(), 0);
    QCOMPARE(report.DefectTotal(), 0);
    QCOMPARE(report.GradeTotal(0) + report.TypeTotal(5), 0);
    QCOMPARE(report.EvaluatedSections(), 0);
    QCOMPARE(double(report.SectionLengthTotal()), 0.0);
    QVERIFY(report.WorkAmounts().isEmpty());
    QVERIFY(report.Wells().isEmpty());
    QVERIFY(!report.DateFrom().isValid());
    // The same path is accepted again after clearing.
    report.InsertReportItem(path, QString());
    QCOMPARE(report.ItemCount(), 1);
    QCOMPARE(report.DateTo(), QDate(2020, 5, 26));
}

void TestModelReport::threadEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("rtv");
    QTest::addColumn<QString>("video");
    QTest::newRow("plain") << "A1;/v/a.avi"
                           << "P//A1.rtv"
                           << "/v/a.avi";
    QTest::newRow("first separator") << "A1;x;y"
                                     << "P//A1.rtv"
                                     << "x;y";
    QTest::newRow("no separator") << "A1" << QString() << QString();
}

void TestModelReport::threadEntries()
{
    QFETCH(QString, entry);
    QTEST(QExportReportThread::EntryRtvPath(QStringLiteral("P/"), entry), "rtv");
    QTEST(QExportReportThread::EntryVideoPath(entry), "video");
}

// The worker says why no report came: the file at the save path stays as it was.
void TestModelReport::threadReportsFailure_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("savePath");
    QTest::newRow("no readable file") << "missing;v.mp4"
                                      << "report.doc";
    QTest::newRow("missing folder") << "worked;v.mp4"
                                    << "missing/report.doc";
}

void TestModelReport::threadReportsFailure()
{
    if (!m_bTemplates)
        QSKIP("the report templates are not installed");
    QFETCH(QString, entry);
    QFETCH(QString, savePath);
    DataFolder::SetAppDataDir(m_appDir.path());
    const QString projectDir = QFileManager::GetInstance()->GetProjectDir("PROJ", QString());
    QVERIFY(QDir().mkpath(projectDir));
    QFile::remove(projectDir + "/worked.rtv");
    QVERIFY(QFile::copy(TestSupport::SamplePath("rtv/worked.rtv"), projectDir + "/worked.rtv"));
    QTemporaryDir out;
    const QString previous = out.filePath("report.doc");
    {
        QFile file(previous);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous");
    }

    QExportReportThread thread;
    QSignalSpy succeeded(&thread, &QExportReportThread::signal_mysuccess);
    QSignalSpy failed(&thread, &QExportReportThread::signal_failed);
    thread.StartExport("PROJ", {entry}, out.filePath(savePath), Inputs());
    QVERIFY(thread.wait(60000));
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.doc"});
    QFile file(previous);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
}

void TestModelReport::document_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("one without defects")
        << QStringList{"v1.rtv", "worked.rtv", "nodefects.rtv", "noheader.rtv"}
        << "Totally 4 sections of pipelines are tested and  3 sections evaluated this time";
    QTest::newRow("all evaluated") << QStringList{"worked.rtv", "v1025.rtv"}
                                   << "Totally 2 sections of pipelines are tested and evaluated "
                                      "this time";
}

void TestModelReport::document()
{
    if (!m_bTemplates)
        QSKIP("the report templates are not built");
    QFETCH(QStringList, samples);
    QTemporaryDir dir;
    CModelReport report(Inputs());
    for (int i = 0; i < samples.size(); ++i)
        report.InsertReportItem(Copy(dir, samples.at(i), QString::number(i)), QString());
    const QString saved = dir.filePath(QStringLiteral("report.docx"));
    QVERIFY(report.GenerateReport(saved));

    SavedReport doc;
    QVERIFY(doc.read(saved));
    QTEST(doc.bookmark(QStringLiteral("lbDefectCount2")), "sentence");
    QVERIFY(doc.bookmark(QStringLiteral("lbDefectCount"))
                .startsWith(
                    QStringLiteral(
                        "Totally %1 sections of pipelines are evaluated, and there are defects in "
                        "%2 positions")
                        .arg(report.EvaluatedSections())
                        .arg(report.DefectTotal())));
    bool pages = false;
    QVERIFY(doc.bookmark(QStringLiteral("lbReportPageCount")).toInt(&pages) > 0);
    QVERIFY(pages);

    // Work amount table: one row per group.
    for (int i = 0; i < report.WorkAmounts().size(); ++i) {
        const CWorkAmount &group = report.WorkAmounts().at(i);
        QCOMPARE(doc.cell(2, i + 2, 1), QString::number(i + 1));
        QCOMPARE(doc.cell(2, i + 2, 2), group.strText);
        QCOMPARE(doc.cell(2, i + 2, 6), QStringLiteral("%1 section").arg(group.nCount));
    }
    // Defect count table: per type grades and total, then the grade totals.
    for (int type = 0; type < CModelReport::kTypes; ++type) {
        QCOMPARE(doc.cell(6, 3 + type, 3), QString::number(report.DefectCount(type, 0)));
        QCOMPARE(doc.cell(6, 3 + type, 7), QString::number(report.TypeTotal(type)));
    }
    QCOMPARE(doc.cell(6, 19, 6), QString::number(report.DefectTotal()));

    // Pie chart: only the types with defects.
    QStringList values;
    for (int type = 0; type < CModelReport::kTypes; ++type) {
        if (report.TypeTotal(type) > 0)
            values << QString::number(report.TypeTotal(type));
    }
    QCOMPARE(doc.chartValues(QStringLiteral("c:val")), values);

    // One detail table per evaluated section, with its defect rows and pictures.
    const QList<QDomElement> tables = doc.tables();
    QCOMPARE(tables.size(), 19 + report.EvaluatedSections());
    int k = 0;
    for (int i = 0; i < report.ItemCount(); ++i) {
        const CFileRTV &file = report.ItemAt(i)->GetFileRTV();
        const int defects = file.GetDefectList().size();
        if (defects == 0)
            continue;
        const QDomElement table = tables.at(19 + k);
        const int rows = 12 + 2 * qMax(0, (defects - 1) / 2) + qMax(0, defects - 2);
        QCOMPARE(SavedReport::children(table, QStringLiteral("w:tr")).size(), rows);
        QCOMPARE(SavedReport::count(table, QStringLiteral("w:drawing")), defects);
        QCOMPARE(doc.cell(20 + k, 1, 4), file.GetPipelineParam().startWell.strWellNum);
        QCOMPARE(doc.cell(20 + k, 7 + defects, 2),
                 CDefectVocabulary::NameText(file.GetDefectList().last().defectParam));
        for (int j = 0; j < defects; ++j) {
            QCOMPARE(doc.cell(20 + k, 9 + qMax(defects, 2) + 2 * (j / 2) + 1, 1 + j % 2),
                     QStringLiteral("image %1").arg(j + 1));
        }
        ++k;
    }
}

// A Chinese interface writes the Chinese template with Chinese sentences and names.
void TestModelReport::chineseDocument()
{
    if (!m_bTemplates)
        QSKIP("the report templates are not built");
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TQ420_APP_DIR "/KLN_TQ420_zh_CN")));
    QCoreApplication::installTranslator(&translator);
    CLanguageSettings::GetInstance()->SetLanguage(true);
    qputenv("TQ420_NO_LAYOUT", "1"); // the page count is not what this checks

    QTemporaryDir dir;
    // A well with a listed name that holds the Chinese list mark, and a second name after it.
    const QString worked = Copy(dir, QStringLiteral("worked.rtv"), QStringLiteral("0"));
    {
        CFileRTV file;
        QVERIFY(file.open(worked) && file.queryPipelineParam());
        file.GetPipelineParam().startWell.strWellDefect =
            QStringLiteral("爬梯松动、锈蚀或缺损/井盖丢失");
        QVERIFY(file.UpdatePipelineParam());
    }
    CModelReport report(Inputs(true));
    report.InsertReportItem(worked, QString());
    report.InsertReportItem(Copy(dir, QStringLiteral("v1025.rtv"), QStringLiteral("1")), QString());
    const QString saved = dir.filePath(QStringLiteral("report.docx"));
    const bool generated = report.GenerateReport(saved);

    qunsetenv("TQ420_NO_LAYOUT");
    CLanguageSettings::GetInstance()->SetLanguage(false);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(generated);
    SavedReport doc;
    QVERIFY(doc.read(saved));
    QCOMPARE(doc.bookmark(QStringLiteral("lbDefectCount2")),
             QStringLiteral("本次共检测并评估管道 2 段"));
    QVERIFY(doc.bookmark(QStringLiteral("lbDefectCount"))
                .startsWith(QStringLiteral("共评估管道 2 段")));
    QVERIFY(doc.chartValues(QStringLiteral("c:cat")).contains(QStringLiteral("(PL)破裂")));
    // Well defect table (4): the ladder stays one name inside the well, the cover its own.
    int wellRow = 2;
    while (!doc.cell(4, wellRow, 1).isEmpty() &&
           doc.cell(4, wellRow, 6) != QStringLiteral("爬梯松动、锈蚀或缺损"))
        ++wellRow;
    QCOMPARE(doc.cell(4, wellRow, 6), QStringLiteral("爬梯松动、锈蚀或缺损"));
    QCOMPARE(doc.cell(4, wellRow, 7), QStringLiteral("井盖丢失"));
}

// The document shows the inputs handed to the builder, whatever the settings objects hold.
void TestModelReport::inputsNotSettings_data()
{
    QTest::addColumn<bool>("projectKnown");
    QTest::newRow("project known") << true;
    QTest::newRow("no project") << false;
}

void TestModelReport::inputsNotSettings()
{
    if (!m_bTemplates)
        QSKIP("the report templates are not built");
    QFETCH(bool, projectKnown);
    CKLN_TQ420Setting::GetInstance()->SetCurrentProject(
        QStringLiteral("G-1"), QStringLiteral("GKEY"), QStringLiteral("Settings project"),
        QStringLiteral("Settings site"));
    QSystemInfo::GetInstance()->SetUnitSite(QStringLiteral("Settings street"));
    QSystemInfo::GetInstance()->SetStandard(QStringLiteral("Settings standard"));

    QTemporaryDir dir;
    const QString worked = Copy(dir, QStringLiteral("worked.rtv"), QStringLiteral("0"));
    CFileRTV file;
    QVERIFY(file.open(worked) && file.TraversalFile());
    file.close();
    const PipelineParam &pipe = file.GetPipelineParam();

    ReportInputs inputs = Inputs(true); // the settings object says English
    inputs.projectKnown = projectKnown;
    inputs.projectNumber = QStringLiteral("IN-7");
    inputs.projectName = QStringLiteral("Input project");
    inputs.projectSite = QStringLiteral("Input site");
    inputs.header.strTestUnit = QStringLiteral("Input unit");
    inputs.header.strTestSite = QStringLiteral("Input test site");
    inputs.header.strReportNum = QStringLiteral("R-42");
    inputs.header.strClientUnits = QStringLiteral("Input client");
    inputs.system.unitSite = QStringLiteral("Input street");
    inputs.system.postCode = QStringLiteral("100000");
    inputs.system.standard = QStringLiteral("Input standard");
    QVERIFY(inputs.system.optionLists[QSystemInfo::InspectionWellMaterial].replace(
        pipe.startWell.nWellMeterial, QStringLiteral("Glass brick")));
    QVERIFY(inputs.system.optionLists[QSystemInfo::PipeMaterial].replace(
        pipe.nPipeSectionMaterial, QStringLiteral("Input pipe material")));

    CModelReport report(inputs);
    report.InsertReportItem(worked, QString());
    const QString saved = dir.filePath(QStringLiteral("report.docx"));
    const bool generated = report.GenerateReport(saved);
    CKLN_TQ420Setting::ReleaseInstance();
    QSystemInfo::ReleaseInstance();
    QVERIFY(generated);

    SavedReport doc;
    QVERIFY(doc.read(saved));
    QCOMPARE(doc.bookmark(QStringLiteral("lbDetectUnit")), QStringLiteral("Input unit"));
    QCOMPARE(doc.bookmark(QStringLiteral("lbReportSN")), QStringLiteral("R-42"));
    QCOMPARE(doc.bookmark(QStringLiteral("lbOrgAddress")), QStringLiteral("Input street"));
    QCOMPARE(doc.bookmark(QStringLiteral("lbOrgZipCode")), QStringLiteral("100000"));
    // Well defect table (4) and pipeline defect table (5): the option texts.
    QCOMPARE(doc.cell(4, 2, 4), QStringLiteral("Glass brick"));
    QCOMPARE(doc.cell(5, 2, 4), QStringLiteral("Input pipe material"));
    QVERIFY(doc.document.toString().contains(QStringLiteral("Input standard")));
    if (projectKnown) {
        QCOMPARE(doc.bookmark(QStringLiteral("lbProjectName")), QStringLiteral("Input project"));
        QCOMPARE(doc.bookmark(QStringLiteral("lbProjectSN")), QStringLiteral("IN-7"));
        QCOMPARE(doc.bookmark(QStringLiteral("lbProjectAddress")), QStringLiteral("Input site"));
        QCOMPARE(doc.bookmark(QStringLiteral("lbEntrustUnit")), QStringLiteral("Input client"));
        QCOMPARE(doc.cell(1, 1, 2), QStringLiteral("Input project"));
        QCOMPARE(doc.cell(1, 2, 2), QStringLiteral("Input site"));
        // The Chinese form of the inspection period.
        QVERIFY(doc.cell(1, 10, 4).contains(QString::fromUtf8("至")));
    } else {
        QCOMPARE(doc.bookmark(QStringLiteral("lbProjectAddress")),
                 QStringLiteral("Input test site"));
        QVERIFY(!doc.document.toString().contains(QStringLiteral("Input project")));
    }
}

// A report reads the files the user chose: an old file is not migrated, a file's trigger
// neither runs nor is dropped.
void TestModelReport::readingLeavesTheFilesAlone()
{
    QTemporaryDir dir;
    QStringList paths;
    for (const QString sample : {"v0.rtv", "v1024.rtv", "v1025.rtv"})
        paths << Copy(dir, sample, sample);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "trigger");
        db.setDatabaseName(paths.last());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("create trigger keep after update on ProjectParam "
                                                  "begin delete from DefectsFound; end")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("trigger"));
    QList<QByteArray> before;
    for (const QString &path : paths)
        before << TestSupport::FileBytes(path);

    CModelReport report(Inputs());
    for (const QString &path : paths)
        report.InsertReportItem(path, QString());
    QCOMPARE(report.ItemCount(), paths.size());
    QVERIFY(report.DefectTotal() > 0);
    for (int i = 0; i < paths.size(); ++i)
        QVERIFY2(TestSupport::FileBytes(paths.at(i)) == before.at(i), qPrintable(paths.at(i)));
}

QTEST_MAIN(TestModelReport)
#include "tst_modelreport.moc"
