#include "canvas.h"
#include "controlinventory.h"
#include "modalbox.h"
#include "recordingsurface.h"
#include "runsetup.h"
#include "startcommand.h"
#include "veltrinwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <vector>

using namespace veltrin;

namespace {

/// Passes every operation on to the real surface except the spirals, to learn which pixels
/// the rest of a run touches.
class WithoutSpirals : public Surface
{
public:
    explicit WithoutSpirals(Surface &inner) : m_inner(inner) {}

    void setScaleTwips() override { m_inner.setScaleTwips(); }
    void setPenWidth(int pixels) override { m_inner.setPenWidth(pixels); }
    void drawLine(PointF from, PointF to, Colour colour) override
    {
        m_inner.drawLine(from, to, colour);
    }
    void drawCircle(PointF centre, float radius) override { m_inner.drawCircle(centre, radius); }
    void drawChain(std::span<const PointF>) override {}
    QString text(Field field) const override { return m_inner.text(field); }
    void setText(Field field, const QString &text) override { m_inner.setText(field, text); }
    bool askYesNo(const QString &prompt) override { return m_inner.askYesNo(prompt); }
    void present() override { m_inner.present(); }
    bool pumpWindowEvents() override { return m_inner.pumpWindowEvents(); }

private:
    Surface &m_inner;
};

QRect promptRect()
{
    for (const ControlEntry &entry : controlInventory()) {
        if (entry.kind == ControlEntry::Kind::Label)
            return twipsToPixels(entry.twips);
    }
    return {};
}

QLineEdit *field(const VeltrinWindow &window, const char *name)
{
    return window.findChild<QLineEdit *>(QString::fromUtf8(name));
}

constexpr QRgb silver = qRgb(192, 192, 192);

/// Where the colour differs from silver within the rectangle of the image.
int pixelsOtherThanSilver(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != silver;
    }
    return count;
}

void failOnQuestion(VeltrinWindow &window)
{
    window.surface().setQuestion([](QWidget *, const QString &prompt) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question ") + prompt), __FILE__,
                     __LINE__);
        return false;
    });
}

} // namespace

class TstQtSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Veltrin")); }

    void firstRunBarCoversTheWholePrompt()
    {
        VeltrinWindow window;
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect prompt = promptRect();
        QVERIFY(pixelsOtherThanSilver(window.canvas()->grab().toImage(), prompt) > 0);

        // The set-up alone: the mirror and its rays, drawn next, cross the prompt's place.
        RunSetup::run(window.surface());
        window.surface().present();
        QCOMPARE(pixelsOtherThanSilver(window.canvas()->image(), prompt), 0);
        QCOMPARE(pixelsOtherThanSilver(window.canvas()->grab().toImage(), prompt), 0);
    }

    void pictureSurvivesHideShowAndResize()
    {
        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage prompt = window.canvas()->grab().toImage();
        field(window, "nSpomaleni")->setText(QStringLiteral("0"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStart")),
                          Qt::LeftButton);
        const QImage drawn = window.canvas()->grab().toImage();
        QVERIFY(drawn != prompt);

        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.canvas()->grab().toImage(), drawn);

        const QSize size = window.size();
        window.resize(200, 150);
        QTest::qWait(0);
        window.resize(size);
        QTest::qWait(0);
        QCOMPARE(window.canvas()->grab().toImage(), drawn);
    }

    void spiralsMarkExactlyThePixelsOfTheirPoints()
    {
        // Every point of every spiral, as the run hands them to the surface.
        RecordingSurface recording;
        recording.setText(Field::Spomaleni, QStringLiteral("0"));
        StartCommand::run(recording);
        const int width = Canvas::widthPixels;
        const int height = Canvas::heightPixels;
        std::vector<bool> spiral(std::size_t(width) * height);
        for (const auto &op : recording.operationsOf(RecordingSurface::Operation::Kind::Chain)) {
            for (const PointF point : op.chain) {
                const int x = int(std::floor(double(point.x) / 15));
                const int y = int(std::floor(double(point.y) / 15));
                if (x >= 0 && x < width && y >= 0 && y < height)
                    spiral[std::size_t(y) * width + x] = true;
            }
        }

        VeltrinWindow window;
        failOnQuestion(window);
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field(window, "nSpomaleni")->setText(QStringLiteral("0"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStart")),
                          Qt::LeftButton);
        const QImage &picture = window.canvas()->image();

        // The same run without its spirals shows which pixels the rays, circles and lines take.
        VeltrinWindow others;
        field(others, "nSpomaleni")->setText(QStringLiteral("0"));
        WithoutSpirals withoutSpirals(others.surface());
        StartCommand::run(withoutSpirals);
        withoutSpirals.present();
        const QImage &rest = others.canvas()->image();

        const QRgb foreground = window.canvas()->palette().color(QPalette::Shadow).rgb();
        QVERIFY(foreground != silver);
        const int belowAxis = (4500 + 150) / 15; // spirals reach no higher than 4700 twips
        int compared = 0;
        QStringList wrong;
        for (int y = belowAxis; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (rest.pixel(x, y) != silver)
                    continue;
                const bool onSpiral = spiral[std::size_t(y) * width + x];
                compared += onSpiral;
                if ((picture.pixel(x, y) == foreground) != onSpiral && wrong.size() < 10)
                    wrong << QStringLiteral("(%1, %2) %3")
                                 .arg(x)
                                 .arg(y)
                                 .arg(onSpiral ? "missing" : "extra");
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
        QVERIFY2(compared > 10000, qPrintable(QString::number(compared)));
    }

    void questionBox_data()
    {
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<bool>("answer");
        QTest::addRow("Enter answers Yes") << true << true;
        QTest::addRow("No") << false << false;
    }
    void questionBox()
    {
        QFETCH(bool, pressEnter);
        QFETCH(bool, answer);
        VeltrinWindow window; // the surface asks with the real box unless told otherwise
        window.showWithWholeScene();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString seen;
        whenMessageBoxOpens(&window, [&](QMessageBox *box) {
            seen = QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull())
                       .arg(box->standardButtons() == (QMessageBox::Yes | QMessageBox::No))
                       .arg(box->defaultButton() == box->button(QMessageBox::Yes));
            if (pressEnter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                box->button(QMessageBox::No)->click();
        });
        QCOMPARE(window.surface().askYesNo(QStringLiteral("Delete probability")), answer);
        QCOMPARE(seen, QStringLiteral("Veltrin|Delete probability|1|1|1"));
    }
};

QTEST_MAIN(TstQtSurface)
#include "tst_qtsurface.moc"
