#pragma once

#include "core/tmpldownloadmanager.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>

#include <functional>

/// Progress on the terminal: a bar redrawn in place on a terminal, a plain
/// line every 10 % otherwise.
class ProgressLine
{
public:
    explicit ProgressLine(QString label);
    void update(float percent);
    void finish();

private:
    QString label;
    bool tty;
    int lastStep = -1;
    int lastDrawn = -1;
    QElapsedTimer clock;
    long frames = 0;
};

/// Answers a theme download that failed after its automatic retries on the
/// terminal: gives up with the reason.
class TerminalDownloadHandler : public IDownloadErrorHandler
{
public:
    explicit TerminalDownloadHandler(TmplDownloadManager* manager);
    void downloadFailed(const QString& reason) override;

    bool gaveUp() const { return givenUp; }
    QString reason() const { return lastReason; }

private:
    TmplDownloadManager* manager;
    bool givenUp = false;
    QString lastReason;
};

/// Prints a line on standard error.
void warn(const QString& text);

/// Prints "pictavio-render: " and \a reason on standard error; returns 1.
int failWith(const QString& reason);

/// Says on standard error that the run was stopped and nothing was written;
/// returns 130.
int stoppedByUser();

/// Makes Ctrl-C, SIGTERM and SIGHUP set the flag that interrupted() reads,
/// and a file size limit fail the write instead of ending the program.
void catchInterrupts();
bool interrupted();

/// An event loop that notices Ctrl-C: while an interrupt is pending it calls
/// \a onInterrupt every 100 ms, which should make the work end and so quit
/// the loop through the work's own signal.
class InterruptibleLoop : public QEventLoop
{
public:
    explicit InterruptibleLoop(std::function<void()> onInterrupt);

private:
    QTimer poll;
};
