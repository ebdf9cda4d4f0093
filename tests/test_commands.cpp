// SPDX-License-Identifier: GPL-3.0-or-later
// Berechnen, Neu and Ende: marker counting, the lock, focus, the end of the program.
#include "fixture.hpp"

#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"
#include "platform/application.hpp"
#include "platform/messagebox.hpp"
#include "solver/globale_var_sub.hpp"
#include "window/arbeitsblatt.hpp"
#include "window/assets/dreieck.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineF>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

class TestCommands : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void startsUnlockedWithMarkers();
    void showsWhatTheCalculationDecides_data();
    void showsWhatTheCalculationDecides();
    void saysWhatIsNotReadWhole_data();
    void saysWhatIsNotReadWhole();
    void germanLocaleShowsDecimalComma();
    void sharedVariables();
    void successLocksUntilNeu();
    void neuKeepsFocus();
    void focusAfterBerechnen_data();
    void focusAfterBerechnen();
    void accessKeysClickTheButtons_data();
    void accessKeysClickTheButtons();
    void pressReleasedOffTheButtonClicksNothing();
    void accessibleNames_data();
    void accessibleNames();
    void neuIsAnnounced();
    void copyingValues_data();
    void copyingValues();
    void rechenwegForWorksheets();
    void sketchLabelsTouchNothing_data();
    void sketchLabelsTouchNothing();
    void endeEndsTheEventLoop();
    void closingTheWindowEndsTheEventLoop();
    void realMessageBoxIsModalAndCritical();
    void programIsNamedVersionedAndGerman();
};

void TestCommands::startsUnlockedWithMarkers()
{
    QCOMPARE(texts(), QStringList({"?", "?", "?", "?"}));
    QVERIFY(unlocked());
    QVERIFY(cmd_neu().isEnabled());
    QVERIFY(cmd_ende().isEnabled());
}

void TestCommands::showsWhatTheCalculationDecides_data()
{
    QTest::addColumn<QStringList>("input"); // angle, adjacent, opposite, hypotenuse
    QTest::addColumn<QStringList>("shown"); // afterwards
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("report");
    const QString zuWenige = u"Bitte mindestens 2 Werte angeben"_s;
    const auto report = [](const char* name, const QStringList& input, const QString& text) {
        QTest::newRow(name) << input << input << QStringList{} << text;
    };
    report("all four unknown", {"?", "?", "?", "?"}, zuWenige);
    report("only the angle", {"30", "?", "?", "?"}, zuWenige);
    report("only one side", {"?", "5", "?", "?"}, zuWenige);
    // Every case of both procedures, on a steep angle, and a report from each.
    const QString b = u"0.0052359877559829883"_s;
    const QString a = u"999.99999999999989"_s;
    QTest::newRow("angle, adjacent") << QStringList{"89.9999997", b, "?", "?"}
                                     << QStringList{"89.9999997", b, "1000000", "1000000"}
                                     << QStringList{"txt_ge", "txt_hyp"} << QString();
    QTest::newRow("angle, opposite")
        << QStringList{"89.9999997", "?", a, "?"} << QStringList{"89.9999997", "0", a, "1000"}
        << QStringList{"txt_an", "txt_hyp"} << QString();
    QTest::newRow("angle, hypotenuse") << QStringList{"89.9999997", "?", "?", "1000"}
                                       << QStringList{"89.9999997", "0", "1000", "1000"}
                                       << QStringList{"txt_an", "txt_ge"} << QString();
    QTest::newRow("everything") << QStringList{"89.9999997", b, a, "1000"}
                                << QStringList{"89.9999997", "0", "1000", "1000"}
                                << QStringList{"txt_an", "txt_ge"} << QString();
    QTest::newRow("two legs") << QStringList{"?", b, a, "?"} << QStringList{"89.9997", b, a, "1000"}
                              << QStringList{"txt_hyp", "txt_winkel"} << QString();
    QTest::newRow("adjacent, hypotenuse")
        << QStringList{"?", b, "?", "1000"} << QStringList{"89.9997", b, "1000", "1000"}
        << QStringList{"txt_winkel", "txt_ge"} << QString();
    QTest::newRow("opposite, hypotenuse")
        << QStringList{"?", "?", a, "1000"} << QStringList{"90", "0", a, "1000"}
        << QStringList{"txt_winkel", "txt_an"} << QString();
    QTest::newRow("three sides") << QStringList{"?", "3", "4", "10"}
                                 << QStringList{"23.5782", "9.1652", "4", "10"}
                                 << QStringList{"txt_winkel", "txt_an"} << QString();
    QTest::newRow("a given leg that agrees to its typed digits")
        << QStringList{"30", "8.66", "?", "10"} << QStringList{"30", "8.6603", "5", "10"}
        << QStringList{"txt_an", "txt_ge"} << QString();
    QTest::newRow("both legs with the angle")
        << QStringList{"30", "5", "3", "?"} << QStringList{"30", "5", "2.8868", "5.7735"}
        << QStringList{"txt_ge", "txt_hyp"} << QString();
    // 10.00015 degrees to 16 digits: a second way of working out the angle
    // (the ratio, its arc tangent, the 15-digit pi) rounds it the other way.
    QTest::newRow("angle of two legs at a rounding midpoint")
        << QStringList{"?", "1", "0.1763296801001711", "?"}
        << QStringList{"10.0001", "1", "0.1763296801001711", "1.0154"}
        << QStringList{"txt_hyp", "txt_winkel"} << QString();
    report("report with the angle", {"90", "5", "?", "?"},
           u"Winkel kann nicht >= 90 Grad sein !!"_s);
    report("report without the angle", {"?", "6", "?", "5"},
           u"Ankathete kann nicht >= Hypotenuse sein"_s);
}

