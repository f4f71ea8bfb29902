// Window chrome and common widgets: display scale, style sheets, message box, wait view and
// its worker thread, switch button, line edit, and the GUI resources.
#include <atomic>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "gui/chrome/cmessageboxprompt.h"
#include "gui/chrome/cwaitviewinterface.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/chrome/mytitlebar.h"
#include "gui/chrome/qmylineedit.h"
#include "gui/chrome/qswitchbutton.h"
#include "gui/chrome/qwaitviewworkthread.h"
#include "gui/chrome/stylesheet.h"
#include "gui/chrome/waitview.h"
#include "support/guitestsupport.h"
#include "support/testsupport.h"

namespace {

MyMessageBox *VisibleBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<MyMessageBox *>(widget);
        if (box && box->isVisible())
            return box;
    }
    return nullptr;
}

int BoxCount()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<MyMessageBox *>(widget) ? 1 : 0;
    return count;
}

// Runs the action on the message box once it is up (inside its private event loop).
void WhenBoxShown(const std::function<void(MyMessageBox *)> &action)
{
    GuiTest::WhenShown(
        [](QWidget *widget) { return qobject_cast<MyMessageBox *>(widget) != nullptr; },
        [action](QWidget *widget) { action(static_cast<MyMessageBox *>(widget)); });
}

class RecordingWork : public CWaitViewInterface
{
public:
    void DoWork(const QVariant &arg) override
    {
        m_thread = QThread::currentThread();
        m_arg = arg;
        m_done = true;
    }
    QThread *m_thread = nullptr;
    QVariant m_arg;
    std::atomic<bool> m_done{false};
};

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void scaleForDpi_data();
    void scaleForDpi();
    void scaledPixels();

    void appendStyleSheet_data();
    void appendStyleSheet();

    void messageBoxResult_data();
    void messageBoxResult();
    void messageBoxNonModal();
    void messageBoxIcons_data();
    void messageBoxIcons();
    void messageBoxPrompt();

    void waitViewSpinner();
    void waitViewDots_data();
    void waitViewDots();
    void waitViewCloseAndDeactivate();
    void workThread();

    void switchButton_data();
    void switchButton();
    void switchButtonLockAndResize();

    void lineEditSignals();

    void resources_data();
    void resources();

private:
    QTemporaryDir m_dir;
};

void TestChrome::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    Resources::InitGuiResources();
    QVERIFY(m_dir.isValid());
}

void TestChrome::cleanup()
{
    TQ_VERIFY_NO_WARNINGS();
}

void TestChrome::scaleForDpi_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("scale");
    QTest::newRow("72") << 72.0 << 1.0;
    QTest::newRow("96") << 96.0 << 1.0;
    QTest::newRow("105 just below 1.1") << 105.0 << 1.0;
    QTest::newRow("106 just above 1.1") << 106.0 << 1.25;
    QTest::newRow("120") << 120.0 << 1.25;
    QTest::newRow("134 just below 1.4") << 134.0 << 1.25;
    QTest::newRow("135 just above 1.4") << 135.0 << 1.5;
    QTest::newRow("144") << 144.0 << 1.5;
    QTest::newRow("153 just below 1.6") << 153.0 << 1.5;
    QTest::newRow("154 just above 1.6") << 154.0 << 1.75;
    QTest::newRow("168") << 168.0 << 1.75;
    QTest::newRow("172 just below 1.8") << 172.0 << 1.75;
    QTest::newRow("173 just above 1.8") << 173.0 << 2.0;
    QTest::newRow("192") << 192.0 << 2.0;
    QTest::newRow("288") << 288.0 << 2.0;
}

void TestChrome::scaleForDpi()
{
    QFETCH(double, dpi);
    QFETCH(double, scale);
    QCOMPARE(Display::ScaleForDpi(dpi), scale);
}

void TestChrome::scaledPixels()
{
    const double scale = Display::DisplayScale();
    QCOMPARE(scale, Display::ScaleForDpi(QGuiApplication::screens().first()->logicalDotsPerInch()));
    QCOMPARE(Display::ScaledPixels(45), int(45 * scale));
    QCOMPARE(Display::ScaledPixels(0), 0);
}

