// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helppage.h"

namespace veltrin {

/// One page on what the picture shows, and what to try with it.
class HelpDialog : public HelpPage
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget *parent = nullptr);

    /// The page, as HTML in the program's own words.
    static QString page();
    /// The close-up window's keys, as HTML, shown below the page.
    static QString closeUpKeys();
};

} // namespace veltrin
