// The port dialog over scripted port scans: what it lists and selects, what
// it says beside the list, and what Ok and Cancel leave in PortName.

#include "DialogPictures.h"
#include "core/AppState.h"
#include "link/SetPort.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// "COM33 /dev/ttyUSB0 free FT232R USB UART": name, device, state, and the
// description (the rest, may be missing).
QList<TPortEntry> Ports(const QStringList &lines)
{
    QList<TPortEntry> ports;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        TPortEntry entry;
        entry.comName = parts.at(0);
        entry.device = parts.at(1);
        const QString state = parts.at(2);
        entry.state = state == u"free" ? TPortEntry::Free
            : state == u"busy"         ? TPortEntry::Busy
                                       : TPortEntry::NoPermission;
        entry.description = parts.mid(3).join(u' ');
        ports.append(entry);
    }
    return ports;
}

QStringList Items(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

const QStringList kTwoFree{"COM1 /dev/ttyS0 free", "COM33 /dev/ttyUSB0 free FT232R USB UART"};

struct PortDialog {
    TALL all;
    TfSetPort dialog;
    QComboBox *cbCom;
    QLabel *lbDevice;
    QLabel *lbPermission;
    PortDialog(const QStringList &ports, const QString &portName)
        : dialog(all, nullptr, [ports] { return Ports(ports); })
    {
        all.PortName = portName;
        cbCom = dialog.findChild<QComboBox *>(QStringLiteral("cbCom"));
        lbDevice = dialog.findChild<QLabel *>(QStringLiteral("lbDevice"));
        lbPermission = dialog.findChild<QLabel *>(QStringLiteral("lbPermission"));
        dialog.show();
    }
    void click(const char *button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }
};

} // namespace

class TestSetPort : public QObject {
    Q_OBJECT
private slots:
    void showAndOk_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("afterOk");

        QTest::newRow("stored port is free") << kTwoFree << "COM33" << QStringList{"COM1", "COM33"} << "COM33"
                                             << "/dev/ttyUSB0  FT232R USB UART" << false << "COM33";
        QTest::newRow("other case is another name")
            << kTwoFree << "com33" << QStringList{"COM1", "COM33"} << "COM1" << "/dev/ttyS0" << false << "COM1";
        QTest::newRow("stored port missing")
            << kTwoFree << "COM5" << QStringList{"COM1", "COM33"} << "COM1" << "/dev/ttyS0" << false << "COM1";
        QTest::newRow("busy and forbidden ports are not listed")
            << QStringList{"COM1 /dev/ttyS0 busy", "COM33 /dev/ttyUSB0 free", "COM34 /dev/ttyUSB1 forbidden"}
            << "COM1" << QStringList{"COM33"} << "COM33" << "/dev/ttyUSB0" << true << "COM33";
        QTest::newRow("device path kept as the last item")
            << kTwoFree << "/dev/pts/3" << QStringList{"COM1", "COM33", "/dev/pts/3"} << "/dev/pts/3"
            << "/dev/pts/3" << false << "/dev/pts/3";
        QTest::newRow("nothing listed keeps the stored port")
            << QStringList{} << "COM3" << QStringList{} << "" << "" << false << "COM3";
        QTest::newRow("only a forbidden port") << QStringList{"COM33 /dev/ttyUSB0 forbidden FT232R"} << "COM33"
                                               << QStringList{} << "" << "" << true << "COM33";
    }
    void showAndOk()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, portName);
        QFETCH(QStringList, items);
        QFETCH(QString, selected);
        QFETCH(QString, device);
        QFETCH(bool, hint);
        QFETCH(QString, afterOk);
        PortDialog port(ports, portName);
        QCOMPARE(Items(port.cbCom), items);
        QCOMPARE(port.cbCom->currentText(), selected);
        QCOMPARE(port.lbDevice->text(), device);
        QCOMPARE(port.lbPermission->isVisible(), hint);
        QCOMPARE(port.dialog.findChild<QLabel *>(QStringLiteral("lbPermissionCommand"))->isVisible(), hint);
        port.click("btnOk");
        QVERIFY(!port.dialog.isVisible());
        QCOMPARE(port.all.PortName, afterOk);
    }

    void otherPortThenCancel()
    {
        PortDialog port(kTwoFree, QStringLiteral("COM1"));
        port.cbCom->setCurrentIndex(1);
        QCOMPARE(port.lbDevice->text(), QStringLiteral("/dev/ttyUSB0  FT232R USB UART"));
        port.click("btnCancel");
        QVERIFY(!port.dialog.isVisible());
        QCOMPARE(port.all.PortName, QStringLiteral("COM1"));
    }

    // Shown again, the dialog lists the ports of that moment.
    void eachShowScansAgain()
    {
        TALL all;
        all.PortName = QStringLiteral("COM33");
        QStringList present{"COM1 /dev/ttyS0 free"};
        TfSetPort dialog(all, nullptr, [&present] { return Ports(present); });
        dialog.show();
        auto *cbCom = dialog.findChild<QComboBox *>(QStringLiteral("cbCom"));
        QCOMPARE(Items(cbCom), QStringList{"COM1"});
        dialog.hide();
        present = kTwoFree;
        dialog.show();
        QCOMPARE(Items(cbCom), (QStringList{"COM1", "COM33"}));
        QCOMPARE(cbCom->currentText(), QStringLiteral("COM33"));
    }

    // Not a check: pictures of the dialog in both languages.
    void pictures()
    {
        if (PictureFolder().isEmpty())
            QSKIP("ORVEL_DIALOG_PICTURES not set");
        for (const QString &language : PictureLanguages()) {
            TALL all;
            all.PortName = QStringLiteral("COM33");
            UseShippedLanguage(all, language);
            TfSetPort dialog(all, nullptr, [] {
                return Ports({"COM1 /dev/ttyS0 free", "COM33 /dev/ttyUSB0 free FT232R USB UART",
                              "COM34 /dev/ttyUSB1 forbidden"});
            });
            QVERIFY(SavePicture(dialog, language));
        }
    }
};

QTEST_MAIN(TestSetPort)
#include "tst_setport.moc"
