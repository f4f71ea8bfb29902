#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/settings/coptionlist.h"
#include "core/settings/qsysteminfo.h"
#include "core/settings/systemrecord.h"
#include "support/testsupport.h"

namespace {
const QString kUnknown = QStringLiteral("Unknow");

COptionList ListOf(const QStringList &items, int selected = 0)
{
    COptionList list(QStringLiteral("Test"));
    for (const QString &item : items)
        list.append(item);
    list.select(selected);
    return list;
}

// Slot 0-10 equal to the list it starts with (name, items, selection).
bool IsDefault(QSystemInfo *info, int slot)
{
    const COptionList expected = info->DefaultOptionList(slot);
    const COptionList *actual = info->OptionList(slot);
    return actual && actual->name() == expected.name() && actual->items() == expected.items() &&
           actual->selectedIndex() == expected.selectedIndex();
}

// A translation of the store's tags and file names, as an earlier or a later translation
// file might have them.
class TagTranslator : public QTranslator
{
public:
    TagTranslator() { QCoreApplication::installTranslator(this); }
    ~TagTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char * = nullptr,
                      int = -1) const override
    {
        static const QHash<QString, QString> tags = {
            {"KLN_TQ420_Settings.xml", "KLN_TQ420_设置.xml"},
            {"KLN_TQ420_Settings_En.xml", "KLN_TQ420_设置_En.xml"},
            {"InstitutionCode", "机构代码"},
            {"UnitName", "单位名称"},
            {"TestType", "检测类型"},
            {"Items", "选项"},
            {"Person", "人员"},
            {"Equipment", "设备"},
            {"Name", "名称"},
            {"TelNo", "电话"},
            {"Manufacturers", "生产厂家"}};
        if (qstrcmp(context, "QSystemInfo") != 0)
            return QString();
        return tags.value(QString::fromUtf8(source));
    }
};
} // namespace

class TestSystemInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void appendRules_data();
    void appendRules();
    void editSelected_data();
    void editSelected();
    void lookups();

    void loadItems_data();
    void loadItems();
    void loadPartialFile();
    void unusableFileGivesDefaults_data();
    void unusableFileGivesDefaults();
    void saveLoadRoundTrip();
    void translationChangeKeepsValues_data();
    void translationChangeKeepsValues();
    void fileWithTranslatedTagsIsRead();

    void recordCut_data();
    void recordCut();
    void findRecords();

private:
    // Writes the settings file of the current language into the current folder.
    void WriteSettings(const QByteArray &xml);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    QString m_fileName;
};

void TestSystemInfo::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    // The records hold the local 8-bit code page, which on this platform is UTF-8.
    if (QTextCodec::codecForLocale()->mibEnum() != 106)
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    m_previousDir = QDir::currentPath();
    m_fileName = CLanguageSettings::GetInstance()->IsChinese()
                     ? QStringLiteral("KLN_TQ420_Settings.xml")
                     : QStringLiteral("KLN_TQ420_Settings_En.xml");
}

void TestSystemInfo::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    DataFolder::SetAppDataDir(m_dir->path());
    QSystemInfo::ReleaseInstance();
}

void TestSystemInfo::cleanup()
{
    QSystemInfo::ReleaseInstance();
    DataFolder::SetAppDataDir(QString());
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
    TQ_VERIFY_NO_WARNINGS();
}

void TestSystemInfo::WriteSettings(const QByteArray &xml)
{
    QFile file(m_fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(xml);
}

void TestSystemInfo::appendRules_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("after");

    const QStringList ab{"A", "B"};
    QTest::newRow("plain") << ab << "C" << true << QStringList{"A", "B", "C"};
    QTest::newRow("empty") << ab << "" << false << ab;
    QTest::newRow("duplicate") << ab << "B" << false << ab;
    QTest::newRow("case-sensitive") << ab << "b" << true << QStringList{"A", "B", "b"};
    QTest::newRow("catch-all stays last")
        << QStringList{"A", kUnknown} << "B" << true << QStringList{"A", "B", kUnknown};
    QTest::newRow("catch-all appended")
        << ab << kUnknown << true << QStringList{"A", "B", kUnknown};
    QTest::newRow("UnKnow of the default lists stays last too")
        << QStringList{"A", "UnKnow"} << "B" << true << QStringList{"A", "B", "UnKnow"};
    QTest::newRow("first into empty") << QStringList{} << "A" << true << QStringList{"A"};
}

