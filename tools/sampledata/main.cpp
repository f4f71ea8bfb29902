// tq420-sampledata OUTDIR [--large]: writes deterministic sample inspection
// files for the tests and the demo, independently of the product's own classes.
#include "samplegenerator.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: tq420-sampledata OUTDIR [--large]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Frames are painted into images; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir;
    bool large = false;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        if (arg == QLatin1String("--large"))
            large = true;
        else if (arg.startsWith(QLatin1Char('-')) || !outDir.isEmpty())
            return usage();
        else
            outDir = arg;
    }
    if (outDir.isEmpty())
        return usage();

    QElapsedTimer timer;
    timer.start();
    SampleGenerator generator(outDir);
    QString error;
    if (!generator.run(large, &error)) {
        std::fprintf(stderr, "tq420-sampledata: %s\n", qUtf8Printable(error));
        return 1;
    }
    std::printf("tq420-sampledata: %s (%lld ms)\n", qUtf8Printable(generator.summary()),
                static_cast<long long>(timer.elapsed()));
    return 0;
}
