// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <variant>
#include <vector>

class QCommandLineParser;

namespace veltrin {

/// The glass layer on the command line, with no window: --save-scan writes its reflection and
/// transmission for thickness after thickness, for --experiment glass. The light is read as for
/// the map, or --white for the bench's seven wavenumbers.
class ScanCommand
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::ScanCommand)

public:
    /// The most rows a scan writes, and the thickest layer, twips.
    static constexpr int mostRows = 100'000;
    static constexpr double thickest = 100'000;

    struct Request
    {
        double index = 1.5;
        std::vector<double> wavenumbers; ///< white light's seven, or one
        bool echoes = false;
        double from = 0; ///< thicknesses, twips
        double to = 1000;
        double step = 2;

        int rows() const;
        double thickness(int row) const;
    };

    static void addOptions(QCommandLineParser &parser);

    /// The scan the options describe, or one line naming what is wrong and the values allowed.
    static std::variant<Request, QString> requestFrom(const QCommandLineParser &parser);

    /// The scan as comma-separated values (RFC 4180, CRLF line ends): the header
    /// thickness_twips,reflection_probability,transmission_probability and a row per thickness;
    /// for white light the mean of its colours. Without echoes the transmission is left empty:
    /// the two arrows tell only what is reflected.
    static QByteArray text(const Request &request);
    /// Writes the text whole or not at all; returns why the file could not be written, or an
    /// empty string.
    static QString save(const Request &request, const QString &path);
};

} // namespace veltrin
