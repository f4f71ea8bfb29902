// Adding, replacing and deleting the defects of an imported video: the RTV file (read back
// from disk), the defect rows and count in the project database and the frame images stay
// in step, and a refused step is reported.
#include <QtTest>

#include <QCryptographicHash>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "core/database/ckln_tq420database.h"
#include "core/files/cdefecteditor.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kProject = QStringLiteral("PRJ0000001");
const QString kVideo = QStringLiteral("PRJ0000001VID01");
using Outcome = CDefectEditor::Outcome;

// Runs a statement on the RTV file with a connection of the test's own; the first value.
QVariant FileValue(const QString &rtv, const QString &statement)
{
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rtv-check"));
        db.setDatabaseName(rtv);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(rtv));
        QSqlQuery query(db);
        if (!query.exec(statement))
            qFatal("cannot run %s", qPrintable(statement));
        if (query.next())
            value = query.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("rtv-check"));
    return value;
}

// The defects as a fresh reader finds them in the file.
QList<CDefectItem> DefectsOnDisk(const QString &rtv)
{
    CFileRTV file;
    if (!file.open(rtv, CFileRTV::OpenReadOnly) || !file.TraversalFile())
        qFatal("cannot read %s", qPrintable(rtv));
    file.close();
    return file.GetDefectList();
}

QStringList TimeIndices(const QList<CDefectItem> &defects)
{
    QStringList indices;
    for (const CDefectItem &item : defects)
        indices << QString::number(item.nTimeIndex);
    return indices;
}

QString Trigger(const QString &event, const QString &table)
{
    return QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON %2 BEGIN "
                          "SELECT RAISE(ABORT, 'refused'); END")
        .arg(event, table);
}
} // namespace

class TestDefectEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DbTest::PrepareSuite(m_settingsDir.path()); }
    void init();
    void cleanup();

    void addsANewDefect();
    void replacesTheDefectAtItsTimeIndex_data();
    void replacesTheDefectAtItsTimeIndex();
    void deletes_data();
    void deletes();
    void failedSaveWritesNothing_data();
    void failedSaveWritesNothing();
    void deletingNoDefectChangesNothing_data();
    void deletingNoDefectChangesNothing();
    void refusingDatabaseIsReported_data();
    void refusingDatabaseIsReported();
    void refusedFileChangeKeepsTheRowsInStep_data();
    void refusedFileChangeKeepsTheRowsInStep();
    void timeIndicesBeyond32BitsAreDistinct();

private:
    CDefectEditor Editor() { return CDefectEditor(kVideo, m_video->path(), *m_file, *m_db); }
    QString Image(const QString &name) const { return m_video->filePath("Images/" + name); }
    CDefectItem NewDefect(qint64 timeIndex);
    // The defect rows of the project database: key and level.
    QStringList DefectRows() const;
    int DefectCount() const { return DbTest::Scalar("SELECT iDefectNums FROM VedioCount").toInt(); }
    // Everything a change touches: file on disk and in memory, database, image files.
    QStringList State() const;

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_video;
    std::unique_ptr<CFileRTV> m_file;
    CKLN_TQ420DataBase *m_db = nullptr;
    QString m_rtv;
    QStringList m_before; // the defects' time indices after import
};

void TestDefectEditor::init()
{
    m_data = DbTest::FreshDataFolder();
    m_db = CKLN_TQ420DataBase::GetInstance();
    m_video = std::make_unique<QTemporaryDir>();
    m_rtv = TestSupport::CopySample("rtv/hostile.rtv", *m_video, kVideo + ".rtv");
    m_file = std::make_unique<CFileRTV>();
    QVERIFY(m_file->open(m_rtv));
    QVERIFY(m_file->TraversalFile()); // writes the frames to "Images"
    const QList<CDefectItem> &defects = m_file->GetDefectList();
    m_before = TimeIndices(defects);
    QCOMPARE(m_before, QStringList({"6500", "13500", "25500"}));

    // The state an import leaves: the video's row and its defect rows.
    DbTest::InsertProject(kProject, "P-1");
    DbTest::InsertVideo(kProject, kVideo, "Road", defects.size());
    const ProjectParam &header = m_file->GetProjectParam();
    QCOMPARE(m_db->InsertDefectItems(header.strTestSite, kVideo, header.strTestDate,
                                     m_file->GetPipelineParam(), defects),
             defects.size());
}

