// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.hpp"

#include <QFrame>

namespace platform {

// A picture box with a sunken border that paints a drawing at its natural
// size, as vectors at the screen's resolution, so it stays sharp when scaled.
class PictureBox final : public QFrame {
    Q_OBJECT

public:
    PictureBox(const Picture& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& m_picture;
};

} // namespace platform
