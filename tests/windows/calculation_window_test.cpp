// The calculation windows offscreen: the commands, the curtain, the core entry
// mode, the presentation of outcomes, the spinner, tab order and hints.

#include "calc/calc_texts.h"
#include "calc/calculation_message.h"
#include "hint_tracker.h"
#include "input/design_fields_reader.h"
#include "input/field_texts.h"
#include "input/locale_separator.h"
#include "input_group.h"
#include "up_down.h"
#include "window_test_fixture.h"
#include "window_texts.h"
#include "window_variant.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <variant>

Q_DECLARE_METATYPE(ostrelta::TConverter_topology)

namespace ostrelta::testing {

namespace {

QString Text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Message(TCalculation_message message)
{
    return Text_of(Message_text(message));
}

QString Separated(const char* text)
{
    return QString::fromLatin1(text).replace(QLatin1Char(','), QString::fromStdString(Locale_decimal_separator()));
}

QStringList Example_texts()
{
    QStringList texts;
    for (const std::string& text : Example_field_texts(Locale_decimal_separator())) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

// The hidden core set holds "0" in either mode.
bool Hidden_core_set_is_zero(const TWindow_under_test& w)
{
    for (int field = 16; field <= 21; ++field) {
        if (w.Edit(field)->isHidden() && w.Edit(field)->text() != QLatin1String("0")) {
            return false;
        }
    }
    return true;
}

void Add_topologies()
{
    QTest::addColumn<TConverter_topology>("topology");
    QTest::newRow("half-bridge") << TConverter_topology::Bridge_floor;
    QTest::newRow("full-bridge") << TConverter_topology::Bridge;
    QTest::newRow("centre-tapped") << TConverter_topology::With_average_conclusion;
}

}  // namespace

class TCalculation_window_test : public QObject {
    Q_OBJECT

private slots:
    void init() { guard_ = std::make_unique<TModal_guard>(); }
    void cleanup() { guard_.reset(); }

    void Example_calculates_with_one_warning_data() { Add_topologies(); }
    void Example_calculates_with_one_warning();
    void Rejection_lowers_the_curtain_before_its_message_data();
    void Rejection_lowers_the_curtain_before_its_message();
    void Calculation_error_keeps_the_last_results_behind_the_curtain_data() { Add_topologies(); }
    void Calculation_error_keeps_the_last_results_behind_the_curtain();
    void Core_parameters_and_their_cancelling_data() { Add_topologies(); }
    void Core_parameters_and_their_cancelling();
    void Clearing_keeps_the_mode_data() { Add_topologies(); }
    void Clearing_keeps_the_mode();
    void Example_from_core_parameters_returns_to_the_toroid();
    void Hidden_core_set_always_holds_zero();
    void Microhenry_caption_switches_and_back();
    void Inactive_outputs_are_hidden();
    void Every_field_change_lowers_the_curtain();
    void Spinner_wraps_both_ways();
    void Tab_skips_hidden_boxes();
    void Status_bar_shows_the_hint_under_the_pointer();
    void Status_bar_shows_a_highlighted_menu_item();
    void Window_built_again_starts_afresh();
    void Layout_of_the_windows_data() { Add_topologies(); }
    void Layout_of_the_windows();
    void Captions_stay_clear_of_the_value_column();
    void Menu_items_have_names_captions_and_pictures_data() { Add_topologies(); }
    void Menu_items_have_names_captions_and_pictures();
    void Accessible_names_of_fields_and_values();
    void Message_box_has_the_application_caption_and_one_button();

private:
    std::unique_ptr<TModal_guard> guard_;
};

void TCalculation_window_test::Example_calculates_with_one_warning()
{
    QFETCH(TConverter_topology, topology);
    TWindow_under_test w(topology);
    w.Window().Fill_example();
    w.Window().Calculate();

    QCOMPARE(w.Messages().size(), 1u);
    QCOMPARE(w.Messages()[0].text, Message(TCalculation_message::Triangular_current_high));
    QVERIFY(!w.Messages()[0].curtain_down);
    QVERIFY(!w.Curtain_down());

    const bool centre = topology == TConverter_topology::With_average_conclusion;
    const bool half = topology == TConverter_topology::Bridge_floor;
    const QStringList expected{Separated("200,0"),
                               Separated("203,8"),
                               "387",
                               Separated("98,1"),
                               Separated(half     ? "184,4"
                                         : centre ? "743,2"
                                                  : "370,4"),
                               Separated(half ? "1,32" : "0,65"),
                               Separated(half ? "1,11" : "0,55"),
                               Separated(half ? "0,21" : "0,10"),
                               half     ? "47"
                               : centre ? "190"
                                        : "95",
                               Separated(half     ? "4,497"
                                         : centre ? "73,043"
                                                  : "18,143"),
                               Separated(half ? "0,69" : "0,48"),
                               "13",
                               "6",
                               "3",
                               "2",
                               "10",
                               Separated("1,04"),
                               Separated("0,60"),
                               Separated("0,60"),
                               Separated("0,42"),
                               Separated("0,33"),
                               Separated("4,909"),
                               Separated("0,825"),
                               Separated("10,210")};
    for (int number = 22; number <= 45; ++number) {
        QCOMPARE(w.Label(number)->text(), expected[number - 22]);
        QVERIFY(w.Label(number)->isVisible());
    }
    QCOMPARE(w.Label(18)->text(), Text_of(Calc_text(TCalc_text::L1_caption_mH)));
}

void TCalculation_window_test::Rejection_lowers_the_curtain_before_its_message_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty supply") << 1 << QString();
    QTest::newRow("frequency too big") << 5 << QStringLiteral("501");
    QTest::newRow("negative height") << 18 << QStringLiteral("-1");
}

void TCalculation_window_test::Rejection_lowers_the_curtain_before_its_message()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    w.Window().Fill_example();
    w.Window().Calculate();
    w.Forget_messages();
    const QString shown_before = w.Label(26)->text();

