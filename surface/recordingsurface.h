// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface.h"

#include <array>
#include <deque>
#include <vector>

namespace veltrin {

/// A surface that draws nothing and writes down every operation in order, so that tests can
/// see exactly what a run does. Its fields are plain strings, as a freshly loaded window holds
/// them; its questions are answered from a queue of prepared answers (Yes when it is empty).
class RecordingSurface : public Surface
{
public:
    struct Operation
    {
        enum class Kind { SetPenWidth, Line, Circle, Chain, SetText, Ask, Present };
        Kind kind = Kind::Present;
        int penWidth = 0; // the width in force (for SetPenWidth: the new one)
        PointF from{};    // line start, circle centre
        PointF to{};      // line end
        float radius = 0;
        Colour colour = Colour::foreground();
        std::vector<PointF> chain;
        Field field = Field::Alfa;
        QString text; // written text, or question prompt
        bool answer = false;
    };

    RecordingSurface();

    void setPenWidth(int pixels) override;
    void drawLine(PointF from, PointF to, Colour colour) override;
    void drawCircle(PointF centre, float radius) override;
    void drawChain(std::span<const PointF> points) override;
    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    bool askYesNo(const QString &prompt) override;
    void present() override;

    const std::vector<Operation> &operations() const { return m_operations; }
    std::vector<Operation> operationsOf(Operation::Kind kind) const;
    void clearOperations() { m_operations.clear(); }

    /// Queues the answer to the next question.
    void answerNext(bool yes) { m_answers.push_back(yes); }
    /// Leaves chains out of the record, keeping only their count of arrows; for benchmarks.
    void setKeepChainPoints(bool keep) { m_keepChainPoints = keep; }
    long long arrowCount() const { return m_arrowCount; }

private:
    Operation &record(Operation::Kind kind);

    std::vector<Operation> m_operations;
    std::array<QString, fieldCount> m_fields;
    std::deque<bool> m_answers;
    int m_penWidth = 1;
    bool m_keepChainPoints = true;
    long long m_arrowCount = 0;
};

} // namespace veltrin
