// The video page: imports through the worker behind the wait view, the selection that makes
// a video's RTV file current, deleting a video, sorting and searching, and the interface
// offered to an interpretation tool (defects, pipe data, previous/next video).
#include <QtTest>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qaddvediothread.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpagevedioinfo.h"
#include "gui/shell/applicationstartup.h"
#include "gui/shell/qlefttexttoolbar.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
using TestSupport::MakeSourceVideo;
const QString kProject = QStringLiteral("PRJ0000001");

} // namespace

class TestPageVideo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void importsEachKindOfSource_data();
    void importsEachKindOfSource();
    void importsSeveralWithProgressAndSkipsFailures();
    void sameFileTwiceGetsTwoKeys();
    void selectingAVideoMakesItsFileCurrent();
    void previousAndNext_data();
    void previousAndNext();
    void deleteRemovesRowsFilesAndFolder_data();
    void deleteRemovesRowsFilesAndFolder();
    void sortModes_data();
    void sortModes();
    void laterVersionControlsAreDisabled();
    void searchAcceptsApostropheAndChinese_data();
    void searchAcceptsApostropheAndChinese();
    void defectInsertUpdateDelete();
    void pipeInfoIsWrittenBack();
    void exportsTheSheet();
    void closingThePageFinishesTheSheet();

private:
    void MakePage();
    // Imports the files and waits until the worker and a following switch are done.
    void Import(const QStringList &files);
    void WaitIdle();
    int Rows() const { return m_page->TableView()->Model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        return m_page->TableView()->Model()->index(row, column).data().toString();
    }
    CFileRTV *File() { return CKLN_TQ420Setting::GetInstance()->GetCurrentFileRTV(); }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_sources;
    std::unique_ptr<QPageVedioInfo> m_page;
    QStringList m_prompts;
    QStringList m_importSummaries; // the prompts of the last Import()
    int m_answer = MyMessageBox::ResultOk;
};

void TestPageVideo::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    ApplicationStartup::PrepareApplication();
    Resources::InitGuiResources();
    DbTest::PrepareSuite(m_settingsDir.path());
    Pages::SetPagePromptHandler([this](const QString &, const QString &text, int, int) {
        m_prompts << text;
        return m_answer;
    });
}

void TestPageVideo::init()
{
    m_data = DbTest::FreshDataFolder();
    m_sources = std::make_unique<QTemporaryDir>();
    QFileManager::ReleaseInstance();
    DbTest::InsertProject(kProject, QStringLiteral("P-1"));
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->SetCurrentProject(QStringLiteral("P-1"), kProject, QStringLiteral("Ring road"),
                                QStringLiteral("Site"));
    settings->SetCurrentPage(1);
    settings->SetSortMode(1, 0);
    File()->close();
    File()->ResetContents();
    m_prompts.clear();
    m_answer = MyMessageBox::ResultOk;
}

void TestPageVideo::cleanup()
{
    if (m_page) {
        WaitIdle();
        m_page->ClearTable();
        m_page.reset();
    }
    File()->close();
    CKLN_TQ420DataBase::ReleaseInstance();
    QFileManager::ReleaseInstance();
    m_data.reset();
    TQ_VERIFY_NO_WARNINGS();
}

void TestPageVideo::MakePage()
{
    m_page = std::make_unique<QPageVedioInfo>();
    m_page->resize(1200, 800);
    m_page->show();
    m_page->updatePage();
    WaitIdle();
}

void TestPageVideo::WaitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->IsAdding() && !m_page->IsSwitching(), 20000);
    QTRY_VERIFY(!m_page->ActiveWaitView());
}

void TestPageVideo::Import(const QStringList &files)
{
    m_page->StartImport(files);
    QVERIFY(m_page->IsAdding());
    WaitIdle();
    // The import's summary is not what the test looks at next.
    m_importSummaries = m_prompts;
    m_prompts.clear();
}

