// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrin;

class TstDisplayCheck : public QObject
{
    Q_OBJECT

private slots:
    void missingDisplayMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("compositorSocket"); ///< a Wayland socket at the default place
        QTest::addColumn<QString>("unset");         ///< what the message names; empty for none

        const QStringList program{"veltrin"};
        QTest::addRow("nothing at all")
            << program << QStringList{} << false << "neither DISPLAY nor WAYLAND_DISPLAY is set";
        QTest::addRow("an empty DISPLAY is none") << program << QStringList{"DISPLAY="} << false
                                                  << "neither DISPLAY nor WAYLAND_DISPLAY is set";
        QTest::addRow("X display") << program << QStringList{"DISPLAY=:0"} << false << "";
        QTest::addRow("Wayland display")
            << program << QStringList{"WAYLAND_DISPLAY=wayland-1"} << false << "";
        QTest::addRow("Wayland socket handed over")
            << program << QStringList{"WAYLAND_SOCKET=3"} << false << "";
        QTest::addRow("compositor at the default socket") << program << QStringList{} << true << "";
        QTest::addRow("offscreen needs no display")
            << program << QStringList{"QT_QPA_PLATFORM=offscreen"} << false << "";
        QTest::addRow("vnc needs no display")
            << program << QStringList{"QT_QPA_PLATFORM=vnc:size=800x600"} << false << "";
        QTest::addRow("X chosen, only Wayland there")
            << program << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"} << false
            << "DISPLAY is not set";
        QTest::addRow("X with options, no display")
            << program << QStringList{"QT_QPA_PLATFORM=xcb:nomitshm"} << false
            << "DISPLAY is not set";
        QTest::addRow("Wayland chosen, only X there")
            << program << QStringList{"QT_QPA_PLATFORM=wayland-egl", "DISPLAY=:0"} << false
            << "WAYLAND_DISPLAY is not set";
        QTest::addRow("fallback list ends offscreen")
            << program << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << false << "";
        QTest::addRow("argument wins over the environment")
            << QStringList{"veltrin", "--platform", "xcb"}
            << QStringList{"QT_QPA_PLATFORM=offscreen"} << false << "DISPLAY is not set";
        QTest::addRow("offscreen by argument")
            << QStringList{"veltrin", "-platform", "offscreen"} << QStringList{} << false << "";
        QTest::addRow("X display by argument") << QStringList{"veltrin", "-display", ":1"}
                                               << QStringList{"QT_QPA_PLATFORM=xcb"} << false << "";
        QTest::addRow("platform option without a value")
            << QStringList{"veltrin", "-platform"} << QStringList{} << false
            << "neither DISPLAY nor WAYLAND_DISPLAY is set";
    }
    void missingDisplayMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, compositorSocket);
        QFETCH(QString, unset);

        QProcessEnvironment env(QProcessEnvironment::InheritFromParent);
        env.clear();
        for (const QString &variable : environment)
            env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QTemporaryDir runtimeDir;
        QVERIFY(runtimeDir.isValid());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
        if (compositorSocket) {
            QFile socket(runtimeDir.filePath(QStringLiteral("wayland-0")));
            QVERIFY(socket.open(QIODevice::WriteOnly));
        }

        const QString message = veltrin::missingDisplayMessage(arguments, env);
        if (unset.isEmpty()) {
            QVERIFY2(message.isEmpty(), qPrintable(message));
            return;
        }
        QVERIFY2(message.contains(unset), qPrintable(message));
        QVERIFY(message.startsWith(u"veltrin: "));
        QVERIFY(message.contains(u"xvfb-run"));
        QVERIFY(!message.contains(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TstDisplayCheck)
#include "tst_displaycheck.moc"