    w.Edit(field)->setText(text);
    const QStringList typed = w.Texts();
    w.Window().Calculate();

    TField_texts texts;
    for (int i = 0; i < 21; ++i) {
        texts[static_cast<std::size_t>(i)] = typed[i].toStdString();
    }
    const auto expected = std::get<TInput_rejection>(Read_design_fields(texts, Locale_decimal_separator()));
    QCOMPARE(w.Messages().size(), 1u);
    QCOMPARE(w.Messages()[0].text, QString::fromStdString(expected.message));
    QVERIFY(w.Messages()[0].curtain_down);
    QVERIFY(w.Curtain_down());
    QCOMPARE(w.Texts(), typed);
    QCOMPARE(w.Label(26)->text(), shown_before);
}

void TCalculation_window_test::Calculation_error_keeps_the_last_results_behind_the_curtain()
{
    QFETCH(TConverter_topology, topology);
    TWindow_under_test w(topology);
    w.Window().Fill_example();
    w.Window().Calculate();
    w.Forget_messages();
    const QString shown_before = w.Label(24)->text();

    // A single 6000 W load on the example's toroid.
    for (int field = 7; field <= 10; ++field) {
        w.Edit(field)->setText(QStringLiteral("0"));
    }
    w.Edit(6)->setText(QStringLiteral("100"));
    w.Edit(11)->setText(QStringLiteral("60"));
    w.Window().Calculate();

    QCOMPARE(w.Messages().size(), 1u);
    QCOMPARE(w.Messages()[0].text, Message(TCalculation_message::Overall_below_used));
    QVERIFY(w.Messages()[0].curtain_down);
    QCOMPARE(w.Label(24)->text(), shown_before);
    // The load power was not zero, so the columns followed the outputs in use.
    QVERIFY(w.Label(33)->isVisibleTo(&w.Window()));
    QVERIFY(!w.Label(34)->isVisibleTo(&w.Window()));
}