void TestSystemInfo::appendRules()
{
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QStringList, after);

    COptionList list = ListOf(before, before.isEmpty() ? -1 : 1);
    QCOMPARE(list.append(text), accepted);
    QCOMPARE(list.items(), after);
    QCOMPARE(list.count(), after.size());
    // Only the first item of an empty list moves the selection.
    QCOMPARE(list.selectedIndex(), before.isEmpty() ? 0 : 1);
}

void TestSystemInfo::editSelected_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selectedAfter");

    const QStringList abc{"A", "B", "C"};
    QTest::newRow("remove middle") << 1 << "remove" << true << QStringList{"A", "C"} << 1;
    QTest::newRow("remove last") << 2 << "remove" << true << QStringList{"A", "B"} << 1;
    QTest::newRow("remove none selected") << -1 << "remove" << false << abc << -1;
    QTest::newRow("remove beyond") << 3 << "remove" << false << abc << 3;
    QTest::newRow("up") << 2 << "up" << true << QStringList{"A", "C", "B"} << 1;
    QTest::newRow("up from top") << 0 << "up" << false << abc << 0;
    QTest::newRow("up beyond") << 3 << "up" << false << abc << 3;
    QTest::newRow("down") << 0 << "down" << true << QStringList{"B", "A", "C"} << 1;
    QTest::newRow("down from bottom") << 2 << "down" << false << abc << 2;
    QTest::newRow("down none selected") << -1 << "down" << false << abc << -1;
}

void TestSystemInfo::editSelected()
{
    QFETCH(int, selected);
    QFETCH(QString, operation);
    QFETCH(bool, done);
    QFETCH(QStringList, after);
    QFETCH(int, selectedAfter);

    COptionList list = ListOf({"A", "B", "C"}, selected);
    bool result = false;
    if (operation == QLatin1String("remove"))
        result = list.removeSelected();
    else if (operation == QLatin1String("up"))
        result = list.moveSelectedUp();
    else
        result = list.moveSelectedDown();
    QCOMPARE(result, done);
    QCOMPARE(list.items(), after);
    QCOMPARE(list.selectedIndex(), selectedAfter);
    // The freed place is reused by the next append.
    QVERIFY(list.append(QStringLiteral("D")));
    QCOMPARE(list.items(), after + QStringList{"D"});
}

void TestSystemInfo::lookups()
{
    COptionList list = ListOf({"Brick", "ReinforcedConcrete", "Concrete"});
    QCOMPARE(list.indexOf(QStringLiteral("Concrete")), 2); // equal before contained
    QCOMPARE(list.indexOf(QStringLiteral("Reinforced")), 1);
    QCOMPARE(list.indexOf(QStringLiteral("Brick")), 0);
    QCOMPARE(list.indexOf(QStringLiteral("Steel")), -1);
    QCOMPARE(list.indexOf(QString()), -1);
    QCOMPARE(COptionList().indexOf(QStringLiteral("A")), -1);
    QVERIFY(list.contains(QStringLiteral("Concrete")));
    QVERIFY(!list.contains(QStringLiteral("Concret")));

    QVERIFY(!list.replace(0, QStringLiteral("Concrete")));
    QVERIFY(!list.replace(3, QStringLiteral("Stone")));
    QVERIFY(list.replace(2, QStringLiteral("Stone")));
    QCOMPARE(list.itemAt(2), QStringLiteral("Stone"));

    list.select(-1);
    QCOMPARE(list.selectedItem(), kUnknown);
    list.select(2);
    QCOMPARE(list.selectedItem(), QStringLiteral("Stone"));

    QSystemInfo *info = QSystemInfo::GetInstance();
    QCOMPARE(info->FileName(), QDir(m_dir->path()).filePath(m_fileName)); // in the data folder
    QCOMPARE(info->SlotOfKey(QStringLiteral("PipeMaterial")), int(QSystemInfo::PipeMaterial));
    QCOMPARE(info->SlotOfKey(QStringLiteral("InerfaceForm")), int(QSystemInfo::InerfaceForm));
    QCOMPARE(info->SlotOfKey(QStringLiteral("Nothing")), -1);
    QVERIFY(!info->OptionList(-1));
    QVERIFY(!info->OptionList(QSystemInfo::OptionSlotCount));

    // The file name follows the language at creation.
    CLanguageSettings *language = CLanguageSettings::GetInstance();
    const bool chinese = language->IsChinese();
    language->SetLanguage(!chinese);
    QCOMPARE(QFileInfo(info->FileName()).fileName(), m_fileName);
    QSystemInfo::ReleaseInstance();
    const QString otherName = QFileInfo(QSystemInfo::GetInstance()->FileName()).fileName();
    language->SetLanguage(chinese);
    QCOMPARE(otherName, chinese ? QStringLiteral("KLN_TQ420_Settings_En.xml")
                                : QStringLiteral("KLN_TQ420_Settings.xml"));
}

