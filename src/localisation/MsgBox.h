#pragma once
// The one way the program shows a message: an information box, a Yes/No
// question or a Retry/Cancel question. The desktop program shows real boxes;
// tests script the answers; the command-line tool prints and answers itself.

#include <QString>

// Kinds of box (the kind argument of MsgBox).
enum TMsgKind : int {
    MsgInformation = 1,  // OK
    MsgYesNo = 2,        // Yes, No
    MsgRetryCancel = 22, // Retry, Cancel
};

// Results: the button identifiers of the system's message box.
enum TMsgResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdRetry = 4,
    IdYes = 6,
    IdNo = 7,
};

class TMsgBox {
public:
    virtual ~TMsgBox() = default;
    // Shows a modal box of the given kind and returns the pressed button.
    // A kind other than 1, 2 and 22 shows nothing and returns IdOk.
    virtual int MsgBox(const QString &caption, const QString &text, int kind) = 0;
};
