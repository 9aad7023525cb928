// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// The key to the mirror strip beside the map: a bright patch for the strips kept and a dark one
/// for those cut away, each with its word.
class StripLegend : public QWidget
{
    Q_OBJECT

public:
    explicit StripLegend(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QString m_kept;
    QString m_cut;
};

} // namespace veltrin
