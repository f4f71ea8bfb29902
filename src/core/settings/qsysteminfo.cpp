#include "core/settings/qsysteminfo.h"

#include <algorithm>

#include <QDir>
#include <QDomDocument>
#include <QDomElement>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

namespace {
QSystemInfo *g_instance = nullptr; // GUI thread only

const QString kRootTag = QStringLiteral("SystemInfoSettings");
const QString kCommonTag = QStringLiteral("commonSettings");
const QString kOptionTag = QStringLiteral("OptionSettings");
const QString kPersonTag = QStringLiteral("PersonSettings");
const QString kEquipmentTag = QStringLiteral("EquipmentSettings");
const QString kSelectedAttribute = QStringLiteral("SelectedIndex");
const QString kItemSeparator = QStringLiteral(";");
const char kItemsTag[] = QT_TRANSLATE_NOOP("QSystemInfo", "Items");

// Tags are written untranslated, so that neither the language nor a changed translation
// loses a value. Files of earlier versions wrote the translated tag: read as a fallback.
bool ReadTaggedText(const QDomElement &parent, const char *tag, QString &value)
{
    const QString fixed = QString::fromLatin1(tag);
    if (XmlFile::ReadXmlText(parent, fixed, value))
        return true;
    const QString translated = QSystemInfo::tr(tag);
    return translated != fixed && XmlFile::ReadXmlText(parent, translated, value);
}
} // namespace

struct QSystemInfo::OptionDefaults
{
    const char *key;
    const char *items[16]; // null-terminated
};

QSystemInfo *QSystemInfo::GetInstance()
{
    if (!g_instance)
        g_instance = new QSystemInfo;
    return g_instance;
}

void QSystemInfo::ReleaseInstance()
{
    delete g_instance;
    g_instance = nullptr;
}

QSystemInfo::QSystemInfo()
{
    m_strFileName = DataFolder::AppDataDir() + CLanguageSettings::GetInstance()->LanguageFileName(
                                                   QStringLiteral("/KLN_TQ420_Settings.xml"));
    for (int slot = 0; slot < OptionSlotCount; ++slot) {
        const char *key = DefaultsOf(slot).key;
        m_slotOfKey.insert(QString::fromLatin1(key), slot);
        m_slotOfKey.insert(tr(key), slot);
    }
    if (LoadSystemInfo())
        return;
    SetCommonDefaults();
    for (int slot = 0; slot < OptionSlotCount; ++slot)
        m_optionLists[size_t(slot)] = DefaultOptionList(slot);
    SetDefaultPersons();
    SetDefaultEquipments();
}

const std::array<QSystemInfo::CommonField, 13> &QSystemInfo::CommonFields()
{
    // File order of the common settings.
    static const std::array<CommonField, 13> fields = {{
        {QT_TR_NOOP("InstitutionCode"), &QSystemInfo::m_strInstitutionCode},
        {QT_TR_NOOP("UnitName"), &QSystemInfo::m_strUnitName},
        {QT_TR_NOOP("UnitSite"), &QSystemInfo::m_strUnitSite},
        {QT_TR_NOOP("ContactNumber"), &QSystemInfo::m_strContactNumber},
        {QT_TR_NOOP("PostCode"), &QSystemInfo::m_strPostCode},
        {QT_TR_NOOP("Contacts"), &QSystemInfo::m_strContacts},
        {QT_TR_NOOP("Reporters"), &QSystemInfo::m_strReporters},
        {QT_TR_NOOP("OriginPosition"), &QSystemInfo::m_strOriginPosition},
        {QT_TR_NOOP("Standard"), &QSystemInfo::m_strStandard},
        {QT_TR_NOOP("ReportTemplate"), &QSystemInfo::m_strReportTemplate},
        {QT_TR_NOOP("Province"), &QSystemInfo::m_strProvince},
        {QT_TR_NOOP("City"), &QSystemInfo::m_strCity},
        {QT_TR_NOOP("District"), &QSystemInfo::m_strDistrict},
    }};
    return fields;
}