void TCalculation_window_test::Core_parameters_and_their_cancelling()
{
    QFETCH(TConverter_topology, topology);
    TWindow_under_test w(topology);
    const TWindow_variant& variant = Window_variant(topology);
    QAction* core_kind = w.Item(variant.core_kind_item);
    w.Window().Fill_example();
    w.Window().Calculate();

    w.Item(variant.manual_item)->trigger();
    QCOMPARE(w.Window().Core_entry_mode(), TCore_entry_mode::Manual);
    for (int field = 16; field <= 18; ++field) {
        QVERIFY(w.Edit(field)->isHidden());
        QCOMPARE(w.Edit(field)->text(), QStringLiteral("0"));
    }
    for (int field = 19; field <= 21; ++field) {
        QVERIFY(w.Edit(field)->isVisible());
    }
    for (const char* row : {"So", "Sc", "Lsr_L", "43", "44", "45"}) {
        QVERIFY(w.Label(QLatin1String(row))->isHidden());
    }
    QCOMPARE(core_kind->text(), Window_text(TWindow_text::Menu_core_kind_toroidal));
    QCOMPARE(core_kind->statusTip(), Window_text(TWindow_text::Menu_core_kind_nontoroidal));
    QVERIFY(w.Curtain_down());

    // A manual core calculates, and its results have no core rows.
    w.Edit(19)->setText(QStringLiteral("2"));
    w.Edit(20)->setText(QStringLiteral("1"));
    w.Edit(21)->setText(QStringLiteral("5"));
    w.Forget_messages();
    w.Window().Calculate();
    QCOMPARE(w.Messages().size(), 2u);
    QCOMPARE(w.Messages()[0].text, Message(TCalculation_message::Overall_margin_low));
    QVERIFY(!w.Curtain_down());

    w.Item(variant.cancel_item)->trigger();
    QCOMPARE(w.Window().Core_entry_mode(), TCore_entry_mode::Toroidal);
    for (int field = 16; field <= 21; ++field) {
        QCOMPARE(w.Edit(field)->text(), QStringLiteral("0"));
        QCOMPARE(w.Edit(field)->isHidden(), field >= 19);
    }
    for (const char* row : {"So", "Sc", "Lsr_L", "43", "44", "45"}) {
        QVERIFY(!w.Label(QLatin1String(row))->isHidden());
    }
    QCOMPARE(core_kind->text(), Window_text(TWindow_text::Menu_core_kind_nontoroidal));
    QVERIFY(w.Curtain_down());
}

void TCalculation_window_test::Clearing_keeps_the_mode()
{
    QFETCH(TConverter_topology, topology);
    const TWindow_variant& variant = Window_variant(topology);
    for (bool manual : {false, true}) {
        TWindow_under_test w(topology);
        w.Window().Fill_example();
        if (manual) {
            w.Item(variant.manual_item)->trigger();
        }
        w.Window().Calculate();
        w.Item(variant.clear_item)->trigger();
        QCOMPARE(w.Edit(2)->text(), QStringLiteral("15"));
        for (int field = 1; field <= 21; ++field) {
            if (field != 2) {
                QCOMPARE(w.Edit(field)->text(), QStringLiteral("0"));
            }
        }
        QCOMPARE(w.Window().Core_entry_mode(), manual ? TCore_entry_mode::Manual : TCore_entry_mode::Toroidal);
        QCOMPARE(w.Edit(19)->isVisible(), manual);
        QCOMPARE(w.Label(QStringLiteral("So"))->isHidden(), manual);
        QVERIFY(w.Curtain_down());
    }
}

void TCalculation_window_test::Example_from_core_parameters_returns_to_the_toroid()
{
    TWindow_under_test w(TConverter_topology::Bridge);
    w.Item("N3_3")->trigger();
    w.Item("N3_6")->trigger();
    QCOMPARE(w.Window().Core_entry_mode(), TCore_entry_mode::Toroidal);
    QCOMPARE(w.Texts(), Example_texts());
    QCOMPARE(w.Edit(2)->text(), QStringLiteral("20"));
    QVERIFY(w.Edit(16)->isVisible());
    QVERIFY(w.Edit(19)->isHidden());
    QVERIFY(w.Label(QStringLiteral("So"))->isVisible());
    QCOMPARE(w.Item("N3_2")->text(), Window_text(TWindow_text::Menu_core_kind_nontoroidal));
}

void TCalculation_window_test::Hidden_core_set_always_holds_zero()
{
    TWindow_under_test w(TConverter_topology::With_average_conclusion);
    QVERIFY(Hidden_core_set_is_zero(w));
    const std::vector<std::function<void()>> steps{
        [&] { w.Window().Fill_example(); },
        [&] { w.Item("N4_3")->trigger(); },
        [&] { w.Edit(19)->setText(QStringLiteral("5")); },
        [&] { w.Item("N4_3")->trigger(); },
        [&] { w.Item("N4_5")->trigger(); },
        [&] { w.Edit(20)->setText(QStringLiteral("1")); },
        [&] { w.Item("N4_6")->trigger(); },
        [&] { w.Edit(16)->setText(QStringLiteral("33")); },
        [&] { w.Item("N4_4")->trigger(); },
        [&] { w.Item("N4_3")->trigger(); },
        [&] { w.Item("N4_4")->trigger(); },
    };
    for (const auto& step : steps) {
        step();
        QVERIFY(Hidden_core_set_is_zero(w));
    }
}