// The window writes what the calculation decides, in its order, or shows its
// report and unlocks.
void TestCommands::showsWhatTheCalculationDecides()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, written);
    QFETCH(QString, report);
    enter(input);
    QStringList order;
    for (platform::TextBox* box : {&txt_winkel(), &txt_an(), &txt_ge(), &txt_hyp()})
        connect(box, &QLineEdit::textChanged, this, [&order, box] { order << box->objectName(); });
    cmd_rechnen().click();

    QCOMPARE(texts(), shown);
    QCOMPARE(order, written);
    if (!report.isEmpty()) {
        QCOMPARE(reports().size(), 1U);
        QCOMPARE(reports().front().text, report);
        QCOMPARE(reports().front().title, u"Eingabefehler"_s);
        QCOMPARE(reports().front().style, 16);
        QVERIFY(unlocked());
        return;
    }
    QVERIFY(reports().empty());
    QVERIFY(locked());

    // A given value written over is marked, told on pointing and to screen
    // readers, with what was typed.
    const std::array<platform::TextBox*, 4> boxes{&txt_winkel(), &txt_an(), &txt_ge(), &txt_hyp()};
    bool anyReplaced = false;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString& typed = input.at(static_cast<qsizetype>(i));
        const platform::TextBox& box = *boxes.at(i);
        const bool replaced = typed != u"?"_s && box.Text() != typed;
        anyReplaced = anyReplaced || replaced;
        QCOMPARE(!box.Note().isEmpty(), replaced);
        QCOMPARE(box.accessibleDescription(), box.Note());
        QVERIFY(!replaced || box.Note().contains(u"getippt war "_s + typed + u';'));
        QVERIFY(box.toolTip().contains(box.Note()));
    }
    const auto* const announcement = window().findChild<QWidget*>(u"announcement"_s);
    QCOMPARE(announcement->accessibleName().contains(u" ersetzt: getippt "_s), anyReplaced);
    cmd_neu().click();
    QVERIFY(std::ranges::all_of(boxes, [](const auto* box) { return box->Note().isEmpty(); }));
}

void TestCommands::saysWhatIsNotReadWhole_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("reported");
    QTest::newRow("a marker after the hypotenuse")
        << QStringList{"73.63", "0.08528", "?", "3?"} << u"txt_hyp"_s
        << u"Gelesen als 3 (getippt: 3?)."_s << false;
    QTest::newRow("two points in the angle")
        << QStringList{"1.2.3", "343.6", "?", "?"} << u"txt_winkel"_s
        << u"Gelesen als 1.2 (getippt: 1.2.3)."_s << false;
    QTest::newRow("an empty adjacent leg")
        << QStringList{"30", "", "?", "?"} << u"txt_an"_s << u"Leer, gelesen als 0."_s << true;
}

