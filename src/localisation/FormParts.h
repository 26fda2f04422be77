#pragma once
// The pieces every dialog is built from, named as the language files name
// them: captions, fixed lists, buttons and the Ok/Cancel row, plus the window
// flags of a fixed dialog with only the system menu.

#include <QString>
#include <Qt>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Fixed border, title with the system menu and the close box only.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A caption right-aligned towards the field it names.
QLabel *NewCaption(const char *name, const QString &caption, QWidget *parent);
// A fixed list (no typing) with the given Tag marker.
QComboBox *NewFixedList(const char *name, int tag, int minimumWidth, QWidget *parent);
QPushButton *NewButton(const char *name, const QString &caption, QWidget *parent);
// "&Ok" (the default button) and "&Cancel", right-aligned.
QHBoxLayout *NewOkCancelRow(QPushButton *&ok, QPushButton *&cancel, QWidget *parent);
