// SPDX-License-Identifier: GPL-3.0-or-later
// The window's geometry, fonts and diagram as a user sees them. Run once at
// scale 1 and once with QT_SCALE_FACTOR=2.
#include "fixture.hpp"

#include "platform/contrast.hpp"
#include "window/layout.hpp"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

class TestLayout : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void window_is_fixed_and_titled();
    void geometry_data();
    void geometry();
    void captions_fit_data();
    void captions_fit();
    void labels_end_at_the_common_edge_data();
    void labels_end_at_the_common_edge();
    void fonts();
    void labels_name_their_fields_and_take_no_focus();
    void focus_is_visible();
    void diagram_pixels_data();
    void diagram_pixels();
    void diagram_is_rendered_at_the_screen_resolution();
    void contrast_data();
    void contrast();
};

void TestLayout::window_is_fixed_and_titled()
{
    QCOMPARE(window().objectName(), u"dreieckrechner"_s);
    QCOMPARE(window().windowTitle(), u"Berechnungen im rechtwinkligen Dreieck"_s);
    QCOMPARE(window().size(), QSize(479, 234));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    QVERIFY(!window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window().windowIcon().isNull());
}

// Every control where the layout puts it, worked by hand from its twips (15 to
// a pixel, rounded), so that a wrong table or a wrong conversion shows alike.
void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("txt_winkel") << u"txt_winkel"_s << QRect(336, 37, 89, 19);
    QTest::newRow("txt_an") << u"txt_an"_s << QRect(336, 66, 89, 19);
    QTest::newRow("txt_ge") << u"txt_ge"_s << QRect(336, 96, 89, 19);
    QTest::newRow("txt_hyp") << u"txt_hyp"_s << QRect(336, 125, 89, 19);
    QTest::newRow("cmd_rechnen") << u"cmd_rechnen"_s << QRect(336, 160, 89, 25);
    QTest::newRow("cmd_neu") << u"cmd_neu"_s << QRect(232, 160, 89, 25);
    QTest::newRow("cmd_ende") << u"cmd_ende"_s << QRect(78, 200, 65, 25);
    QTest::newRow("Picture1") << u"Picture1"_s << QRect(8, 8, 204, 180);
    QTest::newRow("Label5") << u"Label5"_s << QRect(267, 128, 57, 13);
    QTest::newRow("Label4") << u"Label4"_s << QRect(256, 99, 68, 13);
    QTest::newRow("Label3") << u"Label3"_s << QRect(275, 69, 49, 13);
    QTest::newRow("Label2") << u"Label2"_s << QRect(232, 8, 234, 16);
    QTest::newRow("Label1") << u"Label1"_s << QRect(256, 40, 68, 13);
}

void TestLayout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    auto* widget = window().findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), pixels);
}

// Every caption of a label or button as the table gives it, within its box.
void TestLayout::captions_fit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    for (const platform::ControlPlace& c : layout::controls) {
        if (c.kind != platform::ControlKind::Label
            && c.kind != platform::ControlKind::CommandButton)
            continue;
        const QString name = QString::fromUtf8(c.name.data(), qsizetype(c.name.size()));
        QTest::newRow(qPrintable(name))
            << name << QString::fromUtf8(c.caption.data(), qsizetype(c.caption.size()));
    }
}

void TestLayout::captions_fit()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    auto* widget = window().findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QString shown;
    int margin = 0; // room a button's bevel takes on each side
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        shown = button->text();
        margin = 4;
    }
    QCOMPARE(shown, caption);
    const QRect needed = widget->fontMetrics().boundingRect(QString(caption).remove(u'&'));
    QVERIFY2(
        needed.width() + 2 * margin <= widget->width(),
        qPrintable(
            u"%1 px needed, %2 px given"_s.arg(needed.width() + 2 * margin).arg(widget->width())));
    QVERIFY2(widget->fontMetrics().height() <= widget->height(),
             qPrintable(u"%1 px high, %2 px given"_s.arg(widget->fontMetrics().height())
                            .arg(widget->height())));
}