// A field not read whole is marked and says what was read of it, on
// pointing and to screen readers: with the results, or in the field the
// report is about, until it is edited.
void TestCommands::saysWhatIsNotReadWhole()
{
    QFETCH(QStringList, input);
    QFETCH(QString, field);
    QFETCH(QString, note);
    QFETCH(bool, reported);
    enter(input);
    cmd_rechnen().click();
    QCOMPARE(reports().size(), reported ? 1U : 0U);
    auto& box = *window().findChild<platform::TextBox*>(field);
    QVERIFY2(box.Note().startsWith(note), qPrintable(box.Note()));
    QCOMPARE(box.accessibleDescription(), box.Note());
    QVERIFY(box.toolTip().contains(note));
    for (const platform::TextBox* other : fields())
        QCOMPARE(other->Note().contains(u"elesen als"_s), other == &box);
    if (!reported) {
        const auto* const announcement = window().findChild<QWidget*>(u"announcement"_s);
        QVERIFY(announcement->accessibleName().contains(box.Name() + u": "_s + note));
        return;
    }
    QCOMPARE(QApplication::focusWidget(), &box);
    QTest::keyClicks(&box, u"5"_s);
    QVERIFY(box.Note().isEmpty());
    QVERIFY(box.toolTip().isEmpty());
}

// Results show the locale's separator; copies use it throughout, typed values too.
void TestCommands::germanLocaleShowsDecimalComma()
{
    window().setLocale(QLocale(QLocale::German, QLocale::Germany));
    enter({"30", "0.5", "?", "?"});
    cmd_rechnen().click();
    QCOMPARE(texts(), QStringList({"30", "0.5", "0,2887", "0,5774"}));
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"Winkel (alpha)\t30\nAnkathete\t0,5\nGegenkathete\t0,2887\nHypotenuse\t0,5774\n"_s);
}

// The module's shared variables as the procedures leave them: pi from
// Form_Load, the unrounded results, the angle in radians after a calculation
// with it, the angle and the hypotenuse of two legs as shown; Neu keeps them.
void TestCommands::sharedVariables()
{
    QCOMPARE(globale_Var_sub::pi, 3.14159265358979);
    enter({"30", "5", "?", "?"});
    cmd_rechnen().click();
    QCOMPARE(globale_Var_sub::winkel, (3.14159265358979 / 180) * 30);
    QCOMPARE(globale_Var_sub::ge, 5 / std::sqrt(3.0));
    const double hypotenuse = globale_Var_sub::hyp;
    cmd_neu().click();
    QCOMPARE(globale_Var_sub::hyp, hypotenuse);

    enter({"?", "3", "4", "?"});
    cmd_rechnen().click();
    QCOMPARE(globale_Var_sub::winkel, 53.1301);
    QCOMPARE(globale_Var_sub::hyp, 5.0);
}