const char *const *QSystemInfo::RecordTags(bool equipment)
{
    static const char *const personTags[SystemRecord::FieldCount] = {
        QT_TR_NOOP("Name"), QT_TR_NOOP("Type"), QT_TR_NOOP("No"), QT_TR_NOOP("CardID"),
        QT_TR_NOOP("TelNo")};
    static const char *const equipmentTags[SystemRecord::FieldCount] = {
        QT_TR_NOOP("Name"), QT_TR_NOOP("Type"), QT_TR_NOOP("No"), QT_TR_NOOP("CardID"),
        QT_TR_NOOP("Manufacturers")};
    return equipment ? equipmentTags : personTags;
}

const QSystemInfo::OptionDefaults &QSystemInfo::DefaultsOf(int slot)
{
    static const OptionDefaults defaults[OptionSlotCount] = {
        {QT_TR_NOOP("TestType"),
         {QT_TR_NOOP("RoutineWitnessTest"), QT_TR_NOOP("RoutineInspection"),
          QT_TR_NOOP("SampleInspection"), QT_TR_NOOP("DelegateInspection"), QT_TR_NOOP("Others")}},
        {QT_TR_NOOP("MoveMode"),
         {QT_TR_NOOP("ArtificialTraction"), QT_TR_NOOP("FloatingRaft"), QT_TR_NOOP("CrawlerWalk"),
          QT_TR_NOOP("Others")}},
        {QT_TR_NOOP("BlockingWay"),
         {QT_TR_NOOP("None"), QT_TR_NOOP("AirSeal"), QT_TR_NOOP("BrickPlug"),
          QT_TR_NOOP("AirBagBrickPlug"), QT_TR_NOOP("Others")}},
        {QT_TR_NOOP("CatchmentWay"),
         {QT_TR_NOOP("None"), QT_TR_NOOP("TempDrainPipe"), QT_TR_NOOP("TemporaryPumping"),
          QT_TR_NOOP("Others")}},
        {QT_TR_NOOP("HydrophobicWay"),
         {QT_TR_NOOP("WaterCannon"), QT_TR_NOOP("HighPressureDredge"), QT_TR_NOOP("Others"),
          QT_TR_NOOP("None")}},
        {QT_TR_NOOP("InspectionWellMaterial"),
         {QT_TR_NOOP("Brick"), QT_TR_NOOP("Plastics"), QT_TR_NOOP("ReinforcedConcrete"),
          QT_TR_NOOP("UnKnow")}},
        {QT_TR_NOOP("ManholeCoversMaterial"),
         {QT_TR_NOOP("CastIron"), QT_TR_NOOP("ReinforcedConcrete"), QT_TR_NOOP("Plastics"),
          QT_TR_NOOP("UnKnow")}},
        {QT_TR_NOOP("PipeType"),
         {QT_TR_NOOP("RainwaterPipeline"), QT_TR_NOOP("SeweragePipes"),
          QT_TR_NOOP("RainPollutionConfluencePipes"), QT_TR_NOOP("UnKnow")}},
        {QT_TR_NOOP("PipeMaterial"),
         {QT_TR_NOOP("GlassSteelPipe"), QT_TR_NOOP("SteelPipe"),
          QT_TR_NOOP("ReinforcedConcretePipe"), QT_TR_NOOP("HDPE Double-WallCorrugatedPipe"),
          QT_TR_NOOP("ConcretePipe"), QT_TR_NOOP("PlasticsPipe"), QT_TR_NOOP("AsbestosCementPipe"),
          QT_TR_NOOP("CeramicPipe"), QT_TR_NOOP("ClayPipe"), QT_TR_NOOP("MasonryDitch"),
          QT_TR_NOOP("CastIconPipe"), QT_TR_NOOP("Reinforced-PVCU-Pipe"),
          QT_TR_NOOP("Steel-PlasticCompositePipe"), QT_TR_NOOP("SandPipe"), QT_TR_NOOP("UnKnow")}},
        {QT_TR_NOOP("InterfaceShape"),
         {QT_TR_NOOP("Circle"), QT_TR_NOOP("Rectangle"), QT_TR_NOOP("Egg-Shaped"),
          QT_TR_NOOP("Y-Shaped")}},
        {QT_TR_NOOP("InerfaceForm"),
         {QT_TR_NOOP("RubberRingJoint"), QT_TR_NOOP("SocketRubberRingJoint"),
          QT_TR_NOOP("SleeveRubberRingJoint"), QT_TR_NOOP("ElectricalHotMeltTapeJoint"),
          QT_TR_NOOP("HeatShrinkableBeltJoint"), QT_TR_NOOP("Cast-in-placeConcreteRingJoint"),
          QT_TR_NOOP("Cast-in-placeConcreteRingFlexibilityJoint"),
          QT_TR_NOOP("SteelMeshCementMortarJoint"), QT_TR_NOOP("UnKnow")}},
    };
    return defaults[slot];
}

