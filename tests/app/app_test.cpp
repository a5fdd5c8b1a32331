// The application offscreen: start-up guard, the main window's open commands,
// exit, hints, and the information windows.

#include "about_program.h"
#include "app_texts.h"
#include "author_site.h"
#include "calculation_window.h"
#include "error_report.h"
#include "information_texts_test.h"
#include "information_window.h"
#include "message_sink.h"
#include "ostrelta_application.h"
#include "result_group.h"
#include "variants_calculation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace ostrelta::testing {

namespace {

class TRecorded_errors final : public TError_reporter {
public:
    void Report(const QString& text) override { texts << text; }
    QStringList texts;
};

class TRecorded_messages final : public TMessage_sink {
public:
    void Show_message(QWidget*, const QString& text) override { texts << text; }
    QStringList texts;
};

class TRecorded_urls final : public TUrl_opener {
public:
    void Open(const QUrl& url) override { urls << url; }
    QList<QUrl> urls;
};

// Throws from its event handler, as a faulty command would.
class TFaulty_object final : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("Отказ");
        }
        return QObject::event(event);
    }
};

// Runs `inspect` on the modal window that `open` shows, then closes that
// window; returns false when no modal window opened.
bool With_modal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = true;
            inspect(*modal);
            modal->close();
        }
    });
    open();
    return seen;
}

QString Hover(QWidget* widget, QStatusBar* bar)
{
    QTest::mouseMove(widget->window(), QPoint(1, widget->window()->height() - 1));
    QTest::mouseMove(widget, QPoint(3, 3));
    QApplication::processEvents();
    return bar->currentMessage();
}

}  // namespace

class TApp_test : public QObject {
    Q_OBJECT

public:
    explicit TApp_test(TRecorded_errors& errors) : errors_(errors) {}

private slots:
    void init();
    void cleanup();

    void Error_box_text_adds_a_full_stop_data();
    void Error_box_text_adds_a_full_stop();
    void Exception_in_a_handler_is_reported_and_the_application_goes_on();
    void Main_window_layout();
    void Open_commands_open_a_fresh_modal_window_data();
    void Open_commands_open_a_fresh_modal_window();
    void Author_site_opens_in_the_browser();
    void Exit_ends_the_event_loop_with_code_zero();
    void Closing_the_main_window_ends_the_event_loop();
    void Status_bar_hints_of_the_main_window();
    void Information_window_hints_reach_the_main_status_bar();
    void About_clock_link_and_close_pictures();
    void Information_texts_are_read_only_data();
    void Information_texts_are_read_only();

private:
    TRecorded_errors& errors_;
    std::unique_ptr<TRecorded_messages> messages_;
    std::unique_ptr<TRecorded_urls> urls_;
    std::unique_ptr<TVariants_calculation> window_;
};

void TApp_test::init()
{
    errors_.texts.clear();
    messages_ = std::make_unique<TRecorded_messages>();
    urls_ = std::make_unique<TRecorded_urls>();
    window_ = std::make_unique<TVariants_calculation>(*messages_, *urls_);
    window_->show();
    QApplication::processEvents();
}

void TApp_test::cleanup()
{
    window_.reset();
    QVERIFY(errors_.texts.isEmpty() ||
            QTest::currentTestFunction() ==
                QLatin1String("Exception_in_a_handler_is_reported_and_the_application_goes_on"));
}

void TApp_test::Error_box_text_adds_a_full_stop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letter") << QStringLiteral("Отказ") << QStringLiteral("Отказ.");
    QTest::newRow("digit") << QStringLiteral("код 7") << QStringLiteral("код 7.");
    QTest::newRow("full stop") << QStringLiteral("Готово.") << QStringLiteral("Готово.");
    QTest::newRow("exclamation") << QStringLiteral("Стоп!") << QStringLiteral("Стоп!");
    QTest::newRow("bracket") << QStringLiteral("(x)") << QStringLiteral("(x)");
}

void TApp_test::Error_box_text_adds_a_full_stop()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(Error_box_text(message.toStdString()), text);
}