void TCalculation_window_test::Microhenry_caption_switches_and_back()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    w.Window().Fill_example();
    w.Edit(4)->setText(QStringLiteral("2"));
    w.Window().Calculate();
    const QString microhenry = Text_of(Calc_text(TCalc_text::L1_caption_uH));
    QCOMPARE(w.Label(18)->text(), microhenry);
    QCOMPARE(w.Label(18)->statusTip(), microhenry);
    QCOMPARE(w.Label(31)->statusTip(), microhenry);
    QCOMPARE(w.Label(31)->text(), Separated("4,497"));
    QCOMPARE(w.Label(27)->text(), Separated("206,15"));
    QCOMPARE(w.Label(29)->text(), Separated("205,04"));

    w.Edit(4)->setText(QStringLiteral("2000"));
    w.Window().Calculate();
    const QString millihenry = Text_of(Calc_text(TCalc_text::L1_caption_mH));
    QCOMPARE(w.Label(18)->text(), millihenry);
    QCOMPARE(w.Label(18)->statusTip(), millihenry);
    QCOMPARE(w.Label(31)->statusTip(), millihenry);
}

void TCalculation_window_test::Inactive_outputs_are_hidden()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    w.Window().Fill_example();
    w.Edit(8)->setText(QStringLiteral("0"));   // output 3: no voltage
    w.Edit(15)->setText(QStringLiteral("0"));  // output 5: no current
    w.Window().Calculate();
    for (int output = 1; output <= 5; ++output) {
        const bool active = output != 3 && output != 5;
        QCOMPARE(w.Label(32 + output)->isVisible(), active);
        QCOMPARE(w.Label(37 + output)->isVisible(), active);
    }
    // No load at all leaves the columns as they were.
    for (int field = 11; field <= 15; ++field) {
        w.Edit(field)->setText(QStringLiteral("0"));
    }
    w.Window().Calculate();
    QCOMPARE(w.Messages().back().text, Message(TCalculation_message::No_load));
    QVERIFY(w.Label(34)->isVisibleTo(&w.Window()));
    QVERIFY(!w.Label(35)->isVisibleTo(&w.Window()));
}

void TCalculation_window_test::Every_field_change_lowers_the_curtain()
{
    TWindow_under_test w(TConverter_topology::Bridge);
    QVERIFY(w.Curtain_down());
    for (int field = 1; field <= 21; ++field) {
        w.Window().Fill_example();
        w.Window().Calculate();
        QVERIFY(!w.Curtain_down());
        w.Edit(field)->setText(w.Edit(field)->text() + QLatin1Char('1'));
        QVERIFY2(w.Curtain_down(), qPrintable(w.Edit(field)->objectName()));
    }
    w.Window().Fill_example();
    w.Window().Calculate();
    QTest::keyClick(w.Edit(5), Qt::Key_Backspace);
    QVERIFY(w.Curtain_down());
}

void TCalculation_window_test::Spinner_wraps_both_ways()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    TUp_down* spinner = w.Window().Inputs()->Spinner();
    QCOMPARE(spinner->objectName(), QStringLiteral("UpDown2_1"));
    QCOMPARE(spinner->Position(), 15);

    w.Edit(2)->setText(QStringLiteral("100"));
    QTest::mouseClick(spinner->Up_button(), Qt::LeftButton);
    QCOMPARE(w.Edit(2)->text(), QStringLiteral("0"));
    QTest::mouseClick(spinner->Down_button(), Qt::LeftButton);
    QCOMPARE(w.Edit(2)->text(), QStringLiteral("100"));

    // The arrow keys in the box step too; from a text that is no whole number
    // the step goes on from the last position.
    w.Edit(2)->setText(QStringLiteral("12,5"));
    QTest::keyClick(w.Edit(2), Qt::Key_Down);
    QCOMPARE(w.Edit(2)->text(), QStringLiteral("99"));
    QTest::keyClick(w.Edit(2), Qt::Key_Up);
    QCOMPARE(w.Edit(2)->text(), QStringLiteral("100"));
    QVERIFY(w.Curtain_down());
}

void TCalculation_window_test::Tab_skips_hidden_boxes()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    w.Window().activateWindow();
    w.Edit(1)->setFocus();
    QCOMPARE(QApplication::focusWidget(), w.Edit(1));
    for (int field = 2; field <= 18; ++field) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Edit(field));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Edit(1));

    w.Window().Enter_core_parameters();
    w.Edit(15)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Edit(19));
}

