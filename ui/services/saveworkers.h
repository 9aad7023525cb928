// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <list>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace veltrin {

/// Saves made on threads of their own, one a save, so that no window waits while a file is made
/// and written, nor on a FIFO's slow reader. Each save's end comes back on this object's thread,
/// under a lock of its own. As it goes, every save still under way is asked to stop, which ends
/// a wait on a reader at once, and is waited for: a file on disk is written whole all the same.
class SaveWorkers : public QObject
{
    Q_OBJECT

public:
    /// Makes and writes the file; returns why it could not, or an empty string.
    using Write = std::function<QString(const QString &path, std::stop_token stop)>;
    /// The file, and why it could not be written or an empty string.
    using Ended = std::function<void(const QString &path, const QString &reason)>;

    explicit SaveWorkers(QObject *parent = nullptr);
    ~SaveWorkers() override;

    /// Runs the write on a thread of its own; `ended` follows on this object's thread, unless
    /// this object has gone.
    void start(const QString &path, Write write, Ended ended);
    /// How many saves are under way or not yet told.
    int count() const { return int(m_jobs.size()); }

private:
    struct Job
    {
        int id;
        QString path;
        Ended ended;
        std::jthread thread;
    };
    struct Outcome
    {
        int id;
        QString reason;
    };

    void handOver(Outcome outcome);
    /// Tells each save that has ended, on this object's thread.
    Q_INVOKABLE void collect();

    std::list<Job> m_jobs;
    int m_lastId = 0;
    std::mutex m_mutex; // guards what follows, which the saves' threads hand over
    std::vector<Outcome> m_outcomes;
    bool m_woken = false; // a collect() is on its way
};

} // namespace veltrin
