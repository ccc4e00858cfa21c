#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

/// Runs jobs one after the other, in the order posted, on a thread of its
/// own. post() waits while \a depth jobs are waiting, so the poster runs at
/// most that far ahead. Every posted job runs, also when the thread ends.
class JobThread
{
public:
    explicit JobThread(size_t depth) : depth(depth), thread([this] { run(); }) {}

    ~JobThread()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            quitting = true;
        }
        changed.notify_all();
        thread.join();
    }

    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    void post(std::function<void()> job)
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [this] { return jobs.size() < depth; });
        jobs.push_back(std::move(job));
        changed.notify_all();
    }

    /// Returns when every job posted so far has run.
    void wait()
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [this] { return jobs.empty() && !running; });
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> guard(lock);
        for (;;) {
            changed.wait(guard, [this] { return quitting || !jobs.empty(); });
            if (jobs.empty())
                return;
            std::function<void()> job = std::move(jobs.front());
            jobs.pop_front();
            running = true;
            changed.notify_all();
            guard.unlock();
            job();
            guard.lock();
            running = false;
            changed.notify_all();
        }
    }

    const size_t depth;
    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    bool running = false;
    bool quitting = false;
    std::thread thread; // last: it starts once everything above is made
};
