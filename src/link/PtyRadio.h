#pragma once
// Serves a simulated radio on a pseudo-terminal, so that the program (or
// orvel-cli) can open "/dev/pts/N" as if a radio were plugged in. A thread
// of its own answers the computer's bytes as TRadioSim says. The server keeps
// the terminal's own end open as well, so the pseudo-terminal survives the
// program closing and reopening it between sessions.
//
// Pacing on, every byte takes the line time of 9600 baud 8N2 in both
// directions: a byte from the computer counts as received one ByteTime after
// the line was free for it, and each reply byte is written at its own time,
// the first one ByteTime after the request's last byte was received (plus a
// fault's delay). Pacing off, replies are written at once (a slow-reply
// fault still waits).
//
// Only on Linux; elsewhere Start() fails and says why.

#include "link/RadioSim.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class TPtyRadio : public QObject {
    Q_OBJECT
public:
    // Bytes of a partial frame are dropped after this long without a byte.
    static constexpr auto QuietTime = std::chrono::milliseconds(100);

    // The server owns radio from here on: reach its memory and frames through
    // the server's accessors, which are safe from any thread.
    explicit TPtyRadio(const TRadioSim &radio, bool pacing = true, QObject *parent = nullptr);
    // Stops serving and joins the thread.
    ~TPtyRadio() override;

    // Opens the pseudo-terminal and starts serving. False with error set when
    // it cannot (no pseudo-terminals here, out of them).
    bool Start(QString *error);
    // Stops serving and closes the pseudo-terminal; prompt, and safe to call
    // twice.
    void Stop();

    // "/dev/pts/N" once started.
    QString DevicePath() const;
    // Until Stop, or until a Disappear fault closed the pseudo-terminal.
    bool Serving() const;

    QByteArray Memory() const;
    QList<QByteArray> Frames() const;
    void ClearFrames();
    // Sessions ended with the end command so far.
    int Sessions() const;

signals:
    // Emitted from the server thread (queued to receivers elsewhere) after
    // each end command: the read requests and write frames of that session.
    void SessionEnded(int readFrames, int writeFrames);
    // A Disappear fault closed the pseudo-terminal.
    void Disappeared();

private:
    struct Server;
    std::unique_ptr<Server> d;
};