void TestDefectEditor::cleanup()
{
    m_file.reset();
    m_video.reset();
    CKLN_TQ420DataBase::ReleaseInstance();
    m_data.reset();
    TQ_VERIFY_NO_WARNINGS();
}

CDefectItem TestDefectEditor::NewDefect(qint64 timeIndex)
{
    CDefectItem item = DbTest::MakeDefect(0, 1, 1);
    item.nTimeIndex = timeIndex;
    item.strOrgImgPath = TestSupport::WritePng(*m_video, "org.png", Qt::red);
    item.strDefectImgPath = TestSupport::WritePng(*m_video, "defect.png", Qt::blue);
    item.defectParam.strRemark = QString::fromUtf8("备注 'quoted'");
    return item;
}

QStringList TestDefectEditor::DefectRows() const
{
    QStringList rows;
    for (const QVariantList &row :
         DbTest::Rows("SELECT HashCode, DefectLevel FROM DefectInfo ORDER BY TimeIndex"))
        rows << row.at(0).toString() + " " + row.at(1).toString();
    return rows;
}

QStringList TestDefectEditor::State() const
{
    QStringList state = DefectRows();
    state << QString("count %1").arg(DefectCount());
    state << "disk " + TimeIndices(DefectsOnDisk(m_rtv)).join(',');
    state << "memory " + TimeIndices(m_file->GetDefectList()).join(',');
    const QDir images(m_video->filePath("Images"));
    for (const QString &name : images.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QByteArray hash =
            QCryptographicHash::hash(TestSupport::FileBytes(images.filePath(name)), QCryptographicHash::Md5);
        state << name + " " + hash.toHex();
    }
    return state;
}

void TestDefectEditor::addsANewDefect()
{
    // A time index of the track without a defect: the defect takes its time of day.
    CRobotStateItem sample;
    for (const CRobotStateItem &each : m_file->GetTrackList())
        if (sample.nTimeIndex < 0 && !m_before.contains(QString::number(each.nTimeIndex)))
            sample = each;
    QVERIFY(sample.nTimeIndex >= 0);
    const int t = sample.nTimeIndex;
    const CDefectItem item = NewDefect(t);

    const CDefectEditor::Result result = Editor().SaveDefect(item);
    QVERIFY(result.ok());
    QVERIFY(result.added);

    const QString org = Image(QString("%1_org.png").arg(t));
    const QString marked = Image(QString("%1_defect.png").arg(t));
    QCOMPARE(TestSupport::FileBytes(org), TestSupport::FileBytes(item.strOrgImgPath));
    QCOMPARE(TestSupport::FileBytes(marked), TestSupport::FileBytes(item.strDefectImgPath));

    const QList<CDefectItem> onDisk = DefectsOnDisk(m_rtv);
    QCOMPARE(onDisk.size(), m_before.size() + 1);
    const CDefectItem &written = onDisk.at(TimeIndices(onDisk).indexOf(QString::number(t)));
    QCOMPARE(written.TimeText(), sample.TimeText());
    QCOMPARE(written.defectParam.strRemark, item.defectParam.strRemark);
    const QString blobs = QString("FROM DefectsFound WHERE nTimeIndex = %1").arg(t);
    QCOMPARE(FileValue(m_rtv, "SELECT imgDataOrg " + blobs).toByteArray(), TestSupport::FileBytes(org));
    QCOMPARE(FileValue(m_rtv, "SELECT imgDataDefect " + blobs).toByteArray(), TestSupport::FileBytes(marked));
    QCOMPARE(m_file->GetDefectList().last().strDefectImgPath, marked);

    const QString key = CKLN_TQ420DataBase::DefectKey(kVideo, t);
    const QVariantList row = DbTest::Rows("SELECT RoadName, ImagePath, Remark FROM DefectInfo "
                                          "WHERE HashCode = ?",
                                          {key})
                                 .value(0);
    QCOMPARE(row.value(0).toString(), m_file->GetProjectParam().strTestSite);
    QCOMPARE(row.value(1).toString(), marked);
    QCOMPARE(row.value(2).toString(), item.defectParam.strRemark);
    QCOMPARE(DefectCount(), m_before.size() + 1);
}

