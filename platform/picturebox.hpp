// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QSvgRenderer>

namespace platform {

// A picture box with a sunken border that draws a vector image at its natural
// size, rendered at the screen's resolution so it stays sharp when scaled.
class PictureBox final : public QFrame {
    Q_OBJECT

public:
    PictureBox(const QString& resource, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_image;
};

} // namespace platform
