// The texts of the information windows: their shape, fixed lines and the
// payment message of the support window.

#include "information_texts_test.h"

#include "app/author_site_address.h"
#include "app/information_texts.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTest>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrelta::testing {

namespace {

constexpr std::string_view Site = Author_site_address;
constexpr std::string_view Mail = "support@ostrelta.example.org";
constexpr std::string_view Message_caption = " Текст сообщения:";
constexpr std::size_t Longest_line = 107;

// The lines of a text, as views into it. The views live no longer than the
// text, so a temporary text is refused.
std::vector<std::string_view> Lines_of(const std::string& whole)
{
    std::string_view text = whole;
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 1);
    }
}
std::vector<std::string_view> Lines_of(std::string&&) = delete;

// The number of code points of a UTF-8 text, or nothing when the text is not
// well-formed UTF-8.
std::optional<std::size_t> Code_points(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x06 ? 2
                                   : (lead >> 4) == 0x0E ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return std::nullopt;
            }
        }
        i += length;
    }
    return count;
}

// Strict base64: whole groups of four, padding only at the very end.
std::optional<std::string> Base64_decoded(std::string_view text)
{
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::size_t padding = 0;
    while (padding < 2 && text.size() > padding && text[text.size() - 1 - padding] == '=') {
        ++padding;
    }
    std::string bytes;
    unsigned bits = 0;
    int bit_count = 0;
    for (std::size_t i = 0; i < text.size() - padding; ++i) {
        const std::size_t value = alphabet.find(text[i]);
        if (value == std::string_view::npos) {
            return std::nullopt;
        }
        bits = (bits << 6) | static_cast<unsigned>(value);
        bit_count += 6;
        if (bit_count >= 8) {
            bit_count -= 8;
            bytes.push_back(static_cast<char>((bits >> bit_count) & 0xFF));
        }
    }
    if ((bits & ((1u << bit_count) - 1)) != 0) {
        return std::nullopt;
    }
    return bytes;
}

// The number of a line that opens a numbered item ("12. ..."), or nothing.
std::optional<int> Item_number(std::string_view line)
{
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        ++digits;
    }
    if (digits == 0 || digits + 1 >= line.size() || line.substr(digits, 2) != ". ") {
        return std::nullopt;
    }
    return std::stoi(std::string(line.substr(0, digits)));
}

QString Shown(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "line 7: <note>", with the line counted from 1.
std::string Line_note(std::size_t index, std::string_view note)
{
    return "line " + std::to_string(index + 1) + ": " + std::string(note);
}

// The table shared by the tests that go over every text: the text, its
// number of lines, of numbered items and of lines with the site's address.
void Add_text_rows()
{
    QTest::addColumn<TInformation_text>("id");
    QTest::addColumn<int>("line_count");
    QTest::addColumn<int>("numbered_items");
    QTest::addColumn<int>("site_lines");
    QTest::newRow("About") << TInformation_text::About << 13 << 0 << 1;
    QTest::newRow("License") << TInformation_text::License << 40 << 12 << 0;
    QTest::newRow("Support") << TInformation_text::Support << 46 << 2 << 0;
    QTest::newRow("FAQ") << TInformation_text::FAQ << 70 << 6 << 0;
}

}  // namespace

class TInformation_texts_test : public QObject {
    Q_OBJECT

private slots:
    void Has_its_line_count_and_no_overlong_line_data();
    void Has_its_line_count_and_no_overlong_line();
    void Holds_its_fixed_lines_in_their_places_data();
    void Holds_its_fixed_lines_in_their_places();
    void Numbers_its_items_in_order_data();
    void Numbers_its_items_in_order();
    void Names_only_the_projects_addresses_and_pairs_its_quotes_data();
    void Names_only_the_projects_addresses_and_pairs_its_quotes();
    void Payment_message_has_its_sixteen_lines_of_fixed_lengths();
    void Decoder_takes_only_strict_base64_data();
    void Decoder_takes_only_strict_base64();
    void Support_lists_the_wallet_steps_before_the_message();
};

void TInformation_texts_test::Has_its_line_count_and_no_overlong_line_data()
{
    Add_text_rows();
}