void TestCommands::successLocksUntilNeu()
{
    enter({"30", "5", "?", "?"});
    cmd_rechnen().click();
    QVERIFY(locked());
    QVERIFY(cmd_neu().isEnabled());
    QVERIFY(cmd_ende().isEnabled());
    QCOMPARE(txt_ge().toolTip(), u"2.8868\nRechtsklick: Werte oder Rechenweg kopieren"_s);

    // A locked field takes no keys, and a locked Berechnen cannot be clicked,
    // not even by its access key.
    QTest::keyClicks(&txt_an(), u"7"_s);
    QCOMPARE(txt_an().Text(), u"5"_s);
    // Alt+N, pressed after it, clicks Neu the same way: once that has
    // arrived, a click of Berechnen would have too.
    const QSignalSpy rechnen(&cmd_rechnen(), &platform::CommandButton::Click);
    QSignalSpy neu(&cmd_neu(), &platform::CommandButton::Click);
    QTest::keyClick(&window(), Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(&window(), Qt::Key_N, Qt::AltModifier);
    QVERIFY(neu.wait(1000) || neu.size() == 1);
    QCOMPARE(rechnen.size(), 0);
    QVERIFY(reports().empty());

    cmd_neu().click();
    QCOMPARE(texts(), QStringList({"?", "?", "?", "?"}));
    QVERIFY(unlocked());
    QVERIFY(txt_ge().toolTip().isEmpty());
}

void TestCommands::neuKeepsFocus()
{
    enter({"30", "5", "?", "?"});
    cmd_rechnen().click();
    cmd_neu().setFocus();
    cmd_neu().click();
    QCOMPARE(QApplication::focusWidget(), &cmd_neu());
}

void TestCommands::focusAfterBerechnen_data()
{
    QTest::addColumn<QString>("focused"); // when Berechnen is pressed
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("moves"); // focus changes on the way: one to Neu, one to the field
    const QStringList valid{"30", "5", "?", "?"};
    // Straight to Neu, not through the fields as they are locked one by one.
    QTest::newRow("result from the first field: Neu")
        << u"txt_winkel"_s << valid << u"cmd_neu"_s << 1;
    QTest::newRow("result from Berechnen: Neu") << u"cmd_rechnen"_s << valid << u"cmd_neu"_s << 1;
    // A report puts the focus into the field it is about, its text selected.
    QTest::newRow("too few values: the first unknown")
        << u"cmd_rechnen"_s << QStringList{"30", "?", "?", "?"} << u"txt_an"_s << 2;
    QTest::newRow("angle 90") << u"txt_hyp"_s << QStringList{"90", "5", "?", "?"} << u"txt_winkel"_s
                              << 2;
    QTest::newRow("angle 0") << u"cmd_rechnen"_s << QStringList{"0", "5", "?", "?"}
                             << u"txt_winkel"_s << 2;
    QTest::newRow("empty hypotenuse")
        << u"txt_winkel"_s << QStringList{"30", "?", "?", ""} << u"txt_hyp"_s << 2;
    QTest::newRow("adjacent not shorter")
        << u"cmd_rechnen"_s << QStringList{"?", "5.5", "?", "5"} << u"txt_an"_s << 2;
    QTest::newRow("opposite not shorter")
        << u"cmd_rechnen"_s << QStringList{"?", "?", "6", "5"} << u"txt_ge"_s << 2;
    QTest::newRow("out of range") << u"cmd_rechnen"_s << QStringList{"?", "1", "1e999", "?"}
                                  << u"txt_ge"_s << 2;
}

void TestCommands::focusAfterBerechnen()
{
    QFETCH(QString, focused);
    QFETCH(QStringList, input);
    QFETCH(QString, after);
    QFETCH(int, moves);
    enter(input);
    auto* control = window().findChild<QWidget*>(focused);
    QVERIFY(control != nullptr);
    control->setFocus();
    const QSignalSpy focusChanges(qApp, &QApplication::focusChanged);
    if (control == &cmd_rechnen())
        QTest::keyClick(control, Qt::Key_Space);
    else
        QTest::keyClick(&window(), Qt::Key_B, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([this] { return locked() || !reports().empty(); }));
    const QWidget* const now = QApplication::focusWidget();
    QVERIFY(now != nullptr);
    QCOMPARE(now->objectName(), after);
    QCOMPARE(focusChanges.size(), moves);
    if (const auto* field = qobject_cast<const QLineEdit*>(now))
        QCOMPARE(field->selectedText(), field->text());
}

void TestCommands::accessKeysClickTheButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("focused"); // the key goes to the button itself, else to a field
    QTest::newRow("Alt+B") << u"cmd_rechnen"_s << int(Qt::Key_B) << int(Qt::AltModifier) << false;
    QTest::newRow("Alt+N") << u"cmd_neu"_s << int(Qt::Key_N) << int(Qt::AltModifier) << false;
    QTest::newRow("Alt+E") << u"cmd_ende"_s << int(Qt::Key_E) << int(Qt::AltModifier) << false;
    // A focused button takes Space, Return and the keypad's Enter.
    QTest::newRow("Space on Neu") << u"cmd_neu"_s << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("Return on Neu") << u"cmd_neu"_s << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Enter on Berechnen")
        << u"cmd_rechnen"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
}

void TestCommands::accessKeysClickTheButtons()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, focused);
    auto* target = window().findChild<platform::CommandButton*>(button);
    QVERIFY(target != nullptr);
    QSignalSpy clicks(target, &platform::CommandButton::Click);
    QWidget* const receiver = focused ? static_cast<QWidget*>(target) : &txt_winkel();
    receiver->setFocus();
    QTest::keyClick(receiver, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(clicks.wait(1000) || clicks.size() == 1);
    QCOMPARE(clicks.size(), 1);
}

// A press that slips off the button before it is released clicks nothing.
void TestCommands::pressReleasedOffTheButtonClicksNothing()
{
    QSignalSpy clicks(&cmd_neu(), &platform::CommandButton::Click);
    const QPoint off(-10, -10);
    QTest::mousePress(&cmd_neu(), Qt::LeftButton);
    QTest::mouseMove(&cmd_neu(), off);
    QTest::mouseRelease(&cmd_neu(), Qt::LeftButton, {}, off);
    QCOMPARE(clicks.size(), 0);
}

