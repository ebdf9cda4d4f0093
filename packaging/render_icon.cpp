// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the scalable program icon to a square image of one size:
// a PNG, or for a name ending in .rgba the bare premultiplied RGBA pixels,
// which the program takes as they are.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    const QGuiApplication app(argc, argv); // text in the icon needs fonts
    if (argc != 4)
        return EXIT_FAILURE;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLocal8Bit(argv[3]).toInt();
    if (!svg.isValid() || size <= 0)
        return EXIT_FAILURE;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!out.endsWith(QStringLiteral(".rgba")))
        return image.save(out) ? EXIT_SUCCESS : EXIT_FAILURE;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile file(out);
    const auto bytes = static_cast<qint64>(rgba.sizeInBytes());
    return file.open(QIODevice::WriteOnly)
                   && file.write(reinterpret_cast<const char*>(rgba.constBits()), bytes) == bytes
               ? EXIT_SUCCESS
               : EXIT_FAILURE;
}