void TestLayout::fonts()
{
    auto* instruction = window().findChild<QLabel*>(u"Label2"_s);
    QVERIFY(instruction != nullptr);
    const QFont requested = instruction->font();
    QCOMPARE(requested.families().value(0), u"MS Sans Serif"_s);
    const QFontInfo resolved(requested);
    QVERIFY2(resolved.family() == u"MS Sans Serif"_s || resolved.family() == u"Liberation Sans"_s,
             qPrintable(resolved.family()));
    QVERIFY(resolved.bold());
    QVERIFY(!resolved.italic() && !requested.underline() && !requested.strikeOut());

    // Everything else uses the window's dialog font, a smaller regular face.
    const QFontInfo dialog(cmd_rechnen().font());
    QCOMPARE(dialog.family(), resolved.family());
    QVERIFY(!dialog.bold());
    QVERIFY(dialog.pointSizeF() < resolved.pointSizeF());
    for (const char* other : {"Label1", "Label3", "Label4", "Label5", "txt_an"})
        QCOMPARE(window().findChild<QWidget*>(QString::fromLatin1(other))->font(), window().font());
}

void TestLayout::labels_name_their_fields_and_take_no_focus()
{
    const std::array<std::pair<const char*, platform::TextBox*>, 4> pairs{{
        {"Label1", &txt_winkel()},
        {"Label3", &txt_an()},
        {"Label4", &txt_ge()},
        {"Label5", &txt_hyp()},
    }};
    for (const auto& [name, field] : pairs) {
        auto* label = window().findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label != nullptr);
        QCOMPARE(label->buddy(), field);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        // Each label stands left of its field, its top 40 to 50 twips below the field's.
        QCOMPARE(label->geometry().right() + 1 + 12, field->x());
        QVERIFY(label->y() - field->y() >= 2 && label->y() - field->y() <= 4);
    }
    QCOMPARE(window().findChild<QWidget*>(u"Picture1"_s)->focusPolicy(), Qt::NoFocus);
}

// Every control that takes the focus draws it: the keyboard user sees where it is.
void TestLayout::focus_is_visible()
{
    // Buttons draw their focus once the keyboard has moved it, as after a Tab.
    window().setAttribute(Qt::WA_KeyboardFocusChange);
    for (QWidget* control : window().findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
            continue;
        window().setFocus();
        const QImage without = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        QVERIFY2(control->grab().toImage() != without, qPrintable(control->objectName()));
    }
}

void TestLayout::labels_end_at_the_common_edge_data()
{
    QTest::addColumn<QString>("label");
    for (const char* label : {"Label1", "Label3", "Label4", "Label5"})
        QTest::newRow(label) << QString::fromLatin1(label);
}

void TestLayout::labels_end_at_the_common_edge()
{
    QFETCH(QString, label);
    auto* widget = window().findChild<QLabel*>(label);
    QVERIFY(widget != nullptr);
    // The rightmost column of drawn text, in the window's logical pixels.
    const QImage image = widget->grab().toImage();
    const QColor background = widget->palette().color(QPalette::Window);
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = last + 1; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - background.lightness()) > 60)
                last = x;
        }
    }
    const double end = widget->x() + (last + 1) / image.devicePixelRatio();
    constexpr double edge = 4860.0 / 15; // the labels' common right edge, in twips
    QVERIFY2(std::abs(end - edge) <= 2, qPrintable(u"ends at %1"_s.arg(end)));
}

void TestLayout::diagram_pixels_data()
{
    QTest::addColumn<QPoint>("point"); // in the diagram's own 200 x 176 pixels
    QTest::addColumn<QString>("colour");
    QTest::newRow("background above the hypotenuse") << QPoint(170, 30) << u"white"_s;
    QTest::newRow("background inside the triangle") << QPoint(80, 90) << u"white"_s;
    QTest::newRow("vertical leg") << QPoint(34, 60) << u"red"_s;
    QTest::newRow("horizontal leg") << QPoint(120, 118) << u"red"_s;
    QTest::newRow("hypotenuse") << QPoint(110, 67) << u"red"_s;
}

