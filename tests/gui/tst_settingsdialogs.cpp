// The system settings dialogs: OK saves every tab and Cancel none, option-list editing, the record
// grid with its two-press delete, the record dialog's validation, and the map centre of the
// division selectors.
#include <memory>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/common/appdatadir.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/guiresources.h"
#include "gui/dialogs/qdlgaddelement.h"
#include "gui/dialogs/qdlgsystemsettings.h"
#include "gui/dialogs/qimgtableview.h"
#include "gui/dialogs/qpagecommonsettings.h"
#include "gui/dialogs/qpageoptionsettings.h"
#include "gui/dialogs/qpagepersonequipment.h"
#include "gui/dialogs/qpicturetextwinbox.h"
#include "support/guitestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kUnknown = QStringLiteral("Unknow");

COptionList ListOf(const QStringList &items)
{
    COptionList list(QStringLiteral("Test"));
    for (const QString &item : items)
        list.append(item);
    return list;
}

QStringList Shown(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// The reason the option page shows for a refused text ("<none>" without a reason label).
QString ReasonShown(const QPageOptionSettings &page)
{
    const auto *label = page.findChild<QLabel *>(QStringLiteral("optionReason"));
    return label ? label->text() : QStringLiteral("<none>");
}

void ClickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QList<SystemRecord> Persons(const QStringList &names)
{
    QList<SystemRecord> records;
    for (const QString &name : names)
        records << SystemRecord(name, QString(), QStringLiteral("Operator"), QStringLiteral("C1"),
                                QString());
    return records;
}

QStringList Names(const QList<SystemRecord> &records)
{
    QStringList names;
    for (const SystemRecord &record : records)
        names << record.name();
    return names;
}
} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void okSavesEveryTab_data();
    void okSavesEveryTab();
    void cancelSavesNothing_data();
    void cancelSavesNothing();
    void failedSaveKeepsDialogOpen();
    void optionListEditing_data();
    void optionListEditing();
    void optionAddKeepsTypedText_data();
    void optionAddKeepsTypedText();
    void optionAddRefusedWhenFull();
    void optionNameShowsItsList();
    void divisionWritesMapCenter_data();
    void divisionWritesMapCenter();
    void openingKeepsStoredCommonSettings();
    void recordValidation_data();
    void recordValidation();
    void recordFieldsCutTo39Bytes();
    void twoPressDelete();
    void doubleClickAddsAndEdits();
    void dialogFitsTheDesktop();

private:
    QSystemInfo *Store() const { return QSystemInfo::GetInstance(); }
    QString WriteCityJson() const;
    static void EditEveryTab(QDlgSystemSettings &dialog);
    // Chooses the option list, then runs "click N", "type TEXT", "add", "sure", "delete",
    // "up" and "down" on the page.
    void RunOptionSteps(QPageOptionSettings &page, int slot, const QStringList &steps);

    QTemporaryDir m_dir;
};

void TestSettingsDialogs::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    Resources::InitGuiResources();
    QVERIFY(m_dir.isValid());
    DataFolder::SetAppDataDir(m_dir.path());
}

void TestSettingsDialogs::init()
{
    QSystemInfo::ReleaseInstance();
    QFile::remove(Store()->FileName());
    QSystemInfo::ReleaseInstance();
}

void TestSettingsDialogs::cleanup()
{
    QSystemInfo::ReleaseInstance();
    TQ_VERIFY_NO_WARNINGS();
}

void TestSettingsDialogs::okSavesEveryTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("common") << int(QDlgSystemSettings::CommonTab);
    QTest::newRow("option") << int(QDlgSystemSettings::OptionTab);
    QTest::newRow("person") << int(QDlgSystemSettings::PersonTab);
    QTest::newRow("equipment") << int(QDlgSystemSettings::EquipmentTab);
}

