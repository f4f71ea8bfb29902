// The catch-all item of an option list, and lists shared between threads.
#include <QtTest>

#include <thread>
#include <vector>

#include "core/settings/coptionlist.h"
#include "support/testsupport.h"

namespace {
COptionList ListOf(const QStringList &items)
{
    COptionList list(QStringLiteral("Test"));
    for (const QString &item : items)
        list.append(item);
    return list;
}
} // namespace

class TestOptionList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    // Whatever its spelling, the catch-all is one item: found, never added twice, and what
    // an index beyond the list gives.
    void oneCatchAll_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("asked");
        QTest::newRow("UnKnow listed, Unknow asked") << "UnKnow"
                                                     << "Unknow";
        QTest::newRow("Unknow listed, UnKnow asked") << "Unknow"
                                                     << "UnKnow";
        QTest::newRow("same spelling") << "UnKnow"
                                       << "UnKnow";
        QTest::newRow("lower case asked") << "UnKnow"
                                          << "unknow";
    }

    void oneCatchAll()
    {
        QFETCH(QString, listed);
        QFETCH(QString, asked);
        COptionList list = ListOf({QStringLiteral("ConcretePipe"), listed});
        QCOMPARE(list.itemAt(99), listed);
        QCOMPARE(list.itemAt(-1), listed);
        QVERIFY(list.contains(asked));
        QCOMPARE(list.indexOf(asked), 1);
        QVERIFY(!list.append(asked));
        QVERIFY(!list.append(list.itemAt(99)));
        QCOMPARE(list.items(), QStringList({QStringLiteral("ConcretePipe"), listed}));
    }

    void listWithoutCatchAll()
    {
        COptionList list = ListOf({QStringLiteral("ConcretePipe")});
        QCOMPARE(list.itemAt(5), COptionList::UnknownText());
        QVERIFY(list.append(list.itemAt(5)));
        QVERIFY(!list.append(QStringLiteral("UnKnow")));
        QCOMPARE(list.count(), 2);
    }

    // A full list keeps every item it has, the catch-all last.
    void fullListRefuses_data()
    {
        QTest::addColumn<bool>("catchAll");
        QTest::newRow("without catch-all") << false;
        QTest::newRow("catch-all last") << true;
    }

    void fullListRefuses()
    {
        QFETCH(bool, catchAll);
        QStringList items;
        for (int i = 0; i < COptionList::MaxItems - 1; ++i)
            items << QStringLiteral("Material %1").arg(i);
        items << (catchAll ? QStringLiteral("UnKnow") : QStringLiteral("Last material"));
        COptionList list = ListOf(items);
        QCOMPARE(list.items(), items);

        QVERIFY(!list.append(QStringLiteral("One too many")));
        QCOMPARE(list.items(), items);
        QCOMPARE(list.count(), COptionList::MaxItems);
        QCOMPARE(list.indexOf(QStringLiteral("One too many")), -1);
    }

    // Readers of inspection files append from worker threads while others read and copy.
    void appendsFromSeveralThreads()
    {
        COptionList list(QStringLiteral("Materials"));
        constexpr int kThreads = 4;
        constexpr int kEach = 15;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&list, t] {
                for (int i = 0; i < kEach; ++i) {
                    list.append(QStringLiteral("M%1-%2").arg(t).arg(i));
                    list.append(QStringLiteral("shared %1").arg(i)); // all threads race for it
                    const QStringList seen = COptionList(list).items();
                    Q_UNUSED(seen);
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(list.count(), kThreads * kEach + kEach);
        const QStringList items = list.items();
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
    }
};

QTEST_GUILESS_MAIN(TestOptionList)
#include "tst_optionlist.moc"
