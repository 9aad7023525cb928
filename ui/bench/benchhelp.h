// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helppage.h"

namespace veltrin {

/// The experiment bench's help: what the map shows, how to cut the mirror, move the detector
/// and predict, and the bench's keys. It stays open beside the bench, which goes on working.
class BenchHelp : public HelpPage
{
    Q_OBJECT

public:
    explicit BenchHelp(QWidget *parent = nullptr);

    /// The page, as HTML in the program's own words.
    static QString page();

private:
    /// What the map shows, cutting, the detector, predicting and the keys.
    static QString basics();
    /// Zoom, pan and the colour scale.
    static QString closer();
    /// Keeping and sharing the bench's setup.
    static QString setups();
    /// The glass layer, the boundary and the lens.
    static QString experiments();
    /// The slits, their marks and the eraser.
    static QString slits();
};

} // namespace veltrin
