#pragma once
// Window translation from a language file: captions, hints, list items and
// grid titles of a window's components, looked up in the section named after
// the window (its objectName, "fMainFrm"). Components are found by
// objectName, in the window's creation order. Every lookup passes the current
// text as the default, so a missing key leaves the text as it is.
//
// Kinds, and what they take:
//   the window itself          W.Caption   -> windowTitle
//   QLabel                     N.Caption   (unless marked static text)
//   QAction in a menu / QMenu  N.Caption   (menu item; its hint stays)
//   QAbstractButton            N.Caption   (buttons, check boxes, radio buttons)
//   QAction marked tool button N.Caption, then N.Hint (tool tip)
//   QGroupBox                  N.Caption
//   tab page (QTabWidget)      N.Caption
//   TTranslatableGrid          N.1 .. N.(count-1), header cell (c, 1)
//   QTableWidget               N.1 .. N.(count-1), horizontal header section c
//   QComboBox (lists only)     N.0 .. ; Tag -3: only N.0; Tag -2: untouched
//   QListWidget                N.0 .. ; Tag -2: untouched (lists or not)
//
// Creation order is the QObject child order, depth first: a component comes
// before the components it holds. Components without an objectName and Qt's
// own parts ("qt_..." names) are not components of the window. A window of
// its own met on the way (a dialog or popup parented to the window, an MDI
// child such as the channel table inside the main window) has its own
// section and is not entered; menus are entered although Qt makes them
// popups.
//
// A QTableWidget stands for a grid whose hidden title column is column 0:
// grid column c is table column c, and the title cell (c, 1) is the
// horizontal header section c. Column 0 is never translated.

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

// The Tag marker of a component: -2 leave the items or titles alone, -3 only
// item 0. Kept as the dynamic property "Tag"; 0 when unset. Translation
// reads the marker and never changes it.
inline constexpr char TagProperty[] = "Tag";
void SetTag(QObject *component, int tag);
int Tag(const QObject *component);

// Marks an action as a tool button (translated with caption and hint). A
// QAbstractButton widget marked so takes its hint as well.
void MarkToolButton(QObject *action);
// Marks a label as static text (it shows data, such as the model name, and
// is left alone by the translation).
void MarkStaticText(QObject *label);

// A grid whose titles can be translated: column c of its header row (row 1
// in grid coordinates, c from 1). Windows with such a grid implement this on
// the grid's view.
class TTranslatableGrid {
public:
    virtual ~TTranslatableGrid() = default;
    virtual int GridColumnCount() const = 0;
    virtual QString GridTitle(int col) const = 0;
    virtual void SetGridTitle(int col, const QString &title) = 0;
};

// Translates window from the language file at languageFile. lists says
// whether combo boxes are translated. Always succeeds; a missing file,
// section or key changes nothing. A text that the file leaves as it is, is
// not set again (no change signal for it).
void TranslateWindow(QWidget *window, const QString &languageFile, bool lists);

// The keys TranslateWindow(window, file, lists) reads from the window's
// section, in the order it reads them ("Caption" first for the window
// itself, as window->objectName() + ".Caption"). Changes nothing. For
// checking that a language file covers a window.
QStringList TranslationKeys(QWidget *window, bool lists);
