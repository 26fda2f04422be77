#include "link/PtyRadio.h"

#include "link/LinkTimings.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <thread>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC on Linux
using namespace std::chrono_literals;

// Closer than this to a reply byte's time, the server sleeps to the exact
// moment instead of polling.
constexpr auto kExactSleep = 3ms;

// One thing the server does at a given time: write a byte, or an event.
struct Scheduled {
    enum What { Byte, SessionEnd, HangUp } what = Byte;
    Clock::time_point at;
    char byte = 0;
};

} // namespace

struct TPtyRadio::Server {
    TPtyRadio *owner = nullptr;
    bool pacing = true;
    mutable std::mutex lock; // guards radio, sessions, serving
    TRadioSim radio;
    int sessions = 0;
    bool serving = false;
    QString devicePath;

    int master = -1;
    int slave = -1;
    int wake = -1;
    std::atomic<bool> stopping = false;
    std::thread thread;

    // Server thread only.
    std::deque<std::pair<Clock::time_point, char>> incoming;
    std::deque<Scheduled> outgoing;
    Clock::time_point lineInFree{};  // the computer's bytes: when the line is free again
    Clock::time_point lineOutFree{}; // the radio's bytes likewise
    Clock::time_point lastByte{};
    int sessionReads = 0;
    int sessionWrites = 0;
    bool blocked = false; // a write found the terminal's input buffer full
    bool quietSeen = true; // Quiet was given since the last byte

    explicit Server(const TRadioSim &r) : radio(r) {}

#ifdef Q_OS_LINUX
    bool open(QString *error);
    void closeFds();
    void run();
    void receive(Clock::time_point now);
    void deliver(Clock::time_point now);
    void schedule(const TRadioSim::Output &out, Clock::time_point received);
    bool transmit(Clock::time_point now); // false once hung up
    Clock::time_point nextDue() const;
    void countFrame(const QByteArray &frame);
#endif
};

TPtyRadio::TPtyRadio(const TRadioSim &radio, bool pacing, QObject *parent)
    : QObject(parent), d(std::make_unique<Server>(radio))
{
    d->owner = this;
    d->pacing = pacing;
}

TPtyRadio::~TPtyRadio()
{
    Stop();
}

QString TPtyRadio::DevicePath() const
{
    return d->devicePath;
}

bool TPtyRadio::Serving() const
{
    std::lock_guard guard(d->lock);
    return d->serving;
}

QByteArray TPtyRadio::Memory() const
{
    std::lock_guard guard(d->lock);
    return d->radio.Memory();
}

QList<QByteArray> TPtyRadio::Frames() const
{
    std::lock_guard guard(d->lock);
    return d->radio.Frames();
}

void TPtyRadio::ClearFrames()
{
    std::lock_guard guard(d->lock);
    d->radio.ClearFrames();
}

int TPtyRadio::Sessions() const
{
    std::lock_guard guard(d->lock);
    return d->sessions;
}

#ifndef Q_OS_LINUX

bool TPtyRadio::Start(QString *error)
{
    if (error)
        *error = QStringLiteral("the simulated radio needs a Unix system with pseudo-terminals (Linux)");
    return false;
}

void TPtyRadio::Stop() {}

#else

bool TPtyRadio::Start(QString *error)
{
    if (d->thread.joinable() || d->master >= 0) {
        if (error)
            *error = QStringLiteral("already started");
        return false;
    }
    if (!d->open(error))
        return false;
    {
        std::lock_guard guard(d->lock);
        d->serving = true;
    }
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void TPtyRadio::Stop()
{
    d->stopping = true;
    if (d->wake >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(d->wake, &one, sizeof one);
    }
    if (d->thread.joinable())
        d->thread.join();
    d->closeFds();
    if (d->wake >= 0) {
        ::close(d->wake);
        d->wake = -1;
    }
    std::lock_guard guard(d->lock);
    d->serving = false;
}

bool TPtyRadio::Server::open(QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(strerror(errno)));
        closeFds();
        return false;
    };
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return fail("posix_openpt");
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return fail("grantpt/unlockpt");
    char name[128] = {};
    if (::ptsname_r(master, name, sizeof name) != 0)
        return fail("ptsname");
    // Our own hold on the terminal's end: without it the master reads EIO
    // (and polls as hung up) whenever the program has closed the port.
    slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0)
        return fail("open pseudo-terminal");
    termios raw{};
    if (::tcgetattr(slave, &raw) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&raw);
    if (::tcsetattr(slave, TCSANOW, &raw) != 0)
        return fail("tcsetattr");
    if (::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) != 0)
        return fail("fcntl");
    wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0)
        return fail("eventfd");
    devicePath = QString::fromLocal8Bit(name);
    return true;
}

