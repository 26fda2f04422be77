// The desktop message box: icon and buttons of each kind and the result of
// each way of answering. A timer answers the modal box, so nothing waits on
// a user.

#include "localisation/DesktopMsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <chrono>

using namespace std::chrono_literals;

namespace {

enum class TAnswer { Click, Escape, Close };

// Answers the next message box that comes up, and notes how it looked.
class TBoxAnswerer : public QObject {
public:
    // The box must appear well within this; otherwise it is answered all
    // the same (the test then fails on seen) rather than blocking.
    static constexpr auto GiveUpAfter = 5s;
    static constexpr auto Poll = 10ms;

    TBoxAnswerer(TAnswer how, QMessageBox::StandardButton button) : m_how(how), m_button(button)
    {
        m_timer.setInterval(Poll);
        connect(&m_timer, &QTimer::timeout, this, &TBoxAnswerer::Look);
        m_timer.start();
        m_elapsed.start();
    }

    bool seen = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString caption;
    QString text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

private:
    static QMessageBox *OpenBox()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                return box;
        return nullptr;
    }

    void Look()
    {
        QMessageBox *box = OpenBox();
        if (!box) {
            if (m_elapsed.elapsed() > std::chrono::milliseconds(GiveUpAfter).count())
                m_timer.stop();
            return;
        }
        m_timer.stop();
        seen = true;
        icon = box->icon();
        buttons = box->standardButtons();
        caption = box->windowTitle();
        text = box->text();
        if (box->defaultButton())
            defaultButton = box->standardButton(box->defaultButton());
        switch (m_how) {
        case TAnswer::Click:
            box->button(m_button)->click();
            break;
        case TAnswer::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case TAnswer::Close:
            box->close();
            break;
        }
    }

    TAnswer m_how;
    QMessageBox::StandardButton m_button;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
};

} // namespace

Q_DECLARE_METATYPE(TAnswer)

class TstMsgBox : public QObject {
    Q_OBJECT

private slots:
    void results_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<TAnswer>("how");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");

        const int ok = QMessageBox::Ok;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int retryCancel = QMessageBox::Retry | QMessageBox::Cancel;
        const int info = QMessageBox::Information;
        const int question = QMessageBox::Question;

        QTest::newRow("information, OK") << 1 << TAnswer::Click << ok << 1 << info << ok << ok;
        QTest::newRow("information, closed") << 1 << TAnswer::Close << ok << 1 << info << ok << ok;
        QTest::newRow("yes/no, Yes") << 2 << TAnswer::Click << int(QMessageBox::Yes) << 6 << question
                                     << yesNo << int(QMessageBox::Yes);
        QTest::newRow("yes/no, No") << 2 << TAnswer::Click << int(QMessageBox::No) << 7 << question
                                    << yesNo << int(QMessageBox::Yes);
        QTest::newRow("yes/no, Escape is No") << 2 << TAnswer::Escape << 0 << 7 << question << yesNo
                                              << int(QMessageBox::Yes);
        QTest::newRow("yes/no, closed is No") << 2 << TAnswer::Close << 0 << 7 << question << yesNo
                                              << int(QMessageBox::Yes);
        QTest::newRow("retry/cancel, Retry") << 22 << TAnswer::Click << int(QMessageBox::Retry) << 4
                                             << question << retryCancel << int(QMessageBox::Retry);
        QTest::newRow("retry/cancel, Cancel") << 22 << TAnswer::Click << int(QMessageBox::Cancel) << 2
                                              << question << retryCancel << int(QMessageBox::Retry);
        QTest::newRow("retry/cancel, Escape is Cancel") << 22 << TAnswer::Escape << 0 << 2 << question
                                                        << retryCancel << int(QMessageBox::Retry);
        QTest::newRow("retry/cancel, closed is Cancel") << 22 << TAnswer::Close << 0 << 2 << question
                                                        << retryCancel << int(QMessageBox::Retry);
    }

    void results()
    {
        QFETCH(int, kind);
        QFETCH(TAnswer, how);
        QFETCH(int, button);
        QFETCH(int, result);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);

        TBoxAnswerer answerer(how, QMessageBox::StandardButton(button));
        TDesktopMsgBox box;
        QCOMPARE(box.MsgBox("Caption", "Text", kind), result);
        QVERIFY(answerer.seen);
        QCOMPARE(int(answerer.icon), icon);
        QCOMPARE(int(answerer.buttons), buttons);
        QCOMPARE(int(answerer.defaultButton), defaultButton);
        QCOMPARE(answerer.caption, QString("Caption"));
        QCOMPARE(answerer.text, QString("Text"));
    }

    void otherKindsShowNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("0") << 0;
        QTest::newRow("3") << 3;
        QTest::newRow("21") << 21;
        QTest::newRow("-1") << -1;
    }

    void otherKindsShowNothing()
    {
        QFETCH(int, kind);
        // A box wrongly shown would be seen (and closed) instead of blocking.
        TBoxAnswerer answerer(TAnswer::Close, QMessageBox::NoButton);
        TDesktopMsgBox box;
        QCOMPARE(box.MsgBox("Caption", "Text", kind), 1);
        QVERIFY(!answerer.seen);
    }
};

QTEST_MAIN(TstMsgBox)
#include "tst_msgbox.moc"
