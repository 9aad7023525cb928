// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

namespace veltrin {

class BenchWindow;
class VeltrinWindow;
struct Setup;

/// Opens the experiment bench from the main window, whose window it is: the first time with the
/// last run's K and frequency (the loaded ones before any run) and the detector at the
/// close-up's position, or at the highest bar, or at the focus; after that as the pupil left it,
/// until the bench asks for a new set-up from the run.
class BenchOpener : public QObject
{
    Q_OBJECT

public:
    explicit BenchOpener(VeltrinWindow &window);

    /// The bench, once it has been opened.
    BenchWindow *bench() const;

    /// Opens the bench with a setup in place of the one it had.
    void openWith(const Setup &setup);

public slots:
    void open();

private slots:
    /// Sets the bench up anew from the main window's last run.
    void startFromRun();

private:
    VeltrinWindow &m_window;
    QPointer<BenchWindow> m_bench;
};

} // namespace veltrin
