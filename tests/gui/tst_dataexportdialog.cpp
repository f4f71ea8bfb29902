// The data export dialog: switches taken from and stored into the application settings, the
// preview of folders and names, and the date switch that only counts with the pipeline number.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/common/appdatadir.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/qswitchbutton.h"
#include "gui/dialogs/qdlgdataexport.h"
#include "support/testsupport.h"

namespace {
using Switches = QList<int>;

DataExportParam ParamWith(const Switches &on)
{
    DataExportParam param;
    bool *flags[] = {&param.bProReport,   &param.bInterpretation, &param.bSection, &param.bVideo,
                     &param.bImage,       &param.bSegmentImage,   &param.bHasPro,  &param.bHasRoad,
                     &param.bHasPipeType, &param.bHasPipeNum,     &param.bHasDate};
    for (int index = 0; index < QDlgDataExport::SwitchCount; ++index)
        *flags[index] = on.contains(index);
    return param;
}

void Press(QSwitchButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}
} // namespace

class TestDataExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void switchesFromSettings();
    void preview_data();
    void preview();
    void pipeNumberSwitchGovernsDate();
    void exportStoresCancelKeeps();

private:
    QTemporaryDir m_dir;
};

void TestDataExportDialog::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    Resources::InitGuiResources();
    DataFolder::SetAppDataDir(m_dir.path());
}

void TestDataExportDialog::init()
{
    CKLN_TQ420Setting::GetInstance()->SetDataExportParam(DataExportParam());
}

void TestDataExportDialog::switchesFromSettings()
{
    using D = QDlgDataExport;
    const DataExportParam stored = ParamWith({D::Section, D::Image, D::HasRoad, D::HasDate});
    CKLN_TQ420Setting::GetInstance()->SetDataExportParam(stored);
    QDlgDataExport dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Data export-KLN-TQ420"));
    for (int index = 0; index < D::SwitchCount; ++index)
        QCOMPARE(dialog.SwitchAt(index)->checked(), index == D::Section || index == D::Image ||
                                                        index == D::HasRoad || index == D::HasDate);
    QCOMPARE(dialog.CurrentParam(), stored);
}

void TestDataExportDialog::preview_data()
{
    using D = QDlgDataExport;
    QTest::addColumn<Switches>("on");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("dateEnabled");
    QTest::newRow("defaults")
        << Switches{D::ProReport, D::Interpretation, D::Video,       D::Image,
                    D::HasPro,    D::HasRoad,        D::HasPipeType, D::HasPipeNum}
        << "Directory of video saved : project name\\Road name\\Pipeline tpye\\Video\\"
           "Pipeline No.avi"
        << "Directory of image saved : project name\\Road name\\Pipeline tpye\\Image\\"
           "Pipeline No_progressive number.png"
        << true;
    QTest::newRow("no road, no pipe type; the project level stays")
        << Switches{D::HasPipeNum}
        << "Directory of video saved : project name\\Video\\Pipeline No.avi"
        << "Directory of image saved : project name\\Image\\Pipeline No_progressive number.png"
        << true;
    QTest::newRow("with date")
        << Switches{D::HasPro, D::HasPipeType, D::HasPipeNum, D::HasDate}
        << "Directory of video saved : project name\\Pipeline tpye\\Video\\Pipeline NoDate.avi"
        << "Directory of image saved : project name\\Pipeline tpye\\Image\\"
           "Pipeline NoDate_progressive number.png"
        << true;
    QTest::newRow("random names ignore the date")
        << Switches{D::HasPro, D::HasRoad, D::HasDate}
        << "Directory of video saved : project name\\Road name\\Video\\random file name.avi"
        << "Directory of image saved : project name\\Road name\\Image\\"
           "random file name_progressive number.png"
        << false;
}

void TestDataExportDialog::preview()
{
    QFETCH(Switches, on);
    QFETCH(QString, video);
    QFETCH(QString, image);
    QFETCH(bool, dateEnabled);
    CKLN_TQ420Setting::GetInstance()->SetDataExportParam(ParamWith(on));
    QDlgDataExport dialog;
    QCOMPARE(dialog.VideoPreviewLabel()->text(), video);
    QCOMPARE(dialog.PicturePreviewLabel()->text(), image);
    QCOMPARE(dialog.SwitchAt(QDlgDataExport::HasDate)->isEnabled(), dateEnabled);
}

void TestDataExportDialog::pipeNumberSwitchGovernsDate()
{
    QDlgDataExport dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy videoSpy(&dialog, &QDlgDataExport::upDateVideoOutDir);
    QSignalSpy imageSpy(&dialog, &QDlgDataExport::upDatePictureOutDir);
    QSwitchButton *pipeNumber = dialog.SwitchAt(QDlgDataExport::HasPipeNum);
    QSwitchButton *date = dialog.SwitchAt(QDlgDataExport::HasDate);
    QVERIFY(date->isEnabled());

    Press(pipeNumber);
    QVERIFY(!pipeNumber->checked());
    QVERIFY(!date->isEnabled());
    QCOMPARE(videoSpy.count(), 1);
    QCOMPARE(imageSpy.count(), 1);
    QVERIFY(videoSpy.last().first().toString().endsWith(QLatin1String("random file name.avi")));
    QCOMPARE(dialog.VideoPreviewLabel()->text(), videoSpy.last().first().toString());
    QCOMPARE(dialog.PicturePreviewLabel()->text(), imageSpy.last().first().toString());
    Press(date); // a disabled switch takes no press
    QVERIFY(!date->checked());

    Press(pipeNumber);
    QVERIFY(date->isEnabled());
    Press(date);
    QVERIFY(date->checked());
    QVERIFY(dialog.VideoPreviewLabel()->text().endsWith(QLatin1String("Pipeline NoDate.avi")));
}

void TestDataExportDialog::exportStoresCancelKeeps()
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    const DataExportParam before = settings->GetDataExportParam();
    {
        QDlgDataExport dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Press(dialog.SwitchAt(QDlgDataExport::Section));
        dialog.CancelButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(settings->GetDataExportParam(), before);

    QDlgDataExport dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Press(dialog.SwitchAt(QDlgDataExport::Section));
    Press(dialog.SwitchAt(QDlgDataExport::Video));
    dialog.ExportButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DataExportParam expected = before;
    expected.bSection = !before.bSection;
    expected.bVideo = !before.bVideo;
    QCOMPARE(settings->GetDataExportParam(), expected);
}

QTEST_MAIN(TestDataExportDialog)
#include "tst_dataexportdialog.moc"