namespace {

QImage diagram(const dreieckrechner& window)
{
    auto* const box = window.findChild<QWidget*>(u"Picture1"_s);
    const QRect inside = box->contentsRect();
    return box->grab(inside).toImage();
}

QString colourName(QColor c)
{
    if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
        return u"white"_s;
    if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
        return u"red"_s;
    if (c.red() < 90 && c.green() < 90 && c.blue() < 90)
        return u"black"_s;
    return c.name();
}

} // namespace

void TestLayout::diagram_pixels()
{
    QFETCH(QPoint, point);
    QFETCH(QString, colour);
    const QImage image = diagram(window());
    const qreal ratio = image.devicePixelRatio();
    QCOMPARE(image.size(), QSize(200, 176) * ratio);
    // The middle of the device pixels that make up one diagram pixel.
    const QPoint device(int((point.x() + 0.5) * ratio), int((point.y() + 0.5) * ratio));
    QCOMPARE(colourName(image.pixelColor(device)), colour);
}

void TestLayout::diagram_is_rendered_at_the_screen_resolution()
{
    const QImage image = diagram(window());
    const qreal ratio = window().devicePixelRatioF();
    QCOMPARE(image.devicePixelRatio(), ratio);

    // The formulas are black text in the two rows under the triangle.
    int black = 0;
    for (int y = int(140 * ratio); y < int(174 * ratio); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += colourName(image.pixelColor(x, y)) == u"black"_s ? 1 : 0;
    QVERIFY2(black > 300 * ratio * ratio, qPrintable(QString::number(black)));

    // The 1-pixel right-angle mark is as many solid device pixels wide as the
    // ratio, not a blur of a scaled-up bitmap.
    int solid = 0;
    const int row = int(113.5 * ratio);
    for (int x = int(42 * ratio); x < int(47 * ratio); ++x)
        solid += colourName(image.pixelColor(x, row)) == u"red"_s ? 1 : 0;
    QVERIFY2(solid >= int(ratio), qPrintable(QString::number(solid)));
}

// WCAG's contrast ratio, and a colour moved towards another no further than
// needed (in steps of 2 %) to reach a ratio against what it stands on.
void TestLayout::contrast_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("towards");
    QTest::addColumn<QColor>("against");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("enough already")
        << QColor(0x76, 0x76, 0x76) << QColor(Qt::black) << QColor(Qt::white) << true;
    QTest::newRow("a light outline darkened on white")
        << QColor(0xd0, 0xd0, 0xd0) << QColor(Qt::black) << QColor(Qt::white) << true;
    QTest::newRow("a dark one lightened on dark grey")
        << QColor(0x40, 0x40, 0x40) << QColor(Qt::white) << QColor(0x32, 0x32, 0x32) << true;
    QTest::newRow("out of reach: as far as it goes")
        << QColor(0x80, 0x80, 0x80) << QColor(0x90, 0x90, 0x90) << QColor(0x80, 0x80, 0x80)
        << false;
}

void TestLayout::contrast()
{
    QFETCH(QColor, from);
    QFETCH(QColor, towards);
    QFETCH(QColor, against);
    QFETCH(bool, reachable);
    constexpr double outline = 3;
    constexpr double oneStep = 0.3; // what a step of 2 % can add here at most
    QCOMPARE(platform::contrastRatio(Qt::white, Qt::black), 21.0);
    QCOMPARE(platform::contrastRatio(against, against), 1.0);
    const QColor moved = platform::reaching(from, towards, outline, {against});
    const double reached = platform::contrastRatio(moved, against);
    if (!reachable) {
        QCOMPARE(moved, towards);
    } else if (platform::contrastRatio(from, against) >= outline) {
        QCOMPARE(moved, from);
    } else {
        QVERIFY(reached >= outline);
        QVERIFY(reached < outline + oneStep);
    }
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
