// The defect page (search, sort modes, the detail dialog and stepping through a page, the
// sheet and the report) and the texts of the defect detail dialog.
#include <QtTest>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlField>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/pages/cdefectdetailtext.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qdefectimgwidget.h"
#include "gui/pages/qdlgdetail.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpagedefectinfo.h"
#include "gui/pages/qpagingwidget.h"
#include "gui/shell/applicationstartup.h"
#include "gui/shell/qlefttexttoolbar.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"
#include "support/xlsxreadback.h"

namespace {
const QString kProject = QStringLiteral("PRJ0000001");
const QString kOther = QStringLiteral("PRJ0000002");
const QString kVideo = kProject + QStringLiteral("VID01");
const QString kOtherVideo = kOther + QStringLiteral("VID01");
const QString kHostileRoad = QString::fromUtf8("人民路'东段");

struct DefectRow
{
    QString road;
    QString testDate;
    QString interpretationDate;
    QString image;
};

void AddDefect(const QString &videoKey, int timeIndex, const DefectRow &row)
{
    DbTest::Exec("INSERT INTO DefectInfo (RoadName, PipeNum, PipeType, PipeMeterial, "
                 "PipeDiameter, DefectName, DefectLevel, DefectType, DefectPosion, TestDate, "
                 "InterpretaionDate, HashCode, VedioHashCode, Remark, ImagePath, ProHashCode, "
                 "TimeIndex, DefectLength) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                 "?, ?)",
                 {row.road, "W1~W2", "Rain", "PVC", 600, "(BX) Deformation", "level 2",
                  "Structural defects", "Vertical 12.500 meters, ring to 0309", row.testDate,
                  row.interpretationDate, CKLN_TQ420DataBase::DefectKey(videoKey, timeIndex),
                  videoKey, QString("remark %1").arg(timeIndex), row.image,
                  CKLN_TQ420DataBase::ProjectKeyOfVideo(videoKey), timeIndex, 1.5});
}

QSqlRecord DefectRecord(const QVariantMap &values)
{
    QSqlRecord record;
    for (auto it = values.begin(); it != values.end(); ++it) {
        QSqlField field(it.key(), it.value().isNull() ? QVariant::String : it.value().type());
        field.setValue(it.value());
        record.append(field);
    }
    return record;
}
} // namespace

class TestPageDefect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void searchStaysInTheProject_data();
    void searchStaysInTheProject();
    void sortModes_data();
    void sortModes();
    void detailStepsWithinThePage();
    void detailShowsAMissingPicture();
    void longDetailTextIsNotCut();
    void customSortIsInert();
    void exportsTheSheet();
    void emptyProjectSheetWarns();
    void reportIsWrittenAndOffered();
    void failedReportKeepsTheOldOne();
    void failedSheetIsShown();

    void positionText_data();
    void positionText();
    void levelLine_data();
    void levelLine();
    void levelCounts();
    void composedText_data();
    void composedText();
    void imageWidgetSaysWhenThePictureIsMissing();

private:
    void MakePage();
    int Rows() const { return m_page->TableView()->Model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        return m_page->TableView()->Model()->index(row, column).data().toString();
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_images;
    std::unique_ptr<QPageDefectInfo> m_page;
    QStringList m_prompts;
    int m_answer = MyMessageBox::ResultCancel;
};

void TestPageDefect::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    ApplicationStartup::PrepareApplication();
    Resources::InitGuiResources();
    DbTest::PrepareSuite(m_settingsDir.path());
    qputenv("TQ420_NO_LAYOUT", "1");
    QVERIFY(TestSupport::InstallReportTemplates()); // the report builder looks beside the program
    Pages::SetPagePromptHandler([this](const QString &, const QString &text, int, int) {
        m_prompts << text;
        return m_answer;
    });
}

