// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runhistory.h"
#include "startoptions.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

namespace veltrin {

/// One run made with no window and no display, for a teacher who makes worksheet figures in a
/// loop: the picture the window would show after the same run, and the numbers its Save
/// probabilities would write.
class HeadlessRun
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::HeadlessRun)

public:
    /// The whole program for such a run: starts the toolkit on its offscreen platform, whatever
    /// the environment names, makes the run and writes the files. Prints one line for each file
    /// that could not be written; returns the exit status.
    static int exec(int argc, char *argv[], const StartOptions &options);

    /// Makes the run on a blank picture at the design scale, with the fields as the window's
    /// handlers would write them for the options' choices (the window's own for those not given).
    explicit HeadlessRun(const StartOptions &options);

    const QImage &picture() const { return m_picture; }
    const RunHistory &history() const { return m_history; }

    /// Writes the files the options name; returns one line for each that could not be written.
    QStringList writeFiles(const StartOptions &options) const;

private:
    QImage m_picture;
    RunHistory m_history;
};

} // namespace veltrin
