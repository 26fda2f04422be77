// Window translation: which component takes which key, the Tag markers, the
// lists switch, grids, and what a missing key or file leaves alone.

#include "localisation/Translate.h"
#include "support/TempFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A grid in the grid component's coordinates: titles of columns 0..4, and
// every column whose title was set.
class TFakeGrid : public QWidget, public TTranslatableGrid {
public:
    using QWidget::QWidget;
    QStringList titles{"c0", "c1", "c2", "c3", "c4"};
    QList<int> setColumns;

    int GridColumnCount() const override { return int(titles.size()); }
    QString GridTitle(int col) const override { return titles.at(col); }
    void SetGridTitle(int col, const QString &title) override
    {
        setColumns.append(col);
        titles[col] = title;
    }
};

// One window with a component of every kind, named as its texts say.
struct TFixture {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QAction *menuItem;
    QAction *toolButton;
    QMenu *menu;
    QComboBox *cbPlain, *cbKeep, *cbTone;
    QListWidget *lbList, *lbKeep;
    TFakeGrid *gvGrid, *gvKeep;
    QTableWidget *twTable;
    QTabWidget *tabs;

    template<class T>
    T *Add(T *w, const char *name)
    {
        w->setObjectName(QString::fromLatin1(name));
        window->layout()->addWidget(w);
        return w;
    }

    QComboBox *Combo(const char *name, int tag)
    {
        auto *c = Add(new QComboBox, name);
        c->addItems({"None", "67.0", "69.3"});
        c->setCurrentIndex(1);
        SetTag(c, tag);
        return c;
    }

    QListWidget *List(const char *name, int tag)
    {
        auto *l = Add(new QListWidget, name);
        l->addItems({"a", "b"});
        SetTag(l, tag);
        return l;
    }

    TFixture()
    {
        window->setObjectName("fTest");
        window->setWindowTitle("Window");
        new QVBoxLayout(window.get());
        Add(new QLabel("Label"), "lbPlain");
        MarkStaticText(Add(new QLabel("Orvel(UHF)"), "stModel"));
        Add(new QLabel("Untouched"), "lbMissing");

        auto *bar = Add(new QMenuBar, "MainMenu");
        menu = new QMenu("&File", window.get());
        menu->setObjectName("mFile");
        bar->addMenu(menu);
        menuItem = new QAction("&Open", window.get());
        menuItem->setObjectName("miOpen");
        menuItem->setToolTip("menu hint");
        menu->addAction(menuItem);
        toolButton = new QAction("Open", window.get());
        toolButton->setObjectName("tbOpen");
        toolButton->setToolTip("Open");
        MarkToolButton(toolButton);

        Add(new QPushButton("&Ok"), "btnOk");
        Add(new QCheckBox("Check"), "chBox");
        Add(new QRadioButton("Radio"), "rOne");
        auto *group = Add(new QGroupBox("Group"), "gbGroup");
        auto *inGroup = new QPushButton("In group", group);
        inGroup->setObjectName("btnInGroup");
        tabs = Add(new QTabWidget, "pcTabs");
        auto *page = new QWidget;
        page->setObjectName("tsPage");
        tabs->addTab(page, "Page");

        cbPlain = Combo("cbPlain", 0);
        cbKeep = Combo("cbKeep", -2);
        cbTone = Combo("cbTone", -3);
        lbList = List("lbList", 0);
        lbKeep = List("lbKeep", -2);
        gvGrid = Add(new TFakeGrid, "gvGrid");
        gvKeep = Add(new TFakeGrid, "gvKeep");
        SetTag(gvKeep, -2);
        twTable = Add(new QTableWidget(2, 3), "twTable");
        twTable->setHorizontalHeaderLabels({"t0", "t1", "t2"});

        // Windows of their own inside this one keep their own texts.
        auto *dialog = new QDialog(window.get());
        dialog->setObjectName("fInner");
        auto *inner = new QLabel("Inner", dialog);
        inner->setObjectName("lbInner");
        auto *mdi = Add(new QMdiArea, "mdiArea");
        auto *child = new QWidget;
        child->setObjectName("fChild");
        auto *childLabel = new QLabel("Child", child);
        childLabel->setObjectName("lbChild");
        mdi->addSubWindow(child);
    }