void TestCommands::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    // A dialog, not a filler, so that screen readers read its title and what to do.
    QTest::newRow("window") << u"dreieckrechner"_s << int(QAccessible::Dialog)
                            << u"Berechnungen im rechtwinkligen Dreieck"_s;
    QTest::newRow("instruction") << u"Label2"_s << int(QAccessible::StaticText)
                                 << u"Bitte 2 bekannte Werte eingeben !"_s;
    // Spoken without the parentheses the label draws.
    QTest::newRow("angle") << u"txt_winkel"_s << int(QAccessible::EditableText)
                           << u"Winkel alpha"_s;
    QTest::newRow("angle's label")
        << u"Label1"_s << int(QAccessible::StaticText) << u"Winkel alpha"_s;
    QTest::newRow("adjacent leg") << u"txt_an"_s << int(QAccessible::EditableText)
                                  << u"Ankathete"_s;
    QTest::newRow("opposite leg") << u"txt_ge"_s << int(QAccessible::EditableText)
                                  << u"Gegenkathete"_s;
    QTest::newRow("hypotenuse") << u"txt_hyp"_s << int(QAccessible::EditableText)
                                << u"Hypotenuse"_s;
    QTest::newRow("Berechnen") << u"cmd_rechnen"_s << int(QAccessible::Button) << u"Berechnen"_s;
    QTest::newRow("Neu") << u"cmd_neu"_s << int(QAccessible::Button) << u"Neu"_s;
    QTest::newRow("Ende") << u"cmd_ende"_s << int(QAccessible::Button) << u"Ende"_s;
    QTest::newRow("diagram") << u"Picture1"_s << int(QAccessible::Graphic)
                             << QString::fromUtf8(assets::dreieck.description.data(),
                                                  qsizetype(assets::dreieck.description.size()));
}

void TestCommands::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QWidget* const widget =
        control == window().objectName() ? &window() : window().findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestCommands::neuIsAnnounced()
{
    enter({"30", "5", "?", "?"});
    cmd_rechnen().click();
    auto* announcement = window().findChild<QWidget*>(u"announcement"_s);
    QVERIFY(!announcement->isVisible());
    cmd_neu().click();
    // Shown, a notification is spoken at once; it draws nothing.
    QVERIFY(announcement->isVisible());
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(announcement);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(accessible->text(QAccessible::Name), u"Alle Felder zurückgesetzt"_s);
    QCOMPARE(announcement->size(), QSize(1, 1));
}

namespace {
// A chosen entry from here on is the submenu's entry (chosen - einzeln).
constexpr int einzeln = 10;
} // namespace

void TestCommands::copyingValues_data()
{
    QTest::addColumn<bool>("result"); // Berechnen first, or still editing
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("menu"); // the menu's entries, with their shortcuts
    QTest::addColumn<int>("chosen");       // the entry chosen, or the submenu's entry after Right
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("heard"); // what screen readers are told
    const QString all =
        u"Winkel (alpha)\t30\nAnkathete\t5\nGegenkathete\t2.8868\nHypotenuse\t5.7735\n"_s;
    const core::Texte input{u"30"_s, u"5"_s, u"?"_s, u"?"_s};
    const QString solution =
        core::rechenweg(std::get<core::Loesung>(core::berechnen(input)), QLocale::c()).text();
    // Qt's German key names, as the menu shows them.
    const QStringList two{u"Alle Werte kopieren\tStrg+C"_s,
                          u"Rechenweg kopieren\tStrg+Umschalt+C"_s, u"Einen Wert kopieren"_s};
    const QStringList three = QStringList{u"Wert kopieren"_s} + two;
    const QString alleKopiert = u"Alle Werte kopiert"_s;
    const QString rechenwegKopiert = u"Rechenweg kopiert"_s;
    QTest::newRow("Ctrl+C on Neu")
        << true << u"Ctrl+C"_s << u"cmd_neu"_s << QStringList{} << 0 << all << alleKopiert;
    QTest::newRow("Ctrl+Shift+C on Neu") << true << u"Ctrl+Shift+C"_s << u"cmd_neu"_s
                                         << QStringList{} << 0 << solution << rechenwegKopiert;
    QTest::newRow("right click, one value") << true << u"right click"_s << u"txt_hyp"_s << three
                                            << 0 << u"5.7735"_s << u"Wert kopiert"_s;
    QTest::newRow("right click on the angle, one value")
        << true << u"right click"_s << u"txt_winkel"_s << three << 0 << u"30"_s
        << u"Wert kopiert"_s;
    QTest::newRow("right click, Rechenweg")
        << true << u"right click"_s << u"txt_ge"_s << three << 2 << solution << rechenwegKopiert;
    QTest::newRow("menu key on Neu")
        << true << u"menu key"_s << u"cmd_neu"_s << two << 0 << all << alleKopiert;
    QTest::newRow("Shift+F10 on Neu, Rechenweg")
        << true << u"Shift+F10"_s << u"cmd_neu"_s << two << 1 << solution << rechenwegKopiert;
    // Any one value by keyboard alone, from the submenu that names them.
    QTest::newRow("Shift+F10 on Neu, one value") << true << u"Shift+F10"_s << u"cmd_neu"_s << two
                                                 << einzeln + 2 << u"2.8868"_s << u"Wert kopiert"_s;
    // While editing, the fields keep their own menu and the shortcuts do nothing.
    QTest::newRow("Ctrl+C while editing") << false << u"Ctrl+C"_s << u"txt_winkel"_s
                                          << QStringList{} << 0 << u"before"_s << QString();
    QTest::newRow("Ctrl+Shift+C while editing") << false << u"Ctrl+Shift+C"_s << u"txt_winkel"_s
                                                << QStringList{} << 0 << u"before"_s << QString();
}

