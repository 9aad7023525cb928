// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <variant>

class QCommandLineParser;

namespace veltrin {

class PlanePhotons;

/// Photons on the command line, with no window and no display: --save-hits writes where --photons
/// photons land in the experiment the bench's options describe, drawn from its map (the full one
/// unless --map-step says otherwise). The same --seed gives the same photons on any machine.
class PhotonsCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::PhotonsCommand)

public:
    static constexpr long long mostPhotons = 10'000'000;

    static void addOptions(QCommandLineParser &parser);

    /// How many photons --photons asks for, or one line naming what is wrong.
    static std::variant<long long, QString> countFrom(const QCommandLineParser &parser);
    /// Where --seed starts the random numbers, or one line naming what is wrong.
    static std::variant<quint64, QString> seedFrom(const QCommandLineParser &parser);

    /// Draws the photons and writes them as they land, as comma-separated values (RFC 4180,
    /// CRLF line ends): the header x_twips,y_twips, then one row per photon in the map's
    /// coordinates, each number with as many digits as read back the same. Only for photons
    /// that can land. Returns why the file could not be written, or an empty string.
    static QString save(const PlanePhotons &photons, long long count, quint64 seed,
                        const QString &path);
};

} // namespace veltrin