void TestSystemInfo::loadItems_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selected");

    QTest::newRow("catch-all part")
        << "Brick;Stone;Unknow" << 1 << QStringList{"Brick", "Stone", kUnknown} << 1;
    QTest::newRow("part ending in catch-all")
        << "BrickUnknow;Stone" << 0 << QStringList{"Brick", "Stone", kUnknown} << 0;
    QTest::newRow("part beginning with catch-all")
        << "UnknowBrick;Stone" << 0 << QStringList{"UnknowBrick", "Stone"} << 0;
    QTest::newRow("single text kept whole")
        << "BrickUnknow" << 0 << QStringList{"BrickUnknow"} << 0;
    QTest::newRow("duplicates dropped") << "A;B;A;;C" << 2 << QStringList{"A", "B", "C"} << 2;
    // A list stored longer than a list holds is cut before its catch-all, which stays last.
    QStringList parts, kept;
    for (int i = 0; i < COptionList::MaxItems + 20; ++i)
        parts << QString::number(i);
    kept = parts.mid(0, COptionList::MaxItems - 1) << kUnknown;
    QTest::newRow("too long, catch-all kept") << parts.join(';') + ";Unknow" << 0 << kept << 0;
    QTest::newRow("selection beyond count")
        << "A;B;C;D" << 7 << QStringList{"A", "B", "C", "D"} << 0;
    QTest::newRow("selection at count") << "A;B;C;D" << 4 << QStringList{"A", "B", "C", "D"} << 0;
    QTest::newRow("last selectable") << "A;B;C;D" << 3 << QStringList{"A", "B", "C", "D"} << 3;
}

void TestSystemInfo::loadItems()
{
    QFETCH(QString, items);
    QFETCH(int, stored);
    QFETCH(QStringList, expected);
    QFETCH(int, selected);

    WriteSettings(QStringLiteral("<SystemInfoSettings><OptionSettings>"
                                 "<AnyName SelectedIndex=\"%1\"><Items>%2</Items></AnyName>"
                                 "</OptionSettings></SystemInfoSettings>")
                      .arg(stored)
                      .arg(items)
                      .toUtf8());
    QSystemInfo *info = QSystemInfo::GetInstance();
    COptionList *list = info->OptionList(0);
    QCOMPARE(list->name(), QStringLiteral("AnyName")); // the first child fills slot 0
    QCOMPARE(list->items(), expected);
    QCOMPARE(list->selectedIndex(), selected);
    QVERIFY(IsDefault(info, 1));
}

void TestSystemInfo::loadPartialFile()
{
    WriteSettings("<SystemInfoSettings>"
                  "<commonSettings><UnitName>Unit</UnitName><Standard/></commonSettings>"
                  "<OptionSettings>"
                  "<PipeType SelectedIndex=\"1\"><Items>X;Y</Items></PipeType>"
                  "<Other SelectedIndex=\"3\"><Items/></Other>"
                  "<Third SelectedIndex=\"0\"><Items>Z</Items></Third>"
                  "</OptionSettings>"
                  "<PersonSettings/>"
                  "</SystemInfoSettings>");
    QSystemInfo *info = QSystemInfo::GetInstance();

    QCOMPARE(info->UnitName(), QStringLiteral("Unit"));
    QCOMPARE(info->Standard(), QString()); // an empty element empties the field
    QCOMPARE(info->OriginPosition(), QStringLiteral("114.3055,30.5928"));
    QCOMPARE(info->ReportTemplate(), QString::fromUtf8("国家建设部标准报告模板"));

    QCOMPARE(info->OptionList(0)->name(), QStringLiteral("PipeType"));
    QCOMPARE(info->OptionList(0)->items(), (QStringList{"X", "Y"}));
    QCOMPARE(info->OptionList(0)->selectedIndex(), 1);
    QVERIFY(IsDefault(info, 1)); // empty Items
    QCOMPARE(info->OptionList(2)->items(), QStringList{"Z"});
    for (int slot = 3; slot < QSystemInfo::OptionSlotCount; ++slot)
        QVERIFY2(IsDefault(info, slot), qPrintable(QString::number(slot)));

    QVERIFY(info->Persons().isEmpty());
    QCOMPARE(info->Equipments().size(), 2);
    QCOMPARE(info->Equipments().at(1).field(SystemRecord::Type), QStringLiteral("KLN-PX(A)"));
}

