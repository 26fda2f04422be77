// The receive rules: bytes stored up to index 48, every stored byte counting
// down RecvNeed (below zero with surplus bytes), a reply complete at the end
// of a notification, the count starting again from 0.

#include "link/ReceiveBuffer.h"

#include <QTest>

class TestReceiveBuffer : public QObject {
    Q_OBJECT
private slots:
    void notifications_data()
    {
        QTest::addColumn<int>("need");
        QTest::addColumn<QList<int>>("pieces"); // bytes per notification
        QTest::addColumn<QList<bool>>("complete");
        QTest::addColumn<int>("needAfter");
        QTest::addColumn<int>("stored"); // bytes in the last complete reply
        QTest::newRow("whole reply") << 12 << QList<int>{12} << QList<bool>{true} << 0 << 12;
        QTest::newRow("in two pieces") << 12 << QList<int>{5, 7} << QList<bool>{false, true} << 0 << 12;
        QTest::newRow("surplus in the same notification") << 1 << QList<int>{3} << QList<bool>{true} << -2 << 3;
        QTest::newRow("more than 49 bytes: the rest dropped") << 60 << QList<int>{60} << QList<bool>{false} << 11
                                                              << 0;
        QTest::newRow("nothing awaited: any byte completes") << 0 << QList<int>{1, 1} << QList<bool>{true, true}
                                                             << -2 << 1;
    }
    void notifications()
    {
        QFETCH(int, need);
        QFETCH(QList<int>, pieces);
        QFETCH(QList<bool>, complete);
        QFETCH(int, needAfter);
        QFETCH(int, stored);
        TReceiveBuffer buffer;
        buffer.Expect(need);
        char next = 0;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            QByteArray bytes;
            for (int b = 0; b < pieces[i]; ++b)
                bytes.append(next++);
            QCOMPARE(buffer.Take(bytes), complete[i]);
        }
        QCOMPARE(buffer.RecvNeed(), needAfter);
        if (complete.last()) {
            QCOMPARE(buffer.RecvCount(), 0);
            QCOMPARE(buffer.Reply().size(), stored);
        } else {
            QCOMPARE(buffer.RecvCount(), std::min(49, int(next)));
        }
    }

    void emptyNotificationCompletesNothing()
    {
        TReceiveBuffer buffer;
        QVERIFY(!buffer.Take({}));
    }
};

QTEST_GUILESS_MAIN(TestReceiveBuffer)
#include "tst_receivebuffer.moc"
