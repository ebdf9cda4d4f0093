// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the scalable program icon to a square image of one size:
// a PNG, or for a name ending in .argb the bare pixels in the format a window
// pixmap keeps (premultiplied ARGB32, 32-bit words in the machine's byte
// order), which the program shows without decoding or converting them.
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
    if (!out.endsWith(QStringLiteral(".argb")))
        return image.save(out) ? EXIT_SUCCESS : EXIT_FAILURE;
    QFile file(out);
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    return file.open(QIODevice::WriteOnly)
                   && file.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes
               ? EXIT_SUCCESS
               : EXIT_FAILURE;
}