void TestPageDefect::init()
{
    m_data = DbTest::FreshDataFolder();
    m_images = std::make_unique<QTemporaryDir>();
    QFileManager::ReleaseInstance();
    DbTest::InsertProject(kProject, "P-1");
    DbTest::InsertProject(kOther, "P-2");
    DbTest::InsertVideo(kProject, kVideo, "Ring road", 5);
    DbTest::InsertVideo(kOther, kOtherVideo, "Ring road", 1);
    const QStringList roads = {"Ring road", "Ash lane", kHostileRoad, "Birch way", "Cedar road"};
    const QStringList tests = {"2024-03-02", "2024-03-05", "2024-03-01", "2024-03-04",
                               "2024-03-03"};
    const QStringList interpretations = {"2024-04-03 08:00:00", "2024-04-01 08:00:00",
                                         "2024-04-05 08:00:00", "2024-04-02 08:00:00",
                                         "2024-04-04 08:00:00"};
    for (int i = 0; i < roads.size(); ++i)
        AddDefect(kVideo, 1000 * (i + 1),
                  {roads.at(i), tests.at(i), interpretations.at(i),
                   TestSupport::WritePng(*m_images, QString("%1.png").arg(i), Qt::darkCyan,
                                         QSize(32, 24))});
    AddDefect(kOtherVideo, 500, {"Ring road", "2024-03-09", "2024-04-09 08:00:00", QString()});
    AddDefect(kOtherVideo, 600, {kHostileRoad, "2024-03-09", "2024-04-09 08:00:00", QString()});

    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->SetCurrentProject("P-1", kProject, "Ring road project", "Site");
    settings->SetCurrentPage(2);
    settings->SetSortMode(2, 0);
    settings->SetLastExportPath(m_images->filePath("x"));
    m_prompts.clear();
    m_answer = MyMessageBox::ResultCancel;
}

void TestPageDefect::cleanup()
{
    if (m_page) {
        m_page->ClearTable();
        m_page.reset();
    }
    CKLN_TQ420DataBase::ReleaseInstance();
    QFileManager::ReleaseInstance();
    m_data.reset();
    TQ_VERIFY_NO_WARNINGS();
}

void TestPageDefect::MakePage()
{
    m_page = std::make_unique<QPageDefectInfo>();
    m_page->updatePage(); // as the page host does when it creates the page
    m_page->PagingWidget()->SetPageStepByViewEnable(false);
    m_page->resize(1200, 800);
    m_page->show();
    m_page->PagingWidget()->SetPageStep(3);
}

void TestPageDefect::searchStaysInTheProject_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("rows");
    QTest::newRow("no search") << "" << 5;
    QTest::newRow("placeholder") << "RoadName,PipeNum,PipeType,PipeMeterial,DefectName,"
                                    "DefectLevel,DefectProperty,TestDate,InterpretateDate"
                                 << 5;
    QTest::newRow("road in both projects") << "Ring road" << 1;
    QTest::newRow("apostrophe and Chinese") << kHostileRoad << 1;
    QTest::newRow("part of a road") << "road" << 2;
    QTest::newRow("test date") << "2024-03-05" << 1;
    QTest::newRow("interpretation date") << "2024-04-05" << 1;
    QTest::newRow("level text") << "level 2" << 5;
    QTest::newRow("injection") << "' or 1=1 --" << 0;
}

void TestPageDefect::searchStaysInTheProject()
{
    QFETCH(QString, search);
    QFETCH(int, rows);
    MakePage();
    m_page->SearchEdit()->setText(search);
    m_page->on_slot_Search();
    QCOMPARE(m_page->PagingWidget()->TotalRows(), rows);
    for (int row = 0; row < Rows(); ++row)
        QCOMPARE(m_page->TableView()->Model()->index(row, 15).data().toString(), kProject);
}

void TestPageDefect::sortModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("firstPage");
    QTest::newRow("latest test first (9)")
        << 9 << QStringList{"Ash lane", "Birch way", "Cedar road"};
    QTest::newRow("latest interpretation first (10)")
        << 10 << QStringList{kHostileRoad, "Cedar road", "Ring road"};
    QTest::newRow("other modes: road name descending")
        << 0 << QStringList{kHostileRoad, "Ring road", "Cedar road"};
}

void TestPageDefect::sortModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, firstPage);
    MakePage();
    if (mode == 9)
        m_page->on_slot_TestFirstSort();
    else if (mode == 10)
        m_page->on_slot_InterpretateFirstSort();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(2), mode);
    QStringList shown;
    for (int row = 0; row < Rows(); ++row)
        shown << Cell(row, 0);
    QCOMPARE(shown, firstPage);
    // The order holds across pages.
    m_page->PagingWidget()->OnNextPageClicked();
    QCOMPARE(Rows(), 2);
}