void TCalculation_window_test::Status_bar_shows_the_hint_under_the_pointer()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    QStatusBar* bar = w.Window().Status_bar();
    QCOMPARE(bar->objectName(), QStringLiteral("StatusBar2_1"));
    const auto hover = [&](QWidget* widget) {
        QTest::mouseMove(&w.Window(), QPoint(1, w.Window().height() - 1));
        QTest::mouseMove(widget, QPoint(2, 2));
        QApplication::processEvents();
        return bar->currentMessage();
    };

    // The curtain covers the values: the results group's hint.
    QCOMPARE(hover(w.Label(35)), Window_text(TWindow_text::Group_results));
    w.Window().Fill_example();
    w.Window().Calculate();
    QCOMPARE(hover(w.Label(35)), Text_of(Calc_text(TCalc_text::Output_turns_3)));
    QCOMPARE(hover(w.Edit(7)), Edit_hint(7));
    QCOMPARE(hover(w.Label(3)), Input_row_caption(3));
    QCOMPARE(hover(w.Window().Inputs()->Spinner()->Up_button()), Edit_hint(2));
    QCOMPARE(hover(w.Window().Inputs()), Window_text(TWindow_text::Group_input));
    QCOMPARE(w.Window().Hints()->Hint_over(&w.Window()), Window_text(TWindow_text::Caption_Bridge_floor));

    // Off the window there is no hint.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w.Window(), &leave);
    QVERIFY(bar->currentMessage().isEmpty());
}