void TestChrome::appendStyleSheet_data()
{
    QTest::addColumn<bool>("hasWidget");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("sheet"); // the widget's sheet afterwards, starting "A{}"

    const QByteArray rule = "QLabel{color:red;}";
    const QString lower = WriteFile(m_dir, "lower.css", rule);
    const QString upper = WriteFile(m_dir, "upper.CSS", rule);
    const QString mixed = WriteFile(m_dir, "mixed.Css", rule);
    const QString zero = WriteFile(m_dir, "zero.css", rule + QByteArray("\0tail", 5));
    QTest::newRow("lower-case suffix") << true << lower << true << "A{}" + QString(rule);
    QTest::newRow("upper-case suffix") << true << upper << true << "A{}" + QString(rule);
    QTest::newRow("mixed-case suffix refused") << true << mixed << false << "A{}";
    QTest::newRow("other suffix refused") << true << m_dir.filePath("x.qss") << false << "A{}";
    QTest::newRow("missing file") << true << m_dir.filePath("missing.css") << false << "A{}";
    QTest::newRow("missing widget") << false << lower << false << QString();
    QTest::newRow("ends at zero byte") << true << zero << true << "A{}" + QString(rule);
}

void TestChrome::appendStyleSheet()
{
    QFETCH(bool, hasWidget);
    QFETCH(QString, path);
    QFETCH(bool, ok);
    QFETCH(QString, sheet);
    QLabel label;
    label.setStyleSheet(QStringLiteral("A{}"));
    QCOMPARE(StyleSheet::AppendStyleSheet(hasWidget ? &label : nullptr, path), ok);
    if (hasWidget)
        QCOMPARE(label.styleSheet(), sheet);
}

void TestChrome::messageBoxResult_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    const int ok = MyMessageBox::ButtonOk;
    const int okCancel = MyMessageBox::ButtonOkCancel;
    QTest::newRow("OK") << ok << "ok" << int(MyMessageBox::ResultOk);
    QTest::newRow("OK of two") << okCancel << "ok" << int(MyMessageBox::ResultOk);
    QTest::newRow("Cancel") << okCancel << "cancel" << int(MyMessageBox::ResultCancel);
    QTest::newRow("title-bar close") << okCancel << "close" << int(MyMessageBox::ResultCancel);
    QTest::newRow("title-bar close, OK only") << ok << "close" << int(MyMessageBox::ResultCancel);
}

void TestChrome::messageBoxResult()
{
    QFETCH(int, buttons);
    QFETCH(QString, action);
    QFETCH(int, result);
    QWidget owner;
    owner.resize(800, 600);
    owner.show();
    bool cancelShown = false;
    WhenBoxShown([&](MyMessageBox *box) {
        cancelShown = box->cancelButton()->isVisible();
        QCOMPARE(box->titleBar()->titleContent(), QStringLiteral("Prompt"));
        QCOMPARE(box->contentText(), QStringLiteral("Delete it ?"));
        QCOMPARE(box->size(), QSize(555, 289));
        if (action == QLatin1String("ok"))
            box->okButton()->click();
        else if (action == QLatin1String("cancel"))
            box->cancelButton()->click();
        else
            box->titleBar()->findChild<QPushButton *>(QStringLiteral("ButtonClose"))->click();
    });
    QCOMPARE(MyMessageBox::ShowMessage(&owner, "Prompt", "Delete it ?", MyMessageBox::IconQuestion,
                                       buttons),
             result);
    QCOMPARE(cancelShown, buttons == MyMessageBox::ButtonOkCancel);
    QCOMPARE(BoxCount(), 0); // the box is gone after it returned
}