// Edits on every tab, OK on one: the file holds the edits of all tabs.
void TestSettingsDialogs::okSavesEveryTab()
{
    QFETCH(int, tab);
    const QStringList equipmentBefore = Names(Store()->Equipments());
    QCOMPARE(equipmentBefore.size(), 2);
    QVERIFY(!Store()->Persons().isEmpty());

    QDlgSystemSettings dialog;
    EditEveryTab(dialog);
    QComboBox *provinces = dialog.CommonPage()->ProvinceBox();
    QVERIFY(provinces->count() > 1);
    provinces->setCurrentIndex(provinces->currentIndex() == 0 ? 1 : 0);
    const QString province = provinces->currentText();
    dialog.Tabs()->setCurrentIndex(tab);
    dialog.OKButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    QSystemInfo::ReleaseInstance(); // read back what was written
    QVERIFY(QFile::exists(Store()->FileName()));
    QCOMPARE(Store()->UnitName(), QStringLiteral("Acme"));
    QCOMPARE(Store()->Province(), province);
    QCOMPARE(Names(Store()->Persons()), QStringList());
    QCOMPARE(Names(Store()->Equipments()), QStringList(equipmentBefore.mid(0, 1)));
    QVERIFY(Store()->OptionList(0)->contains(QStringLiteral("Others2")));
}

// Cancel, the Escape key or closing the window: no tab's edits are saved or kept in memory.
void TestSettingsDialogs::cancelSavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel button") << "cancel";
    QTest::newRow("escape") << "escape";
}