void TApp_test::Exception_in_a_handler_is_reported_and_the_application_goes_on()
{
    TFaulty_object faulty;
    QEvent failing(QEvent::User);
    QApplication::sendEvent(&faulty, &failing);
    QCOMPARE(errors_.texts, QStringList{QStringLiteral("Отказ.")});

    // The application goes on: the next command runs as usual.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    window_->findChild<QAction*>(QStringLiteral("N1_9"))->trigger();
    QCOMPARE(errors_.texts.size(), 1);
}

void TApp_test::Main_window_layout()
{
    TVariants_calculation& w = *window_;
    QCOMPARE(w.objectName(), QStringLiteral("Variants_calculation"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ostrelta"));
    QCOMPARE(w.centralWidget()->width(), 786);
    QCOMPARE(w.statusBar()->height(), 19);
    QCOMPARE(w.size(), QSize(786, w.menuBar()->height() + 236));
    QCOMPARE(w.statusBar()->geometry().top(), w.menuBar()->height() + 217);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.findChild<QFrame*>(QStringLiteral("Bevel1_3"))->geometry(), QRect(525, 5, 256, 209));
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("BitBtn1_2"))->geometry(), QRect(270, 9, 246, 169));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1_6"))->pos(), QPoint(530, 197));
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("Label1_5"))->text().endsWith(QStringLiteral("середи-")));
    QCOMPARE(QApplication::focusWidget(), w.findChild<QPushButton*>(QStringLiteral("BitBtn1_1")));
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    }
    for (const char* name : {"BitBtn1_1", "BitBtn1_2", "BitBtn1_3"}) {
        auto* button = w.findChild<QPushButton*>(QLatin1String(name));
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->accessibleName(), button->statusTip());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
    for (QAction* item : w.findChildren<QAction*>()) {
        if (item->objectName().startsWith(QLatin1String("N1_"))) {
            QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            QVERIFY(!item->text().contains(QLatin1Char('&')));
        }
    }
}

void TApp_test::Open_commands_open_a_fresh_modal_window_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("class_name");
    QTest::addColumn<QString>("object_name");
    QTest::newRow("half-bridge button") << "BitBtn1_1"
                                        << "ostrelta::TBridge_floor"
                                        << "Bridge_floor";
    QTest::newRow("half-bridge item") << "N1_2"
                                      << "ostrelta::TBridge_floor"
                                      << "Bridge_floor";
    QTest::newRow("full-bridge button") << "BitBtn1_2"
                                        << "ostrelta::TBridge"
                                        << "Bridge";
    QTest::newRow("full-bridge item") << "N1_3"
                                      << "ostrelta::TBridge"
                                      << "Bridge";
    QTest::newRow("centre-tapped button") << "BitBtn1_3"
                                          << "ostrelta::TWith_average_conclusion"
                                          << "With_average_conclusion";
    QTest::newRow("centre-tapped item") << "N1_4"
                                        << "ostrelta::TWith_average_conclusion"
                                        << "With_average_conclusion";
    QTest::newRow("about") << "N1_7"
                           << "ostrelta::TAbout_program"
                           << "About_program";
    QTest::newRow("licence") << "N1_9"
                             << "ostrelta::TLicense"
                             << "License";
    QTest::newRow("support") << "N1_10"
                             << "ostrelta::TSupport_materially"
                             << "Support_materially";
    QTest::newRow("remarks") << "N1_11"
                             << "ostrelta::TFAQ"
                             << "FAQ";
}