void TestPageVideo::importsEachKindOfSource_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QString>("road");
    QTest::addColumn<int>("defects");
    QTest::newRow("rtv beside") << "road.mp4" << QStringList{"videos/road1.rtv"} << "River Avenue"
                                << 5;
    QTest::newRow("description beside")
        << "road.mp4" << QStringList{"bmw/good.xml"} << "Harbour Road No.3" << 0;
    QTest::newRow("nothing beside") << "road.mp4" << QStringList{} << "" << 0;
    QTest::newRow("rmvb with rtv")
        << "clip.rmvb" << QStringList{"videos/road1.rtv"} << "River Avenue" << 5;
    QTest::newRow("unreadable rtv, falls back")
        << "road.avi" << QStringList{"rtv/notsqlite.rtv"} << "" << 0;
    QTest::newRow("apostrophe and Chinese")
        << "路'1.mp4" << QStringList{"rtv/hostile.rtv"} << QString::fromUtf8("人民路'东段") << 3;
}

void TestPageVideo::importsEachKindOfSource()
{
    QFETCH(QString, video);
    QFETCH(QStringList, beside);
    QFETCH(QString, road);
    QFETCH(int, defects);
    MakePage();
    Import({MakeSourceVideo(*m_sources, video, beside)});

    QCOMPARE(Rows(), 1);
    const QString key = m_page->CurrentVideoKey();
    QCOMPARE(key.size(), 15);
    QVERIFY(key.startsWith(kProject));
    QCOMPARE(Cell(0, 0), road);
    QCOMPARE(Cell(0, 7).toInt(), defects);
    QCOMPARE(Cell(0, 11), kProject);

    const QString folder = QFileManager::GetInstance()->GetProjectDir(kProject, key);
    const QString extension = video.mid(video.lastIndexOf(QLatin1Char('.')));
    QCOMPARE(Cell(0, 4), folder + QLatin1Char('/') + key + extension);
    QVERIFY(QFileInfo::exists(Cell(0, 4)));
    QCOMPARE(m_page->CurrentRtvPath(), folder + QLatin1Char('/') + key + ".rtv");
    QVERIFY(QFileInfo::exists(m_page->CurrentRtvPath()));
    QVERIFY(QFileInfo(folder + "/Images").isDir());

    QCOMPARE(DbTest::Count("DefectInfo", "VedioHashCode = '" + key + "'"), defects);
    QCOMPARE(DbTest::Scalar("SELECT VedioNums FROM ProjectDetail WHERE HashCode = ?", {kProject})
                 .toInt(),
             1);
    // A video that came without its own RTV file is told about; a plain one is not.
    const bool ownRtv = !beside.isEmpty() && beside.first().endsWith(".rtv") && !road.isEmpty();
    QCOMPARE(m_importSummaries.size(), ownRtv ? 0 : 1);
    // The inspection file holds the imported video: no second read was needed.
    QCOMPARE(File()->GetProjectParam().strTestSite, road);
    QCOMPARE(File()->GetDefectList().size(), defects);
}

void TestPageVideo::importsSeveralWithProgressAndSkipsFailures()
{
    MakePage();
    const QStringList files = {MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"}),
                               m_sources->filePath("missing.mp4"),
                               MakeSourceVideo(*m_sources, "b.mp4", {"bmw/good.xml"}),
                               MakeSourceVideo(*m_sources, "c.mp4", {})};
    m_page->StartImport(files);
    auto *thread = m_page->findChild<QAddVedioThread *>();
    QVERIFY(thread);
    QSignalSpy progress(thread, &QAddVedioThread::signal_progress);
    QSignalSpy added(thread, &QAddVedioThread::signal_addOneVideo);
    // The wait view is up until the worker ends and shows where the import stands.
    WaitView *waitView = m_page->ActiveWaitView();
    QVERIFY(waitView && waitView->isVisible() && waitView->isModal());
    m_page->on_slot_AddVedioThread_Progress(3, 10);
    QVERIFY2(waitView->title().endsWith("\n3 / 10"), qPrintable(waitView->title()));
    QVERIFY(waitView->title().startsWith(
        "The adding video operation in progress , please wait ......"));
    // One video shows the plain text, without a count.
    waitView->setTitle(QString());
    m_page->on_slot_AddVedioThread_Progress(1, 1);
    QCOMPARE(waitView->title(), QString());
    WaitIdle();

    // Spies connected after the start may miss the first file; the last ones are certain.
    QVERIFY(progress.size() >= 3);
    QCOMPARE(progress.last().at(0).toInt(), 4);
    QCOMPARE(progress.last().at(1).toInt(), 4);
    QVERIFY(added.size() >= 2);
    QCOMPARE(Rows(), 3);
    QCOMPARE(DbTest::Count("VedioCount"), 3);
    QCOMPARE(DbTest::Count("DefectInfo"), 5);
    QCOMPARE(DbTest::Scalar("SELECT iInterpretationNums FROM ProjectDetail").toInt(), 5);
    // A failed file is skipped; the summary tells what became of each file.
    QCOMPARE(m_prompts.size(), 1);
    const QStringList summary = m_prompts.first().split('\n');
    QCOMPARE(summary.size(), 4);
    QCOMPARE(summary.at(0), QString("3 of 4 videos imported: 1 from their RTV file, 1 from their "
                                    "video description file, 1 with an empty RTV file; 1 not "
                                    "imported."));
    QVERIFY(summary.at(1).startsWith(files.at(1) + ": not imported: "));
    QVERIFY(summary.at(2).startsWith(files.at(2) + ": from the video description file: "));
    QVERIFY(summary.at(3).startsWith(files.at(3) + ": with an empty RTV file: "));
}

