// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingsurface.h"
#include "runsetup.h"
#include "surfaceerror.h"

#include <QTest>
#include <algorithm>

using namespace veltrin;
using Op = RecordingSurface::Operation;
using Kind = Op::Kind;

namespace veltrin {
char *toString(const PointF &p)
{
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y));
}
} // namespace veltrin

namespace {

constexpr Colour black = Colour::rgb(0, 0, 0);

void verifyLine(const Op &op, PointF from, PointF to, Colour colour, int penWidth)
{
    QCOMPARE(op.kind, Kind::Line);
    QCOMPARE(op.from, from);
    QCOMPARE(op.to, to);
    QVERIFY(op.colour == colour);
    QCOMPARE(op.penWidth, penWidth);
}

/// The axis and the vertex line close every set-up, in the foreground at pen width 1.
void verifyReferenceLines(const std::vector<Op> &ops)
{
    QVERIFY(ops.size() >= 2);
    verifyLine(ops[ops.size() - 2], {2500, 4500}, {11500, 4500}, Colour::foreground(), 1);
    verifyLine(ops[ops.size() - 1], {2500, 1500}, {2500, 7500}, Colour::foreground(), 1);
}

} // namespace

class TstRunSetup : public QObject
{
    Q_OBJECT

private slots:
    void firstRunHidesThePromptAndAsksNothing()
    {
        RecordingSurface surface;
        const RunRecord record = RunSetup::run(surface);
        QVERIFY(record.firstRun && !record.erasedAll);

        QVERIFY(surface.operationsOf(Kind::Ask).empty());
        // The one silver line is the wide bar over the prompt; nothing is erased.
        const auto silver = [](const Op &op) { return op.colour == Colour::silver(); };
        const auto lines = surface.operationsOf(Kind::Line);
        QCOMPARE(std::count_if(lines.begin(), lines.end(), silver), 1);
        verifyLine(*std::find_if(lines.begin(), lines.end(), silver), {5000, 4000}, {8000, 4000},
                   Colour::silver(), 50);
        verifyReferenceLines(surface.operations());
        QCOMPARE(surface.text(Field::Prvni), QStringLiteral("1"));
    }

    void laterRunAsksAndErases_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("deleteAll");
        QTest::addColumn<int>("fromY");
        QTest::addRow("Yes erases the whole band") << "1" << true << 1;
        QTest::addRow("No keeps everything above the axis") << "1" << false << 4500;
        QTest::addRow("any flag but 0 means a run was made") << "-2.5" << false << 4500;
    }
    void laterRunAsksAndErases()
    {
        QFETCH(QString, flag);
        QFETCH(bool, deleteAll);
        QFETCH(int, fromY);
        RecordingSurface surface;
        surface.setText(Field::Prvni, flag);
        surface.clearOperations();
        surface.answerNext(deleteAll);
        RunSetup::run(surface);

        const std::vector<Op> &ops = surface.operations();
        const auto asks = surface.operationsOf(Kind::Ask);
        QCOMPARE(asks.size(), size_t(1));
        QCOMPARE(asks[0].text, QStringLiteral("Delete probability"));

        // Every silver line is an erase line: no bar over the prompt on a later run.
        std::vector<Op> erase;
        bool askedFirst = false;
        for (const Op &op : ops) {
            if (op.kind == Kind::Ask)
                askedFirst = erase.empty();
            if (op.kind == Kind::Line && op.colour == Colour::silver())
                erase.push_back(op);
        }
        QVERIFY(askedFirst);
        QCOMPARE(int(erase.size()), (10000 - fromY) / 3 + 1);
        for (size_t i = 0; i < erase.size(); ++i) {
            const float y = float(fromY + 3 * int(i));
            verifyLine(erase[i], {2000, y}, {12000, y}, Colour::silver(), 3);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(erase.back().from.y > 10000 - 3);

        QCOMPARE(surface.text(Field::Prvni), QStringLiteral("1"));
        verifyReferenceLines(ops);
    }

    void decodesFrequencyAndK_data()
    {
        QTest::addColumn<QString>("kText");
        QTest::addColumn<QString>("frequencyText");
        QTest::addColumn<double>("rayLength");
        QTest::addColumn<double>("barOffset");
        QTest::addColumn<Colour>("barColour");
        const Colour red = Colour::rgb(255, 0, 0);
        const Colour green = Colour::rgb(0, 255, 0);
        const Colour blue = Colour::rgb(0, 0, 255);
        QTest::addRow("defaults") << "0.00005"
                                  << "0.02" << 6000.0 << 20.0 << green;
        QTest::addRow("K 0.00007, low") << "0.00007"
                                        << "0.01" << 4500.0 << 40.0 << red;
        QTest::addRow("K 0.0001, high") << "0.0001"
                                        << "0.04" << 3500.0 << 0.0 << blue;
        QTest::addRow("K 0.0002") << "0.0002"
                                  << "0.02" << 3100.0 << 20.0 << green;
        QTest::addRow("no constant") << "0.0003"
                                     << "0.03" << 0.0 << 0.0 << black;
        QTest::addRow("same number, other text") << "0.00010"
                                                 << "0.020" << 0.0 << 0.0 << black;
        QTest::addRow("whole number") << "1"
                                      << "1" << 0.0 << 0.0 << black;
    }
    void decodesFrequencyAndK()
    {
        QFETCH(QString, kText);
        QFETCH(QString, frequencyText);
        QFETCH(double, rayLength);
        QFETCH(double, barOffset);
        QFETCH(Colour, barColour);
        RecordingSurface surface;
        surface.setText(Field::OsKruh, kText);
        surface.setText(Field::Kmitocet, frequencyText);
        surface.setText(Field::Spomaleni, QStringLiteral("983011"));

        const RunValues values = RunSetup::run(surface).values;
        QCOMPARE(values.k, kText.toDouble());
        QCOMPARE(values.frequency, frequencyText.toDouble());
        QCOMPARE(values.delayCount, 983011.0);
        QCOMPARE(values.rayLength, rayLength);
        QCOMPARE(values.bars.offset, barOffset);
        QVERIFY(values.bars.colour == barColour);
    }

    void textsThatAreNoNumbersDecodeToNothing()
    {
        QVERIFY(decodeFrequency(QString()).colour == black);
        QCOMPARE(decodeFrequency(QStringLiteral("Middle")).offset, 0.0);
        QCOMPARE(decodeRayLength(QStringLiteral("5e-05")), 0.0);
    }

    void fieldWithoutNumberStopsBeforeDrawing_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("text");
        QTest::addRow("flag") << Field::Prvni << "abc";
        QTest::addRow("empty flag") << Field::Prvni << "";
        QTest::addRow("K") << Field::OsKruh << "abc";
        QTest::addRow("frequency") << Field::Kmitocet << "0,02";
        QTest::addRow("delay") << Field::Spomaleni << "12abc";
    }
    void fieldWithoutNumberStopsBeforeDrawing()
    {
        QFETCH(Field, field);
        QFETCH(QString, text);
        RecordingSurface surface;
        surface.setText(Field::Prvni, QStringLiteral("1"));
        surface.setText(field, text);
        surface.clearOperations();

        try {
            RunSetup::run(surface);
            QFAIL("a field without a number was read as one");
        } catch (const SurfaceError &error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(fieldName(field)), error.what());
        }
        QVERIFY(surface.operations().empty());
    }
};

QTEST_GUILESS_MAIN(TstRunSetup)
#include "tst_runsetup.moc"
