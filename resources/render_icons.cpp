// Build tool: renders an SVG icon to the PNG sizes of the hicolor theme, for desktops
// and file managers that do not draw SVG icons themselves.
// Usage: nubo_render_icons SVG OUTPUT_FOLDER CONTEXT NAME SIZE...
// writes OUTPUT_FOLDER/hicolor/SIZExSIZE/CONTEXT/NAME.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s SVG OUTPUT_FOLDER CONTEXT NAME SIZE...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    for (int i = 5; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "%s: not a size\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/%3")
                                   .arg(QString::fromLocal8Bit(argv[2]))
                                   .arg(size)
                                   .arg(QString::fromLocal8Bit(argv[3]));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString file = folder + "/" + QString::fromLocal8Bit(argv[4]) + ".png";
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
