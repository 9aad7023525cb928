// SPDX-License-Identifier: GPL-3.0-or-later
#include "scancommand.h"

#include "choices.h"
#include "experiment.h"
#include "glasslayer.h"
#include "mapcommand.h"
#include "opticscommand.h"
#include "optionvalues.h"
#include "textform.h"
#include "wholefile.h"

#include <QCommandLineParser>
#include <cmath>

namespace veltrin {

namespace {

using optionvalues::numberOf;
using optionvalues::readEach;

const QString saveScan = QStringLiteral("save-scan");
const QString echoesOption = QStringLiteral("echoes");
const QString whiteOption = QStringLiteral("white");
const QString scanOption = QStringLiteral("scan");

// Thicknesses are written to a billionth of a twip, so that steps such as 0.1 add up to what
// they say.
double roundedThickness(double value)
{
    return std::round(value * 1e9) / 1e9;
}

} // namespace

int ScanCommand::Request::rows() const
{
    return int(std::floor((to - from) / step + 1e-9)) + 1;
}

double ScanCommand::Request::thickness(int row) const
{
    return roundedThickness(from + row * step);
}

void ScanCommand::addOptions(QCommandLineParser &parser)
{
    const Request defaults;
    parser.addOptions({
        {saveScan,
         tr("For the glass layer: compute its reflection and transmission against its "
            "thickness with no window, save them as comma-separated values and exit."),
         tr("FILE.csv")},
        {echoesOption,
         tr("For the glass layer: add every echo inside the layer to the two surfaces' arrows.")},
        {whiteOption, tr("For the glass layer and the slits: white light, the bench's seven "
                         "wavenumbers, instead of --frequency or --wavenumber.")},
        {scanOption,
         tr("For the glass layer: the thicknesses, twips, from FROM to TO in steps of STEP "
            "(thickness:%1:%2:%3 unless given).")
             .arg(defaults.from)
             .arg(defaults.to)
             .arg(defaults.step),
         QStringLiteral("thickness:FROM:TO:STEP")},
    });
}

std::variant<ScanCommand::Request, QString>
ScanCommand::requestFrom(const QCommandLineParser &parser)
{
    Request request;
    Experiment light;
    light.wavenumber = loadedChoice(Field::Kmitocet).value;
    if (std::optional<QString> error = MapCommand::readLight(parser, light))
        return *error;
    if (parser.isSet(whiteOption) &&
        (parser.isSet(QStringLiteral("frequency")) || parser.isSet(QStringLiteral("wavenumber"))))
        return tr("--white and --frequency or --wavenumber all name the light; give one of them");
    request.wavenumbers = parser.isSet(whiteOption) ? Experiment::whiteWavenumbers()
                                                    : std::vector<double>{light.wavenumber};
    request.echoes = parser.isSet(echoesOption);
    const std::variant<double, QString> index = OpticsCommand::indexFrom(parser);
    if (const QString *error = std::get_if<QString>(&index))
        return *error;
    request.index = std::get<double>(index);

    const std::optional<QString> error =
        readEach(parser, scanOption, [&request](const QString &given) -> std::optional<QString> {
            const QStringList parts = given.split(u':');
            Request scan = request;
            bool sound = parts.size() == 4 && parts[0] == u"thickness";
            for (int i = 1; sound && i < 4; ++i) {
                const std::optional<double> value = numberOf(parts[i]);
                sound = value.has_value();
                (i == 1 ? scan.from : i == 2 ? scan.to : scan.step) = value.value_or(0);
            }
            sound = sound && scan.from >= 0 && scan.from <= scan.to && scan.to <= thickest &&
                    scan.step > 0 && (scan.to - scan.from) / scan.step < mostRows;
            if (!sound)
                return tr("--scan %1 is not thickness:FROM:TO:STEP with 0 ≤ FROM ≤ TO ≤ %2 "
                          "twips and a STEP above 0 that makes at most %3 rows")
                    .arg(given)
                    .arg(thickest)
                    .arg(mostRows);
            request = scan;
            return std::nullopt;
        });
    if (error)
        return *error;
    return request;
}

QByteArray ScanCommand::text(const Request &request)
{
    QByteArray out = "thickness_twips,reflection_probability,transmission_probability\r\n";
    const double colours = double(request.wavenumbers.size());
    for (int row = 0; row < request.rows(); ++row) {
        const GlassLayer layer(request.index, request.thickness(row));
        double reflection = 0;
        double transmission = 0;
        for (double wavenumber : request.wavenumbers) {
            reflection += layer.reflection(wavenumber, request.echoes) / colours;
            if (request.echoes)
                transmission += layer.transmission(wavenumber) / colours;
        }
        out += numberToText(layer.thickness()).toLatin1();
        out += ',';
        out += numberToText(reflection).toLatin1();
        out += ',';
        if (request.echoes)
            out += numberToText(transmission).toLatin1();
        out += "\r\n";
    }
    return out;
}

QString ScanCommand::save(const Request &request, const QString &path)
{
    return WholeFile::write(path, text(request), WholeFile::Wait::ForReader);
}

} // namespace veltrin