void TestPageVideo::sameFileTwiceGetsTwoKeys()
{
    MakePage();
    const QString source = MakeSourceVideo(*m_sources, "a.mp4", {});
    Import({source, source});
    const QList<QVariantList> keys = DbTest::Rows("SELECT HashCode FROM VedioCount");
    QCOMPARE(keys.size(), 2);
    QVERIFY(keys.at(0).at(0) != keys.at(1).at(0));
}

void TestPageVideo::selectingAVideoMakesItsFileCurrent()
{
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"}),
            MakeSourceVideo(*m_sources, "b.mp4", {"rtv/hostile.rtv"})});
    QCOMPARE(Rows(), 2);
    const int other = Cell(0, 10) == m_page->CurrentVideoKey() ? 1 : 0;
    const QString road = Cell(other, 0);
    QVERIFY(File()->GetProjectParam().strTestSite != road);

    m_page->TableView()->SelectRow(other);
    QVERIFY(m_page->IsSwitching());
    QVERIFY(m_page->ActiveWaitView());
    QCOMPARE(m_page->ActiveWaitView()->title(),
             QString("The switching pipeline operation in progress ,please wait ..."));
    QVERIFY(!m_page->isEnabled());
    WaitIdle();
    QVERIFY(m_page->isEnabled());
    QCOMPARE(m_page->CurrentVideoKey(), Cell(other, 10));
    QCOMPARE(File()->GetProjectParam().strTestSite, road);
    QVERIFY(!File()->isOpen()); // read on the worker and closed there

    // Selecting it again reads nothing.
    m_page->TableView()->SelectRow(other);
    QVERIFY(!m_page->IsSwitching());
}

void TestPageVideo::previousAndNext_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("pre");
    QTest::addColumn<bool>("nextEnabled");
    QTest::newRow("next from the middle") << 1 << true << 2 << true << false;
    QTest::newRow("next from the last stays") << 2 << true << 2 << true << false;
    QTest::newRow("previous from the middle") << 1 << false << 0 << false << true;
    QTest::newRow("previous from the first stays") << 0 << false << 0 << false << true;
    QTest::newRow("next from the first") << 0 << true << 1 << true << true;
}

