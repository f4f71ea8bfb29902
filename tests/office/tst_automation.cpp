// The automation layer: signatures, the server registry, unknown members, ownership, OLE.
#include <QtTest>

#include <QPointer>
#include <QThread>

#include "office/automation/axobject.h"
#include "office/automation/axserverregistry.h"
#include "office/automation/oleshim.h"
#include "support/testsupport.h"

namespace {

int DebugLines(const QString &part)
{
    const QStringList debug = TestSupport::DebugLines();
    return int(std::count_if(debug.cbegin(), debug.cend(),
                             [&](const QString &line) { return line.contains(part); }));
}

QString Describe(const QVariant &value)
{
    if (const AxDispatchPtr object = AxObjectArgument(value))
        return QStringLiteral("<%1>").arg(object->typeName());
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(value.typeName()), value.toString());
}

// Answers "Child" with a new node, "Number" with 7, "Broken" with a failure and "Value" as
// a writable property; everything else is unknown. Every call is logged as it arrives.
class Node : public AxDispatch
{
public:
    Node(const QString &name, std::shared_ptr<QStringList> log)
        : m_name(name), m_log(std::move(log))
    {}

    QString typeName() const override { return m_name; }

    AxResult invoke(const AxCall &call) override
    {
        QStringList args;
        for (const QVariant &arg : call.args())
            args << Describe(arg);
        *m_log << QStringLiteral("%1 %2(%3)")
                      .arg(call.kind() == AxCall::Put ? "put" : "get",
                           QString::fromLatin1(call.member()), args.join(QLatin1Char(',')));
        if (call.isGet("Child"))
            return AxResult::object(std::make_shared<Node>(QStringLiteral("Child"), m_log));
        if (call.isGet("Number"))
            return AxResult::ok(7);
        if (call.is("Broken"))
            return AxResult::failed(QStringLiteral("broken on purpose"));
        if (call.isPut("Value"))
            return AxResult::ok();
        if (call.isGet("Echo"))
            return AxResult::ok(QVariant(call.args()));
        return AxResult::unknownMember();
    }

private:
    QString m_name;
    std::shared_ptr<QStringList> m_log;
};

struct TestServer
{
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();

    TestServer(const QString &progId = QStringLiteral("Test.Node")) : m_progId(progId)
    {
        auto shared = log;
        AxServerRegistry::registerServer(
            progId, [shared] { return std::make_shared<Node>(QStringLiteral("Root"), shared); });
    }
    ~TestServer() { AxServerRegistry::unregisterServer(m_progId); }

private:
    QString m_progId;
};

} // namespace

class TestAutomation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
    }
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
        // The product's servers are there without anyone registering them; the other
        // programs' ProgIDs are not, so the engines take their Microsoft paths.
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
            << "Range(const QString&)" << QVariantList{"A1:D6"} << "get Range(QString:A1:D6)";
        QTest::newRow("blank before the list, named parameter")
            << "SetVisible (bool Visible)" << QVariantList{false} << "get SetVisible(bool:false)";
        QTest::newRow("two ints") << "Cells(int,int)" << QVariantList{3, 4}
                                  << "get Cells(int:3,int:4)";
        QTest::newRow("blank after the comma")
            << "Cell(int, int)" << QVariantList{1, 2} << "get Cell(int:1,int:2)";
        QTest::newRow("constants in the signature")
            << "MoveDown(wdLine,2)" << QVariantList{} << "get MoveDown(QString:wdLine,int:2)";
        QTest::newRow("constant after a blank")
            << "PasteAndFormat (wdPasteDefault)" << QVariantList{}
            << "get PasteAndFormat(QString:wdPasteDefault)";
        QTest::newRow("void") << "Select(void)" << QVariantList{} << "get Select()";
        QTest::newRow("empty list") << "Quit()" << QVariantList{} << "get Quit()";
        QTest::newRow("no list passes what is given")
            << "Add" << QVariantList{"x", 2} << "get Add(QString:x,int:2)";
        QTest::newRow("missing argument left out")
            << "Open(const Variant&)" << QVariantList{} << "get Open()";
        QTest::newRow("three mixed")
            << "AddPicture(const QString&, const QVariant&, const QVariant&)"
            << QVariantList{"p.png", false, true}
            << "get AddPicture(QString:p.png,bool:false,bool:true)";
        QTest::newRow("quoted text and number literals")
            << "Find(\"a b\", 1.5, true)" << QVariantList{}
            << "get Find(QString:a b,double:1.5,bool:true)";
        QTest::newRow("template type")
            << "SetList(QList<QVariant>)" << QVariantList{QVariant(QVariantList{1})}
            << "get SetList(QVariantList:)";
    }

    void signatures()
    {
        QFETCH(QString, signature);
        QFETCH(QVariantList, given);
        QFETCH(QString, received);
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        object.dynamicCall(signature.toLatin1().constData(), given);
        QCOMPARE(server.log->value(0), received);
    }

    void objectsAsArguments()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        AxObject *child = object.querySubObject("Child");
        QVERIFY(child);
        object.dynamicCall("SetSourceData(QAxObject*, int)", child->asVariant(), 2);
        QCOMPARE(server.log->last(), QStringLiteral("get SetSourceData(<Child>,int:2)"));
        const QVariant echoed = object.dynamicCall("Echo(QVariant)", child->asVariant());
        QCOMPARE(AxObjectArgument(echoed.toList().value(0)), child->dispatch());
        // An object answered to dynamicCall comes back as a variant holding it.
        QVERIFY(AxObjectArgument(object.dynamicCall("Child")));
    }

    void propertiesAndSetters()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        QVERIFY(object.setProperty("Value", 5));
        QCOMPARE(server.log->last(), QStringLiteral("put Value(int:5)"));
        // "SetValue(...)" reaches a writable property as ActiveQt's setter slots do.
        server.log->clear();
        object.dynamicCall("SetValue(const QVariant&)", QStringLiteral("x"));
        QCOMPARE(*server.log, QStringList({"get SetValue(QString:x)", "put Value(QString:x)"}));
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
        QCOMPARE(DebugLines(QStringLiteral("Root.Missing")), 1);
        // The same member on another type is another line; another member too.
        AxObject *child = object.querySubObject("Child");
        child->dynamicCall("Missing");
        object.dynamicCall("Absent");
        QCOMPARE(DebugLines(QStringLiteral("Child.Missing")), 1);
        QCOMPARE(DebugLines(QStringLiteral("Root.Absent")), 1);
        QCOMPARE(server.log->count(QStringLiteral("get Missing(int:0)")), 2);
    }

    void failuresLogEveryTime()
    {
        TestServer server;
        AxObject object(QStringLiteral("Test.Node"));
        QCOMPARE(object.querySubObject("Broken"), nullptr);
        QVERIFY(!object.dynamicCall("Broken(int)", 1).isValid());
        QVERIFY(!object.setProperty("Broken", 1));
        QCOMPARE(DebugLines(QStringLiteral("broken on purpose")), 3);
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