void TestSystemInfo::unusableFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("wrong root") << QByteArray("<Settings><commonSettings><UnitName>U</UnitName>"
                                              "</commonSettings><PersonSettings/></Settings>");
    QTest::newRow("malformed") << QByteArray("<SystemInfoSettings><commonSettings>");
}

void TestSystemInfo::unusableFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    if (!content.isEmpty())
        WriteSettings(content);
    QSystemInfo *info = QSystemInfo::GetInstance();

    QCOMPARE(info->UnitName(), QString());
    QCOMPARE(info->Province(), QString::fromUtf8("湖北省"));
    for (int slot = 0; slot < QSystemInfo::OptionSlotCount; ++slot)
        QVERIFY(IsDefault(info, slot));
    const COptionList *materials = info->OptionList(QSystemInfo::PipeMaterial);
    QCOMPARE(materials->count(), 15);
    QCOMPARE(materials->itemAt(14), QStringLiteral("UnKnow"));
    QCOMPARE(materials->selectedIndex(), 0);
    QCOMPARE(info->Persons().size(), 1);
    QCOMPARE(info->Persons().at(0).name(), QStringLiteral("Alden Marsh"));
    QCOMPARE(info->Equipments().size(), 2);

    // A later failed load keeps what is in memory.
    info->SetUnitName(QStringLiteral("kept"));
    QVERIFY(!info->LoadSystemInfo());
    QCOMPARE(info->UnitName(), QStringLiteral("kept"));
}

