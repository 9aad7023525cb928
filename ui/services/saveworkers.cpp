// SPDX-License-Identifier: GPL-3.0-or-later
#include "saveworkers.h"

#include <QMetaObject>
#include <algorithm>
#include <exception>
#include <utility>

namespace veltrin {

SaveWorkers::SaveWorkers(QObject *parent) : QObject(parent) {}

SaveWorkers::~SaveWorkers()
{
    // All asked at once, so that none waits on a reader while an earlier one is joined.
    for (Job &job : m_jobs)
        job.thread.request_stop();
    m_jobs.clear();
}

void SaveWorkers::start(const QString &path, Write write, Ended ended)
{
    const int id = ++m_lastId;
    Job &job = m_jobs.emplace_back(Job{id, path, std::move(ended), {}});
    job.thread = std::jthread([this, id, path, write = std::move(write)](std::stop_token stop) {
        QString reason;
        try {
            reason = write(path, std::move(stop));
        } catch (const std::exception &error) {
            reason = QString::fromLocal8Bit(error.what());
        }
        handOver({id, reason});
    });
}

void SaveWorkers::handOver(Outcome outcome)
{
    bool woken = false;
    {
        const std::lock_guard lock(m_mutex);
        m_outcomes.push_back(std::move(outcome));
        woken = std::exchange(m_woken, true);
    }
    // The outcome itself goes through the mutex above, where the thread checker sees it pass.
    if (!woken)
        QMetaObject::invokeMethod(this, "collect", Qt::QueuedConnection);
}

void SaveWorkers::collect()
{
    std::vector<Outcome> outcomes;
    {
        const std::lock_guard lock(m_mutex);
        outcomes.swap(m_outcomes);
        m_woken = false;
    }
    for (const Outcome &outcome : outcomes) {
        const auto job = std::ranges::find(m_jobs, outcome.id, &Job::id);
        if (job == m_jobs.end())
            continue;
        job->thread.join(); // its write has returned
        const QString path = job->path;
        const Ended ended = std::move(job->ended);
        m_jobs.erase(job);
        if (ended)
            ended(path, outcome.reason);
    }
}

} // namespace veltrin
