// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photonrandom.h"

#include <QWidget>

class QLabel;

namespace veltrin {

class GlassLayerView;

/// Photons sent one by one at the glass layer: each is reflected or goes through, at random with
/// the layer's probabilities, and the counts stand beside those probabilities. The counts belong
/// to one layer: changed, it starts them afresh.
class GlassPhotons : public QWidget
{
    Q_OBJECT

public:
    /// How many one press of Send sends.
    static constexpr int batch = 100;

    explicit GlassPhotons(const GlassLayerView &view, QWidget *parent = nullptr);

    /// Sends `count` photons at the layer as it now is.
    void send(int count);
    void clear();
    int reflected() const { return m_reflected; }
    int transmitted() const { return m_transmitted; }
    /// The counts against the probabilities, in words.
    QString text() const;

signals:
    void countsChanged();

private:
    void showCounts();

    const GlassLayerView &m_view;
    PhotonRandom m_random;
    int m_reflected = 0;
    int m_transmitted = 0;
    QLabel *m_counts;
};

} // namespace veltrin