void TApp_test::Open_commands_open_a_fresh_modal_window()
{
    QFETCH(QString, command);
    QFETCH(QString, class_name);
    QFETCH(QString, object_name);
    const auto open = [&] {
        if (auto* button = window_->findChild<QPushButton*>(command)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            window_->findChild<QAction*>(command)->trigger();
        }
    };
    for (int opening = 1; opening <= 2; ++opening) {
        QString shown_class;
        QString shown_name;
        QString initial_text;
        bool main_window_blocked = false;
        const bool opened = With_modal(open, [&](QWidget& modal) {
            shown_class = QLatin1String(modal.metaObject()->className());
            shown_name = modal.objectName();
            main_window_blocked = !window_->isEnabled() || QApplication::activeModalWidget() != window_.get();
            if (auto* calculation = qobject_cast<TCalculation_window*>(&modal)) {
                QVERIFY(calculation->Results()->Curtain_down());
                auto* supply = calculation->findChildren<QLineEdit*>().value(0);
                initial_text = calculation->findChild<QLineEdit*>(supply->objectName())->text();
                for (QLineEdit* edit : calculation->findChildren<QLineEdit*>()) {
                    edit->setText(QStringLiteral("123"));
                }
            } else if (auto* about = qobject_cast<TAbout_program*>(&modal)) {
                initial_text = about->Clock()->text();
                about->Clock()->setText(QStringLiteral("changed"));
            } else if (auto* information = qobject_cast<TInformation_window*>(&modal)) {
                initial_text = information->Text_box()->toPlainText().left(10);
                QCOMPARE(information->focusWidget(), information->Text_box());
            }
        });
        QVERIFY(opened);
        QCOMPARE(shown_class, class_name);
        QCOMPARE(shown_name, object_name);
        QVERIFY(main_window_blocked);
        QVERIFY(initial_text == QLatin1String("0") || initial_text == QLatin1String("15") ||
                initial_text == App_text(TApp_text::Clock_initial) || initial_text.startsWith(QLatin1Char(' ')));
        // The window is gone once closed.
        QVERIFY(window_->findChildren<QDialog*>().isEmpty());
    }
}