void TestPageDefect::detailStepsWithinThePage()
{
    MakePage();
    QDlgDetail *dialog = m_page->DetailDialog();
    m_page->TableView()->SelectRow(0);
    m_page->on_slot_Detail();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Defect details"));
    // The hidden image column reaches the dialog.
    QCOMPARE(dialog->ImageWidget()->ImagePath(), Cell(0, 14));

    QVERIFY(!m_page->on_slot_getPreDefectImg());
    QCOMPARE(m_page->CurrentRow(), 0);
    QVERIFY(m_page->on_slot_getNextDefectImg());
    QCOMPARE(m_page->CurrentRow(), 1);
    QCOMPARE(dialog->ImageWidget()->ImagePath(), Cell(1, 14));
    dialog->NextButton()->click();
    QCOMPARE(m_page->CurrentRow(), 2);
    // The last row of the page: stepping does not cross to the next page.
    QVERIFY(!m_page->on_slot_getNextDefectImg());
    QCOMPARE(m_page->CurrentRow(), 2);
    QCOMPARE(m_page->PagingWidget()->CurrentPage(), 0);
    dialog->PreviousButton()->click();
    QCOMPARE(m_page->CurrentRow(), 1);
    QCOMPARE(dialog->ImageWidget()->ImagePath(), Cell(1, 14));
    dialog->close();
}

void TestPageDefect::detailShowsAMissingPicture()
{
    DbTest::Exec("UPDATE DefectInfo SET ImagePath = ? WHERE TimeIndex = 2000",
                 {m_images->filePath("missing.png")});
    CKLN_TQ420Setting::GetInstance()->SetSortMode(2, 9); // Ash lane (2000) is first
    MakePage();
    QCOMPARE(Cell(0, 16).toInt(), 2000);
    m_page->TableView()->SelectRow(1);
    m_page->on_slot_Detail();
    QDefectImgWidget *widget = m_page->DetailDialog()->ImageWidget();
    QCOMPARE(widget->ImagePath(), Cell(1, 14));
    QVERIFY(m_page->on_slot_getPreDefectImg());
    QCOMPARE(m_page->CurrentRow(), 0);
    // Ash lane's own text, and no picture rather than Birch way's.
    QVERIFY(widget->ImagePath().isEmpty());
    QVERIFY2(widget->Text().contains("Vertical 12.500~14.000") &&
                 widget->Text().contains("remark 2000"),
             qPrintable(widget->Text()));
    m_page->DetailDialog()->close();
}

void TestPageDefect::longDetailTextIsNotCut()
{
    // The longest English description: rupture level 4 with two clauses and a remark.
    const QSqlRecord record =
        DefectRecord({{"DefectName", "(PL) Rupture"},
                      {"DefectLevel", "level 4"},
                      {"DefectType", "Structural defects"},
                      {"DefectPosion", "Vertical 12.500 meters, ring to 0309"},
                      {"DefectLength", 1.5},
                      {"Remark", QString("Water enters at the crown; the soil behind the pipe "
                                         "wall is washed out and the joint gapes.")},
                      {"ImagePath", QString()}});
    QDlgDetail dialog;
    dialog.ShowDefect(record);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString text = CDefectDetailText::Compose(record);
    QVERIFY(text.contains("arc length of 60 degree.") && text.contains("joint gapes."));
    auto *view = dialog.findChild<QTextBrowser *>();
    QVERIFY(view);
    QCOMPARE(view->toPlainText(), text);
    QVERIFY(view->isVisible());
    // Wrapped to the width, and what does not fit is reached by scrolling.
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    const int documentHeight = qCeil(view->document()->size().height());
    QVERIFY2(view->viewport()->height() + view->verticalScrollBar()->maximum() >= documentHeight,
             qPrintable(QString::number(documentHeight)));
}

void TestPageDefect::customSortIsInert()
{
    // First start: sort mode 0, the rows ordered by road name.
    MakePage();
    QLeftTextToolBar *tools = m_page->LeftToolBar();
    QCOMPARE(tools->CurrentAction(), nullptr);
    QVERIFY(!tools->Actions().at(2)->isEnabled());
    QVERIFY(!tools->Actions().at(2)->toolTip().isEmpty());
    QVERIFY(tools->Actions().at(0)->isEnabled() && tools->Actions().at(1)->isEnabled());
}

