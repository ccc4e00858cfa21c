#pragma once

// A FIFO where a file is expected, offering \a content to the first reader
// that opens it, so that a reader that should have refused it shows instead
// of hanging.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoFeeder
{
public:
    FifoFeeder(const QString& path, QByteArray content) : path(QFile::encodeName(path))
    {
        std::signal(SIGPIPE, SIG_IGN); // a reader that leaves early must not end the test
        made = ::mkfifo(this->path.constData(), 0600) == 0;
        if (made)
            feeder = std::thread([this, content] { feed(content); });
    }
    ~FifoFeeder()
    {
        stop = true;
        if (feeder.joinable())
            feeder.join();
        ::unlink(path.constData());
    }
    FifoFeeder(const FifoFeeder&) = delete;
    FifoFeeder& operator=(const FifoFeeder&) = delete;

    bool isMade() const { return made; }
    /// A reader opened the FIFO.
    bool wasOpened() const { return opened; }

private:
    void feed(const QByteArray& content)
    {
        int fd = -1;
        while (!stop && fd < 0) {
            fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno != ENXIO)
                return;
            if (fd < 0)
                ::usleep(1000);
        }
        if (fd < 0)
            return;
        opened = true;
        qint64 sent = 0;
        while (!stop && sent < content.size()) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const ssize_t n = ::write(fd, content.constData() + sent, size_t(content.size() - sent));
            if (n < 0 && errno != EAGAIN)
                break;
            sent += n > 0 ? n : 0;
        }
        ::close(fd);
    }

    QByteArray path;
    bool made = false;
    std::atomic_bool stop{false};
    std::atomic_bool opened{false};
    std::thread feeder;
};