    template<class T>
    T *Find(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    static QString Items(const QComboBox *c)
    {
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items.append(c->itemText(i));
        return items.join(u'|') + u'@' + QString::number(c->currentIndex());
    }

    static QString Items(const QListWidget *l)
    {
        QStringList items;
        for (int i = 0; i < l->count(); ++i)
            items.append(l->item(i)->text());
        return items.join(u'|');
    }

    // What a row of the table looks at, as one text.
    QString Probe(const QString &what) const
    {
        const std::map<QString, std::function<QString()>> probes{
            {"caption", [&] { return window->windowTitle(); }},
            {"label", [&] { return Find<QLabel>("lbPlain")->text(); }},
            {"static text", [&] { return Find<QLabel>("stModel")->text(); }},
            {"label without key", [&] { return Find<QLabel>("lbMissing")->text(); }},
            {"menu", [&] { return menu->title() + u'/' + menu->menuAction()->text(); }},
            {"menu item", [&] { return menuItem->text() + u'/' + menuItem->toolTip(); }},
            {"tool button", [&] { return toolButton->text() + u'/' + toolButton->toolTip(); }},
            {"button", [&] { return Find<QPushButton>("btnOk")->text(); }},
            {"check box", [&] { return Find<QCheckBox>("chBox")->text(); }},
            {"radio button", [&] { return Find<QRadioButton>("rOne")->text(); }},
            {"group box", [&] { return Find<QGroupBox>("gbGroup")->title(); }},
            {"button in group", [&] { return Find<QPushButton>("btnInGroup")->text(); }},
            {"tab sheet", [&] { return tabs->tabText(0); }},
            {"combo", [&] { return Items(cbPlain); }},
            {"combo tag -2", [&] { return Items(cbKeep); }},
            {"combo tag -3", [&] { return Items(cbTone) + u'#' + QString::number(Tag(cbTone)); }},
            {"list", [&] { return Items(lbList); }},
            {"list tag -2", [&] { return Items(lbKeep); }},
            {"grid", [&] { return gvGrid->titles.join(u'|'); }},
            {"grid tag -2", [&] { return gvKeep->titles.join(u'|'); }},
            {"table", [&] {
                 QStringList t;
                 for (int c = 0; c < twTable->columnCount(); ++c)
                     t.append(twTable->horizontalHeaderItem(c)->text());
                 return t.join(u'|');
             }},
            {"dialog inside", [&] { return Find<QLabel>("lbInner")->text(); }},
            {"mdi child inside", [&] { return Find<QLabel>("lbChild")->text(); }},
        };
        return probes.at(what)();
    }
};

const char *const kLanguageFile = R"([fTest]
fTest.Caption=Translated
lbPlain.Caption=Label T
stModel.Caption=Static T
mFile.Caption=&File T
miOpen.Caption=&Open T
miOpen.Hint=Hint T
tbOpen.Caption=Open T
tbOpen.Hint=Hint T
btnOk.Caption=&Ok T
chBox.Caption=Check T
rOne.Caption=Radio T
gbGroup.Caption=Group T
btnInGroup.Caption=In group T
tsPage.Caption=Page T
cbPlain.0=None T
cbPlain.1=67.0 T
cbPlain.2=69.3 T
cbKeep.0=None T
cbKeep.1=67.0 T
cbTone.0=  None T
cbTone.1=67.0 T
lbList.0=a T
lbList.1=b T
lbKeep.0=a T
gvGrid.0=c0 T
gvGrid.1=c1 T
gvGrid.2=c2 T
gvGrid.4=c4 T
gvKeep.1=c1 T
twTable.0=t0 T
twTable.1=t1 T
twTable.2=t2 T
lbInner.Caption=Inner T
lbChild.Caption=Child T
)";

} // namespace

