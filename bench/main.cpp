#include "ratioreporter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    // The window is measured headless unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrin"));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    using Options = benchmark::ConsoleReporter::OutputOptions;
    const Options options = isatty(STDOUT_FILENO) ? Options::OO_ColorTabular : Options::OO_Tabular;
    veltrin::bench::RatioReporter reporter(
        "BM_ReferenceLoop",
        {"BM_PathSum", "BM_RunRecording", "BM_RunQtSurface", "BM_CloseUpUpdate"}, options);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