void TApp_test::Author_site_opens_in_the_browser()
{
    window_->findChild<QAction*>(QStringLiteral("N1_8"))->trigger();
    QCOMPARE(urls_->urls, QList<QUrl>{Author_site()});
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TApp_test::Exit_ends_the_event_loop_with_code_zero()
{
    QTimer::singleShot(0, [this] { window_->findChild<QAction*>(QStringLiteral("N1_5"))->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window_->isVisible());
}

void TApp_test::Closing_the_main_window_ends_the_event_loop()
{
    QTimer::singleShot(0, [this] { window_->close(); });
    QCOMPARE(QApplication::exec(), 0);
}

void TApp_test::Status_bar_hints_of_the_main_window()
{
    QStatusBar* bar = window_->statusBar();
    auto* button = window_->findChild<QPushButton*>(QStringLiteral("BitBtn1_2"));
    QCOMPARE(Hover(button, bar), App_text(TApp_text::Button_hint_2));
    QCOMPARE(Hover(window_->findChild<QLabel*>(QStringLiteral("Label1_4")), bar), QStringLiteral("Ostrelta"));
    QCOMPARE(Hover(window_->findChild<QFrame*>(QStringLiteral("Bevel1_1")), bar), QStringLiteral("Ostrelta"));

    QMenuBar* menu_bar = window_->menuBar();
    QAction* exit = window_->findChild<QAction*>(QStringLiteral("N1_5"));
    const QPoint over_exit = menu_bar->actionGeometry(exit).center();
    QMouseEvent move(QEvent::MouseMove, over_exit, menu_bar->mapToGlobal(over_exit), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(menu_bar, &move);
    QCOMPARE(bar->currentMessage(), App_text(TApp_text::Menu_N1_5_hint));

    QMenu* calculation = window_->findChild<QAction*>(QStringLiteral("N1_1"))->menu();
    calculation->popup(QPoint(0, 0));
    calculation->setActiveAction(window_->findChild<QAction*>(QStringLiteral("N1_3")));
    QCOMPARE(bar->currentMessage(), App_text(TApp_text::Menu_N1_3_hint));
    calculation->close();
}

void TApp_test::Information_window_hints_reach_the_main_status_bar()
{
    // The pointer enters a control of the About window, which lies over the
    // main window; the offscreen desktop cannot tell the two apart by place,
    // so the enter events are sent as the pointer would cause them.
    const auto enter = [this](QWidget* widget) {
        QEnterEvent event(QPointF(3, 3), widget->mapTo(widget->window(), QPointF(3, 3)),
                          widget->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(widget, &event);
        return window_->statusBar()->currentMessage();
    };
    QString over_clock;
    QString over_text;
    With_modal([this] { window_->Open_about(); },
               [&](QWidget& about) {
                   over_clock = enter(about.findChild<QLabel*>(QStringLiteral("StaticText5_1")));
                   over_text = enter(about.findChild<QPlainTextEdit*>(QStringLiteral("Memo5_1")));
               });
    QCOMPARE(over_clock, App_text(TApp_text::Clock_hint));
    QCOMPARE(over_text, App_text(TApp_text::Caption_About_program));
}

void TApp_test::About_clock_link_and_close_pictures()
{
    for (const char* picture : {"Image5_1", "Image5_2"}) {
        TAbout_program about(*urls_, window_.get());
        about.show();
        QCOMPARE(about.Clock()->text(), App_text(TApp_text::Clock_initial));
        QCOMPARE(about.Timer()->interval(), 1000);
        QVERIFY(about.Timer()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(about.Clock()->text() != App_text(TApp_text::Clock_initial), 2500);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2}")).match(about.Clock()->text()).hasMatch());

        auto* link = about.findChild<QLabel*>(QStringLiteral("StaticText5_2"));
        QCOMPARE(link->text(), Author_site().toString());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(urls_->urls.size(), 1);
        QVERIFY(about.isVisible());
        urls_->urls.clear();

        auto* close_picture = about.findChild<QLabel*>(QLatin1String(picture));
        QCOMPARE(close_picture->toolTip(), App_text(TApp_text::Close_picture_hint));
        QTest::mouseClick(close_picture, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
}

void TApp_test::Information_texts_are_read_only_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("lines");
    QTest::newRow("about") << "N1_7" << 13;
    QTest::newRow("licence") << "N1_9" << 40;
    QTest::newRow("support") << "N1_10" << 46;
    QTest::newRow("remarks") << "N1_11" << 70;
}

void TApp_test::Information_texts_are_read_only()
{
    QFETCH(QString, command);
    QFETCH(int, lines);
    int shown_lines = 0;
    bool unchanged = false;
    bool copied = false;
    bool fits = true;
    With_modal([&] { window_->findChild<QAction*>(command)->trigger(); },
               [&](QWidget& modal) {
                   QPlainTextEdit* box = qobject_cast<TInformation_window*>(&modal)->Text_box();
                   const QString text = box->toPlainText();
                   shown_lines = box->document()->blockCount();
                   QTest::keyClicks(box, QStringLiteral("abc"));
                   QTest::keyClick(box, Qt::Key_Delete);
                   unchanged = box->toPlainText() == text && box->isReadOnly();
                   box->selectAll();
                   box->copy();
                   copied = QApplication::clipboard()->text() == text;
                   // Every hand-broken line fits the box without wrapping.
                   const int room = box->viewport()->width() - 2 * static_cast<int>(box->document()->documentMargin());
                   for (const QString& line : text.split(QLatin1Char('\n'))) {
                       fits = fits && box->fontMetrics().horizontalAdvance(line) <= room;
                   }
               });
    QCOMPARE(shown_lines, lines);
    QVERIFY(unchanged);
    QVERIFY(copied);
    QVERIFY(fits);
}

}  // namespace ostrelta::testing

int main(int argc, char** argv)
{
    ostrelta::testing::TRecorded_errors errors;
    ostrelta::TOstrelta_application application(argc, argv, errors);
    ostrelta::testing::TApp_test test(errors);
    const int windows_failed = QTest::qExec(&test, argc, argv);
    const int texts_failed = ostrelta::testing::Run_information_texts_test(argc, argv);
    return windows_failed != 0 || texts_failed != 0 ? 1 : 0;
}

#include "app_test.moc"
