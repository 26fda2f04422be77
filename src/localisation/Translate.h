#pragma once
// Window translation from a language file: captions, hints, list items and
// grid titles of a window's components, looked up in the section named after
// the window (its objectName, "fMainFrm"). Components are found by
// objectName, in the window's creation order. Every lookup passes the current
// text as the default, so a missing key leaves the text as it is.
//
// Kinds, and what they take:
//   the window itself          W.Caption   -> windowTitle
//   QLabel                     N.Caption
//   QAction in a menu / QMenu  N.Caption   (menu item; its hint stays)
//   QAbstractButton            N.Caption   (buttons, check boxes, radio buttons)
//   QAction marked tool button N.Caption, then N.Hint (tool tip)
//   QGroupBox                  N.Caption
//   tab page (QTabWidget)      N.Caption
//   TTranslatableGrid          N.1 .. N.(count-1), header cell (c, 1)
//   QComboBox (lists only)     N.0 .. ; Tag -3: only N.0; Tag -2: untouched
//   QListWidget                N.0 .. ; Tag -2: untouched (lists or not)

#include <QString>

class QObject;
class QWidget;

// The Tag marker of a component: -2 leave the items or titles alone, -3 only
// item 0. Kept as the dynamic property "Tag"; 0 when unset.
inline constexpr char TagProperty[] = "Tag";
void SetTag(QObject *component, int tag);
int Tag(const QObject *component);

// Marks an action as a tool button (translated with caption and hint).
void MarkToolButton(QObject *action);

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
// section or key changes nothing.
void TranslateWindow(QWidget *window, const QString &languageFile, bool lists);