void TInformation_texts_test::Has_its_line_count_and_no_overlong_line()
{
    QFETCH(TInformation_text, id);
    QFETCH(int, line_count);
    const std::string text = Information_text(id);
    const std::vector<std::string_view> lines = Lines_of(text);
    QCOMPARE(static_cast<int>(lines.size()), line_count);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::optional<std::size_t> length = Code_points(line);
        QVERIFY2(length.has_value(), Line_note(i, "not UTF-8").c_str());
        QVERIFY2(*length <= Longest_line,
                 Line_note(i, std::to_string(*length) + " characters: " + std::string(line)).c_str());
        QVERIFY2(line.find_first_of("\r\t") == std::string_view::npos,
                 Line_note(i, "holds a carriage return or a tab").c_str());
        QVERIFY2(line.empty() || line.back() != ' ', Line_note(i, "ends in a space").c_str());
        QVERIFY2(!line.starts_with("  "), Line_note(i, "indented by more than one space").c_str());
    }
}

void TInformation_texts_test::Holds_its_fixed_lines_in_their_places_data()
{
    QTest::addColumn<TInformation_text>("id");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const QString site_line = QStringLiteral(" Web site: ") + Shown(Author_site_address);
    QTest::newRow("About, title") << TInformation_text::About << 0 << QStringLiteral(" О программе.");
    QTest::newRow("About, gap") << TInformation_text::About << 1 << QString();
    QTest::newRow("About, site") << TInformation_text::About << 5 << site_line;
    QTest::newRow("License, title")
        << TInformation_text::License << 0
        << QStringLiteral(" Лицензионное соглашение на использование русской версии программы “Ostrelta”.");
    QTest::newRow("License, gap") << TInformation_text::License << 1 << QString();
    QTest::newRow("Support, title") << TInformation_text::Support << 0 << QStringLiteral(" Материальная поддержка.");
    QTest::newRow("Support, gap") << TInformation_text::Support << 1 << QString();
    QTest::newRow("Support, postal transfer")
        << TInformation_text::Support << 7 << QStringLiteral("1. Почтовый перевод");
    QTest::newRow("Support, message caption") << TInformation_text::Support << 23 << Shown(Message_caption);
    QTest::newRow("Support, thanks") << TInformation_text::Support << 45
                                     << QStringLiteral(" Спасибо за Вашу поддержку!");
    QTest::newRow("FAQ, title") << TInformation_text::FAQ << 0 << QStringLiteral(" Замечания и разъяснения.");
    QTest::newRow("FAQ, gap") << TInformation_text::FAQ << 1 << QString();
}

void TInformation_texts_test::Holds_its_fixed_lines_in_their_places()
{
    QFETCH(TInformation_text, id);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const std::string text = Information_text(id);
    const std::vector<std::string_view> lines = Lines_of(text);
    const auto at = static_cast<std::size_t>(index);
    QVERIFY2(at < lines.size(), Line_note(at, "beyond the text").c_str());
    QCOMPARE(Shown(lines[at]), expected);
}

void TInformation_texts_test::Numbers_its_items_in_order_data()
{
    Add_text_rows();
}

void TInformation_texts_test::Numbers_its_items_in_order()
{
    QFETCH(TInformation_text, id);
    QFETCH(int, numbered_items);
    const std::string text = Information_text(id);
    int last = 0;
    for (const std::string_view line : Lines_of(text)) {
        if (const std::optional<int> number = Item_number(line)) {
            QVERIFY2(*number == last + 1, ("item " + std::to_string(*number) + " after item " + std::to_string(last) +
                                           ": " + std::string(line))
                                              .c_str());
            last = *number;
        }
    }
    QCOMPARE(last, numbered_items);
}

void TInformation_texts_test::Names_only_the_projects_addresses_and_pairs_its_quotes_data()
{
    Add_text_rows();
}

void TInformation_texts_test::Names_only_the_projects_addresses_and_pairs_its_quotes()
{
    QFETCH(TInformation_text, id);
    QFETCH(int, site_lines);
    const std::string whole = Information_text(id);
    const std::string_view text = whole;
    int lines_with_site = 0;
    for (const std::string_view line : Lines_of(whole)) {
        for (std::size_t at = line.find("http"); at != std::string_view::npos; at = line.find("http", at + 1)) {
            QVERIFY2(line.substr(at, Site.size()) == Site, ("a foreign web address: " + std::string(line)).c_str());
        }
        for (std::size_t at = line.find('@'); at != std::string_view::npos; at = line.find('@', at + 1)) {
            const std::size_t start = line.rfind(' ', at) + 1;
            QVERIFY2(line.substr(start, Mail.size()) == Mail, ("a foreign mail address: " + std::string(line)).c_str());
        }
        lines_with_site += line.find(Site) != std::string_view::npos ? 1 : 0;
    }
    QCOMPARE(lines_with_site, site_lines);

    std::size_t open = 0;
    std::size_t close = 0;
    for (std::size_t at = text.find("“"); at != std::string_view::npos; at = text.find("“", at + 1)) {
        ++open;
        QVERIFY2(text.find("”", at) < text.find("“", at + 1),
                 ("unclosed quotation at byte " + std::to_string(at)).c_str());
    }
    for (std::size_t at = text.find("”"); at != std::string_view::npos; at = text.find("”", at + 1)) {
        ++close;
    }
    QCOMPARE(open, close);
}

