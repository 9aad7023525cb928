// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitycsv.h"

#include "choices.h"
#include "pathsum.h"
#include "scene.h"
#include "textform.h"
#include "wholefile.h"

#include <QStringList>

namespace veltrin {

namespace {

// Column names stay the same in every language, so that a spreadsheet or a script that reads
// them keeps working; they are data, like the frequency's English caption.
const QStringList header{QStringLiteral("run"),
                         QStringLiteral("K"),
                         QStringLiteral("frequency"),
                         QStringLiteral("distance_twips"),
                         QStringLiteral("probability_twips"),
                         QStringLiteral("resultant")};

/// A field as RFC 4180 has it: quoted, with its quotes doubled, where it holds a separator.
QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void appendRow(QByteArray &out, const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted << field(text);
    out += quoted.join(u',').toUtf8();
    out += "\r\n";
}

} // namespace

QByteArray ProbabilityCsv::text(std::span<const RunHistory::Entry> runs)
{
    QByteArray out;
    appendRow(out, header);
    for (const RunHistory::Entry &entry : runs) {
        const RunRecord &record = entry.record;
        const QString frequency = captionFor(Field::Kmitocet, record.frequencyText);
        for (std::size_t i = 0; i < record.probabilities.size(); ++i) {
            const double probability = record.probabilities[i];
            const double resultant = PathSum::resultantLengthOf(probability);
            appendRow(out, {QString::number(entry.number), record.kText, frequency,
                            numberToText(scene::detectorX(int(i)) - scene::X0),
                            numberToText(probability), numberToText(resultant)});
        }
    }
    return out;
}

QString ProbabilityCsv::save(std::span<const RunHistory::Entry> runs, const QString &path,
                             WholeFile::Wait wait, std::stop_token stop)
{
    return WholeFile::write(path, text(runs), wait, std::move(stop));
}

} // namespace veltrin
