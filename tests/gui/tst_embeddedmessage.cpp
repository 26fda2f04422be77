// The embedded message dialog: what the edits let in (typed or pasted),
// the length limit, and what Ok and Cancel store.

#include "DialogPictures.h"
#include "core/Workspace.h"
#include "image/EmbeddedMessage.h"
#include "support/Fixtures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Types text character by character, as the keyboard sends it (any
// character, not only those with a key of their own).
void Type(QWidget *edit, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

struct TOpened {
    std::unique_ptr<TWorkspace> ws = NewWorkspace();
    std::unique_ptr<TfEmbeddedMessage> dialog;
    QLineEdit *edEMA = nullptr;
    QLineEdit *edEMB = nullptr;

    explicit TOpened(const QString &a = {}, const QString &b = {})
    {
        ws->EnMsg.MessageA = a;
        ws->EnMsg.MessageB = b;
        dialog = std::make_unique<TfEmbeddedMessage>(*ws);
        dialog->show();
        edEMA = dialog->findChild<QLineEdit *>("edEMA");
        edEMB = dialog->findChild<QLineEdit *>("edEMB");
    }

    void Click(const char *button)
    {
        dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
};

} // namespace

class TstEmbeddedMessage : public QObject {
    Q_OBJECT

private slots:
    void showsTheMessages()
    {
        TOpened t("HELLO 1", "bye");
        QCOMPARE(t.dialog->windowTitle(), QString("Embedded Message"));
        QCOMPARE(t.edEMA->text(), QString("HELLO 1"));
        QCOMPARE(t.edEMB->text(), QString("bye"));
        QCOMPARE(t.edEMA->maxLength(), 32);
        QCOMPARE(t.edEMB->maxLength(), 32);
    }

    void lettersDigitsAndSpaceOnly_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");  // what typing leaves
        QTest::addColumn<QString>("pasted"); // what pasting leaves

        QTest::newRow("dash and point") << "A-B.C" << "ABC" << "ABC";
        QTest::newRow("only refused") << "-." << "" << "";
        QTest::newRow("allowed") << "Abc 09 xyZ" << "Abc 09 xyZ" << "Abc 09 xyZ";
        QTest::newRow("punctuation") << "a,b;c!d?e_f/g" << "abcdefg" << "abcdefg";
        QTest::newRow("beyond ASCII") << "Ä1é2中" << "12" << "12";
        QTest::newRow("tab") << "a\tb" << "ab" << "ab";
        QTest::newRow("33 characters") << QString(33, u'x') << QString(32, u'x') << QString(32, u'x');
    }

    void lettersDigitsAndSpaceOnly()
    {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        TOpened t;
        Type(t.edEMA, input);
        QCOMPARE(t.edEMA->text(), typed);

        QGuiApplication::clipboard()->setText(input);
        if (QGuiApplication::clipboard()->text() == input) {
            t.edEMB->paste();
            QCOMPARE(t.edEMB->text(), pasted);
        }
        t.edEMB->clear();
        t.edEMB->insert(input); // as a paste or a drop inserts it
        QCOMPARE(t.edEMB->text(), pasted);

        t.Click("btnOk");
        QCOMPARE(t.ws->EnMsg.MessageA, typed);
        QCOMPARE(t.ws->EnMsg.MessageB, pasted);
    }

    void okStoresWholeMessagesCancelNothing_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Ok") << true;
        QTest::newRow("Cancel") << false;
    }

    void okStoresWholeMessagesCancelNothing()
    {
        QFETCH(bool, ok);
        const QString full = "ABCDEFGHIJKLMNOP 123456789 abcde";
        QCOMPARE(full.size(), 32);
        TOpened t("old A", "old B");
        t.edEMA->selectAll();
        QTest::keyClicks(t.edEMA, full);
        t.edEMB->selectAll();
        QTest::keyClick(t.edEMB, Qt::Key_Backspace);
        t.Click(ok ? "btnOk" : "btnCancel");
        QCOMPARE(t.ws->EnMsg.MessageA, ok ? full : QString("old A"));
        QCOMPARE(t.ws->EnMsg.MessageB, ok ? QString() : QString("old B"));
        QVERIFY(!t.ws->All.Modified);
    }

    // A message read from a radio may hold bytes the edits do not take: it
    // is kept unless its edit is changed.
    void untouchedMessagesKeepTheirCharacters()
    {
        TOpened t("A-B.C", "x-y");
        QCOMPARE(t.edEMA->text(), QString("A-B.C")); // shown as it is stored
        QTest::keyClicks(t.edEMB, "Z");
        t.Click("btnOk");
        QCOMPARE(t.ws->EnMsg.MessageA, QString("A-B.C"));
        QCOMPARE(t.ws->EnMsg.MessageB, QString("xyZ")); // an edit drops them
    }

    void enterConfirms()
    {
        TOpened t;
        QTest::keyClicks(t.edEMA, "HI");
        QTest::keyClick(t.edEMA, Qt::Key_Return);
        QCOMPARE(t.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(t.ws->EnMsg.MessageA, QString("HI"));
    }

    // Not a check: pictures of the dialog in both languages.
    void pictures()
    {
        if (PictureFolder().isEmpty())
            QSKIP("ORVEL_DIALOG_PICTURES not set");
        QVERIFY(SavePictures([](TWorkspace &ws) { return std::make_unique<TfEmbeddedMessage>(ws); }));
    }
};

QTEST_MAIN(TstEmbeddedMessage)
#include "tst_embeddedmessage.moc"