void TestCommands::copyingValues()
{
    QFETCH(bool, result);
    QFETCH(QString, how);
    QFETCH(QString, control);
    QFETCH(QStringList, menu);
    QFETCH(int, chosen);
    QFETCH(QString, copied);
    QFETCH(QString, heard);
    QGuiApplication::clipboard()->setText(u"before"_s);
    auto* announcement = window().findChild<QWidget*>(u"announcement"_s);
    announcement->setAccessibleName({});
    enter({"30", "5", "?", "?"});
    if (result)
        cmd_rechnen().click();
    auto* target = window().findChild<QWidget*>(control);
    QVERIFY(target != nullptr);
    if (target->isEnabled())
        target->setFocus();
    if (how == u"Ctrl+C")
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    else if (how == u"Ctrl+Shift+C")
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else if (how == u"Shift+F10")
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    if (!menu.isEmpty()) {
        if (how != u"Shift+F10")
            contextMenu(*target, how == u"right click" ? QContextMenuEvent::Mouse
                                                       : QContextMenuEvent::Keyboard);
        const QPointer<QMenu> popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(popup != nullptr);
        QStringList items;
        QList<QAction*> shown;
        for (QAction* action : popup->actions()) {
            if (!action->isVisible())
                continue;
            items << action->text();
            shown << action;
        }
        QCOMPARE(items, menu);
        // Opened by the keyboard, the first entry is active, so screen readers name it.
        QCOMPARE(popup->activeAction(), how == u"right click" ? nullptr : shown.front());
        QMenu* entries = popup;
        if (chosen >= einzeln) {
            popup->setActiveAction(shown.back());
            QTest::keyClick(popup, Qt::Key_Right);
            entries = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(entries != popup.data());
            QStringList values;
            for (const QAction* action : entries->actions())
                values << action->text();
            QCOMPARE(values, QStringList({u"Winkel alpha\t30"_s, u"Ankathete\t5"_s,
                                          u"Gegenkathete\t2.8868"_s, u"Hypotenuse\t5.7735"_s}));
            entries->setActiveAction(entries->actions().at(chosen - einzeln));
        } else {
            popup->setActiveAction(shown.at(chosen));
        }
        QTest::keyClick(entries, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(popup != nullptr); // still there for a screen reader reading its entry
    }
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(announcement->accessibleName(), heard);
}

// Ctrl+Shift+C puts HTML beside the plain text: the same steps, and a sketch.
void TestCommands::rechenwegForWorksheets()
{
    window().setLocale(QLocale(QLocale::German, QLocale::Germany));
    enter({"30", "5", "?", "?"});
    cmd_rechnen().click();
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* const copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->hasText() && copied->hasHtml());
    const QString html = copied->html();
    QVERIFY(html.contains(u"<html lang=\"de\">"_s)
            && html.contains(u"Ergebnis (Längen in LE, Flächen in FE):</h2>"_s));
    // Every step under its heading, for screen readers and the outline.
    QCOMPARE(html.count(u"<h2"_s), copied->text().count(u"\n\n"_s));
    QVERIFY(html.contains(
        u">tan&nbsp;α&nbsp;=&nbsp;Gegenkathete / Ankathete&nbsp;=&nbsp;a / b</h2>"_s));
    QString words = html;
    words.remove(QRegularExpression(u"<[^>]*>"_s));
    // No line breaks beside "=" or "≈": a letter stays with its value.
    QVERIFY(words.contains(u"b&nbsp;=&nbsp;5"_s) && !words.contains(u" = "_s));
    words.replace(u"&nbsp;"_s, u" "_s);
    for (QString line : copied->text().split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(words.contains(line.replace(QChar(0xA0), u' ').toHtmlEscaped()), qPrintable(line));
    const QRegularExpression image(
        u"<img src=\"data:image/png;base64,([^\"]+)\" width=\"(\\d+)\""_s);
    const QRegularExpressionMatch found = image.match(html);
    QVERIFY(found.hasMatch());
    const QImage sketch =
        QImage::fromData(QByteArray::fromBase64(found.captured(1).toLatin1()), "PNG");
    QCOMPARE(sketch.width(), 2 * found.captured(2).toInt());
    // Drawn as the window's diagram is: the triangle in red on white.
    QCOMPARE(sketch.pixelColor(0, 0), QColor(Qt::white));

    // A paragraph that opens with a sentence has no heading: its label is
    // bold. Values that contradict are said to before the sketch shows b
    // anew; one that agrees to its places stays as given in the sketch, "≈"
    // as the triangle's value is not exactly it.
    const auto blatt = [this](const QStringList& werte) {
        cmd_neu().click();
        enter(werte);
        cmd_rechnen().click();
        QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return QGuiApplication::clipboard()->mimeData()->html();
    };
    const QString widerspruch = blatt({u"?"_s, u"4"_s, u"3"_s, u"5.4"_s});
    const qsizetype gesagt = widerspruch.indexOf(u"<p><b>Ein solches Dreieck gibt es nicht:</b>"_s);
    QVERIFY(gesagt > 0 && gesagt < widerspruch.indexOf(u"<img"_s));
    QVERIFY(widerspruch.contains(u"b ≈ 4,4900"_s));
    const QString passend = blatt({u"40"_s, u"?"_s, u"5"_s, u"7.779"_s});
    QVERIFY(
        passend.contains(u"Skizze: rechtwinkliges Dreieck ABC, rechter Winkel bei C; a ≈ 5,"_s));
    QVERIFY(passend.indexOf(u"<img"_s) < passend.indexOf(u"Probe für a"_s));
}

// Over every shape a triangle can take and numbers of every length: no label
// touches a line (no red pixel in its box), another label, or the edge, and
// each side's and angle's value stands in the sketch or in its legend. As a
// book draws it: each angle's name inside its arc, both arcs short of the
// altitude's right angle, h, p and q named in the picture, and a shape drawn
// other than it is captioned so.
void TestCommands::sketchLabelsTouchNothing_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("field");
    QTest::newRow("a millionth adjacent leg") << u"0.000001"_s << 1;
    QTest::newRow("an ordinary hypotenuse") << u"12.4"_s << 3;
    QTest::newRow("a long opposite leg") << u"1234567890123.4567"_s << 2;
    QTest::newRow("a hypotenuse of 10^12") << u"1e12"_s << 3;
    QTest::newRow("a 61-digit adjacent leg")
        << u"123456789012345678901234567890123456789012345678901234567890.1"_s << 1;
}

