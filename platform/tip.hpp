// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace platform {

// A field's tooltip that its reader controls: it stays until Escape, until
// the pointer leaves both the field and the tip, or until the field's tooltip
// changes; the pointer can move onto it; and it stands beside the field, on
// the side away from the other fields' values, so that it covers none.
class Tip final : public QLabel {
    Q_OBJECT

public:
    explicit Tip(QWidget* field);

    void showBesideField(const QString& text);
    // The pointer left the field: the tip goes unless the pointer is on it.
    void fieldLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* const m_field;
};

} // namespace platform