COptionList *QSystemInfo::OptionList(int slot)
{
    if (slot < 0 || slot >= OptionSlotCount)
        return nullptr;
    return &m_optionLists[size_t(slot)];
}

int QSystemInfo::SlotOfKey(const QString &key) const
{
    return m_slotOfKey.value(key, -1);
}

COptionList QSystemInfo::DefaultOptionList(int slot) const
{
    if (slot < 0 || slot >= OptionSlotCount)
        return COptionList();
    const OptionDefaults &defaults = DefaultsOf(slot);
    COptionList list(tr(defaults.key));
    for (const char *const *item = defaults.items; *item; ++item)
        list.append(tr(*item));
    return list;
}

void QSystemInfo::SetCommonDefaults()
{
    m_strInstitutionCode.clear();
    m_strUnitName.clear();
    m_strUnitSite.clear();
    m_strContactNumber.clear();
    m_strPostCode.clear();
    m_strContacts.clear();
    m_strReporters.clear();
    m_strOriginPosition = QStringLiteral("114.3055,30.5928");
    m_strStandard = tr("Technical Specification for Inspection and Evaluation of Urban Sewer "
                       "(CJJ 181-2012)");
    m_strReportTemplate = QString::fromUtf8("国家建设部标准报告模板");
    // Names of the bundled division data, which is Chinese only: the same in both languages.
    m_strProvince = QString::fromUtf8("湖北省");
    m_strCity = QString::fromUtf8("武汉市");
    m_strDistrict = QString::fromUtf8("洪山区");
}

void QSystemInfo::SetDefaultPersons()
{
    m_persons = {
        SystemRecord(QStringLiteral("Alden Marsh"), QString(), QString(), QString(), QString())};
}

void QSystemInfo::SetDefaultEquipments()
{
    const QString no = QStringLiteral("20188000001");
    const QString cardId = QStringLiteral("20180806001");
    m_equipments = {
        SystemRecord(tr("CCTV Pipeline robot"), tr("KLN-TQ420"), no, cardId, tr("DalmeRon")),
        SystemRecord(tr("Pipeline periscope"), tr("KLN-PX(A)"), no, cardId, tr("DalmeRon")),
    };
}

const SystemRecord *QSystemInfo::FindByName(const QList<SystemRecord> &records, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (const SystemRecord &record : records) {
        if (record.name() == name)
            return &record;
    }
    return nullptr;
}

const SystemRecord *QSystemInfo::FindPerson(const QString &name) const
{
    return FindByName(m_persons, name);
}

const SystemRecord *QSystemInfo::FindEquipment(const QString &name) const
{
    return FindByName(m_equipments, name);
}

void QSystemInfo::LoadOptionList(int slot, const QDomElement &element)
{
    QString text;
    ReadTaggedText(element, kItemsTag, text);
    if (text.isEmpty()) {
        m_optionLists[size_t(slot)] = DefaultOptionList(slot);
        return;
    }
    // A known key is shown under the translation in force.
    const QString tag = element.tagName();
    COptionList list(SlotOfKey(tag) == slot ? tr(DefaultsOf(slot).key) : tag);
    if (!text.contains(kItemSeparator)) {
        list.append(text);
    } else {
        // A part ending in the catch-all is stored without it; the catch-all goes last once,
        // also when the stored list is longer than a list holds.
        const QString unknown = COptionList::UnknownText();
        const QStringList parts = text.split(kItemSeparator);
        const bool hadUnknown = std::any_of(parts.begin(), parts.end(), [&](const QString &part) {
            return part.endsWith(unknown);
        });
        const int room = COptionList::MaxItems - (hadUnknown ? 1 : 0);
        for (const QString &part : parts) {
            if (list.count() >= room)
                break;
            list.append(part.endsWith(unknown) ? part.left(part.size() - unknown.size()) : part);
        }
        if (hadUnknown)
            list.append(unknown);
    }
    const int selected = element.attribute(kSelectedAttribute).toInt();
    list.select(selected < list.count() ? selected : 0);
    m_optionLists[size_t(slot)] = list;
}