void TestSettingsDialogs::cancelSavesNothing()
{
    QFETCH(QString, how);
    const QStringList optionsBefore = Store()->OptionList(0)->items();
    const int selectedBefore = Store()->OptionList(0)->selectedIndex();
    const QStringList personsBefore = Names(Store()->Persons());
    {
        QDlgSystemSettings dialog;
        dialog.Tabs()->setCurrentIndex(QDlgSystemSettings::OptionTab);
        EditEveryTab(dialog);
        if (how == QLatin1String("cancel"))
            dialog.CancelButton()->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(!QFile::exists(Store()->FileName()));
    QCOMPARE(Store()->OptionList(0)->items(), optionsBefore);
    QCOMPARE(Store()->OptionList(0)->selectedIndex(), selectedBefore);
    QVERIFY(Store()->UnitName().isEmpty());
    QCOMPARE(Names(Store()->Persons()), personsBefore);
    // Nothing of the dialog comes back with a later save either.
    QVERIFY(Store()->SaveSystemInfo());
    QSystemInfo::ReleaseInstance();
    QCOMPARE(Store()->OptionList(0)->items(), optionsBefore);
}

// A folder that cannot be created (below a file): the user is told and can retry or cancel.
void TestSettingsDialogs::failedSaveKeepsDialogOpen()
{
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataFolder::SetAppDataDir(blocker.fileName());
    QSystemInfo::ReleaseInstance();
    TestSupport::RecordingPrompt prompt;
    QDlgSystemSettings dialog;
    dialog.show();
    dialog.OKButton()->click();
    DataFolder::SetAppDataDir(m_dir.path());
    QCOMPARE(prompt.Texts().size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestSettingsDialogs::EditEveryTab(QDlgSystemSettings &dialog)
{
    dialog.CommonPage()->FieldEdit(QPageCommonSettings::UnitName)->setText(QStringLiteral("Acme"));
    dialog.PersonPage()->on_slot_DeleteRequested(1);
    dialog.EquipmentPage()->on_slot_DeleteRequested(2);
    QPageOptionSettings *options = dialog.OptionPage();
    options->on_btn_add_clicked();
    options->ContentEdit()->setText(QStringLiteral("Others2"));
    options->on_btn_sure_clicked();
}

void TestSettingsDialogs::optionListEditing_data()
{
    // Steps: "click N" (an item), "add", "type TEXT", "sure", "delete", "up", "down".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedSelected");
    const QString u = kUnknown;
    QTest::newRow("add goes before Unknow")
        << QStringList{"add", "type Clay", "sure"} << QStringList{"Brick", "Stone", "Clay", u} << 0;
    QTest::newRow("add without clicking appends")
        << QStringList{"type Clay", "sure"} << QStringList{"Brick", "Stone", "Clay", u} << 0;
    QTest::newRow("add existing refused")
        << QStringList{"add", "type Stone", "sure"} << QStringList{"Brick", "Stone", u} << 0;
    QTest::newRow("empty text ignored")
        << QStringList{"click 1", "type ", "sure"} << QStringList{"Brick", "Stone", u} << 1;
    QTest::newRow("replace clicked item")
        << QStringList{"click 1", "type Clay", "sure"} << QStringList{"Brick", "Clay", u} << 1;
    QTest::newRow("replace with existing refused")
        << QStringList{"click 1", "type Brick", "sure"} << QStringList{"Brick", "Stone", u} << 1;
    QTest::newRow("add after click appends") << QStringList{"click 0", "add", "type Clay", "sure"}
                                             << QStringList{"Brick", "Stone", "Clay", u} << 0;
    QTest::newRow("delete clicked")
        << QStringList{"click 1", "delete"} << QStringList{"Brick", u} << 1;
    QTest::newRow("delete last moves selection up")
        << QStringList{"click 2", "delete"} << QStringList{"Brick", "Stone"} << 1;
    QTest::newRow("up") << QStringList{"click 1", "up"} << QStringList{"Stone", "Brick", u} << 0;
    QTest::newRow("up at top refused")
        << QStringList{"click 0", "up"} << QStringList{"Brick", "Stone", u} << 0;
    QTest::newRow("down") << QStringList{"click 0", "down"} << QStringList{"Stone", "Brick", u}
                          << 1;
    QTest::newRow("down at bottom refused")
        << QStringList{"click 2", "down"} << QStringList{"Brick", "Stone", u} << 2;
}

void TestSettingsDialogs::optionListEditing()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedSelected);
    const int slot = QSystemInfo::InspectionWellMaterial;
    *Store()->OptionList(slot) = ListOf({"Brick", "Stone", kUnknown});

    QPageOptionSettings page;
    page.resize(700, 450);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    RunOptionSteps(page, slot, steps);
    const COptionList *list = Store()->OptionList(slot);
    QCOMPARE(list->items(), expected);
    QCOMPARE(list->selectedIndex(), expectedSelected);
    QCOMPARE(Shown(page.ContentList()), expected);
    QCOMPARE(page.ContentList()->currentRow(), expectedSelected);
}

void TestSettingsDialogs::RunOptionSteps(QPageOptionSettings &page, int slot,
                                         const QStringList &steps)
{
    ClickRow(page.NameList(), slot);
    QCOMPARE(page.CurrentSlot(), slot);
    for (const QString &step : steps) {
        const QString command = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = step.section(QLatin1Char(' '), 1);
        if (command == QLatin1String("click"))
            ClickRow(page.ContentList(), argument.toInt());
        else if (command == QLatin1String("type"))
            page.ContentEdit()->setText(argument);
        else if (command == QLatin1String("add"))
            page.on_btn_add_clicked();
        else if (command == QLatin1String("sure"))
            page.on_btn_sure_clicked();
        else if (command == QLatin1String("delete"))
            page.on_btn_delete_clicked();
        else if (command == QLatin1String("up"))
            page.on_btn_up_clicked();
        else if (command == QLatin1String("down"))
            page.on_btn_down_clicked();
        else
            QFAIL(qPrintable(step));
    }
}

void TestSettingsDialogs::optionAddKeepsTypedText_data()
{
    // Steps as in optionListEditing; then the list, the field and a part of the reason shown.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");
    const QString u = kUnknown;
    const QStringList before = {"Brick", "Stone", u};
    QTest::newRow("typed, then Add")
        << QStringList{"type Clay", "add"} << QStringList{"Brick", "Stone", "Clay", u} << ""
        << "";
    QTest::newRow("typed after Add, then Add again")
        << QStringList{"add", "type Clay", "add"} << QStringList{"Brick", "Stone", "Clay", u} << ""
        << "";
    QTest::newRow("existing text kept with the reason")
        << QStringList{"type Stone", "add"} << before << "Stone"
        << "already in the list";
    QTest::newRow("clicked item, then Add starts a new entry")
        << QStringList{"click 1", "add"} << before << ""
        << "";
    QTest::newRow("clicked item changed, then Add")
        << QStringList{"click 1", "type Clay", "add"} << QStringList{"Brick", "Stone", "Clay", u}
        << ""
        << "";
    QTest::newRow("Confirm of an existing text says why")
        << QStringList{"add", "type Brick", "sure"} << before << "Brick"
        << "already in the list";
    QTest::newRow("reason cleared by the next text")
        << QStringList{"type Stone", "add", "type Clay", "add"}
        << QStringList{"Brick", "Stone", "Clay", u} << ""
        << "";
}

void TestSettingsDialogs::optionAddKeepsTypedText()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, reason);
    const int slot = QSystemInfo::InspectionWellMaterial;
    *Store()->OptionList(slot) = ListOf({"Brick", "Stone", kUnknown});
    QPageOptionSettings page;
    RunOptionSteps(page, slot, steps);
    QTEST(Store()->OptionList(slot)->items(), "expected");
    QTEST(page.ContentEdit()->text(), "field");
    const QString shown = ReasonShown(page);
    QVERIFY2(reason.isEmpty() ? shown.isEmpty() : shown.contains(reason), qPrintable(shown));
}

