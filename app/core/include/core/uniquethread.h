#pragma once

#include <QThread>

#include <memory>

/// Ends a thread before deleting it: asks its event loop to quit and waits
/// for it to return.
struct ThreadDeleter
{
    void operator()(QThread* thread) const
    {
        thread->quit();
        thread->wait();
        delete thread;
    }
};

/// A thread that is quit, waited for and deleted with its owner.
using UniqueThread = std::unique_ptr<QThread, ThreadDeleter>;