void TestCommands::sketchLabelsTouchNothing()
{
    QFETCH(QString, side);
    QFETCH(int, field);
    for (const char* alpha :
         {"0.001", "0.02", "0.7", "5", "20", "37.5", "45", "62", "80", "88.9", "89.97", "89.999"}) {
        core::Texte texte{QString::fromLatin1(alpha), u"?"_s, u"?"_s, u"?"_s};
        texte.at(static_cast<std::size_t>(field)) = side;
        const core::Rechenweg r = core::rechenweg(std::get<core::Loesung>(core::berechnen(texte)),
                                                  QLocale(QLocale::German));
        const assets::Skizzenplan plan = arbeitsblatt_skizze(r);
        const QImage bild = assets::skizze_zeichnen(plan);
        const QRectF rand(QPointF(0, 0), plan.groesse);
        QStringList geschrieben;
        for (const assets::Skizzentext& t : plan.texte) {
            geschrieben << t.text;
            const QString wo = t.text + u" at α = "_s + QString::fromLatin1(alpha);
            QVERIFY2(rand.contains(t.rahmen), qPrintable(wo));
            for (const assets::Skizzentext& u : plan.texte)
                QVERIFY2(&t == &u || !t.rahmen.intersects(u.rahmen), qPrintable(wo));
            const QRect pixel = QRectF(t.rahmen.topLeft() * 2, t.rahmen.size() * 2).toRect();
            for (int y = pixel.top(); y <= pixel.bottom(); ++y) {
                for (int x = pixel.left(); x <= pixel.right(); ++x) {
                    const QColor c = bild.pixelColor(x, y);
                    QVERIFY2(c.red() - c.green() < 40, qPrintable(wo));
                }
            }
        }
        const QString wo = u"α = "_s + QString::fromLatin1(alpha);
        for (const QString& name : {u"h"_s, u"p"_s, u"q"_s})
            QVERIFY2(geschrieben.contains(name), qPrintable(name + u" at "_s + wo));
        const QPointF hoch = (plan.c - plan.fusspunkt) / QLineF(plan.c, plan.fusspunkt).length();
        const double s = plan.fussquadrat;
        const QPointF fuss = plan.fusspunkt;
        const QPointF zu = plan.fuss_richtung;
        for (const auto& [bogen, name] : {std::pair{plan.alpha, u"α"_s}, {plan.beta, u"β"_s}}) {
            const auto text =
                std::ranges::find_if(plan.texte, [&name](const assets::Skizzentext& t) {
                    return t.text.startsWith(name);
                });
            QVERIFY2(text != plan.texte.end(), qPrintable(name + u" at "_s + wo));
            const QRectF box = text->rahmen;
            for (const QPointF ecke :
                 {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
                QVERIFY2(QLineF(bogen.mitte, ecke).length() < bogen.radius,
                         qPrintable(name + u" at "_s + wo));
            for (const QPointF ecke :
                 {fuss, fuss + zu * s, fuss + (zu + hoch) * s, fuss + hoch * s})
                QVERIFY2(QLineF(bogen.mitte, ecke).length() > bogen.radius,
                         qPrintable(name + u" at "_s + wo));
        }
        const double wahr = r.masse[core::Feld::an] / r.masse[core::Feld::ge];
        const double gezeichnet = (plan.a.x() - plan.c.x()) / (plan.c.y() - plan.b.y());
        QVERIFY2(std::max(gezeichnet, 1 / gezeichnet) <= assets::laengstes_verhaeltnis + 1e-9,
                 qPrintable(wo));
        QCOMPARE(geschrieben.contains(u"Skizze nicht maßstabsgetreu"_s),
                 !(std::abs(gezeichnet / wahr - 1) < 1e-9));

        // A label whole, or a legend line wrapped into lines that keep every character.
        const QString alles = geschrieben.join(QString());
        QStringList labels(r.beschriftung.begin(), r.beschriftung.end());
        for (const QString& label : labels << r.beta)
            QVERIFY2(alles.contains(label), qPrintable(label));
    }
}

void TestCommands::endeEndsTheEventLoop()
{
    bool handledAfterEnd = false;
    const QObject scope; // timers die with the test, whatever ran
    QTimer::singleShot(0, &scope, [this, &scope, &handledAfterEnd] {
        cmd_ende().click();
        QTimer::singleShot(0, &scope, [&handledAfterEnd] { handledAfterEnd = true; });
    });
    QTimer::singleShot(5000, &scope,
                       [] { QCoreApplication::exit(1); }); // a missed end must not hang
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!handledAfterEnd);
}

void TestCommands::closingTheWindowEndsTheEventLoop()
{
    const QObject scope;
    QTimer::singleShot(0, &scope, [this] { window().close(); });
    QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

void TestCommands::realMessageBoxIsModalAndCritical()
{
    platform::setMsgBoxHandler({});
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool berechnenLockedMeanwhile = false;
    // Polls for the box, reads it and presses its OK button.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        berechnenLockedMeanwhile = !cmd_rechnen().isEnabled();
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QTimer::singleShot(5000, &poll, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });

    cmd_rechnen().click(); // all four fields unknown
    QCOMPARE(title, u"Eingabefehler"_s);
    QCOMPARE(text, u"Bitte mindestens 2 Werte angeben"_s);
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(berechnenLockedMeanwhile);
    QVERIFY(unlocked());
}

void TestCommands::programIsNamedVersionedAndGerman()
{
    platform::prepare();
    QCOMPARE(QApplication::applicationName(), u"dreieckrechner"_s);
    QCOMPARE(QApplication::applicationVersion(), u"1.00"_s);
    QCOMPARE(QGuiApplication::desktopFileName(), u"de.dreieckrechner.Dreieckrechner"_s);
    // Screen readers are told German (run in the C locale); numbers stay the desktop's.
    QCOMPARE(QLocale().name(), u"de_DE"_s);
    QCOMPARE(dreieckrechner().locale(), QLocale::system());
    // Qt's own texts speak German too, from the first context menu on.
    QMenu* const menu = contextMenu(txt_an());
    QVERIFY(menu != nullptr);
    menu->close();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
