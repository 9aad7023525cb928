// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapcommand.h"
#include "vec2.h"

#include <QByteArray>
#include <QCoreApplication>
#include <span>

class QCommandLineParser;

namespace veltrin {

/// Photons from the command line, with no window and no display: --save-hits writes where
/// --photons photons land in the experiment the bench's options describe, drawn from its map
/// (the full one unless --map-step says otherwise). The same --seed gives the same photons on any
/// machine.
class PhotonsCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::PhotonsCommand)

public:
    static constexpr long long mostPhotons = 10'000'000;

    static void addOptions(QCommandLineParser &parser);
    /// Whether the command line asks for photons (or names their count or seed).
    static bool isAsked(const QCommandLineParser &parser);

    /// The photons as comma-separated values (RFC 4180, CRLF line ends): the header
    /// x_twips,y_twips, then one row per photon in the order they landed, in the map's
    /// coordinates, each number with as many digits as read back the same.
    static QByteArray text(std::span<const Vec2> hits);

    /// Reads the options, computes the map on every core, draws the photons and writes them.
    static MapCommand::Outcome exec(const QCommandLineParser &parser);
};

} // namespace veltrin
