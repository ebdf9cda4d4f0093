// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace platform {

// A command button. Click comes from the mouse, from Space, Return and Enter
// while it has the focus, and from the access key marked with "&" in its caption.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent);

    void SetEnabled(bool enabled);
    // What a screen reader says after the button's name when it gets the focus.
    void SetDescription(const QString& description) { setAccessibleDescription(description); }

Q_SIGNALS:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
