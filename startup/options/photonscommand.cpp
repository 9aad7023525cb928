// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonscommand.h"

#include "optiontable.h"
#include "photonrandom.h"
#include "planephotons.h"
#include "streamedfile.h"
#include "textform.h"

#include <QCommandLineParser>
#include <limits>

namespace veltrin {

namespace {

const QString saveHits = QStringLiteral("save-hits");
const QString photonsOption = QStringLiteral("photons");
const QString seedOption = QStringLiteral("seed");

constexpr long long defaultPhotons = 1000;
constexpr quint64 defaultSeed = 1;

// The rows go out in pieces of about this many bytes, so that ten million photons take no more
// memory than ten.
constexpr qsizetype pieceSize = 64 * 1024;

} // namespace

void PhotonsCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {saveHits,
         tr("Send photons into the experiment the bench's options describe, with no window; save "
            "where they land as comma-separated values and exit."),
         tr("FILE.csv")},
        {photonsOption,
         tr("With --save-hits: how many photons, from 1 to %1 (%2 unless given).")
             .arg(mostPhotons)
             .arg(defaultPhotons),
         tr("N")},
        {seedOption,
         tr("With --save-hits: where the random numbers start, a whole number from 0 to %1 (%2 "
            "unless given); the same seed gives the same photons.")
             .arg(std::numeric_limits<quint64>::max())
             .arg(defaultSeed),
         tr("S")},
    });
}

std::variant<long long, QString> PhotonsCommand::countFrom(const QCommandLineParser &parser)
{
    long long count = defaultPhotons;
    for (const QString &given : OptionTable::values(parser, photonsOption)) {
        bool ok = false;
        count = given.toLongLong(&ok);
        if (!ok || count < 1 || count > mostPhotons)
            return tr("--photons %1 is not a whole number from 1 to %2")
                .arg(given)
                .arg(mostPhotons);
    }
    return count;
}

std::variant<quint64, QString> PhotonsCommand::seedFrom(const QCommandLineParser &parser)
{
    quint64 seed = defaultSeed;
    for (const QString &given : OptionTable::values(parser, seedOption)) {
        bool ok = false;
        seed = given.toULongLong(&ok);
        if (!ok)
            return tr("--seed %1 is not a whole number from 0 to %2")
                .arg(given)
                .arg(std::numeric_limits<quint64>::max());
    }
    return seed;
}

QString PhotonsCommand::save(const PlanePhotons &photons, long long count, quint64 seed,
                             const QString &path)
{
    StreamedFile file(path);
    QByteArray piece;
    piece.reserve(pieceSize + 128);
    piece += "x_twips,y_twips\r\n";
    PhotonRandom random(seed);
    for (long long n = 0; n < count; ++n) {
        const Vec2 hit = photons.draw(random);
        piece += numberToText(hit.x).toLatin1();
        piece += ',';
        piece += numberToText(hit.y).toLatin1();
        piece += "\r\n";
        if (piece.size() >= pieceSize) {
            if (!file.write(piece))
                break; // a reader gone, a disk full: no photon more is drawn
            piece.resize(0);
        }
    }
    file.write(piece);
    return file.commit();
}

} // namespace veltrin