void TPtyRadio::Server::closeFds()
{
    for (int *fd : {&master, &slave}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void TPtyRadio::Server::run()
{
    // The kernel's default timer slack (50 us) would add up over a transfer.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    while (!stopping) {
        const Clock::time_point due = nextDue();
        const Clock::time_point now = Clock::now();
        if (due > now && due - now < kExactSleep) {
            // Something is due in a moment (usually a reply byte): be there
            // exactly rather than when the poll comes back.
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count();
            const timespec at{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
            while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
            }
        } else {
            const short events = short(POLLIN | (blocked ? POLLOUT : 0));
            pollfd fds[2] = {{master, events, 0}, {wake, POLLIN, 0}};
            timespec timeout{};
            timespec *wait = nullptr;
            if (due != Clock::time_point::max()) {
                const auto left = std::max(Clock::duration::zero(), due - now);
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
                timeout = {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
                wait = &timeout;
            }
            if (::ppoll(fds, 2, wait, nullptr) < 0 && errno != EINTR)
                break;
            if (fds[1].revents & POLLIN)
                break; // Stop()
            if (fds[0].revents & (POLLERR | POLLNVAL))
                break; // the terminal failed under us: nothing left to serve
            if (fds[0].revents & POLLOUT)
                blocked = false;
            if (fds[0].revents & POLLIN)
                receive(Clock::now());
        }
        const Clock::time_point after = Clock::now();
        deliver(after);
        if (!transmit(after))
            return;
        if (!quietSeen && incoming.empty() && after - lastByte >= QuietTime) {
            quietSeen = true; // once: a wake-up in progress stays waiting
            std::lock_guard guard(lock);
            radio.Quiet();
        }
    }
    std::lock_guard guard(lock);
    serving = false;
}

// When the loop must wake next: a byte received, a byte to write, or the
// line falling quiet over a partial frame.
Clock::time_point TPtyRadio::Server::nextDue() const
{
    Clock::time_point due = Clock::time_point::max();
    if (!incoming.empty())
        due = std::min(due, incoming.front().first);
    if (!outgoing.empty() && !blocked)
        due = std::min(due, outgoing.front().at);
    if (!quietSeen)
        due = std::min(due, lastByte + QuietTime);
    return due;
}

void TPtyRadio::Server::receive(Clock::time_point now)
{
    char buffer[4096];
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i) {
        // The line carries one byte at a time: it is received one byte time
        // after it could start.
        Clock::time_point at = now;
        if (pacing) {
            at = std::max(now, lineInFree) + LinkTimings::ByteTime;
            lineInFree = at;
        }
        incoming.emplace_back(at, buffer[i]);
    }
}

// Hands every byte whose time has come to the radio, one by one, so that each
// reply is timed from the byte that completed its frame.
void TPtyRadio::Server::deliver(Clock::time_point now)
{
    while (!incoming.empty() && incoming.front().first <= now) {
        const auto [at, byte] = incoming.front();
        incoming.pop_front();
        lastByte = at;
        quietSeen = false;
        QList<TRadioSim::Output> outputs;
        {
            std::lock_guard guard(lock);
            const qsizetype before = radio.Frames().size();
            outputs = radio.Feed(QByteArray(1, byte));
            const QList<QByteArray> frames = radio.Frames();
            for (qsizetype f = before; f < frames.size(); ++f)
                countFrame(frames[f]);
        }
        for (const TRadioSim::Output &out : outputs)
            schedule(out, at);
    }
}

void TPtyRadio::Server::countFrame(const QByteArray &frame)
{
    switch (frame.front()) {
    case 0x02:
        if (frame.size() > 1) { // a wake-up starts a session
            sessionReads = 0;
            sessionWrites = 0;
        }
        break;
    case 0x52:
        ++sessionReads;
        break;
    case 0x57:
    case 0x59:
        ++sessionWrites;
        break;
    default:
        break;
    }
}

void TPtyRadio::Server::schedule(const TRadioSim::Output &out, Clock::time_point received)
{
    Clock::time_point at = received + out.delay;
    for (const char byte : out.bytes) {
        if (pacing) {
            at = std::max(at, lineOutFree) + LinkTimings::ByteTime;
            lineOutFree = at;
        }
        outgoing.push_back({Scheduled::Byte, at, byte});
    }
    if (out.sessionEnded)
        outgoing.push_back({Scheduled::SessionEnd, at});
    if (out.hangUp)
        outgoing.push_back({Scheduled::HangUp, at});
}

bool TPtyRadio::Server::transmit(Clock::time_point now)
{
    while (!outgoing.empty() && outgoing.front().at <= now) {
        const Scheduled s = outgoing.front();
        switch (s.what) {
        case Scheduled::Byte:
            if (::write(master, &s.byte, 1) != 1 && errno == EAGAIN) {
                blocked = true; // the terminal's buffer is full: wait until it drains
                return true;
            }
            break;
        case Scheduled::SessionEnd: {
            {
                std::lock_guard guard(lock);
                ++sessions;
            }
            emit owner->SessionEnded(sessionReads, sessionWrites);
            break;
        }
        case Scheduled::HangUp:
            closeFds();
            {
                std::lock_guard guard(lock);
                serving = false;
            }
            emit owner->Disappeared();
            return false;
        }
        outgoing.pop_front();
    }
    return true;
}

#endif
