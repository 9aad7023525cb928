// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingsurface.h"

#include "choices.h"

namespace veltrin {

RecordingSurface::RecordingSurface()
{
    for (int i = 0; i < fieldCount; ++i)
        m_fields[i] = loadedText(Field(i));
}

RecordingSurface::Operation &RecordingSurface::record(Operation::Kind kind)
{
    Operation &op = m_operations.emplace_back();
    op.kind = kind;
    op.penWidth = m_penWidth;
    return op;
}

std::vector<RecordingSurface::Operation> RecordingSurface::operationsOf(Operation::Kind kind) const
{
    std::vector<Operation> result;
    for (const Operation &op : m_operations) {
        if (op.kind == kind)
            result.push_back(op);
    }
    return result;
}

void RecordingSurface::setPenWidth(int pixels)
{
    m_penWidth = pixels;
    record(Operation::Kind::SetPenWidth);
}

void RecordingSurface::drawLine(PointF from, PointF to, Colour colour)
{
    Operation &op = record(Operation::Kind::Line);
    op.from = from;
    op.to = to;
    op.colour = colour;
}

void RecordingSurface::drawCircle(PointF centre, float radius)
{
    Operation &op = record(Operation::Kind::Circle);
    op.from = centre;
    op.radius = radius;
}

void RecordingSurface::drawChain(std::span<const PointF> points)
{
    Operation &op = record(Operation::Kind::Chain);
    if (m_keepChainPoints)
        op.chain.assign(points.begin(), points.end());
    if (!points.empty())
        m_arrowCount += static_cast<long long>(points.size()) - 1;
}

QString RecordingSurface::text(Field field) const
{
    return m_fields[static_cast<int>(field)];
}

void RecordingSurface::setText(Field field, const QString &text)
{
    m_fields[static_cast<int>(field)] = text;
    Operation &op = record(Operation::Kind::SetText);
    op.field = field;
    op.text = text;
}

bool RecordingSurface::askYesNo(const QString &prompt)
{
    bool yes = true;
    if (!m_answers.empty()) {
        yes = m_answers.front();
        m_answers.pop_front();
    }
    Operation &op = record(Operation::Kind::Ask);
    op.text = prompt;
    op.answer = yes;
    return yes;
}

void RecordingSurface::present()
{
    record(Operation::Kind::Present);
}

} // namespace veltrin