void TestDefectEditor::replacesTheDefectAtItsTimeIndex_data()
{
    QTest::addColumn<QString>("frames");
    QTest::newRow("new frames") << "new";
    QTest::newRow("its own frames") << "own";
    QTest::newRow("no frames") << "none";
}

void TestDefectEditor::replacesTheDefectAtItsTimeIndex()
{
    QFETCH(QString, frames);
    const QString org = Image("13500_org.png");
    const QString marked = Image("13500_defect.png");
    QByteArray expected = TestSupport::FileBytes(marked);
    QVERIFY(!expected.isEmpty());
    CDefectItem item = NewDefect(13500);
    item.defectParam.DefectLevel = 3;
    if (frames == "new")
        expected = TestSupport::FileBytes(item.strDefectImgPath);
    if (frames == "own") {
        item.strOrgImgPath = org;
        item.strDefectImgPath = marked;
    }
    if (frames == "none")
        item.strOrgImgPath = item.strDefectImgPath = QString();

    const CDefectEditor::Result result = Editor().SaveDefect(item);
    QVERIFY(result.ok());
    QVERIFY(!result.added);

    QCOMPARE(TestSupport::FileBytes(marked), expected);
    const QList<CDefectItem> onDisk = DefectsOnDisk(m_rtv);
    QCOMPARE(TimeIndices(onDisk), m_before);
    QCOMPARE(onDisk.at(1).defectParam.DefectLevel, 3);
    QCOMPARE(FileValue(m_rtv, "SELECT imgDataDefect FROM DefectsFound WHERE nTimeIndex = 13500")
                 .toByteArray(),
             expected);
    QCOMPARE(m_file->GetDefectList().at(1).strOrgImgPath, org);

    QCOMPARE(DbTest::Count("DefectInfo"), m_before.size());
    QCOMPARE(DbTest::Scalar("SELECT DefectLevel FROM DefectInfo WHERE HashCode = ?",
                            {CKLN_TQ420DataBase::DefectKey(kVideo, 13500)})
                 .toString(),
             CDefectVocabulary::LevelText(item.defectParam));
}

void TestDefectEditor::deletes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("timeIndex"); // by time index when not -1
    QTest::addColumn<int>("next");
    QTest::newRow("first by position") << 0 << -1 << -1;
    QTest::newRow("last by position") << 2 << -1 << 1;
    QTest::newRow("by time index") << 1 << 13500 << 0;
}

void TestDefectEditor::deletes()
{
    QFETCH(int, position);
    QFETCH(int, timeIndex);
    QFETCH(int, next);
    const QString gone = m_before.at(position);
    QVERIFY(QFileInfo::exists(Image(gone + "_org.png")));

    CDefectEditor editor = Editor();
    const CDefectEditor::Result result =
        timeIndex < 0 ? editor.DeleteAt(position) : editor.DeleteTimeIndex(timeIndex);
    QVERIFY(result.ok());
    QCOMPARE(result.nextPosition, next);

    QStringList remaining = m_before;
    remaining.removeAt(position);
    QCOMPARE(TimeIndices(DefectsOnDisk(m_rtv)), remaining);
    QCOMPARE(TimeIndices(m_file->GetDefectList()), remaining);
    QVERIFY(!QFileInfo::exists(Image(gone + "_org.png")));
    QVERIFY(!QFileInfo::exists(Image(gone + "_defect.png")));
    QVERIFY(QFileInfo::exists(Image(remaining.first() + "_org.png")));
    QCOMPARE(DbTest::Count("DefectInfo", "TimeIndex = " + gone), 0);
    QCOMPARE(DbTest::Count("DefectInfo"), remaining.size());
    QCOMPARE(DefectCount(), remaining.size());
}