QList<SystemRecord> QSystemInfo::ReadRecords(const QDomElement &section, bool equipment) const
{
    const char *const *tags = RecordTags(equipment);
    QList<SystemRecord> records;
    for (QDomElement element = section.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        SystemRecord record;
        for (int field = 0; field < SystemRecord::FieldCount; ++field) {
            QString text;
            if (ReadTaggedText(element, tags[field], text))
                record.setField(field, text);
        }
        records << record;
    }
    return records;
}

bool QSystemInfo::LoadSystemInfo()
{
    QDomDocument document;
    QDomElement root;
    if (!XmlFile::LoadXmlFile(m_strFileName, document, root))
        return false;
    if (root.tagName() != kRootTag) {
        TQ_LOG << "not a system settings file:" << m_strFileName << root.tagName() << "!!!";
        document.clear();
        return false;
    }

    SetCommonDefaults();
    QDomElement section;
    if (XmlFile::FindXmlElement(root, kCommonTag, section)) {
        for (const CommonField &field : CommonFields())
            ReadTaggedText(section, field.tag, this->*field.member);
    }

    int slot = 0;
    if (XmlFile::FindXmlElement(root, kOptionTag, section)) {
        for (QDomElement element = section.firstChildElement();
             !element.isNull() && slot < OptionSlotCount; element = element.nextSiblingElement())
            LoadOptionList(slot++, element);
    }
    for (; slot < OptionSlotCount; ++slot)
        m_optionLists[size_t(slot)] = DefaultOptionList(slot);

    if (XmlFile::FindXmlElement(root, kPersonTag, section))
        m_persons = ReadRecords(section, false);
    else
        SetDefaultPersons();
    if (XmlFile::FindXmlElement(root, kEquipmentTag, section))
        m_equipments = ReadRecords(section, true);
    else
        SetDefaultEquipments();

    document.clear();
    return true;
}

bool QSystemInfo::SaveSystemInfo()
{
    QDomDocument document;
    QDomElement root;
    XmlFile::CreateXmlDocument(document, root, kRootTag);
    if (root.isNull())
        return false;

    QDomElement common = document.createElement(kCommonTag);
    root.appendChild(common);
    for (const CommonField &field : CommonFields())
        XmlFile::AppendXmlText(document, common, QString::fromLatin1(field.tag),
                               this->*field.member);

    QDomElement options = document.createElement(kOptionTag);
    root.appendChild(options);
    for (int slot = 0; slot < OptionSlotCount; ++slot) {
        const COptionList &list = m_optionLists[size_t(slot)];
        QDomElement element = document.createElement(QString::fromLatin1(DefaultsOf(slot).key));
        element.setAttribute(kSelectedAttribute, list.selectedIndex());
        XmlFile::AppendXmlText(document, element, QString::fromLatin1(kItemsTag),
                               list.items().join(kItemSeparator));
        options.appendChild(element);
    }

    const struct
    {
        QString sectionTag;
        QString recordTag;
        const QList<SystemRecord> &records;
        bool equipment;
    } sections[] = {
        {kPersonTag, QStringLiteral("Person"), m_persons, false},
        {kEquipmentTag, QStringLiteral("Equipment"), m_equipments, true},
    };
    for (const auto &part : sections) {
        QDomElement section = document.createElement(part.sectionTag);
        root.appendChild(section);
        const char *const *tags = RecordTags(part.equipment);
        for (const SystemRecord &record : part.records) {
            QDomElement element = document.createElement(part.recordTag);
            for (int field = 0; field < SystemRecord::FieldCount; ++field)
                XmlFile::AppendXmlText(document, element, QString::fromLatin1(tags[field]),
                                       record.field(field));
            section.appendChild(element);
        }
    }

    if (XmlFile::SaveXmlFile(m_strFileName, document))
        return true;
    // The previous file is still whole (written beside it and renamed only when complete).
    Prompts::ShowUserInformation(
        tr("Prompt"), tr("The settings could not be saved to %1: the disk may be full or "
                         "write-protected. The previous settings file is kept.")
                          .arg(QDir::toNativeSeparators(m_strFileName)));
    return false;
}