void TestSettingsDialogs::optionAddRefusedWhenFull()
{
    // A full list would give up its first entry; the new text waits in the field instead.
    const int slot = QSystemInfo::InspectionWellMaterial;
    QStringList items;
    for (int i = 0; i < COptionList::MaxItems; ++i)
        items << QStringLiteral("Item %1").arg(i);
    *Store()->OptionList(slot) = ListOf(items);
    QPageOptionSettings page;
    RunOptionSteps(page, slot, {"type New", "add"});
    QCOMPARE(Store()->OptionList(slot)->items(), items);
    QCOMPARE(page.ContentEdit()->text(), QStringLiteral("New"));
    QVERIFY2(ReasonShown(page).contains(QStringLiteral("full")), qPrintable(ReasonShown(page)));
}

void TestSettingsDialogs::optionNameShowsItsList()
{
    QPageOptionSettings page;
    page.resize(700, 450);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.NameList()->count(), int(QSystemInfo::OptionSlotCount));
    QCOMPARE(Shown(page.ContentList()), Store()->OptionList(0)->items());
    ClickRow(page.NameList(), QSystemInfo::PipeMaterial);
    QCOMPARE(page.NameList()->item(QSystemInfo::PipeMaterial)->text(),
             Store()->OptionList(QSystemInfo::PipeMaterial)->name());
    QCOMPARE(Shown(page.ContentList()), Store()->OptionList(QSystemInfo::PipeMaterial)->items());
    ClickRow(page.ContentList(), 3);
    QCOMPARE(page.ContentEdit()->text(), Store()->OptionList(QSystemInfo::PipeMaterial)->itemAt(3));
}

