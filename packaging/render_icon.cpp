// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the scalable program icon to a square PNG of one size.
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
    return image.save(QString::fromLocal8Bit(argv[2])) ? EXIT_SUCCESS : EXIT_FAILURE;
}
