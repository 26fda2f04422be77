// Port names and devices: the fixed numbering, the scan's order and states
// (with a stand-in prober, so no serial hardware is needed), and the
// system probe on pseudo-terminals.

#include "link/PortList.h"
#include "link/PtyRadio.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestPortList : public QObject {
    Q_OBJECT
private slots:
    void portNumber_data();
    void portNumber();
    void deviceOfPortName_data();
    void deviceOfPortName();
    void numberingRoundTrips();
    void scanOrderAndStates();
    void listPortsTakesFreePortsOnly();
    void probeDevice();
    void lockFiles_data();
    void lockFiles();
};

void TestPortList::portNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM1") << "COM1" << 1;
    QTest::newRow("two digits") << "COM12" << 12;
    QTest::newRow("settings default in small letters") << "Com1" << 1;
    QTest::newRow("no number") << "COM" << -1;
    QTest::newRow("not a number") << "COMx" << -1;
    QTest::newRow("device path") << "/dev/ttyUSB0" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestPortList::portNumber()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(PortNumber(name), number);
}

void TestPortList::deviceOfPortName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("comName"); // ComNameOfDevice(device)
    QTest::newRow("device path as it is") << "/dev/pts/4" << "/dev/pts/4" << "";
    QTest::newRow("no number") << "COMx" << "" << "";
#ifdef Q_OS_LINUX
    QTest::newRow("first UART") << "COM1" << "/dev/ttyS0" << "COM1";
    QTest::newRow("last UART") << "COM32" << "/dev/ttyS31" << "COM32";
    QTest::newRow("first USB adapter") << "COM33" << "/dev/ttyUSB0" << "COM33";
    QTest::newRow("last USB adapter") << "COM64" << "/dev/ttyUSB31" << "COM64";
    QTest::newRow("first ACM adapter") << "COM65" << "/dev/ttyACM0" << "COM65";
    QTest::newRow("last ACM adapter") << "COM96" << "/dev/ttyACM31" << "COM96";
    QTest::newRow("past the numbering") << "COM97" << "" << "";
    QTest::newRow("port 0") << "COM0" << "" << "";
    QTest::newRow("small letters") << "com3" << "/dev/ttyS2" << "COM3";
    QTest::newRow("UART 32 has no number") << "/dev/ttyS32" << "/dev/ttyS32" << "";
    QTest::newRow("leading zero has no number") << "/dev/ttyUSB01" << "/dev/ttyUSB01" << "";
#else
    QTest::newRow("system name") << "COM12" << "COM12" << "COM12";
#endif
}

void TestPortList::deviceOfPortName()
{
    QFETCH(QString, name);
    QFETCH(QString, device);
    QFETCH(QString, comName);
    QCOMPARE(DeviceOfPortName(name), device);
    QCOMPARE(ComNameOfDevice(device), comName);
}

void TestPortList::numberingRoundTrips()
{
#ifdef Q_OS_LINUX
    const QStringList devices = CandidateDevices();
    QCOMPARE(devices.size(), 96);
    for (int n = 1; n <= 96; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        QCOMPARE(devices[n - 1], DeviceOfPortName(name));
        QCOMPARE(ComNameOfDevice(DeviceOfPortName(name)), name);
    }
#else
    QSKIP("the numbering is the system's own");
#endif
}

