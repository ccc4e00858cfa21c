#include "terminal.h"

#include "core/timing.h"
#include "core/outputfile.h"

#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

std::atomic_bool interruptSeen{false};

void onInterrupt(int)
{
    interruptSeen = true;
}

} // namespace

void warn(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

int failWith(const QString& reason)
{
    warn("pictavio-render: " + reason);
    return 1;
}

int stoppedByUser()
{
    warn("pictavio-render: stopped; no video was written.");
    return 130;
}

void catchInterrupts()
{
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    // A closed terminal: stop as cleanly as on Ctrl-C.
    std::signal(SIGHUP, onInterrupt);
    ignoreFileSizeSignal();
}

bool interrupted()
{
    return interruptSeen;
}

InterruptibleLoop::InterruptibleLoop(std::function<void()> onInterrupt)
{
    QObject::connect(&poll, &QTimer::timeout, this, [onInterrupt = std::move(onInterrupt)] {
        if (interrupted())
            onInterrupt();
    });
    poll.start(100);
}

ProgressLine::ProgressLine(QString label) : label(std::move(label)), tty(isatty(fileno(stdout)))
{
    clock.start();
}

void ProgressLine::update(float percent)
{
    ++frames;
    const int step = int(percent / 10.f);
    if (!tty) {
        if (step > lastStep && step <= 10) {
            lastStep = step;
            std::printf("%s: %d%%\n", qPrintable(label), step * 10);
            std::fflush(stdout);
        }
        return;
    }
    const int whole = int(percent);
    if (whole == lastDrawn)
        return;
    lastDrawn = whole;
    const double seconds = clock.elapsed() / 1000.0;
    const double fps = seconds > 0 ? frames / seconds : 0;
    const int left = secondsLeft(seconds, percent);
    const int filled = std::min(30, int(percent * 30 / 100));
    std::printf("\r%s [%s%s] %3d%%  %5.1f fps  %s left ", qPrintable(label),
                QByteArray(filled, '#').constData(), QByteArray(30 - filled, ' ').constData(),
                whole, fps, left < 0 ? "-:--" : qPrintable(clockText(left)));
    std::fflush(stdout);
}

void ProgressLine::finish()
{
    if (tty)
        std::printf("\n");
    std::fflush(stdout);
}

TerminalDownloadHandler::TerminalDownloadHandler(TmplDownloadManager* manager) : manager(manager)
{
}

void TerminalDownloadHandler::downloadFailed(const QString& reason)
{
    lastReason = reason;
    givenUp = true;
    manager->onReselectTheme();
}
