// The automation layer: signatures, the server registry, unknown members, ownership, OLE.
#include <QtTest>

#include <QPointer>
#include <QThread>

#include "office/automation/axobject.h"
#include "office/automation/axserverregistry.h"
#include "office/automation/oleshim.h"
#include "support/fakeautomation.h"
#include "support/testsupport.h"

namespace {

int DebugLines(const QString &part)
{
    const QStringList debug = TestSupport::DebugLines();
    return int(std::count_if(debug.cbegin(), debug.cend(),
                             [&](const QString &line) { return line.contains(part); }));
}

// A strict stand-in: "Child" gives a new object, "Number" reads 7, "Broken" fails, "Value"
// is a writable property and "Echo" answers its arguments; everything else is unknown.
class TestServer : public FakeAutomation::Server
{
public:
    TestServer()
        : Server({QStringLiteral("Test.Node")}, Strict)
    {
        answerObject("Child");
        answerValue("Number", 7);
        fail("Broken");
        answer("Value", [](const AxCall &call) {
            return call.kind() == AxCall::Put ? AxResult::ok() : AxResult::unknownMember();
        });
        answer("Echo", [](const AxCall &call) { return AxResult::ok(QVariant(call.args())); });
    }
};

} // namespace

class TestAutomation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void init() { TestSupport::ClearDebugLines(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void unknownProgId()
    {
        AxObject object;
        QVERIFY(!object.setControl(QStringLiteral("Nothing.Application")));
        QVERIFY(object.isNull());
        QCOMPARE(object.querySubObject("Child"), nullptr);
        QVERIFY(!object.dynamicCall("Number").isValid());
        QVERIFY(!object.setProperty("Value", 1));
        // The test program registers the product's servers as it starts, as the programs
        // do; the other programs' ProgIDs stay free, so the engines take their Microsoft
        // paths.
        QVERIFY(AxServerRegistry::isRegistered(QStringLiteral("Excel.Application")));
        QVERIFY(!AxServerRegistry::isRegistered(QStringLiteral("KET.Application")));
        QVERIFY(!AxServerRegistry::isRegistered(QStringLiteral("Kwps.Application")));
    }

    void registry()
    {
        {
            TestServer server;
            AxObject object;
            QVERIFY(object.setControl(QStringLiteral("  test.NODE ")));
            QCOMPARE(object.control(), QStringLiteral("  test.NODE "));
            QCOMPARE(object.dynamicCall("Number"), QVariant(7));
            // Every setControl starts an instance of its own.
            AxObject other(QStringLiteral("Test.Node"));
            QVERIFY(other.dispatch() != object.dispatch());
        }
        QVERIFY(!AxServerRegistry::isRegistered(QStringLiteral("Test.Node")));
        AxObject gone;
        QVERIFY(!gone.setControl(QStringLiteral("Test.Node")));

        AxServerRegistry::registerServer(QStringLiteral("Test.Failing"),
                                         [] { return AxDispatchPtr(); });
        QVERIFY(!AxObject().setControl(QStringLiteral("Test.Failing")));
        QVERIFY(AxServerRegistry::unregisterServer(QStringLiteral("Test.Failing")));
        QVERIFY(!AxServerRegistry::unregisterServer(QStringLiteral("Test.Failing")));
    }

    void signatures_data()
    {
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QVariantList>("given");
        QTest::addColumn<QString>("received");
        QTest::newRow("one typed argument")
            << "Range(const QString&)" << QVariantList{"A1:D6"} << "get Test.Range(QString:A1:D6)";
        QTest::newRow("blank before the list, named parameter")
            << "SetVisible (bool Visible)" << QVariantList{false}
            << "get Test.SetVisible(bool:false)";
        QTest::newRow("two ints") << "Cells(int,int)" << QVariantList{3, 4}
                                  << "get Test.Cells(int:3,int:4)";
        QTest::newRow("blank after the comma")
            << "Cell(int, int)" << QVariantList{1, 2} << "get Test.Cell(int:1,int:2)";
        QTest::newRow("constants in the signature")
            << "MoveDown(wdLine,2)" << QVariantList{} << "get Test.MoveDown(QString:wdLine,int:2)";
        QTest::newRow("constant after a blank")
            << "PasteAndFormat (wdPasteDefault)" << QVariantList{}
            << "get Test.PasteAndFormat(QString:wdPasteDefault)";
        QTest::newRow("void") << "Select(void)" << QVariantList{} << "get Test.Select()";
        QTest::newRow("empty list") << "Quit()" << QVariantList{} << "get Test.Quit()";
        QTest::newRow("no list passes what is given")
            << "Add" << QVariantList{"x", 2} << "get Test.Add(QString:x,int:2)";
        QTest::newRow("missing argument left out")
            << "Open(const Variant&)" << QVariantList{} << "get Test.Open()";
        QTest::newRow("three mixed")
            << "AddPicture(const QString&, const QVariant&, const QVariant&)"
            << QVariantList{"p.png", false, true}
            << "get Test.AddPicture(QString:p.png,bool:false,bool:true)";
        QTest::newRow("quoted text and number literals")
            << "Find(\"a b\", 1.5, true)" << QVariantList{}
            << "get Test.Find(QString:a b,double:1.5,bool:true)";
        QTest::newRow("template type")
            << "SetList(QList<QVariant>)" << QVariantList{QVariant(QVariantList{1})}
            << "get Test.SetList([int:1])";
    }

    void signatures()
    {
        QFETCH(QString, signature);
        QFETCH(QVariantList, given);
        QFETCH(QString, received);
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        object.dynamicCall(signature.toLatin1().constData(), given);
        QCOMPARE(server.log().value(0), received);
    }

    void objectsAsArguments()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        AxObject *child = object.querySubObject("Child");
        QVERIFY(child);
        object.dynamicCall("SetSourceData(QAxObject*, int)", child->asVariant(), 2);
        QCOMPARE(server.log().last(), QStringLiteral("get Test.SetSourceData(<Child>,int:2)"));
        const QVariant echoed = object.dynamicCall("Echo(QVariant)", child->asVariant());
        QCOMPARE(Ax::AxObjectArgument(echoed.toList().value(0)), child->dispatch());
        // An object answered to dynamicCall comes back as a variant holding it.
        QVERIFY(Ax::AxObjectArgument(object.dynamicCall("Child")));
    }