// The payment message stands right under its caption: begin marker, version,
// an empty line, twelve lines of base64 and the end marker.
void TInformation_texts_test::Payment_message_has_its_sixteen_lines_of_fixed_lengths()
{
    const std::string text = Information_text(TInformation_text::Support);
    const std::vector<std::string_view> lines = Lines_of(text);
    std::size_t caption = 0;
    while (caption < lines.size() && lines[caption] != Message_caption) {
        ++caption;
    }
    QVERIFY2(caption + 17 < lines.size(), "the caption is followed by the message and an empty line");
    const std::vector<std::string_view> block(lines.begin() + static_cast<std::ptrdiff_t>(caption) + 1,
                                              lines.begin() + static_cast<std::ptrdiff_t>(caption) + 17);

    QVERIFY(block[0].starts_with("-----BEGIN "));
    QVERIFY(block[0].ends_with("-----"));
    QVERIFY(!block[1].empty());
    QVERIFY(block[2].empty());
    QVERIFY(block[15].starts_with("-----END "));
    QVERIFY(block[15].ends_with("-----"));
    QVERIFY2(lines[caption + 17].empty(), "the message is followed by an empty line");

    std::size_t characters = 0;
    for (const std::string_view line : block) {
        characters += line.size();
    }
    QCOMPARE(characters, std::size_t{798});

    const std::vector<std::size_t> widths{8, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 36};
    std::string base64;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        QVERIFY2(block[3 + i].size() == widths[i],
                 ("base64 line " + std::to_string(i + 1) + " has " + std::to_string(block[3 + i].size()) +
                  " characters, not " + std::to_string(widths[i]))
                     .c_str());
        base64 += block[3 + i];
    }
    const std::optional<std::string> message = Base64_decoded(base64);
    QVERIFY2(message.has_value(), "the message is strict base64");
    QVERIFY2(Code_points(*message).has_value(), "the message is UTF-8 text");
    QVERIFY(message->find("Ostrelta") != std::string::npos);
    QVERIFY(message->find(Site) != std::string::npos);
}

void TInformation_texts_test::Decoder_takes_only_strict_base64_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<bool>("decodes");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("whole groups") << QByteArray("T3N0cmVs") << true << QByteArray("Ostrel");
    QTest::newRow("padded group") << QByteArray("b3I=") << true << QByteArray("or");
    QTest::newRow("incomplete group") << QByteArray("T3N0cmV") << false << QByteArray();
    QTest::newRow("padding inside the group") << QByteArray("b3=y") << false << QByteArray();
    QTest::newRow("stray bits before the padding") << QByteArray("b3J=") << false << QByteArray();
    QTest::newRow("character outside the alphabet") << QByteArray("b3I*") << false << QByteArray();
}

void TInformation_texts_test::Decoder_takes_only_strict_base64()
{
    QFETCH(QByteArray, encoded);
    QFETCH(bool, decodes);
    QFETCH(QByteArray, decoded);
    const std::optional<std::string> bytes = Base64_decoded(encoded.toStdString());
    QCOMPARE(bytes.has_value(), decodes);
    if (bytes.has_value()) {
        QCOMPARE(QByteArray::fromStdString(*bytes), decoded);
    }
}

// The electronic payment section: its number, then the steps, one per line.
void TInformation_texts_test::Support_lists_the_wallet_steps_before_the_message()
{
    const std::string text = Information_text(TInformation_text::Support);
    const std::vector<std::string_view> lines = Lines_of(text);
    std::size_t first_step = 0;
    while (first_step < lines.size() && !lines[first_step].starts_with("- ")) {
        ++first_step;
    }
    QCOMPARE(first_step, std::size_t{18});
    QVERIFY(first_step + 5 < lines.size());
    QVERIFY(lines[14].starts_with("2. "));
    for (std::size_t i = first_step; i < first_step + 4; ++i) {
        QVERIFY2(lines[i].starts_with("- "), ("step " + Line_note(i, lines[i])).c_str());
    }
    QVERIFY(lines[first_step + 2].find("Ctrl + C") != std::string_view::npos);
    QVERIFY(lines[first_step + 4].empty());
    QCOMPARE(Shown(lines[first_step + 5]), Shown(Message_caption));
}

int Run_information_texts_test(int argc, char** argv)
{
    TInformation_texts_test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ostrelta::testing

#include "information_texts_test.moc"
