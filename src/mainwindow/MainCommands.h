#pragma once
// What each command number of the main window does, once the dispatch has
// closed the channel table's editing. Dialogs are created for one command,
// shown modally and freed.

class TfMainFrm;

class TMainCommands {
public:
    explicit TMainCommands(TfMainFrm &frame);

    // Runs command number; a number without a command does nothing.
    void Run(int number);

    // Setup: the model dialog and the choice applied.
    void ModelInformation();
    // Setup: the language dialog; a new language is taken at once.
    void LanguageSetup();
    // After a language change: messages, window texts, status and the
    // channel table in the new language.
    void ApplyLanguage();

    // File: Print (preview false) and Print Preview (true). The report's
    // datasets are rebuilt from the windows as they are now, then shown in
    // the preview window or printed through the print dialog; cancelling the
    // dialog prints nothing, and a print that fails once the dialog was
    // accepted says so in a message.
    void PrintReport(bool preview);

private:
    void Help();
    void About();
    void ChannelEdit();
    void BatchChannelEdit();
    void ReadFromRadio();
    void WriteToRadio();

    TfMainFrm &m_frame;
};