void TCalculation_window_test::Status_bar_shows_a_highlighted_menu_item()
{
    TWindow_under_test w(TConverter_topology::Bridge);
    QMenuBar* menu_bar = w.Window().findChild<QMenuBar*>(QStringLiteral("MainMenu3_1"));
    QVERIFY(menu_bar != nullptr);
    QAction* example = w.Item("N3_6");
    const QPoint over_example = menu_bar->actionGeometry(example).center();
    QMouseEvent move(QEvent::MouseMove, over_example, menu_bar->mapToGlobal(over_example), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(menu_bar, &move);
    QCOMPARE(menu_bar->activeAction(), example);
    QCOMPARE(w.Window().Status_bar()->currentMessage(), Window_text(TWindow_text::Menu_example));

    // An entry of the drop-down, while it is highlighted.
    auto* drop_down = w.Item("N3_2")->menu();
    drop_down->popup(QPoint(0, 0));
    drop_down->setActiveAction(w.Item("N3_4"));
    QCOMPARE(w.Window().Status_bar()->currentMessage(), Window_text(TWindow_text::Menu_cancel_manual_entry));
    drop_down->close();
}

void TCalculation_window_test::Window_built_again_starts_afresh()
{
    {
        TWindow_under_test first(TConverter_topology::Bridge_floor);
        first.Window().Fill_example();
        first.Window().Enter_core_parameters();
        first.Window().Calculate();
    }
    TWindow_under_test second(TConverter_topology::Bridge_floor);
    QCOMPARE(second.Window().Core_entry_mode(), TCore_entry_mode::Toroidal);
    QVERIFY(second.Curtain_down());
    for (int field = 1; field <= 21; ++field) {
        QCOMPARE(second.Edit(field)->text(), field == 2 ? QStringLiteral("15") : QStringLiteral("0"));
        QCOMPARE(second.Edit(field)->isHidden(), field >= 19);
    }
    for (int number = 22; number <= 45; ++number) {
        QVERIFY(second.Label(number)->text().isEmpty());
    }
    QCOMPARE(QApplication::focusWidget(), second.Edit(1));
}

void TCalculation_window_test::Layout_of_the_windows()
{
    QFETCH(TConverter_topology, topology);
    TWindow_under_test w(topology);
    const int client_height = topology == TConverter_topology::Bridge ? 439 : 440;
    QWidget* client = w.Window().Status_bar()->parentWidget();
    QCOMPARE(client->size(), QSize(676, client_height));
    QCOMPARE(w.Window().Status_bar()->geometry(), QRect(0, client_height - 19, 676, 19));
    QCOMPARE(w.Window().size(), QSize(676, client->y() + client_height));
    QCOMPARE(w.Window().minimumSize(), w.Window().maximumSize());
    QVERIFY(!(w.Window().windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.Window().windowIcon().isNull());

    QCOMPARE(w.Edit(1)->geometry(), QRect(360, 15, 56, 18));
    QCOMPARE(w.Edit(2)->geometry(), QRect(360, 30, 56, 18));
    QCOMPARE(w.Edit(10)->geometry(), QRect(600, 90, 56, 17));
    QCOMPARE(w.Edit(15)->geometry(), QRect(600, 105, 56, 17));
    QCOMPARE(w.Edit(18)->geometry(), QRect(480, 120, 56, 17));
    QCOMPARE(w.Edit(21)->geometry(), QRect(480, 121, 56, 17));
    QCOMPARE(w.Window().Inputs()->Spinner()->geometry(), QRect(416, 30, 16, 18));
    QCOMPARE(w.Curtain()->geometry(), QRect(355, 8, 308, 250));
    QCOMPARE(w.Label(42)->pos(), QPoint(600, 195));
    QCOMPARE(w.Label(QStringLiteral("Lsr_L"))->pos(), QPoint(10, 240));
    QCOMPARE(w.Window().windowTitle(), w.Window().statusTip());
    QVERIFY(w.Edit(1)->toolTip() == Edit_hint(1));
    QVERIFY(w.Label(22)->toolTip().isEmpty());
}

void TCalculation_window_test::Captions_stay_clear_of_the_value_column()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    for (QLabel* label : w.Window().findChildren<QLabel*>()) {
        if (label->x() != 10) {
            continue;
        }
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(10 + width < 355, qPrintable(label->text()));
        QVERIFY2(label->width() >= width, qPrintable(label->text()));
    }
    // Even the microhenry caption of the inductance row.
    const QLabel* inductance = w.Label(18);
    QVERIFY(10 + inductance->fontMetrics().horizontalAdvance(Text_of(Calc_text(TCalc_text::L1_caption_uH))) < 355);
}

void TCalculation_window_test::Menu_items_have_names_captions_and_pictures()
{
    QFETCH(TConverter_topology, topology);
    TWindow_under_test w(topology);
    const TWindow_variant& v = Window_variant(topology);
    const std::vector<std::pair<const char*, TWindow_text>> items{
        {v.calculate_item, TWindow_text::Menu_calculate}, {v.core_kind_item, TWindow_text::Menu_core_kind_nontoroidal},
        {v.manual_item, TWindow_text::Menu_manual_entry}, {v.cancel_item, TWindow_text::Menu_cancel_manual_entry},
        {v.clear_item, TWindow_text::Menu_clear},         {v.example_item, TWindow_text::Menu_example},
        {v.close_item, TWindow_text::Menu_close}};
    for (const auto& [name, caption] : items) {
        QAction* item = w.Item(name);
        QVERIFY2(item != nullptr, name);
        QCOMPARE(item->text(), Window_text(caption));
        QCOMPARE(item->statusTip(), Window_text(caption));
        QVERIFY(!item->icon().isNull());
        QVERIFY(item->shortcut().isEmpty());
    }
    QCOMPARE(w.Item(v.close_item)->icon().availableSizes().value(0), QSize(19, 19));

    // "Закрыть" acts at once, from the menu bar.
    w.Item(v.close_item)->trigger();
    QVERIFY(!w.Window().isVisible());
}

void TCalculation_window_test::Accessible_names_of_fields_and_values()
{
    TWindow_under_test w(TConverter_topology::Bridge_floor);
    QCOMPARE(w.Edit(6)->accessibleName(), Edit_hint(6));
    QCOMPARE(w.Window().Inputs()->Spinner()->Up_button()->accessibleName(), Edit_hint(2));
    w.Window().Fill_example();
    w.Window().Calculate();

    QAccessibleInterface* value = QAccessible::queryAccessibleInterface(w.Label(30));
    QVERIFY(value != nullptr);
    QCOMPARE(value->text(QAccessible::Name), Text_of(Calc_text(TCalc_text::Row_w1)));
    QCOMPARE(value->text(QAccessible::Value), QStringLiteral("47"));
    QVERIFY(!value->state().invisible);

    w.Edit(1)->setText(QStringLiteral("311"));
    QVERIFY(value->text(QAccessible::Value).isEmpty());
    QVERIFY(value->state().invisible);
}

void TCalculation_window_test::Message_box_has_the_application_caption_and_one_button()
{
    guard_.reset();  // this test opens the real box and closes it itself
    QString caption;
    QString text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        caption = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        icon = box->icon();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    TMessage_box_sink().Show_message(nullptr, QStringLiteral("Проверка"));
    QCOMPARE(caption, QStringLiteral("Ostrelta"));
    QCOMPARE(text, QStringLiteral("Проверка"));
    QCOMPARE(buttons, 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
}

}  // namespace ostrelta::testing

QTEST_MAIN(ostrelta::testing::TCalculation_window_test)
#include "calculation_window_test.moc"