void TestChrome::messageBoxNonModal()
{
    QCOMPARE(MyMessageBox::ShowMessage(nullptr, "Prompt", "Saved.", MyMessageBox::IconInformation,
                                       MyMessageBox::ButtonOk, false),
             int(MyMessageBox::ResultNone));
    MyMessageBox *box = VisibleBox();
    QVERIFY(box);
    QCOMPARE(box->contentText(), QStringLiteral("Saved."));
    QCOMPARE(box->result(), int(MyMessageBox::ResultCancel));
    box->okButton()->click();
    QCOMPARE(box->result(), int(MyMessageBox::ResultOk));
    QCOMPARE(BoxCount(), 0); // deletes itself when closed
}

void TestChrome::messageBoxIcons_data()
{
    QTest::addColumn<int>("iconType");
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("visible");
    QTest::newRow("information") << int(MyMessageBox::IconInformation)
                                 << ":/MsgImage/QUtility/MessageBox/info.png" << true;
    QTest::newRow("question") << int(MyMessageBox::IconQuestion)
                              << ":/MsgImage/QUtility/MessageBox/question.png" << true;
    QTest::newRow("error") << int(MyMessageBox::IconError)
                           << ":/MsgImage/QUtility/MessageBox/error.png" << true;
    QTest::newRow("none") << int(MyMessageBox::IconNone) << QString() << false;
    QTest::newRow("title icon") << int(MyMessageBox::IconTitle) << ":/Resources/titleicon.png"
                                << true;
    QTest::newRow("unknown keeps the form") << 7 << QString() << true;
}

void TestChrome::messageBoxIcons()
{
    QFETCH(int, iconType);
    QFETCH(QString, image);
    QFETCH(bool, visible);
    MyMessageBox box;
    box.setMessageType(iconType);
    QCOMPARE(box.isIconVisible(), visible);
    if (image.isEmpty())
        QVERIFY(box.iconStyle().isEmpty());
    else
        QCOMPARE(box.iconStyle(), "border-image: url(" + image + ");");
}

void TestChrome::messageBoxPrompt()
{
    CMessageBoxPrompt::Install();
    QString shown;
    WhenBoxShown([&](MyMessageBox *box) {
        shown = box->contentText();
        QVERIFY(!box->cancelButton()->isVisible());
        box->okButton()->click();
    });
    Prompts::ShowUserInformation("Prompt", "From the GUI thread");
    QCOMPARE(shown, QStringLiteral("From the GUI thread"));

    // From a worker the box is queued to the GUI thread and the worker does not wait.
    QThread *worker =
        QThread::create([]() { Prompts::ShowUserInformation("Prompt", "From a worker"); });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;
    WhenBoxShown([&](MyMessageBox *box) {
        shown = box->contentText();
        box->okButton()->click();
    });
    QTRY_COMPARE(shown, QStringLiteral("From a worker"));
    Prompts::SetUserPrompt(nullptr);
    QCOMPARE(BoxCount(), 0);
}

void TestChrome::waitViewSpinner()
{
    QWidget page;
    page.resize(1000, 700);
    page.show();
    WaitView view(&page, false, 0);
    QVERIFY(view.isVisible());
    QVERIFY(view.isActive());
    QVERIFY(view.isTimerRunning());
    QCOMPARE(view.geometry().size(), page.size());

    QRect box(0, 0, Display::ScaledPixels(460), Display::ScaledPixels(250));
    box.moveCenter(QRect(0, 0, 1000, 700).center());
    QCOMPARE(view.boxRect(), box);
    const int side = box.height() / 2;
    QCOMPARE(view.spinnerRect().size(), QSize(side, side));
    QCOMPARE(view.spinnerRect().center(),
             box.adjusted(0, 0, 0, -Display::ScaledPixels(60)).center());

    // 40 ms a tick: one turn in 25 ticks.
    view.DoAnimate();
    QCOMPARE(view.phase(), 40);
    for (int i = 1; i < 25; ++i)
        view.DoAnimate();
    QCOMPARE(view.phase(), 0);
    view.setTitle("Importing");
    QCOMPARE(view.displayText(), QStringLiteral("Importing")); // no dots in mode 0
    view.grab();                                               // paints without warnings
}

