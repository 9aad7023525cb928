// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitysound.h"
#include "settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace veltrin;

class TstProbabilitySound : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore().path()); }

    void offUntilChosenAndRemembered()
    {
        {
            ProbabilitySound sound(QAudioDevice(), nullptr);
            QVERIFY(!sound.isOn());
            sound.setOn(true);
        }
        ProbabilitySound again(QAudioDevice(), nullptr);
        QVERIFY(again.isOn());
    }

    void noSoundDeviceSaysSoOnceAndGoesOnSilent()
    {
        ProbabilitySound sound(QAudioDevice(), nullptr);
        QSignalSpy silenced(&sound, &ProbabilitySound::silenced);
        sound.click();
        QCOMPARE(silenced.count(), 0); // off: nothing to say

        sound.setOn(true);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 1000; ++i) {
            sound.click();
            sound.tone(i / 1000.0);
        }
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(silenced.count(), 1);
        QVERIFY(sound.isSilent());
        QTest::qWait(50);
        const auto windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; }));
    }

    void theSystemsOwnOutputNeverHangs()
    {
        // Whatever this machine has, sound or none, the program goes on.
        ProbabilitySound sound;
        sound.setOn(true);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100; ++i)
            sound.click();
        sound.tone(0.5);
        QTest::qWait(400);
        QVERIFY(clock.elapsed() < 3000);
    }

    void pitchFromLowToHigh()
    {
        QCOMPARE(ProbabilitySound::pitchOf(0), 220.0);
        QCOMPARE(ProbabilitySound::pitchOf(1), 2000.0);
        QVERIFY(ProbabilitySound::pitchOf(0.3) < ProbabilitySound::pitchOf(0.6));
        QCOMPARE(ProbabilitySound::pitchOf(NAN), 220.0);
    }
};

QTEST_MAIN(TstProbabilitySound)
#include "tst_probabilitysound.moc"