void TestPageVideo::previousAndNext()
{
    QFETCH(int, start);
    QFETCH(bool, next);
    QFETCH(int, row);
    QFETCH(bool, pre);
    QFETCH(bool, nextEnabled);
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"}),
            MakeSourceVideo(*m_sources, "b.mp4", {"rtv/hostile.rtv"}),
            MakeSourceVideo(*m_sources, "c.mp4", {"bmw/good.xml"})});
    QCOMPARE(Rows(), 3);
    m_page->TableView()->SelectRow(start);
    WaitIdle();
    QCOMPARE(m_page->CurrentRow(), start);

    QSignalSpy switched(m_page.get(), &QPageVedioInfo::Notify_switchVedio);
    bool preEnabled = !pre;
    bool nextFlag = !nextEnabled;
    if (next)
        m_page->on_slot_gotoNextVedio(preEnabled, nextFlag);
    else
        m_page->on_slot_gotoPreVedio(preEnabled, nextFlag);
    WaitIdle();
    QCOMPARE(m_page->CurrentRow(), row);
    QCOMPARE(preEnabled, pre);
    QCOMPARE(nextFlag, nextEnabled);
    QCOMPARE(m_page->CurrentVideoKey(), Cell(row, 10));
    if (row == start) {
        QCOMPARE(switched.size(), 0);
        return;
    }
    // The moved-to video is current and left open for the interpretation tool.
    QCOMPARE(switched.size(), 1);
    QCOMPARE(switched.first().first().toString(), Cell(row, 4));
    QCOMPARE(File()->GetProjectParam().strTestSite, Cell(row, 0));
    QVERIFY(File()->isOpen());
    QCOMPARE(File()->databasePath(), m_page->CurrentRtvPath());
}

void TestPageVideo::deleteRemovesRowsFilesAndFolder_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("confirmed") << int(MyMessageBox::ResultOk);
    QTest::newRow("cancelled") << int(MyMessageBox::ResultCancel);
}

void TestPageVideo::deleteRemovesRowsFilesAndFolder()
{
    QFETCH(int, answer);
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"}),
            MakeSourceVideo(*m_sources, "b.mp4", {"rtv/hostile.rtv"})});
    const QString key = m_page->CurrentVideoKey();
    const QString folder = QFileManager::GetInstance()->GetProjectDir(kProject, key);
    QVERIFY(QFileInfo(folder).isDir());
    const int defects = DbTest::Count("DefectInfo", "VedioHashCode = '" + key + "'");
    QVERIFY(defects > 0);

    m_answer = answer;
    m_page->on_slot_Del();
    WaitIdle();
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.first(),
             QString("Performing a delete operation ,are you sure to delete the row ?"));
    const bool deleted = answer == MyMessageBox::ResultOk;
    QCOMPARE(DbTest::Count("VedioCount"), deleted ? 1 : 2);
    QCOMPARE(DbTest::Count("DefectInfo", "VedioHashCode = '" + key + "'"), deleted ? 0 : defects);
    QCOMPARE(QFileInfo(folder).exists(), !deleted);
    QCOMPARE(Rows(), deleted ? 1 : 2);
    QCOMPARE(DbTest::Scalar("SELECT VedioNums FROM ProjectDetail").toInt(), deleted ? 1 : 2);
    if (deleted) {
        // The remaining video is selected and its file is current.
        QVERIFY(m_page->CurrentVideoKey() != key);
        QCOMPARE(File()->GetProjectParam().strTestSite, Cell(0, 0));
    }
}

void TestPageVideo::sortModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("order");
    // Videos 1..3: record dates, import dates and defect counts in different orders.
    QTest::newRow("record first (5)") << 5 << QStringList{"V2", "V3", "V1"};
    QTest::newRow("export first (6)") << 6 << QStringList{"V3", "V1", "V2"};
    QTest::newRow("none interpretated first (7)") << 7 << QStringList{"V1", "V3", "V2"};
    QTest::newRow("initial (0)") << 0 << QStringList{"V3", "V1", "V2"};
}

void TestPageVideo::sortModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, order);
    const QStringList roads = {"V1", "V2", "V3"};
    const QStringList records = {"2024-01-01", "2024-03-01", "2024-02-01"};
    const QStringList imports = {"2024-05-02 10:00:00", "2024-05-01 10:00:00",
                                 "2024-05-03 10:00:00"};
    const QList<int> defects = {0, 9, 4};
    for (int i = 0; i < 3; ++i) {
        DbTest::InsertVideo(kProject, kProject + QStringLiteral("VID0%1").arg(i), roads.at(i),
                            defects.at(i));
        DbTest::Exec("UPDATE VedioCount SET RecordDate = ?, ImportDate = ? WHERE RoadName = ?",
                     {records.at(i), imports.at(i), roads.at(i)});
    }
    CKLN_TQ420Setting::GetInstance()->SetSortMode(1, mode);
    MakePage();
    QStringList shown;
    for (int row = 0; row < Rows(); ++row)
        shown << Cell(row, 0);
    QCOMPARE(shown, order);

    // The sort menu stores the mode and reorders.
    CKLN_TQ420Setting::GetInstance()->SetSortMode(1, 0);
    m_page->on_slot_RecordFirstSort();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(1), 5);
    QCOMPARE(Cell(0, 0), QString("V2"));
    WaitIdle();
}