void TestChrome::waitViewDots_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << 0 << "Exporting";
    QTest::newRow("160 ms") << 4 << "Exporting";
    QTest::newRow("200 ms") << 5 << "Exporting.";
    QTest::newRow("400 ms") << 10 << "Exporting..";
    QTest::newRow("600 ms") << 15 << "Exporting...";
    QTest::newRow("960 ms") << 24 << "Exporting....";
    QTest::newRow("next turn") << 25 << "Exporting";
    QTest::newRow("next turn, 200 ms") << 30 << "Exporting.";
}

void TestChrome::waitViewDots()
{
    QFETCH(int, ticks);
    QFETCH(QString, text);
    QWidget page;
    page.resize(900, 600);
    page.show();
    WaitView view(&page, false, 1);
    // Mode 1 leaves the page's top band uncovered.
    QCOMPARE(view.geometry().height(), 600 - Display::ScaledPixels(60));
    QCOMPARE(view.boxRect(), QRect(0, 0, 900, 600));
    view.setTitle("Exporting");
    for (int i = 0; i < ticks; ++i)
        view.DoAnimate();
    QCOMPARE(view.displayText(), text);
    view.grab();
}

void TestChrome::waitViewCloseAndDeactivate()
{
    QWidget page;
    page.resize(600, 400);
    page.show();
    WaitView view(&page, false, 0);
    view.setActive(false);
    QVERIFY(!view.isVisible());
    QVERIFY(!view.isTimerRunning());
    view.setActive(true);
    QVERIFY(view.isVisible());
    for (int i = 0; i < 3; ++i)
        view.DoAnimate();
    view.setActive(true);
    QCOMPARE(view.phase(), 0); // activating starts a new turn
    view.Close();
    QVERIFY(!view.isVisible());
    QVERIFY(!view.isTimerRunning());
    QCOMPARE(view.result(), int(QDialog::Accepted));

    WaitView orphan(nullptr, true, 0);
    QVERIFY(!orphan.isVisible());
    QVERIFY(!orphan.isTimerRunning());
    orphan.setActive(true);
    QVERIFY(!orphan.isVisible());
}

void TestChrome::workThread()
{
    RecordingWork work;
    QWaitViewWorkThread thread(&work, QVariant(QStringLiteral("job 7")));
    // Read in the emitting thread: the work is done when the end is reported.
    std::atomic<bool> doneFirst{false};
    connect(
        &thread, &QWaitViewWorkThread::export_finished, this,
        [&]() { doneFirst = work.m_done.load(); }, Qt::DirectConnection);
    QSignalSpy finished(&thread, &QWaitViewWorkThread::export_finished);
    thread.start();
    // The worker may emit before the test waits: poll the count, never wait for a new signal.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
    QVERIFY(thread.wait(5000));
    QVERIFY(doneFirst);
    QCOMPARE(work.m_arg.toString(), QStringLiteral("job 7"));
    QVERIFY(work.m_thread && work.m_thread != QThread::currentThread());

    // Without work it still reports the end, so the wait view closes.
    QWaitViewWorkThread empty(nullptr, QVariant());
    QSignalSpy emptyFinished(&empty, &QWaitViewWorkThread::export_finished);
    empty.start();
    QTRY_COMPARE_WITH_TIMEOUT(emptyFinished.count(), 1, 5000);
    QVERIFY(empty.wait(5000));
}

void TestChrome::switchButton_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("onX");
    // 100 by 30, space 2.
    QTest::newRow("rectangle") << 0 << 50;
    QTest::newRow("circle inside") << 1 << 70;
    QTest::newRow("circle outside") << 2 << 72;
    QTest::newRow("image") << 3 << 50;
}

void TestChrome::switchButton()
{
    QFETCH(int, style);
    QFETCH(int, onX);
    QSwitchButton button;
    button.setButtonStyle(style);
    button.resize(100, 30);
    button.show();
    QCOMPARE(button.textOff(), QStringLiteral("OFF"));
    QCOMPARE(button.textOn(), QStringLiteral("ON"));
    QVERIFY(!button.checked());
    QCOMPARE(button.sliderX(), 0);

    QSignalSpy changed(&button, &QSwitchButton::checkedChanged);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.checked());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toBool(), true);
    QCOMPARE(button.sliderTargetX(), onX);
    QTRY_COMPARE(button.sliderX(), onX); // slides there step by step
    button.grab();

    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.checked());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toBool(), false);
    QTRY_COMPARE(button.sliderX(), 0);
    button.grab();
}

