// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace veltrin {

class PhotonStream;
class ProbabilitySound;

/// The row of controls for photons arriving one at a time: Send photons and Pause, the rate,
/// Clear, the count so far, and Hear it.
class PhotonControls : public QWidget
{
    Q_OBJECT

public:
    PhotonControls(PhotonStream &stream, ProbabilitySound &sound, QWidget *parent = nullptr);

    /// Shows how many photons have landed.
    void setCount(qint64 count);

signals:
    void clearRequested();

private:
    QPushButton *m_send;
    QComboBox *m_rate;
    QPushButton *m_clear;
    QLabel *m_count;
    QCheckBox *m_hear;
};

} // namespace veltrin