void TestDefectEditor::failedSaveWritesNothing_data()
{
    QTest::addColumn<int>("timeIndex");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("outcome");
    const int frame = int(Outcome::ImageNotCopied);
    QTest::newRow("new, missing frame") << 12000 << "missing original frame" << frame;
    QTest::newRow("replaced, missing frame") << 13500 << "missing marked frame" << frame;
    QTest::newRow("new, frame target a folder") << 12000 << "folder at target" << frame;
    QTest::newRow("file closed") << 12000 << "file closed" << int(Outcome::FileNotOpen);
    QTest::newRow("file refuses") << 12000 << "file refuses" << int(Outcome::FileNotWritten);
    // Frames already at their place belong to the caller: they stay.
    QTest::newRow("file refuses, frames in place")
        << 12000 << "file refuses, frames in place" << int(Outcome::FileNotWritten);
}

void TestDefectEditor::failedSaveWritesNothing()
{
    QFETCH(int, timeIndex);
    QFETCH(QString, fault);
    QFETCH(int, outcome);
    CDefectItem item = NewDefect(timeIndex);
    if (fault == "missing marked frame")
        item.strDefectImgPath = m_video->filePath("gone.png");
    if (fault == "missing original frame")
        item.strOrgImgPath = m_video->filePath("gone.png");
    if (fault == "folder at target")
        QVERIFY(QDir().mkpath(Image(QString("%1_defect.png").arg(timeIndex))));
    if (fault == "file closed")
        m_file->close();
    if (fault.startsWith("file refuses"))
        FileValue(m_rtv, Trigger("INSERT", "DefectsFound"));
    if (fault == "file refuses, frames in place") {
        QVERIFY(QFile::rename(item.strOrgImgPath, Image("12000_org.png")));
        QVERIFY(QFile::rename(item.strDefectImgPath, Image("12000_defect.png")));
        item.strOrgImgPath = Image("12000_org.png");
        item.strDefectImgPath = Image("12000_defect.png");
    }
    const QStringList before = State();

    const CDefectEditor::Result result = Editor().SaveDefect(item);
    QCOMPARE(int(result.outcome), outcome);
    QVERIFY(!result.ok());
    QCOMPARE(State(), before);
}

void TestDefectEditor::deletingNoDefectChangesNothing_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("timeIndex"); // by time index when not -1
    QTest::newRow("before the first") << -1 << -1;
    QTest::newRow("after the last") << 3 << -1;
    QTest::newRow("unknown time index") << -1 << 777;
}

void TestDefectEditor::deletingNoDefectChangesNothing()
{
    QFETCH(int, position);
    QFETCH(int, timeIndex);
    const QStringList before = State();
    CDefectEditor editor = Editor();
    const CDefectEditor::Result result =
        timeIndex < 0 ? editor.DeleteAt(position) : editor.DeleteTimeIndex(timeIndex);
    QCOMPARE(result.outcome, Outcome::NoSuchDefect);
    QCOMPARE(State(), before);
}

void TestDefectEditor::refusingDatabaseIsReported_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("allKept"); // file, frames and rows as they were
    QTest::newRow("add") << "add"
                         << "INSERT" << true;
    QTest::newRow("replace") << "replace"
                             << "UPDATE" << true;
    QTest::newRow("delete") << "delete"
                            << "DELETE" << true;
}

