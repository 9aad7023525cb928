// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorpreset.h"
#include "setupfile.h"

#include <QTest>

using namespace veltrin;

namespace {

Setup read(const std::variant<Setup, QString> &result)
{
    if (const QString *fault = std::get_if<QString>(&result))
        qWarning("%s", qPrintable(*fault));
    return std::get<Setup>(result);
}

} // namespace

class TstSetupFile : public QObject
{
    Q_OBJECT

private slots:
    void everyExperimentComesBackWhole()
    {
        Setup mirror;
        mirror.experiment.shape = MirrorShape::circle(0.00013);
        mirror.experiment.source = Source::point(MapGrid::sceneOf({6000, -420.5}));
        mirror.experiment.whiteLight = true;
        mirror.experiment.cut.set(MirrorCut::Half::Upper, 17, 2900, false); // by hand
        mirror.detector = {4321.25, -250};
        mirror.photonSeed = 9007199254740991;
        mirror.photonCount = 0;
        mirror.predictions = {{4000, 10}, {4840, 0}};
        mirror.mapShown = false;
        mirror.predictFirst = true;

        Setup boundary;
        boundary.experiment.element = Experiment::Element::Boundary;
        boundary.experiment.index = 1.33;
        boundary.experiment.beamAngle = 37.5;
        boundary.experiment.windowFrom = 2000;
        boundary.experiment.windowTo = 6000.5;
        boundary.experiment.wavenumber = 0.0315;

        Setup lens;
        lens.experiment.element = Experiment::Element::Lens;
        lens.experiment.source = Source::point(MapGrid::sceneOf({1000, 200}));
        lens.experiment.target = {7600, -100};
        lens.experiment.cut = MirrorCut::grating(400);

        Setup slits;
        slits.experiment.element = Experiment::Element::Slits;
        slits.experiment.slitCount = 5;
        slits.experiment.slitWidth = 60;
        slits.experiment.slitSeparation = 350;
        slits.experiment.whichPath = true;
        slits.experiment.source = Source::point(MapGrid::sceneOf({-2000, 300}));

        Setup glass;
        glass.glass = Setup::Glass{262.5, true};
        glass.experiment.index = 1.33;
        glass.experiment.whiteLight = true;

        for (const Setup &setup : {mirror, boundary, lens, slits, glass}) {
            QCOMPARE(read(SetupFile::fromJson(SetupFile::toJson(setup))), setup);
            QCOMPARE(read(SetupFile::fromShareCode(SetupFile::shareCode(setup))), setup);
        }
    }

    void aShareCodeOfAnyPresetFitsInALine()
    {
        for (const MirrorPreset &preset : MirrorPreset::all()) {
            Setup setup;
            setup.experiment.cut =
                preset.cut(setup.experiment, MirrorPreset::shortestPeriod, {4000, 500});
            const QString code = SetupFile::shareCode(setup);
            QVERIFY2(code.size() <= 200, qPrintable(code));
            QCOMPARE(read(SetupFile::fromShareCode(code)).experiment.cut, setup.experiment.cut);
        }
    }

    void aBrokenNewerOrHostileSetupIsOneLineAndNoSetup_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray head = R"({"format": "veltrin-setup", "version": 1, )";
        QTest::newRow("newer") << QByteArray(R"({"format": "veltrin-setup", "version": 2})");
        QTest::newRow("broken") << head + R"("K": 0.0001,)";
        QTest::newRow("another file") << QByteArray(R"({"version": 1})");
        QTest::newRow("huge K") << head + R"("K": 1e308})";
        QTest::newRow("K as text") << head + R"("K": "0.0001"})";
        QTest::newRow("lens with a beam") << head + R"("experiment": "lens"})";
        QTest::newRow("overlapping slits")
            << head + R"("experiment": "slits", "slits": 3, "width": 500, "separation": 400})";
        QTest::newRow("unknown preset") << head + R"("cut": "grating:7"})";
        QTest::newRow("glass too thick") << head + R"("experiment": "glass", "thickness": 1e6})";
        QTest::newRow("deep") << head + R"("cut": )" + QByteArray(100000, '[') +
                                     QByteArray(100000, ']') + "}";
        QByteArray strips = head + R"("cut": {"upper": [)";
        for (int i = 0; i < 200000; ++i)
            strips += "[1, 2],";
        QTest::newRow("megabytes of strips") << strips + "[1, 2]]}}";
        QByteArray marks = head + R"("predictions": [)";
        for (int i = 0; i < 5000; ++i)
            marks += "[1, 2],";
        QTest::newRow("thousands of predictions") << marks + "[1, 2]]}";
    }

    void aBrokenNewerOrHostileSetupIsOneLineAndNoSetup()
    {
        QFETCH(QByteArray, json);
        const auto result = SetupFile::fromJson(json);
        QVERIFY(std::holds_alternative<QString>(result));
        const QString fault = std::get<QString>(result);
        QVERIFY(!fault.isEmpty() && !fault.contains(u'\n') && fault.size() < 200);
    }

    void aShareCodeCannotAskForMoreThanASetup()
    {
        const QByteArray bomb(64 << 20, ' '); // packs into some tens of kilobytes
        const QString code = QStringLiteral("V1") +
                             QString::fromLatin1(qCompress(bomb, 9).mid(4).toBase64(
                                 QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
        for (const QString &given : {code, code.left(4000), QStringLiteral("V1!!"), QString()})
            QVERIFY(std::holds_alternative<QString>(SetupFile::fromShareCode(given)));
    }
};

QTEST_GUILESS_MAIN(TstSetupFile)
#include "tst_setupfile.moc"
