#pragma once
// A file chooser for tests: answers from a script and counts the questions,
// so that no test ever waits on a file dialog.

#include "image/FileChooser.h"

#include <QStringList>

class ScriptedFileChooser : public TFileChooser {
public:
    QStringList openAnswers; // in order; empty once used up means Cancel
    QStringList saveAnswers;
    QStringList reportAnswers;
    int openAsked = 0;
    int saveAsked = 0;
    int reportAsked = 0;

    QString ChooseOpenFile() override
    {
        ++openAsked;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString ChooseSaveFile() override
    {
        ++saveAsked;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString ChooseReportFile() override
    {
        ++reportAsked;
        return reportAnswers.isEmpty() ? QString() : reportAnswers.takeFirst();
    }
};