void TestDefectEditor::refusingDatabaseIsReported()
{
    QFETCH(QString, operation);
    QFETCH(QString, event);
    QFETCH(bool, allKept);
    DbTest::Exec(Trigger(event, "DefectInfo"));
    const QStringList before = DefectRows();
    const QStringList stateBefore = State();

    CDefectEditor editor = Editor();
    CDefectEditor::Result result;
    if (operation == "add")
        result = editor.SaveDefect(NewDefect(12000));
    if (operation == "replace")
        result = editor.SaveDefect(NewDefect(13500));
    if (operation == "delete")
        result = editor.DeleteAt(1);
    QCOMPARE(result.outcome, Outcome::DatabaseNotWritten);
    QVERIFY(!result.added);
    QCOMPARE(DefectRows(), before);
    if (operation == "add") // a defect the database does not hold is not counted
        QCOMPARE(DefectCount(), m_before.size());
    if (operation == "delete") // the defect stays the one to show
        QCOMPARE(result.nextPosition, 1);
    if (allKept)
        QCOMPARE(State(), stateBefore);
}

void TestDefectEditor::refusedFileChangeKeepsTheRowsInStep_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("replace") << "UPDATE";
    QTest::newRow("delete") << "DELETE";
}

void TestDefectEditor::refusedFileChangeKeepsTheRowsInStep()
{
    QFETCH(QString, operation);
    FileValue(m_rtv, Trigger(operation, "DefectsFound"));
    const QStringList before = State();

    // New frames and level for the replacement, so a half-done change would show.
    CDefectItem item = NewDefect(13500);
    item.defectParam.DefectLevel = 3;
    CDefectEditor editor = Editor();
    const CDefectEditor::Result result =
        operation == "UPDATE" ? editor.SaveDefect(item) : editor.DeleteTimeIndex(13500);
    QCOMPARE(result.outcome, Outcome::FileNotWritten);
    QCOMPARE(State(), before);
    QCOMPARE(m_file->GetDefectList().at(1).defectParam.DefectLevel,
             DefectsOnDisk(m_rtv).at(1).defectParam.DefectLevel);
}

void TestDefectEditor::timeIndicesBeyond32BitsAreDistinct()
{
    const qint64 small = 5;
    const qint64 large = (qint64(1) << 32) + 5;
    CDefectEditor editor = Editor();
    CDefectItem first = NewDefect(small);
    QVERIFY(editor.SaveDefect(first).added);
    CDefectItem second = NewDefect(large);
    second.strDefectImgPath = TestSupport::WritePng(*m_video, "other.png", Qt::green);
    QVERIFY(editor.SaveDefect(second).added);

    const QString smallKey = CKLN_TQ420DataBase::DefectKey(kVideo, small);
    const QString largeKey = CKLN_TQ420DataBase::DefectKey(kVideo, large);
    QVERIFY(smallKey != largeKey);
    QCOMPARE(DbTest::Count("DefectInfo"), m_before.size() + 2);
    QCOMPARE(TestSupport::FileBytes(Image("5_defect.png")), TestSupport::FileBytes(first.strDefectImgPath));
    QCOMPARE(TestSupport::FileBytes(Image(QString("%1_defect.png").arg(large))), TestSupport::FileBytes(second.strDefectImgPath));
    QVERIFY(editor.PositionOf(small) != editor.PositionOf(large));

    QVERIFY(editor.DeleteTimeIndex(large).ok());
    QVERIFY(!QFileInfo::exists(Image(QString("%1_defect.png").arg(large))));
    QCOMPARE(TestSupport::FileBytes(Image("5_defect.png")), TestSupport::FileBytes(first.strDefectImgPath));
    const QString byKey = QStringLiteral("SELECT COUNT(*) FROM DefectInfo WHERE HashCode = ?");
    QCOMPARE(DbTest::Scalar(byKey, {smallKey}).toInt(), 1);
    QCOMPARE(DbTest::Scalar(byKey, {largeKey}).toInt(), 0);
    QVERIFY(TimeIndices(DefectsOnDisk(m_rtv)).contains("5"));

    QVERIFY(editor.DeleteTimeIndex(small).ok());
    QCOMPARE(TimeIndices(DefectsOnDisk(m_rtv)), m_before);
    QCOMPARE(DbTest::Count("DefectInfo"), m_before.size());
}

QTEST_MAIN(TestDefectEditor)
#include "tst_defecteditor.moc"
