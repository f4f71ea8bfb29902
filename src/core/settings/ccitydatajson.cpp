#include "core/settings/ccitydatajson.h"

#include <cjson/cJSON.h>

#include <QFile>

#include "core/common/debuglog.h"

namespace {
const char *const kLevels[] = {"province", "city", "district"};

bool HasLevel(const cJSON *node)
{
    const cJSON *level = cJSON_GetObjectItemCaseSensitive(node, "level");
    if (!cJSON_IsString(level))
        return false;
    for (const char *known : kLevels) {
        if (qstrcmp(level->valuestring, known) == 0)
            return true;
    }
    return false;
}

QString NameOf(const cJSON *node)
{
    const cJSON *name = cJSON_GetObjectItemCaseSensitive(node, "name");
    return cJSON_IsString(name) ? QString::fromUtf8(name->valuestring) : QString();
}

const cJSON *ChildrenOf(const cJSON *node)
{
    const cJSON *children = cJSON_GetObjectItemCaseSensitive(node, "children");
    return cJSON_IsArray(children) ? children : nullptr;
}
} // namespace

QString CCityDataJson::ResourcePath()
{
    return QStringLiteral(":/json/ControllerFolders/Manage/SystemManage/Json/cityCode.json");
}

CCityDataJson::Center CCityDataJson::DefaultCenter()
{
    return {116.3683244, 39.915085};
}

QString CCityDataJson::CenterText(const Center &center)
{
    return QStringLiteral("%1,%2").arg(center.longitude, 0, 'f', 6).arg(center.latitude, 0, 'f', 6);
}

CCityDataJson::CCityDataJson(const QString &path)
    : m_strPath(path)
{}

CCityDataJson::~CCityDataJson()
{
    cJSON_Delete(m_root);
}

bool CCityDataJson::LoadCityJson()
{
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        TQ_LOG << "Load CityJson failded!!!" << m_strPath;
        return false;
    }
    const QByteArray text = file.readAll();
    if (text.isEmpty()) {
        TQ_LOG << "The CityJson file is Empty!!!";
        return false;
    }
    cJSON *root = cJSON_ParseWithLength(text.constData(), size_t(text.size()));
    if (!root) {
        TQ_LOG << "cJSON_Parse json string failed!!!";
        return false;
    }
    cJSON_Delete(m_root);
    m_root = root;
    m_cities = m_districts = nullptr;
    m_provinceMap.clear();
    m_cityMap.clear();
    m_districtMap.clear();
    m_strProvince.clear();
    m_strCity.clear();
    return true;
}

bool CCityDataJson::EnsureLoaded()
{
    return m_root || LoadCityJson();
}

bool CCityDataJson::ListNodes(const cJSON *array, QStringList &names,
                              QHash<QString, int> &positions)
{
    names.clear();
    positions.clear();
    int position = 0;
    const cJSON *node = nullptr;
    cJSON_ArrayForEach(node, array)
    {
        const QString name = NameOf(node);
        if (!name.isEmpty() && HasLevel(node)) {
            names << name;
            if (!positions.contains(name))
                positions.insert(name, position);
        }
        ++position;
    }
    return !names.isEmpty();
}

const cJSON *CCityDataJson::Node(const cJSON *array, const QHash<QString, int> &positions,
                                 const QString &name)
{
    const auto found = positions.constFind(name);
    return array && found != positions.constEnd() ? cJSON_GetArrayItem(array, *found) : nullptr;
}

bool CCityDataJson::GetProvinces(QStringList &names)
{
    names.clear();
    if (!EnsureLoaded())
        return false;
    return ListNodes(ChildrenOf(m_root), names, m_provinceMap);
}

bool CCityDataJson::GetCities(const QString &province, QStringList &names)
{
    names.clear();
    if (m_provinceMap.isEmpty()) {
        QStringList provinces;
        GetProvinces(provinces);
    }
    m_strProvince = province;
    m_strCity.clear();
    m_cities = ChildrenOf(Node(ChildrenOf(m_root), m_provinceMap, province));
    m_districts = nullptr;
    m_districtMap.clear();
    return ListNodes(m_cities, names, m_cityMap);
}

bool CCityDataJson::GetDistricts(const QString &city, QStringList &names)
{
    names.clear();
    m_strCity = city;
    m_districts = ChildrenOf(Node(m_cities, m_cityMap, city));
    return ListNodes(m_districts, names, m_districtMap);
}

bool CCityDataJson::ReadCenter(const cJSON *node, Center &center)
{
    if (!node)
        return false;
    center = DefaultCenter();
    const cJSON *pair = cJSON_GetObjectItemCaseSensitive(node, "center");
    if (cJSON_IsArray(pair) && cJSON_GetArraySize(pair) == 2) {
        const cJSON *longitude = cJSON_GetArrayItem(pair, 0);
        const cJSON *latitude = cJSON_GetArrayItem(pair, 1);
        if (cJSON_IsNumber(longitude) && cJSON_IsNumber(latitude))
            center = {longitude->valuedouble, latitude->valuedouble};
    }
    return true;
}

bool CCityDataJson::GetProvinceCenter(const QString &province, Center &center)
{
    if (m_provinceMap.isEmpty()) {
        QStringList provinces;
        GetProvinces(provinces);
    }
    return ReadCenter(Node(ChildrenOf(m_root), m_provinceMap, province), center);
}

bool CCityDataJson::GetCityCenter(const QString &city, Center &center)
{
    return ReadCenter(Node(m_cities, m_cityMap, city), center);
}

bool CCityDataJson::GetDistrictCenter(const QString &district, Center &center)
{
    return ReadCenter(Node(m_districts, m_districtMap, district), center);
}