QString TestSettingsDialogs::WriteCityJson() const
{
    const QString path = m_dir.filePath(QStringLiteral("city.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(R"({"children":[
        {"name":"North","level":"province","center":[110.5,35.25],"children":[
            {"name":"Harbour","level":"city","center":[111,36],"children":[
                {"name":"Old Town","level":"district","center":[111.1234567,36.7654321]},
                {"name":"New Town","level":"district"}]},
            {"name":"Hills","level":"city"}]},
        {"name":"South","level":"province","children":[]}]})");
    return path;
}

void TestSettingsDialogs::divisionWritesMapCenter_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("district");
    QTest::addColumn<QStringList>("cities");
    QTest::addColumn<QString>("shownDistrict");
    QTest::addColumn<QString>("center");
    const QStringList north{"Harbour", "Hills"};
    const QString oldTown = QStringLiteral("111.123457,36.765432");
    const QString fallback = QStringLiteral("116.368324,39.915085");
    // A province or city shows its first district; the centre is that district's.
    QTest::newRow("province") << "North"
                              << ""
                              << "" << north << "Old Town" << oldTown;
    QTest::newRow("province without cities") << "South"
                                             << ""
                                             << "" << QStringList() << "" << fallback;
    QTest::newRow("city") << "North"
                          << "Harbour"
                          << "" << north << "Old Town" << oldTown;
    QTest::newRow("city without districts") << "North"
                                            << "Hills"
                                            << "" << north << "" << fallback;
    QTest::newRow("district") << "North"
                              << "Harbour"
                              << "Old Town" << north << "Old Town" << oldTown;
    QTest::newRow("district without centre") << "North"
                                             << "Harbour"
                                             << "New Town" << north << "New Town" << fallback;
}

void TestSettingsDialogs::divisionWritesMapCenter()
{
    QFETCH(QString, province);
    QFETCH(QString, city);
    QFETCH(QString, district);
    QFETCH(QStringList, cities);
    QFETCH(QString, shownDistrict);
    QFETCH(QString, center);
    const QString path = WriteCityJson();
    QVERIFY(!path.isEmpty());
    QPageCommonSettings page(nullptr, path);
    QLineEdit *origin = page.FieldEdit(QPageCommonSettings::OriginPosition);

    page.ProvinceBox()->setCurrentText(province);
    QCOMPARE(page.ProvinceBox()->currentText(), province);
    QStringList shownCities;
    for (int row = 0; row < page.CityBox()->count(); ++row)
        shownCities << page.CityBox()->itemText(row);
    QCOMPARE(shownCities, cities);
    if (!city.isEmpty()) {
        // Choose another city first so that the wanted one is a change.
        page.CityBox()->setCurrentIndex(-1);
        page.CityBox()->setCurrentText(city);
    }
    if (!district.isEmpty()) {
        page.DistrictBox()->setCurrentIndex(-1);
        page.DistrictBox()->setCurrentText(district);
    }
    QCOMPARE(page.DistrictBox()->currentText(), shownDistrict);
    QCOMPARE(origin->text(), center);

    // The stored centre belongs to the stored district.
    page.Commit();
    QCOMPARE(Store()->Province(), province);
    QCOMPARE(Store()->District(), shownDistrict);
    QCOMPARE(Store()->OriginPosition(), center);
}

// The stored names and centre survive opening, even when the city data lacks the names.
void TestSettingsDialogs::openingKeepsStoredCommonSettings()
{
    Store()->SetOriginPosition(QStringLiteral("1.5,2.5"));
    Store()->SetProvince(QStringLiteral("North"));
    Store()->SetCity(QStringLiteral("Hills"));
    Store()->SetDistrict(QStringLiteral("Nowhere"));
    Store()->SetStandard(QStringLiteral("Local standard"));
    Store()->SetReporters(QStringLiteral("R. Writer"));
    QPageCommonSettings page(nullptr, WriteCityJson());
    QCOMPARE(page.FieldEdit(QPageCommonSettings::OriginPosition)->text(),
             QStringLiteral("1.5,2.5"));
    QCOMPARE(page.FieldEdit(QPageCommonSettings::Reporters)->text(), QStringLiteral("R. Writer"));
    QCOMPARE(page.ProvinceBox()->currentText(), QStringLiteral("North"));
    QCOMPARE(page.CityBox()->currentText(), QStringLiteral("Hills"));
    QCOMPARE(page.DistrictBox()->currentText(), QStringLiteral("Nowhere"));
    QCOMPARE(page.StandardBox()->currentIndex(), 0);
    QCOMPARE(page.StandardBox()->currentText(), QStringLiteral("Local standard"));

    page.Commit();
    QCOMPARE(Store()->OriginPosition(), QStringLiteral("1.5,2.5"));
    QCOMPARE(Store()->City(), QStringLiteral("Hills"));
    QCOMPARE(Store()->District(), QStringLiteral("Nowhere"));
    QCOMPARE(Store()->Standard(), QStringLiteral("Local standard"));
}

void TestSettingsDialogs::recordValidation_data()
{
    QTest::addColumn<bool>("equipment");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QList<int>>("invalid");
    QTest::newRow("person complete")
        << false << QStringList{"Ann", "", "Lead", "C9", ""} << QList<int>();
    QTest::newRow("person without name")
        << false << QStringList{"", "T", "Lead", "C9", "1"} << QList<int>{SystemRecord::Name};
    QTest::newRow("person empty") << false << QStringList{"", "", "", "", ""}
                                  << QList<int>{SystemRecord::Name, SystemRecord::No,
                                                SystemRecord::CardID};
    QTest::newRow("equipment without name")
        << true << QStringList{"", "", "N1", "C1", ""} << QList<int>();
    QTest::newRow("equipment without numbers")
        << true << QStringList{"Robot", "T", "", "", "M"}
        << QList<int>{SystemRecord::No, SystemRecord::CardID};
}

void TestSettingsDialogs::recordValidation()
{
    QFETCH(bool, equipment);
    QFETCH(QStringList, fields);
    QFETCH(QList<int>, invalid);
    QDlgAddElement dialog(equipment, SystemRecord());
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        dialog.FieldEdit(field)->setText(fields.at(field));
    dialog.on_btn_OK_clicked();
    QCOMPARE(dialog.result(), int(invalid.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        QCOMPARE(dialog.FieldEdit(field)->styleSheet(), invalid.contains(field)
                                                            ? QDlgAddElement::InvalidStyle()
                                                            : QDlgAddElement::ValidStyle());
    if (!invalid.isEmpty()) {
        QCOMPARE(dialog.Record(), SystemRecord());
        return;
    }
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        QCOMPARE(dialog.Record().field(field), fields.at(field));
}

void TestSettingsDialogs::recordFieldsCutTo39Bytes()
{
    const QString longText(50, QLatin1Char('x'));
    QDlgAddElement dialog(false, SystemRecord());
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        dialog.FieldEdit(field)->setText(longText);
    dialog.on_btn_OK_clicked();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    for (int field = 0; field < SystemRecord::FieldCount; ++field)
        QCOMPARE(dialog.Record().field(field), QString(39, QLatin1Char('x')));
}

void TestSettingsDialogs::twoPressDelete()
{
    Store()->Persons() = Persons({"Ann", "Bob"});
    QPagePersonEquipment page(false);
    page.resize(700, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QImgTableView *view = page.GridView();
    QCOMPARE(view->CellCount(), 3);
    QVERIFY(view->ColumnsShown() >= 2);

    // The add cell never shows the delete picture.
    QPictureTextWinBox *add = view->CellBox(0);
    QTest::mouseClick(add, Qt::LeftButton, {}, add->PictureRect().center());
    QTest::mouseClick(add, Qt::LeftButton, {}, add->PictureRect().center());
    QVERIFY(!add->IsDeleteShown());

    QPictureTextWinBox *ann = view->CellBox(1);
    QCOMPARE(ann->Title(), QStringLiteral("Ann"));
    QCOMPARE(ann->Text(), QStringLiteral("Job:Operator"));
    const QPoint outside(ann->width() - 3, ann->height() / 2);
    QVERIFY(!ann->PictureRect().contains(outside));
    QTest::mouseClick(ann, Qt::LeftButton, {}, ann->PictureRect().center());
    QVERIFY(ann->IsDeleteShown());
    QTest::mouseClick(ann, Qt::LeftButton, {}, outside); // a press elsewhere switches back
    QVERIFY(!ann->IsDeleteShown());
    QTest::mouseClick(ann, Qt::LeftButton, {}, outside);
    QVERIFY(ann->IsDeleteShown());
    QTest::mouseClick(ann, Qt::LeftButton, {}, ann->PictureRect().center());
    QTRY_COMPARE(view->CellCount(), 2);
    QCOMPARE(Names(page.Records()), QStringList{"Bob"});
    QCOMPARE(view->CellBox(1)->Title(), QStringLiteral("Bob"));
    QCOMPARE(Names(Store()->Persons()), QStringList({"Ann", "Bob"}));
    page.Commit();
    QCOMPARE(Names(Store()->Persons()), QStringList{"Bob"});
}

void TestSettingsDialogs::doubleClickAddsAndEdits()
{
    QPagePersonEquipment page(true);
    page.resize(700, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QImgTableView *view = page.GridView();
    QCOMPARE(view->CellCount(), 3);

    QString prefilled;
    GuiTest::WhenShown([](QWidget *w) { return qobject_cast<QDlgAddElement *>(w) != nullptr; },
                       [&prefilled](QWidget *w) {
                           auto *dialog = static_cast<QDlgAddElement *>(w);
                           prefilled = dialog->FieldEdit(SystemRecord::Manufacturers)->text();
                           dialog->FieldEdit(SystemRecord::Type)->setText(QStringLiteral("T9"));
                           dialog->FieldEdit(SystemRecord::No)->setText(QStringLiteral("N9"));
                           dialog->FieldEdit(SystemRecord::CardID)->setText(QStringLiteral("C9"));
                           dialog->on_btn_OK_clicked();
                           if (dialog->isVisible()) // refused: do not hang the test
                               dialog->reject();
                       });
    QTest::mouseDClick(view->CellBox(0), Qt::LeftButton);
    QTRY_COMPARE(view->CellCount(), 4);
    QCOMPARE(prefilled, QStringLiteral("DalmeRon"));
    const SystemRecord added = page.Records().last();
    QCOMPARE(added.name(), QString());
    QCOMPARE(added.field(SystemRecord::Manufacturers), QStringLiteral("DalmeRon"));
    QCOMPARE(view->CellBox(3)->Text(), QStringLiteral("Type:T9"));

    // Editing the first record replaces it in place.
    GuiTest::WhenShown(
        [](QWidget *w) { return qobject_cast<QDlgAddElement *>(w) != nullptr; },
        [](QWidget *w) {
            auto *dialog = static_cast<QDlgAddElement *>(w);
            dialog->FieldEdit(SystemRecord::Name)->setText(QStringLiteral("Crawler"));
            dialog->on_btn_OK_clicked();
            if (dialog->isVisible())
                dialog->reject();
        });
    QTest::mouseDClick(view->CellBox(1), Qt::LeftButton);
    QTRY_COMPARE(page.Records().first().name(), QStringLiteral("Crawler"));
    QCOMPARE(page.Records().size(), 3);
    QCOMPARE(view->CellBox(1)->Title(), QStringLiteral("Crawler"));
    QVERIFY(!view->CellBox(1)->IsDeleteShown());
}

// Never larger than the desktop allows, and every tab's layout fits in what is left.
void TestSettingsDialogs::dialogFitsTheDesktop()
{
    QDlgSystemSettings dialog;
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(dialog.width() <= desktop.width() * 95 / 100);
    QVERIFY(dialog.height() <= desktop.height() * 95 / 100);
    QVERIFY(qAbs(dialog.geometry().center().x() - desktop.center().x()) <= 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int tab = 0; tab < dialog.Tabs()->count(); ++tab) {
        QWidget *page = dialog.Tabs()->widget(tab);
        const QSize needed = page->minimumSizeHint();
        dialog.Tabs()->setCurrentIndex(tab);
        QVERIFY2(needed.width() <= page->width() && needed.height() <= page->height(),
                 qPrintable(QStringLiteral("tab %1 needs %2x%3, has %4x%5")
                                .arg(tab)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(page->width())
                                .arg(page->height())));
    }
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
