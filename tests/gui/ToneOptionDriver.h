#pragma once
// Driving the tone picker from tests: double clicks on its cells and a
// scoped driver for TfToneOption::Pick, so that no test waits on the modal
// picker.

#include "editing/ToneOption.h"

#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// Double-clicks cell (row, col) of the picker's table of tag (0 CTCSS,
// 1 DCS-N, 2 DCS-I); the table is brought to the front first.
inline void DoubleClickTone(TfToneOption &picker, int tag, int row, int col)
{
    if (!picker.Table(tag)->isVisible()) {
        picker.Choice(tag)->click();
        QCoreApplication::sendPostedEvents(); // lays the table out
    }
    QTableWidget *table = picker.Table(tag);
    const QPoint at = table->visualRect(table->model()->index(row, col)).center();
    // A double click as the system delivers it: press, release, double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

// While alive, TfToneOption::Pick runs driver instead of a modal loop.
class ScopedToneDriver {
public:
    explicit ScopedToneDriver(TfToneOption::TDriver driver)
    {
        TfToneOption::SetDriver(std::move(driver));
    }
    ~ScopedToneDriver() { TfToneOption::SetDriver({}); }
    ScopedToneDriver(const ScopedToneDriver &) = delete;
    ScopedToneDriver &operator=(const ScopedToneDriver &) = delete;
};