void TestPageVideo::laterVersionControlsAreDisabled()
{
    // Interpretation, spike review and custom order have nothing behind them yet.
    DbTest::InsertVideo(kProject, kProject + QStringLiteral("VID01"), "V1", 0);
    MakePage();
    QCOMPARE(Rows(), 1);
    QStringList disabled;
    for (QPushButton *button : m_page->Buttons())
        if (!button->isEnabled() && !button->toolTip().isEmpty())
            disabled << button->text();
    QCOMPARE(disabled, (QStringList{"Interpretation", "Spike"}));
    const QList<QAction *> sorts = m_page->LeftToolBar()->Actions();
    QCOMPARE(sorts.size(), 4);
    QVERIFY(!sorts.at(3)->isEnabled() && !sorts.at(3)->toolTip().isEmpty());
    m_page->OnRetranslate();
    QVERIFY(!m_page->Buttons().at(3)->isEnabled());
    QVERIFY(!m_page->Buttons().at(3)->toolTip().isEmpty());
}

void TestPageVideo::searchAcceptsApostropheAndChinese_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("roads");
    const QString hostile = QString::fromUtf8("人民路'东段");
    QTest::newRow("apostrophe and Chinese")
        << QString::fromUtf8("人民路'东") << QStringList{hostile};
    QTest::newRow("pipe number") << "HS-31" << QStringList{"River Avenue"};
    QTest::newRow("nothing") << "" << QStringList{"River Avenue", hostile};
    QTest::newRow("placeholder") << "RoadName,PipeNum" << QStringList{"River Avenue", hostile};
    QTest::newRow("no match") << "'; DROP TABLE VedioCount; --" << QStringList{};
}

void TestPageVideo::searchAcceptsApostropheAndChinese()
{
    QFETCH(QString, search);
    QFETCH(QStringList, roads);
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"}),
            MakeSourceVideo(*m_sources, "b.mp4", {"rtv/hostile.rtv"})});
    // Another project's video on the same road is never found.
    DbTest::InsertProject("PRJ0000002", "P-2");
    DbTest::InsertVideo("PRJ0000002", "PRJ0000002VID01", "River Avenue");

    m_page->SearchEdit()->setText(search);
    m_page->on_slot_Search();
    WaitIdle();
    QStringList shown;
    for (int row = 0; row < Rows(); ++row)
        shown << Cell(row, 0);
    shown.sort();
    roads.sort();
    QCOMPARE(shown, roads);
    QCOMPARE(DbTest::Count("VedioCount"), 3);
}