void TestChrome::switchButtonLockAndResize()
{
    QSwitchButton button;
    button.resize(100, 30);
    button.show();
    QSignalSpy changed(&button, &QSwitchButton::checkedChanged);
    button.setLocked(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.checked());
    QCOMPARE(changed.count(), 0);

    button.setLocked(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    button.resize(200, 40); // puts the slider at its end at once
    QCOMPARE(button.sliderX(), 100);
    QCOMPARE(button.sliderTargetX(), 100);
}

void TestChrome::lineEditSignals()
{
    QMyLineEdit edit;
    QSignalSpy focusOut(&edit, &QMyLineEdit::signal_focusout);
    QSignalSpy returned(&edit, &QLineEdit::returnPressed);

    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &leave);
    QCOMPARE(focusOut.count(), 1);

    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(focusOut.count(), 1);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(focusOut.count(), 2);
    QCOMPARE(returned.count(), 1); // passed on to the line edit
    QCOMPARE(edit.text(), QStringLiteral("a"));
    QVERIFY(TestSupport::DebugLines().join('\n').contains("QMyLineEdit::OntextChanged---"));
}

void TestChrome::resources_data()
{
    QTest::addColumn<QString>("path");
    const char *const paths[] = {
        ":/css/Theme/QSS/QWidget.css",
        ":/css/Theme/QSS/QPushButton_OK.css",
        ":/css/Theme/QSS/QPushButton_Cancel.css",
        ":/css/Theme/QSS/QToolBar.css",
        ":/css/Theme/QSS/QToolBar_Ver.css",
        ":/css/Theme/QSS/QTableView.css",
        ":/css/Theme/QSS/QPopMenu.css",
        ":/css/Theme/QSS/QTabWidget.css",
        ":/Resources/MyTitle.css",
        ":/json/ControllerFolders/Manage/SystemManage/Json/cityCode.json",
        ":/Resources/MyMessageBox.css",
        ":/Resources/titleicon.png",
        ":/MsgImage/QUtility/MessageBox/info.png",
        ":/MsgImage/QUtility/MessageBox/question.png",
        ":/MsgImage/QUtility/MessageBox/error.png",
        ":/ToolBarRes/Images/MainFrame/ProjectManager.png",
        ":/ToolBarRes/Images/MainFrame/VedioManager.png",
        ":/ToolBarRes/Images/MainFrame/Report.png",
        ":/ToolBarRes/Images/MainFrame/DefectScatter.png",
        ":/ToolBarRes/Images/MainFrame/SystemSetting.png",
        ":/ToolBarRes/Images/MainFrame/Help.png",
        ":/ToolBarRes/Images/MainFrame/About.png",
        ":/ToolBarRes/Images/MainFrame/language.png",
        ":/image/btncheckoff1.png",
        ":/image/btncheckon1.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/person.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/person_add.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/person_delete.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/Equipment.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/Equipment_Add.png",
        ":/ControllerFolders/Manage/SystemManage/PersonAndEquipment/Image/Equitpment_del.png",
    };
    for (const char *path : paths)
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestChrome::resources()
{
    QFETCH(QString, path);
    QVERIFY(QFile::exists(path));
    if (path.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 0 && image.height() > 0);
        // Not blank: some pixel is drawn.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(drawn);
        return;
    }
    if (path.endsWith(QLatin1String(".json"))) { // its content is the division data's test
        QVERIFY(QFile(path).size() > 0);
        return;
    }
    // Style sheets parse cleanly (a parse error is a warning, caught in cleanup()).
    QWidget widget;
    auto *child = new QPushButton(QStringLiteral("x"), &widget);
    QVERIFY(StyleSheet::AppendStyleSheet(&widget, path));
    QVERIFY(!widget.styleSheet().isEmpty());
    widget.ensurePolished();
    child->ensurePolished();
    widget.grab();
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
