// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probabilitymap.h"
#include "wholefile.h"

#include <QByteArray>
#include <QString>

namespace veltrin {

/// A probability map as comma-separated values (RFC 4180, CRLF line ends): the header
/// x_twips,y_twips,probability_twips,shape,K,wavenumber,source,mirror,kept_strips, then one row
/// per grid point, row after row from the lowest y, each from the vertex line outwards. x from
/// the vertex line, y above the axis; the experiment's fields the same on every row, in the
/// command line's words, so that the file says what it holds wherever it goes; numbers as the
/// probabilities file writes them, with as many digits as read back the same number. A boundary's
/// map names its experiment in x_twips,y_twips,probability_twips,experiment,index,wavenumber,
/// source,window, a lens's in x_twips,y_twips,probability_twips,experiment,index,wavenumber,
/// source,target,kept_strips, the slits' in x_twips,y_twips,probability_twips,experiment,slits,
/// width,separation,wavenumber,source,which_path (none, marked or erased).
class MapCsv
{
public:
    static QByteArray text(const ProbabilityMap &map);

    /// Writes the text whole or not at all. Returns why the file could not be written, or an
    /// empty string once it is.
    static QString save(const ProbabilityMap &map, const QString &path,
                        WholeFile::Wait wait = WholeFile::Wait::Briefly, std::stop_token stop = {});
};

} // namespace veltrin
