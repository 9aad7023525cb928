// SPDX-License-Identifier: GPL-3.0-or-later
#include "rundescription.h"

#include "choices.h"
#include "mirror.h"
#include "pathsum.h"
#include "percenttext.h"
#include "runhistory.h"
#include "scene.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

QString RunDescription::of(const RunHistory &history)
{
    if (history.isEmpty())
        return {};
    const RunHistory::Entry &last = history.runs().back();
    const RunRecord &record = last.record;
    const QString frequencyName = shownCaptionFor(Field::Kmitocet, record.frequencyText);
    QStringList sentences;
    sentences << tr("Run %1: %2 frequency, mirror K = %3.")
                     .arg(last.number)
                     .arg(frequencyName, shownCaptionFor(Field::OsKruh, record.kText));

    const std::vector<double> &bars = record.probabilities;
    if (!bars.empty()) {
        const auto peak = std::max_element(bars.begin(), bars.end());
        const int position = int(peak - bars.begin());
        const double distance = scene::detectorX(position) - scene::X0;
        sentences << tr("The probability peaks %L1 units right of the mirror's vertex line.")
                         .arg(qRound(distance));
        if (record.values.k > 0)
            sentences << tr("The focus, 1/(4K), lies %L1 units right of it.")
                             .arg(qRound(scene::focalLength(record.values.k)));
        // The tallest a bar can be: every arrow of the sum pointing the same way.
        const double tallest =
            PathSum::probabilityOf({Mirror::sampleCount * PathSum::arrowLength, 0});
        sentences << tr("The peak bar is %L1 units tall, %2 of the tallest a bar can be.")
                         .arg(qRound(*peak))
                         .arg(percentText(100 * *peak / tallest, 0));
    }
    if (int(bars.size()) < scene::detectorPositions)
        sentences << tr("The run stopped after %1 of %2 detector positions.")
                         .arg(bars.size())
                         .arg(scene::detectorPositions);
    const int runs = int(history.runs().size());
    sentences << (runs == 1 ? tr("One run is on the drawing.")
                            : tr("%1 runs are on the drawing.").arg(runs));
    return sentences.join(u' ');
}

} // namespace veltrin