class TstTranslate : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath("Test.Ini");
        WriteBytes(m_file, kLanguageFile);
    }

    void components_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<bool>("lists");
        QTest::addColumn<QString>("expected");

        QTest::newRow("window caption") << "caption" << true << "Translated";
        QTest::newRow("label") << "label" << true << "Label T";
        QTest::newRow("static text is left alone") << "static text" << true << "Orvel(UHF)";
        QTest::newRow("missing key keeps the text") << "label without key" << true << "Untouched";
        QTest::newRow("top-level menu is an item") << "menu" << true << "&File T/&File T";
        QTest::newRow("menu item: caption only") << "menu item" << true << "&Open T/menu hint";
        QTest::newRow("tool button: caption and hint") << "tool button" << true << "Open T/Hint T";
        QTest::newRow("button") << "button" << true << "&Ok T";
        QTest::newRow("check box") << "check box" << true << "Check T";
        QTest::newRow("radio button") << "radio button" << true << "Radio T";
        QTest::newRow("group box") << "group box" << true << "Group T";
        QTest::newRow("component inside a group") << "button in group" << true << "In group T";
        QTest::newRow("tab sheet") << "tab sheet" << true << "Page T";
        QTest::newRow("combo: items, selection kept") << "combo" << true << "None T|67.0 T|69.3 T@1";
        QTest::newRow("combo without lists") << "combo" << false << "None|67.0|69.3@1";
        QTest::newRow("combo tag -2") << "combo tag -2" << true << "None|67.0|69.3@1";
        QTest::newRow("combo tag -3: item 0 only, trimmed, tag kept")
            << "combo tag -3" << true << "None T|67.0|69.3@1#-3";
        QTest::newRow("list box with lists") << "list" << true << "a T|b T";
        QTest::newRow("list box without lists") << "list" << false << "a T|b T";
        QTest::newRow("list box tag -2") << "list tag -2" << false << "a|b";
        QTest::newRow("grid: columns 1.., never 0, missing key kept")
            << "grid" << true << "c0|c1 T|c2 T|c3|c4 T";
        QTest::newRow("grid tag -2") << "grid tag -2" << true << "c0|c1|c2|c3|c4";
        QTest::newRow("table widget: header sections 1..") << "table" << true << "t0|t1 T|t2 T";
        QTest::newRow("dialog inside has its own section") << "dialog inside" << true << "Inner";
        QTest::newRow("MDI child has its own section") << "mdi child inside" << true << "Child";
    }

    void components()
    {
        QFETCH(QString, probe);
        QFETCH(bool, lists);
        QFETCH(QString, expected);
        TFixture f;
        TranslateWindow(f.window.get(), m_file, lists);
        QCOMPARE(f.Probe(probe), expected);
    }

    void gridNeverAsksColumnZero()
    {
        TFixture f;
        TranslateWindow(f.window.get(), m_file, true);
        QCOMPARE(f.gvGrid->setColumns, (QList<int>{1, 2, 4}));
        QVERIFY(f.gvKeep->setColumns.isEmpty());
    }

    // The tone selectors' owners rely on the selection (and with it the
    // selector's text) to survive, also when item 0 itself is selected.
    void selectedToneItemShowsNewText()
    {
        TFixture f;
        f.cbTone->setEditable(true);
        f.cbTone->setCurrentIndex(0);
        TranslateWindow(f.window.get(), m_file, true);
        QCOMPARE(f.cbTone->currentIndex(), 0);
        QCOMPARE(f.cbTone->currentText(), QString("None T"));
    }

    void missingFileOrSectionChangesNothing_data()
    {
        QTest::addColumn<QString>("content");
        QTest::newRow("no file") << QString();
        QTest::newRow("other section only") << QString("[fOther]\nlbPlain.Caption=X\n");
    }

    void missingFileOrSectionChangesNothing()
    {
        QFETCH(QString, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("Other.Ini");
        if (!content.isNull())
            WriteBytes(path, content.toUtf8());
        TFixture f;
        TranslateWindow(f.window.get(), path, true);
        TFixture untouched;
        for (const char *probe : {"caption", "label", "menu", "tool button", "combo", "list", "grid"})
            QCOMPARE(f.Probe(probe), untouched.Probe(probe));
    }

    // Nothing of the previous language is remembered: a key the second file
    // lacks keeps the first file's text.
    void secondLanguageStartsFromCurrentTexts()
    {
        QTemporaryDir dir;
        const QString second = dir.filePath("Second.Ini");
        WriteBytes(second, "[fTest]\nbtnOk.Caption=&Ok 2\n");
        TFixture f;
        TranslateWindow(f.window.get(), m_file, true);
        TranslateWindow(f.window.get(), second, true);
        QCOMPARE(f.Probe("button"), QString("&Ok 2"));
        QCOMPARE(f.Probe("label"), QString("Label T"));
    }

    void keysFollowCreationOrder()
    {
        QWidget window;
        window.setObjectName("fOrder");
        auto *first = new QLabel("1", &window);
        first->setObjectName("lbFirst");
        auto *group = new QGroupBox("g", &window);
        group->setObjectName("gbMiddle");
        auto *inner = new QPushButton("b", group);
        inner->setObjectName("btnInner");
        auto *combo = new QComboBox(&window);
        combo->setObjectName("cbLast");
        combo->addItems({"x", "y"});
        auto *unnamed = new QLabel("no name", &window);
        Q_UNUSED(unnamed);

        const QStringList expected{"fOrder.Caption", "lbFirst.Caption", "gbMiddle.Caption",
                                   "btnInner.Caption", "cbLast.0", "cbLast.1"};
        QCOMPARE(TranslationKeys(&window, true), expected);
        QCOMPARE(TranslationKeys(&window, false), expected.mid(0, 4));
    }
};

QTEST_MAIN(TstTranslate)
#include "tst_translate.moc"