void TestSystemInfo::saveLoadRoundTrip()
{
    const QString road = QString::fromUtf8("人民路'东段 \"3\" <&>");
    QSystemInfo *info = QSystemInfo::GetInstance();
    info->SetUnitName(road);
    info->SetUnitSite(QString::fromUtf8("武汉市洪山区"));
    info->SetPostCode(QStringLiteral("430000"));
    info->SetReporters(QStringLiteral("O'Brien"));
    info->SetStandard(QString());

    COptionList *wells = info->OptionList(QSystemInfo::InspectionWellMaterial);
    QVERIFY(wells->append(QString::fromUtf8("砖'石")));
    wells->select(2);
    COptionList *shapes = info->OptionList(QSystemInfo::InterfaceShape);
    shapes->select(0);
    QVERIFY(shapes->removeSelected());

    info->Persons().append(SystemRecord(QString::fromUtf8("张三"), QStringLiteral("Lead"),
                                        QStringLiteral("7"), QStringLiteral("4201"),
                                        QStringLiteral("027-1234")));
    info->Equipments().removeFirst();
    info->Equipments()[0].setField(SystemRecord::Manufacturers, QString::fromUtf8("达尔'美"));

    const QStringList wellItems = wells->items();
    const QStringList shapeItems = shapes->items();
    const QList<SystemRecord> persons = info->Persons();
    const QList<SystemRecord> equipments = info->Equipments();
    QVERIFY(info->SaveSystemInfo());

    QFile file(m_fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
    QVERIFY(text.contains(QStringLiteral("<InspectionWellMaterial SelectedIndex=\"2\">")));
    QVERIFY(text.contains(QString::fromUtf8("<Name>张三</Name>")));

    QSystemInfo::ReleaseInstance();
    info = QSystemInfo::GetInstance();
    QCOMPARE(info->UnitName(), road);
    QCOMPARE(info->UnitSite(), QString::fromUtf8("武汉市洪山区"));
    QCOMPARE(info->PostCode(), QStringLiteral("430000"));
    QCOMPARE(info->Reporters(), QStringLiteral("O'Brien"));
    QCOMPARE(info->Standard(), QString());
    QCOMPARE(info->ReportTemplate(), QString::fromUtf8("国家建设部标准报告模板"));

    // The catch-all stays last through the stored text.
    QCOMPARE(wellItems.last(), QStringLiteral("UnKnow"));
    QCOMPARE(info->OptionList(QSystemInfo::InspectionWellMaterial)->items(), wellItems);
    QCOMPARE(info->OptionList(QSystemInfo::InspectionWellMaterial)->selectedIndex(), 2);
    QCOMPARE(info->OptionList(QSystemInfo::InterfaceShape)->items(), shapeItems);
    for (int slot : {0, 4, 8, 10})
        QVERIFY(IsDefault(info, slot));
    QCOMPARE(info->Persons(), persons);
    QCOMPARE(info->Equipments(), equipments);
}

void TestSystemInfo::translationChangeKeepsValues_data()
{
    QTest::addColumn<bool>("translatedWhenSaved");
    QTest::addColumn<bool>("translatedWhenLoaded");
    QTest::newRow("translation added") << false << true;
    QTest::newRow("translation removed") << true << false;
    QTest::newRow("same translation") << true << true;
}

// Tags, file name and option names do not depend on the translation in force.
void TestSystemInfo::translationChangeKeepsValues()
{
    QFETCH(bool, translatedWhenSaved);
    QFETCH(bool, translatedWhenLoaded);
    {
        std::unique_ptr<TagTranslator> translator;
        if (translatedWhenSaved)
            translator = std::make_unique<TagTranslator>();
        QSystemInfo *info = QSystemInfo::GetInstance();
        info->SetInstitutionCode(QStringLiteral("C-1"));
        QVERIFY(info->OptionList(QSystemInfo::TestType)->append(QStringLiteral("Drone")));
        info->Persons() = {SystemRecord(QStringLiteral("Li"), QString(), QString(), QString(),
                                        QStringLiteral("027"))};
        info->Equipments()[0].setField(SystemRecord::Manufacturers, QStringLiteral("Maker"));
        QVERIFY(info->SaveSystemInfo());
        QSystemInfo::ReleaseInstance();
    }
    std::unique_ptr<TagTranslator> translator;
    if (translatedWhenLoaded)
        translator = std::make_unique<TagTranslator>();
    QSystemInfo *info = QSystemInfo::GetInstance();
    QCOMPARE(QFileInfo(info->FileName()).fileName(), m_fileName);
    QCOMPARE(info->InstitutionCode(), QStringLiteral("C-1"));
    const COptionList *testTypes = info->OptionList(QSystemInfo::TestType);
    QVERIFY(testTypes->contains(QStringLiteral("Drone")));
    // Shown under the name of the translation in force.
    QCOMPARE(testTypes->name(), info->DefaultOptionList(QSystemInfo::TestType).name());
    QCOMPARE(info->Persons().size(), 1);
    QCOMPARE(info->Persons().at(0).field(SystemRecord::TelNo), QStringLiteral("027"));
    QCOMPARE(info->Equipments().at(0).field(SystemRecord::Manufacturers), QStringLiteral("Maker"));
}

// A file whose tags were written translated is read under the translation it was written
// with, and the next save stores the values under the fixed tags.
void TestSystemInfo::fileWithTranslatedTagsIsRead()
{
    WriteSettings(QStringLiteral("<SystemInfoSettings>"
                                 "<commonSettings><机构代码>C-1</机构代码></commonSettings>"
                                 "<OptionSettings><检测类型 SelectedIndex=\"1\"><选项>A;B</选项>"
                                 "</检测类型></OptionSettings>"
                                 "<PersonSettings><人员><名称>Li</名称><电话>027</电话></人员>"
                                 "</PersonSettings></SystemInfoSettings>")
                      .toUtf8());
    const auto checkValues = [](QSystemInfo *info) {
        QCOMPARE(info->InstitutionCode(), QStringLiteral("C-1"));
        QCOMPARE(info->OptionList(QSystemInfo::TestType)->items(), (QStringList{"A", "B"}));
        QCOMPARE(info->OptionList(QSystemInfo::TestType)->selectedIndex(), 1);
        QCOMPARE(info->Persons().size(), 1);
        QCOMPARE(info->Persons().at(0).name(), QStringLiteral("Li"));
        QCOMPARE(info->Persons().at(0).field(SystemRecord::TelNo), QStringLiteral("027"));
    };
    {
        TagTranslator translator;
        QSystemInfo *info = QSystemInfo::GetInstance();
        checkValues(info);
        QCOMPARE(info->OptionList(QSystemInfo::TestType)->name(), QString::fromUtf8("检测类型"));
        QVERIFY(info->SaveSystemInfo());
        QSystemInfo::ReleaseInstance();
    }
    const QByteArray saved = [this] {
        QFile file(m_fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(saved.contains("<InstitutionCode>C-1</InstitutionCode>"));
    QVERIFY(saved.contains("<TestType SelectedIndex=\"1\">"));
    QVERIFY(saved.contains("<TelNo>027</TelNo>"));
    QSystemInfo *info = QSystemInfo::GetInstance();
    checkValues(info);
    QCOMPARE(info->OptionList(QSystemInfo::TestType)->name(), QStringLiteral("TestType"));
}

void TestSystemInfo::recordCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    const QString han = QString::fromUtf8("汉"); // three bytes in UTF-8
    const QString ascii39(39, QLatin1Char('a'));
    QTest::newRow("ascii 39") << ascii39 << ascii39;
    QTest::newRow("ascii 40") << ascii39 + "b" << ascii39;
    QTest::newRow("ascii 200") << QString(200, QLatin1Char('x')) << QString(39, QLatin1Char('x'));
    QTest::newRow("chinese 39 bytes") << han.repeated(13) << han.repeated(13);
    QTest::newRow("chinese 42 bytes") << han.repeated(14) << han.repeated(13);
    QTest::newRow("mixed 40 bytes") << "a" + han.repeated(13) << "a" + han.repeated(12);
    QTest::newRow("mixed 41 bytes") << "ab" + han.repeated(13) << "ab" + han.repeated(12);
    QTest::newRow("four-byte character")
        << QString(36, QLatin1Char('a')) + QString::fromUtf8("😀") << QString(36, QLatin1Char('a'));
    QTest::newRow("empty") << QString() << QString();
}

void TestSystemInfo::recordCut()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);

    SystemRecord record;
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        QCOMPARE(record.field(field), QString());
    record.setField(SystemRecord::CardID, text);
    QCOMPARE(record.field(SystemRecord::CardID), stored);
    QVERIFY(record.fieldBytes(SystemRecord::CardID).size() <= 39);
    // Neighbouring fields are untouched, an index outside 0-4 is ignored.
    QCOMPARE(record.field(SystemRecord::No), QString());
    QCOMPARE(record.field(SystemRecord::TelNo), QString());
    record.setField(SystemRecord::FieldCount, text);
    QCOMPARE(record.field(SystemRecord::FieldCount), QString());
}