void TestPageDefect::exportsTheSheet()
{
    MakePage();
    QSignalSpy finished(m_page.get(), &QPageChild::signal_sheetExportFinished);
    const QString path = m_images->filePath("defects.xls");
    QVERIFY(m_page->ExportSheetTo(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished.first().first().toBool(), true);
    // The project's five defects, each value under its own header.
    const XlsxReadBack::SavedSheet sheet = XlsxReadBack::ReadBack(path).sheet(0);
    QCOMPARE(sheet.cells.value("A1").toString(), QString("Road Name"));
    QCOMPARE(sheet.cells.value("N1").toString(), QString("Image name"));
    QStringList roads;
    for (int row = 2; row <= 6; ++row) {
        roads << sheet.cells.value(QString("A%1").arg(row)).toString();
        const QString image = sheet.cells.value(QString("N%1").arg(row)).toString();
        QVERIFY2(image.endsWith(".png"), qPrintable(image));
    }
    QVERIFY(!sheet.cells.contains("A7"));
    roads.sort();
    QCOMPARE(roads,
             (QStringList{"Ash lane", "Birch way", "Cedar road", "Ring road", kHostileRoad}));
}

void TestPageDefect::emptyProjectSheetWarns()
{
    CKLN_TQ420Setting::GetInstance()->SetCurrentProject("P-3", "PRJ0000003", "Empty", "Site");
    DbTest::InsertProject("PRJ0000003", "P-3");
    MakePage();
    QCOMPARE(Rows(), 0);
    QVERIFY(!m_page->ExportSheetTo(m_images->filePath("none.xls")));
    QCOMPARE(m_prompts, QStringList{"The current sheet is empty !"});
    QVERIFY(!QFileInfo::exists(m_images->filePath("none.xls")));
}

void TestPageDefect::reportIsWrittenAndOffered()
{
    // One imported video with its RTV file in the project folder.
    QFileManager *files = QFileManager::GetInstance();
    const QString folder = files->GetItemDir(kProject, kVideo);
    QVERIFY(!folder.isEmpty());
    QVERIFY(QFile::copy(TestSupport::SamplePath("rtv/worked.rtv"), folder + "/" + kVideo + ".rtv"));
    QCOMPARE(QPageDefectInfo::ReportEntries(kProject),
             QStringList{kVideo + "/" + kVideo + ";/videos/" + kVideo + ".mp4"});

    MakePage();
    QSignalSpy finished(m_page.get(), &QPageDefectInfo::signal_reportFinished);
    const QString path = m_images->filePath(QString::fromUtf8("报告'1.doc"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QVERIFY(m_page->StartReport(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QTRY_COMPARE(m_prompts, QStringList{"Export report successfully , do you want to open this ?"});
    QVERIFY(QFileInfo(path).size() > 10000);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetLastExportDir(), m_images->path());
    QTRY_VERIFY(!m_page->findChild<QThread *>());
}

void TestPageDefect::failedReportKeepsTheOldOne()
{
    // The project's video has no RTV file: nothing to report on.
    MakePage();
    QSignalSpy finished(m_page.get(), &QPageDefectInfo::signal_reportFinished);
    const QString path = m_images->filePath("report.doc");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QVERIFY(m_page->StartReport(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QTRY_COMPARE(m_prompts, QStringList{"The report could not be exported: None of the project's "
                                        "RTV files could be read."});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QTRY_VERIFY(!m_page->findChild<QThread *>());
}

void TestPageDefect::failedSheetIsShown()
{
    MakePage();
    QSignalSpy finished(m_page.get(), &QPageChild::signal_sheetExportFinished);
    QVERIFY(m_page->ExportSheetTo(m_images->filePath("missing/defects.xls")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(m_prompts.size(), 1);
    QVERIFY2(m_prompts.first().startsWith("The sheet ") &&
                 m_prompts.first().contains("does not exist"),
             qPrintable(m_prompts.first()));
}

void TestPageDefect::positionText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no length: as stored")
        << "Vertical 12.500 meters, ring to 0309" << 0.0 << "Vertical 12.500 meters, ring to 0309";
    QTest::newRow("length 1.5: a range") << "Vertical 12.500 meters, ring to 0309" << 1.5
                                         << "Vertical 12.500~14.000 meters, ring to 0309";
    QTest::newRow("tiny length counts as none") << "Vertical 2.000 meters, ring to 1002" << 0.000001
                                                << "Vertical 2.000 meters, ring to 1002";
    QTest::newRow("not a position: as stored") << "somewhere" << 2.0 << "somewhere";
    QTest::newRow("whole metres") << "Vertical 3 meters, ring to 1101" << 0.25
                                  << "Vertical 3.000~3.250 meters, ring to 1101";
}

void TestPageDefect::positionText()
{
    QFETCH(QString, stored);
    QFETCH(double, length);
    QFETCH(QString, shown);
    QCOMPARE(CDefectDetailText::PositionText(stored, length), shown);
}

void TestPageDefect::levelLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("line");
    QTest::newRow("code 1 level 2") << "(BX) Deformation"
                                    << "level 2"
                                    << "level2:The deformation is 5%~15% of the pipe diameter.";
    QTest::newRow("name without its code")
        << "Deformation"
        << "level 2"
        << "level2:The deformation is 5%~15% of the pipe diameter.";
    QTest::newRow("trailing blank kept") << "(FS) Corrosion"
                                         << "level 1"
                                         << "level1:Slight corrosion slight surface peeling, "
                                            "uneven surface on the pipe wall ";
    QTest::newRow("line breaks kept")
        << "(FZ) Scum"
        << "level 3"
        << "level3:A large number of floating objects, floating objects occupy more \nthan 60% "
           "of the wate";
    QTest::newRow("beyond the code's levels") << "(TL) Interface material shedding"
                                              << "level 3"
                                              << "";
    QTest::newRow("normal has no code") << "(ZC)Normal"
                                        << "level 1"
                                        << "";
    QTest::newRow("no level word") << "(BX) Deformation"
                                   << "2"
                                   << "";
    QTest::newRow("level 0") << "(BX) Deformation"
                             << "level 0"
                             << "";
}

void TestPageDefect::levelLine()
{
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, line);
    QCOMPARE(CDefectDetailText::LevelLine(name, level), line);
}

void TestPageDefect::levelCounts()
{
    QList<int> counts;
    for (int code = -1; code <= 16; ++code)
        counts << CDefectDetailText::LevelCount(code);
    QCOMPARE(counts, (QList<int>{0, 4, 4, 3, 4, 4, 4, 2, 3, 3, 4, 4, 4, 4, 4, 4, 3, 0}));
    for (int code = 0; code < 16; ++code)
        for (int level = 0; level < CDefectDetailText::LevelCount(code); ++level)
            QVERIFY(!CDefectDetailText::LevelDescription(code, level).isEmpty());
}

void TestPageDefect::composedText_data()
{
    QTest::addColumn<QVariant>("remark");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("text");
    const QString head = "\t●\tVertical 12.500~14.000 meters, ring to 0309 existsStructural "
                         "defects(BX) Deformation . \n\t";
    const QString line = "level2:The deformation is 5%~15% of the pipe diameter. . ";
    QTest::newRow("level and remark") << QVariant(QString::fromUtf8("备注 'x'")) << "level 2"
                                      << head + line + "\n\t●\t" + QString::fromUtf8("备注 'x'");
    QTest::newRow("null remark") << QVariant() << "level 2" << head + line + "\n";
    QTest::newRow("empty remark still has its bullet")
        << QVariant(QString("")) << "level 2" << head + line + "\n\t●\t";
    QTest::newRow("no level line") << QVariant() << "level 9" << head + "\n";
}

void TestPageDefect::composedText()
{
    QFETCH(QVariant, remark);
    QFETCH(QString, level);
    QFETCH(QString, text);
    const QSqlRecord record =
        DefectRecord({{"DefectName", "(BX) Deformation"},
                      {"DefectLevel", level},
                      {"DefectType", "Structural defects"},
                      {"DefectPosion", "Vertical 12.500 meters, ring to 0309"},
                      {"DefectLength", 1.5},
                      {"Remark", remark}});
    QCOMPARE(CDefectDetailText::Compose(record), text);
}

void TestPageDefect::imageWidgetSaysWhenThePictureIsMissing()
{
    QDefectImgWidget widget;
    widget.resize(450, 450);
    const QString first =
        TestSupport::WritePng(*m_images, "first.png", Qt::darkCyan, QSize(32, 24));
    QVERIFY(widget.SetImage(first, "one"));
    QCOMPARE(widget.ImagePath(), first);
    // Painted: blue panel, black image area with the picture centred, text below.
    QImage shot = widget.grab().toImage();
    QCOMPARE(shot.pixelColor(225, 440), QColor(40, 130, 197));
    QCOMPARE(shot.pixelColor(225, 175), QColor(Qt::darkCyan));
    QCOMPARE(shot.pixelColor(225, 5), QColor(Qt::black));

    for (const QString &path : {m_images->filePath("missing.png"), QString()}) {
        QVERIFY(!widget.SetImage(path, "two"));
        QVERIFY(widget.ImagePath().isEmpty());
        QCOMPARE(widget.Text(), QString("two"));
        shot = widget.grab().toImage();
        QCOMPARE(shot.pixelColor(225, 5), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(100, 175), QColor(Qt::black)); // not the old picture
    }
}

QTEST_MAIN(TestPageDefect)
#include "tst_pagedefect.moc"