void TestPageVideo::defectInsertUpdateDelete()
{
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"rtv/hostile.rtv"})});
    const QString key = m_page->CurrentVideoKey();
    const int before = File()->GetDefectList().size();
    QCOMPARE(before, 3);
    m_page->SetInterpretation(true);
    QSignalSpy inserted(m_page.get(), &QPageVedioInfo::Notify_successedInsertDefect);
    QSignalSpy deleted(m_page.get(), &QPageVedioInfo::Notify_successedDelDefect);

    // A new defect at a time index of the track: it takes the track's time of day.
    CDefectItem item = DbTest::MakeDefect(12000, 1, 1);
    item.strOrgImgPath = TestSupport::WritePng(*m_sources, "org.png", Qt::red);
    item.strDefectImgPath = TestSupport::WritePng(*m_sources, "defect.png", Qt::blue);
    item.defectParam.strRemark = QString::fromUtf8("备注 'quoted'");
    m_page->on_slot_insertDefect(item);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.first().first().toInt(), 12000);
    const QString images = m_page->CurrentVideoDir() + "/Images/";
    QVERIFY(QFileInfo::exists(images + "12000_org.png"));
    QVERIFY(QFileInfo::exists(images + "12000_defect.png"));
    QCOMPARE(File()->GetDefectList().size(), before + 1);
    QCOMPARE(File()->GetDefectList().last().TimeText(), QString("09:30:12"));
    const QString defectKey = CKLN_TQ420DataBase::DefectKey(key, 12000);
    QCOMPARE(DbTest::Count("DefectInfo", "HashCode = '" + defectKey + "'"), 1);
    QCOMPARE(DbTest::Scalar("SELECT RoadName FROM DefectInfo WHERE HashCode = ?", {defectKey})
                 .toString(),
             QString::fromUtf8("人民路'东段"));
    QCOMPARE(DbTest::Scalar("SELECT iDefectNums FROM VedioCount").toInt(), before + 1);
    QCOMPARE(Cell(0, 7).toInt(), before + 1);

    // The same time index again updates it: no new row, new level, new image.
    item.defectParam.DefectLevel = 3;
    item.strDefectImgPath = TestSupport::WritePng(*m_sources, "defect2.png", Qt::green);
    m_page->on_slot_insertDefect(item);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(File()->GetDefectList().size(), before + 1);
    QCOMPARE(DbTest::Count("DefectInfo"), before + 1);
    QCOMPARE(DbTest::Scalar("SELECT DefectLevel FROM DefectInfo WHERE HashCode = ?", {defectKey})
                 .toString(),
             QString("level 4"));
    QCOMPARE(QImage(images + "12000_defect.png").pixelColor(0, 0), QColor(Qt::green));

    // Deleting it by its position in the file.
    int position = -1;
    for (int i = 0; i < File()->GetDefectList().size(); ++i)
        if (File()->GetDefectList().at(i).nTimeIndex == 12000)
            position = i;
    QVERIFY(position >= 0);
    m_page->on_slot_deleteDefectItem(position);
    QCOMPARE(position, before - 1);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(File()->GetDefectList().size(), before);
    QCOMPARE(DbTest::Count("DefectInfo", "HashCode = '" + defectKey + "'"), 0);
    QCOMPARE(DbTest::Scalar("SELECT iDefectNums FROM VedioCount").toInt(), before);
    QVERIFY(!QFileInfo::exists(images + "12000_org.png"));

    // Without the interpretation flag nothing is announced.
    m_page->SetInterpretation(false);
    item.nTimeIndex = 13000;
    m_page->on_slot_insertDefect(item);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(DbTest::Count("DefectInfo"), before + 1);
}

void TestPageVideo::pipeInfoIsWrittenBack()
{
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"videos/road1.rtv"})});
    PipelineParam &pipe = File()->GetPipelineParam();
    pipe.strStartWellID = QString::fromUtf8("井'1");
    pipe.strEndWellID = "W2";
    pipe.fWellLongitude = 114.1234567;
    File()->GetProjectParam().strTestSite = QString::fromUtf8("新路'一段");
    m_page->on_slot_updatePipeInfo();
    QCOMPARE(Cell(0, 0), QString::fromUtf8("新路'一段"));
    QCOMPARE(Cell(0, 1), QString::fromUtf8("井'1~W2"));
    QCOMPARE(DbTest::Scalar("SELECT Longitude FROM VedioCount").toDouble(), 114.123);
    // The video's defect rows follow.
    QCOMPARE(DbTest::Count("DefectInfo", QString::fromUtf8("PipeNum = '井''1~W2'")), 5);
}

void TestPageVideo::exportsTheSheet()
{
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"rtv/hostile.rtv"})});
    QSignalSpy finished(m_page.get(), &QPageChild::signal_sheetExportFinished);
    const QString path = m_sources->filePath(QString::fromUtf8("视频'表.xls"));
    QVERIFY(m_page->ExportSheetTo(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(QFileInfo(path).size() > 0);
}

void TestPageVideo::closingThePageFinishesTheSheet()
{
    MakePage();
    Import({MakeSourceVideo(*m_sources, "a.mp4", {"rtv/hostile.rtv"})});
    const QString path = m_sources->filePath("closed.xls");
    QVERIFY(m_page->ExportSheetTo(path));
    m_page.reset(); // the worker is still writing
    QVERIFY(QFileInfo(path).size() > 0);
}

QTEST_MAIN(TestPageVideo)
#include "tst_pagevideo.moc"