void TestSystemInfo::findRecords()
{
    const QString longName = QString(45, QLatin1Char('n'));
    WriteSettings(QStringLiteral("<SystemInfoSettings><PersonSettings>"
                                 "<Person><Name>Li Si</Name><TelNo>1</TelNo></Person>"
                                 "<Person><Name>Li Si</Name><TelNo>2</TelNo></Person>"
                                 "<Anyone><Name>%1</Name></Anyone>"
                                 "</PersonSettings></SystemInfoSettings>")
                      .arg(longName)
                      .toUtf8());
    QSystemInfo *info = QSystemInfo::GetInstance();
    QCOMPARE(info->Persons().size(), 3);

    const SystemRecord *first = info->FindPerson(QStringLiteral("Li Si"));
    QVERIFY(first);
    QCOMPARE(first->field(SystemRecord::TelNo), QStringLiteral("1"));
    QCOMPARE(first, &info->Persons().at(0));
    QVERIFY(!info->FindPerson(QString()));
    QVERIFY(!info->FindPerson(QStringLiteral("Wang Wu")));
    // A name is stored cut, and found by its stored form.
    QVERIFY(!info->FindPerson(longName));
    QVERIFY(info->FindPerson(longName.left(39)));

    const SystemRecord *periscope = info->FindEquipment(QStringLiteral("Pipeline periscope"));
    QVERIFY(periscope);
    QCOMPARE(periscope, &info->Equipments().at(1));
    QVERIFY(!info->FindEquipment(QString()));
}

QTEST_GUILESS_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
