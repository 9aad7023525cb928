// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runhistory.h"
#include "wholefile.h"

#include <QByteArray>
#include <QString>
#include <span>

namespace veltrin {

/// The probabilities of the runs on the drawing as comma-separated values (RFC 4180, CRLF line
/// ends): a header row, then one row for each detector position of every run, with its number,
/// K as the run read it, the frequency by its button's English caption, the detector's distance
/// from the vertex line in twips, the probability (the bar's height in twips) and the length of
/// the arrows' resultant. Numbers have a dot for the decimal point whatever the desktop's
/// language, and as many digits as read back the same number.
class ProbabilityCsv
{
public:
    static QByteArray text(std::span<const RunHistory::Entry> runs);

    /// Writes the text whole or not at all. Returns why the file could not be written, or an
    /// empty string once it is.
    static QString save(std::span<const RunHistory::Entry> runs, const QString &path,
                        WholeFile::Wait wait = WholeFile::Wait::Briefly, std::stop_token stop = {});
};

} // namespace veltrin