void TestPortList::scanOrderAndStates()
{
#ifdef Q_OS_LINUX
    const QMap<QString, TPortProbe> found = {
        {"/dev/ttyS0", {TPortProbe::Absent, {}}},
        {"/dev/ttyS8", {TPortProbe::Free, {}}},
        {"/dev/ttyS9", {TPortProbe::Busy, {}}},
        {"/dev/ttyUSB0", {TPortProbe::Free, "FT232R USB UART"}},
        {"/dev/ttyUSB1", {TPortProbe::NoPermission, {}}},
        {"/dev/ttyACM0", {TPortProbe::Free, {}}},
        {"/dev/pts/3", {TPortProbe::Free, {}}},
    };
    auto probe = [&](const QString &device) { return found.value(device); };
    // Given out of order: the scan sorts by port number (COM9 before COM10).
    const QStringList devices = {"/dev/ttyACM0", "/dev/ttyUSB1", "/dev/pts/3", "/dev/ttyS9",
                                 "/dev/ttyUSB0", "/dev/ttyS8",   "/dev/ttyS0", "/dev/ttyS1"};
    const QList<TPortEntry> ports = ScanPortsWith(devices, probe);
    QStringList seen;
    for (const TPortEntry &p : ports)
        seen.append(QStringLiteral("%1 %2 %3 %4").arg(p.comName, p.device).arg(int(p.state)).arg(p.description));
    const QStringList expected = {
        "COM9 /dev/ttyS8 0 ",
        "COM10 /dev/ttyS9 1 ",
        "COM33 /dev/ttyUSB0 0 FT232R USB UART",
        "COM34 /dev/ttyUSB1 2 ",
        "COM65 /dev/ttyACM0 0 ",
    };
    QCOMPARE(seen, expected);
    QVERIFY(AnyPortWithoutPermission(ports));
    QVERIFY(!AnyPortWithoutPermission(ports.mid(0, 3)));
    QVERIFY(ScanPortsWith({}, probe).isEmpty());
#else
    QSKIP("the numbering is the system's own");
#endif
}

void TestPortList::listPortsTakesFreePortsOnly()
{
    ListPorts(nullptr); // does nothing
    QStringList list = {QStringLiteral("kept")};
    ListPorts(&list);
    QCOMPARE(list.first(), QStringLiteral("kept")); // only appended to
    QStringList free;
    for (const TPortEntry &p : ScanPorts())
        if (p.state == TPortEntry::Free)
            free.append(p.comName);
    QCOMPARE(list.mid(1), free);
}

void TestPortList::probeDevice()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(ProbeDevice(file).result, TPortProbe::Absent); // not a device
    QCOMPARE(ProbeDevice(dir.filePath(QStringLiteral("missing"))).result, TPortProbe::Absent);

    TPtyRadio radio(TRadioSim(QStringLiteral("6842")), false);
    QVERIFY(radio.Start(nullptr));
    QCOMPARE(ProbeDevice(radio.DevicePath()).result, TPortProbe::Free);
    QSerialPort holder(radio.DevicePath());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    QCOMPARE(ProbeDevice(radio.DevicePath()).result, TPortProbe::Busy);
    holder.close();
    QCOMPARE(ProbeDevice(radio.DevicePath()).result, TPortProbe::Free);
#else
    QSKIP("probing is the system's own");
#endif
}

void TestPortList::lockFiles_data()
{
    QTest::addColumn<bool>("liveOwner");
    QTest::addColumn<int>("expected");
    QTest::newRow("lock of a live process") << true << int(TPortProbe::Busy);
    QTest::newRow("stale lock of a dead process") << false << int(TPortProbe::Free);
}

void TestPortList::lockFiles()
{
#ifdef Q_OS_LINUX
    QFETCH(bool, liveOwner);
    QFETCH(int, expected);
    const QString lockDir = QStringLiteral("/var/lock");
    if (!QFileInfo(lockDir).isWritable())
        QSKIP("the lock folder is not writable here");
    TPtyRadio radio(TRadioSim(QStringLiteral("6842")), false);
    QVERIFY(radio.Start(nullptr));
    QString name = radio.DevicePath().mid(5);
    const QString lockPath = lockDir + QStringLiteral("/LCK..") + name.replace(u'/', u'_');
    QFile lock(lockPath);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    // A process id above the kernel's limit is never alive.
    lock.write(QByteArray::number(liveOwner ? qint64(::getpid()) : qint64(1) << 30) + "\norvel\n");
    lock.close();
    const TPortProbe::Result result = ProbeDevice(radio.DevicePath()).result;
    QFile::remove(lockPath);
    QCOMPARE(int(result), expected);
#else
    QSKIP("lock files are a Unix matter");
#endif
}

QTEST_GUILESS_MAIN(TestPortList)
#include "tst_portlist.moc"