    void propertiesAndSetters()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        QVERIFY(object.setProperty("Value", 5));
        QCOMPARE(server.log().last(), QStringLiteral("put Test.Value(int:5)"));
        // "SetValue(...)" reaches a writable property as ActiveQt's setter slots do.
        server.clearLog();
        object.dynamicCall("SetValue(const QVariant&)", QStringLiteral("x"));
        QCOMPARE(server.log(),
                 QStringList({"get Test.SetValue(QString:x)", "put Test.Value(QString:x)"}));
        QCOMPARE(object.property("Number"), QVariant(7));
        QVERIFY(!object.setProperty("Number", 1));
    }

    void unknownMembersLogOnce()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(object.querySubObject("Missing(int)", i), nullptr);
            QVERIFY(!object.dynamicCall("Missing(int)", i).isValid());
            QVERIFY(!object.property("Missing").isValid());
        }
        QCOMPARE(DebugLines(QStringLiteral("Test.Missing")), 1);
        // The same member on another type is another line; another member too.
        AxObject *child = object.querySubObject("Child");
        child->dynamicCall("Missing");
        object.dynamicCall("Absent");
        QCOMPARE(DebugLines(QStringLiteral("Child.Missing")), 1);
        QCOMPARE(DebugLines(QStringLiteral("Test.Absent")), 1);
        QCOMPARE(server.log().count(QStringLiteral("get Test.Missing(int:0)")), 2);
    }

    void failuresLogEveryTime()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        QCOMPARE(object.querySubObject("Broken"), nullptr);
        QVERIFY(!object.dynamicCall("Broken(int)", 1).isValid());
        QVERIFY(!object.setProperty("Broken", 1));
        QCOMPARE(DebugLines(QStringLiteral("failed on purpose")), 3);
        // A value where an object was asked for gives no object.
        QCOMPARE(object.querySubObject("Number"), nullptr);
    }

    void subObjectsBelongToTheirParent()
    {
        TestServer server;
        auto *root = new AxObject(QStringLiteral("Test.Node"));
        QPointer<AxObject> child = root->querySubObject("Child");
        QVERIFY(child);
        QCOMPARE(child->parent(), root);
        QPointer<AxObject> grandChild = child->querySubObject("Child");
        QCOMPARE(grandChild->parent(), child.data());
        QCOMPARE(grandChild->control(), QStringLiteral("Test.Node"));
        // The server object lives as long as a client holds it, not just its parent.
        const AxDispatchPtr kept = child->dispatch();
        delete root;
        QVERIFY(!child);
        QVERIFY(!grandChild);
        QCOMPARE(kept->invoke(AxCall(AxCall::Get, "Number")).value(), QVariant(7));
    }

    void oleInitialisation()
    {
        QCOMPARE(OleInitialize(nullptr), S_OK);
        QCOMPARE(OleInitialize(nullptr), S_FALSE);
        HRESULT onOtherThread = -1;
        QThread *thread = QThread::create([&] {
            onOtherThread = OleInitialize(nullptr);
            OleUninitialize();
        });
        thread->start();
        thread->wait();
        delete thread;
        QCOMPARE(onOtherThread, S_OK);
        OleUninitialize();
        OleUninitialize();
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        QCOMPARE(OleInitialize(nullptr), RPC_E_CHANGED_MODE);
        CoUninitialize();
        QCOMPARE(OleInitialize(nullptr), S_OK);
        OleUninitialize();
        QCOMPARE(quint32(RPC_E_CHANGED_MODE), 0x80010106u);
    }
};

QTEST_GUILESS_MAIN(TestAutomation)
#include "tst_automation.moc"
