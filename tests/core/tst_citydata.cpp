// The city data of the system settings: the bundled tree, the centres, and the defaults.
#include <QtTest>

#include "core/common/appdatadir.h"
#include "core/common/coreresources.h"
#include "core/settings/ccitydatajson.h"
#include "core/settings/qsysteminfo.h"
#include "support/testsupport.h"

namespace {
QString WriteJson(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("city.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString CenterOf(CCityDataJson &data, const QString &province, const QString &city = QString(),
                 const QString &district = QString())
{
    CCityDataJson::Center center;
    QStringList names;
    bool found = data.GetProvinceCenter(province, center);
    if (!city.isEmpty())
        found = data.GetCities(province, names) && data.GetCityCenter(city, center);
    if (!district.isEmpty())
        found = data.GetDistricts(city, names) && data.GetDistrictCenter(district, center);
    return found ? CCityDataJson::CenterText(center) : QStringLiteral("not found");
}
} // namespace

class TestCityData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        Resources::InitCoreResources();
        DataFolder::SetAppDataDir(m_dataDir.path());
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void bundledTree()
    {
        CCityDataJson data;
        QStringList provinces, cities, districts;
        QVERIFY(data.GetProvinces(provinces));
        QCOMPARE(provinces.size(), 34);
        QCOMPARE(provinces.first(), QStringLiteral("北京市"));
        QVERIFY(provinces.contains(QStringLiteral("广西壮族自治区")));
        QVERIFY(data.GetCities(QStringLiteral("广东省"), cities));
        QCOMPARE(cities.size(), 21);
        QVERIFY(data.GetDistricts(QStringLiteral("深圳市"), districts));
        QVERIFY(districts.contains(QStringLiteral("南山区")));
        // A district name is only found under the city chosen last.
        QVERIFY(!data.GetDistricts(QStringLiteral("武汉市"), districts));
        QVERIFY(districts.isEmpty());
        QVERIFY(!data.GetCities(QStringLiteral("湖北"), cities)); // exact names only
    }

    void bundledCenters_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("center");
        QTest::newRow("province") << "湖北省"
                                  << ""
                                  << ""
                                  << "113.298572,30.684355";
        QTest::newRow("city") << "湖北省"
                              << "宜昌市"
                              << ""
                              << "111.290843,30.702636";
        // The map data has no districts of Wuhan: they take the city's centre.
        QTest::newRow("district from its city") << "湖北省"
                                                << "武汉市"
                                                << "洪山区"
                                                << "114.298572,30.584355";
        // A municipality's districts have centres of their own.
        QTest::newRow("own district centre") << "北京市"
                                             << "北京市"
                                             << "东城区"
                                             << "116.418757,39.917544";
        QTest::newRow("unknown") << "湖北省"
                                 << "武汉市"
                                 << "东城区"
                                 << "not found";
    }

    void bundledCenters()
    {
        QFETCH(QString, province);
        QFETCH(QString, city);
        QFETCH(QString, district);
        CCityDataJson data;
        QTEST(CenterOf(data, province, city, district), "center");
    }

    // The defaults of the settings store are names of the tree, in both languages.
    void defaultsExist()
    {
        QSystemInfo *info = QSystemInfo::GetInstance();
        const QString province = info->Province();
        const QString city = info->City();
        const QString district = info->District();
        CCityDataJson data;
        QStringList names;
        QVERIFY(data.GetProvinces(names));
        QVERIFY2(names.contains(province), qPrintable(province));
        QVERIFY(data.GetCities(province, names));
        QVERIFY2(names.contains(city), qPrintable(city));
        QVERIFY(data.GetDistricts(city, names));
        QVERIFY2(names.contains(district), qPrintable(district));
    }

    // Nodes without a name or a known level are skipped; a node without a centre gets the
    // default one, written with six decimals.
    void ownFile()
    {
        QTemporaryDir dir;
        CCityDataJson data(WriteJson(dir, R"({"children": [
            {"name": "P", "level": "province", "center": [1.5, 2.25], "children": [
                {"name": "C", "level": "city", "children": [
                    {"name": "D", "level": "district"},
                    {"name": "E", "level": "district", "center": [3, 4]},
                    {"name": "F"},
                    {"name": "G", "level": "street"},
                    {"level": "district"}]}]},
            {"name": "Q"},
            {"name": "R", "level": "province", "center": "1,2"}]})"));
        QStringList names;
        QVERIFY(data.GetProvinces(names));
        QCOMPARE(names, (QStringList{"P", "R"}));
        QCOMPARE(CenterOf(data, "P"), QStringLiteral("1.500000,2.250000"));
        QCOMPARE(CenterOf(data, "R"), QStringLiteral("116.368324,39.915085"));
        QCOMPARE(CenterOf(data, "P", "C"), QStringLiteral("116.368324,39.915085"));
        QVERIFY(data.GetDistricts("C", names));
        QCOMPARE(names, (QStringList{"D", "E"}));
        QCOMPARE(CenterOf(data, "P", "C", "D"), QStringLiteral("116.368324,39.915085"));
        QCOMPARE(CenterOf(data, "P", "C", "E"), QStringLiteral("3.000000,4.000000"));
        QVERIFY(!data.GetCities("R", names)); // no children
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty name: no file at all
        QTest::addColumn<QString>("log");
        QTest::newRow("missing") << QByteArray() << "Load CityJson failded!!!";
        QTest::newRow("empty") << QByteArray("") << "The CityJson file is Empty!!!";
        QTest::newRow("not json") << QByteArray("{\"children\": [")
                                  << "cJSON_Parse json string failed!!!";
    }

    void unreadableFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, log);
        QTemporaryDir dir;
        const QString path =
            content.isNull() ? dir.filePath(QStringLiteral("none.json")) : WriteJson(dir, content);
        TestSupport::ClearDebugLines();
        CCityDataJson data(path);
        QStringList names{QStringLiteral("stale")};
        QVERIFY(!data.GetProvinces(names));
        QVERIFY(names.isEmpty());
        QVERIFY(!TestSupport::DebugLines().filter(log).isEmpty());
    }

private:
    QTemporaryDir m_dataDir;
};

QTEST_GUILESS_MAIN(TestCityData)
#include "tst_citydata.moc"
