// Renders the program's SVG icons into coloured PNGs, as listed in resources/icons/icons.txt.
// Usage: tq420-iconrender <manifest> <svg folder> <output folder>
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

struct IconLine
{
    QString resource;
    QString svg;
    QColor colour;
    QSize size;
    QRectF viewBox; // empty: the SVG's own
};

bool ParseLine(const QString &text, IconLine &line, QString &error)
{
    const QStringList parts = text.simplified().split(QLatin1Char(' '));
    if (parts.size() < 4 || parts.size() > 5) {
        error = QStringLiteral("expected 4 or 5 columns");
        return false;
    }
    line.resource = parts.at(0);
    line.svg = parts.at(1);
    line.colour = QColor(parts.at(2));
    const QStringList size = parts.at(3).split(QLatin1Char('x'));
    if (!line.colour.isValid() || size.size() != 2) {
        error = QStringLiteral("bad colour or size");
        return false;
    }
    line.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    if (line.size.isEmpty()) {
        error = QStringLiteral("bad size");
        return false;
    }
    if (parts.size() == 5) {
        const QStringList box = parts.at(4).split(QLatin1Char(','));
        if (box.size() != 4) {
            error = QStringLiteral("bad view box");
            return false;
        }
        line.viewBox = QRectF(box.at(0).toDouble(), box.at(1).toDouble(), box.at(2).toDouble(),
                              box.at(3).toDouble());
    }
    return true;
}

bool Render(const IconLine &line, const QString &svgDir, const QString &outDir, QString &error)
{
    QFile file(QDir(svgDir).filePath(line.svg));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + file.fileName();
        return false;
    }
    // Tabler icons draw with currentColor; give them the colour of this picture.
    QByteArray svg = file.readAll();
    svg.replace("currentColor", line.colour.name().toLatin1());
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        error = QStringLiteral("invalid SVG ") + line.svg;
        return false;
    }
    if (!line.viewBox.isEmpty())
        renderer.setViewBox(line.viewBox);

    QImage image(line.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    const QString target = QDir(outDir).filePath(line.resource);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!image.save(target, "PNG")) {
        error = QStringLiteral("cannot write ") + target;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // No GUI application: no platform plugin is needed to paint SVG paths into an image.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: tq420-iconrender <manifest> <svg folder> <output folder>\n");
        return 2;
    }
    QFile manifest(args.at(1));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QTextStream in(&manifest);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString text = in.readLine().trimmed();
        ++lineNumber;
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        IconLine line;
        QString error;
        if (!ParseLine(text, line, error) || !Render(line, args.at(2), args.at(3), error)) {
            std::fprintf(stderr, "%s:%d: %s\n", qPrintable(args.at(1)), lineNumber,
                         qPrintable(error));
            return 1;
        }
    }
    return 0;
}
