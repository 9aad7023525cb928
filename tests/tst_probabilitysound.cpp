// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitysound.h"
#include "settingsstore.h"
#include "soundstream.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <atomic>
#include <chrono>
#include <thread>

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
        QCOMPARE(silenced.count(), 1); // at once, not at the first photon
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

    void soundsAddedWhileTheSinkReadsOnItsOwnThreadAreHeard()
    {
        // The audio system may read on a thread of its own while photons click on the window's.
        SoundStream stream;
        std::atomic<bool> heard = false;
        std::jthread sink([&](std::stop_token stop) {
            std::array<qint16, 441> samples{}; // a hundredth of a second
            while (!stop.stop_requested()) {
                stream.read(reinterpret_cast<char *>(samples.data()), sizeof samples);
                if (std::ranges::any_of(samples, [](qint16 s) { return s != 0; }))
                    heard = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        for (int i = 0; i < 200 && !heard; ++i) {
            stream.click();
            stream.tone(440 + i);
            QTest::qWait(1); // a photon a millisecond
        }
        QTRY_VERIFY(heard);
        sink.request_stop();
        sink.join();
        stream.clear();
        QVERIFY(stream.quiet());
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
