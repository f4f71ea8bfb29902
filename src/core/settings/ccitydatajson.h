#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct cJSON;

// The provinces, cities and districts of the city selector, read with cJSON from the
// resource ":/json/ControllerFolders/Manage/SystemManage/Json/cityCode.json": an object whose
// "children" are the provinces; every node has "name", "level" ("province", "city" or
// "district"; a node without one of these is skipped), an optional "center" [longitude,
// latitude] and the "children" of the next level.
//
// Cities are looked up under the province chosen by the last GetCities, districts under
// the city chosen by the last GetDistricts. One object per dialog, GUI thread only.
class CCityDataJson
{
public:
    struct Center
    {
        double longitude = 0;
        double latitude = 0;
    };

    static QString ResourcePath();
    // The centre of a node without "center".
    static Center DefaultCenter();
    // "%1,%2", longitude and latitude each with 6 decimals (the map-centre field's text).
    static QString CenterText(const Center &center);

    explicit CCityDataJson(const QString &path = ResourcePath());
    ~CCityDataJson();
    CCityDataJson(const CCityDataJson &) = delete;
    CCityDataJson &operator=(const CCityDataJson &) = delete;

    // Reads and parses the file; false (logged) when it cannot be read, is empty or is no JSON.
    bool LoadCityJson();

    // Names in file order; false when there is none. GetProvinces loads on first use.
    bool GetProvinces(QStringList &names);
    // The cities of the named province, which becomes the chosen one.
    bool GetCities(const QString &province, QStringList &names);
    // The districts of the named city of the chosen province, which becomes the chosen city.
    bool GetDistricts(const QString &city, QStringList &names);

    // Centre of a province, of a city of the chosen province, of a district of the chosen
    // city; false for an unknown name. A node without a centre gives DefaultCenter().
    bool GetProvinceCenter(const QString &province, Center &center);
    bool GetCityCenter(const QString &city, Center &center);
    bool GetDistrictCenter(const QString &district, Center &center);

private:
    // Names of the array's nodes with a name and a level, remembering their positions.
    static bool ListNodes(const cJSON *array, QStringList &names, QHash<QString, int> &positions);
    static const cJSON *Node(const cJSON *array, const QHash<QString, int> &positions,
                             const QString &name);
    static bool ReadCenter(const cJSON *node, Center &center);
    bool EnsureLoaded();

    QString m_strPath;
    cJSON *m_root = nullptr;            // owned
    const cJSON *m_cities = nullptr;    // children of the chosen province
    const cJSON *m_districts = nullptr; // children of the chosen city
    QHash<QString, int> m_provinceMap;
    QHash<QString, int> m_cityMap;
    QHash<QString, int> m_districtMap;
    QString m_strProvince;
    QString m_strCity;
};
