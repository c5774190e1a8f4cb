// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scenario_fields.h"

#include <QHash>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace Scenario {
namespace {

constexpr int End = -1;             // no byte: end of data, or the reader has failed
constexpr qint64 Chunk_Bytes = 512; // a whole scenario fits in two chunks

bool Is_Blank(int c)
{
    return c == ' ' || c == '\t';
}

bool Is_Delimiter(int c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// Optional sign, decimal digits, optional fraction rounded half to even; empty reads as 0.
// Worked on the digits themselves, so no floating-point rounding can creep in.
std::optional<qint16> Parse_Integer(QByteArrayView text)
{
    while (!text.isEmpty() && Is_Blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && Is_Blank(text.back()))
        text.chop(1);
    if (text.isEmpty())
        return 0;

    qsizetype i = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+')
        ++i;
    const auto is_digit = [&] { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    bool any_digit = false;
    qint64 magnitude = 0; // capped: beyond 16 bits the exact size no longer matters
    for (; is_digit(); ++i, any_digit = true)
        magnitude = std::min<qint64>(magnitude * 10 + (text[i] - '0'), 1'000'000);
    if (i < text.size() && text[i] == '.') {
        int first = End;
        bool rest_nonzero = false;
        for (++i; is_digit(); ++i, any_digit = true) {
            if (first == End)
                first = text[i] - '0';
            else
                rest_nonzero = rest_nonzero || text[i] != '0';
        }
        if (first > 5 || (first == 5 && (rest_nonzero || magnitude % 2 == 1)))
            ++magnitude;
    }
    if (i != text.size() || !any_digit)
        return std::nullopt;
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<qint16>(value);
}

// The code page one byte to one character and back. The bytes it leaves undefined (0xD2 and 0xFF
// among them) stand for private-use characters, U+F800 plus the byte, so that every byte of a
// loaded caption is saved back as it was.
struct Code_Page_Table
{
    std::array<char16_t, 256> character{};
    QHash<char16_t, char> byte;
};

const Code_Page_Table *Greek_Table()
{
    static const std::optional<Code_Page_Table> table = []() -> std::optional<Code_Page_Table> {
        if (!QStringDecoder(Code_Page).isValid())
            return std::nullopt;
        Code_Page_Table made;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString decoded = QStringDecoder(Code_Page).decode(QByteArrayView(&byte, 1));
            const bool defined = decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter;
            made.character[b] = defined ? decoded[0].unicode() : static_cast<char16_t>(0xF800 + b);
            made.byte.insert(made.character[b], byte);
        }
        return made;
    }();
    return table ? &*table : nullptr;
}

} // namespace

Field_Reader::Field_Reader(QIODevice *device) : device_(device)
{
    if (!device_ || !device_->isReadable())
        Fail(QStringLiteral("The file is not open for reading"));
}

bool Field_Reader::Fail(const QString &why)
{
    if (!done_)
        error_ = why;
    done_ = true;
    return false;
}

// The next byte without taking it, reading one more bounded chunk when the last is used up.
int Field_Reader::Peek()
{
    if (done_)
        return End;
    if (next_ < chunk_.size())
        return static_cast<uchar>(chunk_[next_]);
    if (at_end_)
        return End;
    if (total_ >= Max_File_Bytes) {
        Fail(QStringLiteral("The file is longer than %1 bytes").arg(Max_File_Bytes));
        return End;
    }
    chunk_.resize(std::min(Chunk_Bytes, Max_File_Bytes - total_));
    const qint64 got = device_->read(chunk_.data(), chunk_.size());
    if (got < 0) {
        chunk_.clear();
        Fail(QStringLiteral("Reading failed: %1").arg(device_->errorString()));
        return End;
    }
    chunk_.resize(got);
    next_ = 0;
    total_ += got;
    at_end_ = got == 0;
    return at_end_ ? End : static_cast<uchar>(chunk_[0]);
}

// Takes the peeked byte and peeks the one after it, failing once the field grows too long.
int Field_Reader::Advance(qsizetype &used)
{
    ++next_;
    if (++used > Max_Field_Bytes) {
        Fail(QStringLiteral("Field %1 is longer than %2 bytes").arg(fields_).arg(Max_Field_Bytes));
        return End;
    }
    return Peek();
}

bool Field_Reader::Next_Field(QByteArray &field)
{
    if (done_)
        return false;
    ++fields_;
    int c = Peek();
    if (c == End)
        return done_ ? false : Fail(QStringLiteral("Field %1 is missing").arg(fields_));

    qsizetype used = 0;
    while (Is_Blank(c))
        c = Advance(used);
    QByteArray value;
    if (c == '"') {
        // A quoted field runs to the next quote, whatever lies between; anything after the
        // closing quote up to the delimiter is dropped.
        for (c = Advance(used); c != End && c != '"'; c = Advance(used))
            value += static_cast<char>(c);
        while (c != End && !Is_Delimiter(c))
            c = Advance(used);
    } else {
        for (; c != End && !Is_Delimiter(c); c = Advance(used))
            value += static_cast<char>(c);
        while (!value.isEmpty() && Is_Blank(value.back()))
            value.chop(1);
    }
    // CR LF is one line end; only a lone CR needs a look at the byte after it.
    if (c == '\r') {
        ++next_;
        if (Peek() == '\n')
            ++next_;
    } else if (c != End) {
        ++next_;
    }
    if (done_)
        return false;
    field = value;
    return true;
}

bool Field_Reader::Read_Text(QString &into)
{
    QByteArray field;
    if (!Next_Field(field))
        return false;
    const Code_Page_Table *table = Greek_Table();
    if (!table)
        return Fail(QStringLiteral("The %1 code page is not available").arg(Code_Page));
    QString text(field.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < field.size(); ++i)
        text[i] = QChar(table->character[static_cast<uchar>(field[i])]);
    into = text;
    return true;
}

bool Field_Reader::Read_Integer(qint16 &into)
{
    QByteArray field;
    if (!Next_Field(field))
        return false;
    const std::optional<qint16> value = Parse_Integer(field);
    if (!value) {
        error_ = QStringLiteral("Field %1 is not a 16-bit integer").arg(fields_);
        return false;
    }
    into = *value;
    return true;
}

QByteArray Text_Field(const QString &text)
{
    const Code_Page_Table *table = Greek_Table();
    if (!table)
        return {};
    QByteArray bytes;
    bytes.reserve(text.size());
    // A character without a byte, a lone surrogate among them, makes no line.
    for (const QChar c : text) {
        const auto found = table->byte.constFind(c.unicode());
        if (found == table->byte.cend())
            return {};
        bytes += *found;
    }
    return '"' + bytes + "\"\r\n";
}

QByteArray Integer_Field(qint16 value)
{
    return QByteArray::number(value) + "\r\n";
}

bool Field_Writer::Fail(const QString &why)
{
    if (!done_)
        error_ = why;
    done_ = true;
    return false;
}

bool Field_Writer::Write_Text(const QString &text)
{
    const QByteArray line = Text_Field(text);
    if (line.isEmpty())
        return Fail(QStringLiteral("The text \"%1\" cannot be written in the %2 code page")
                        .arg(text.left(40), Code_Page));
    return Write_Line(line);
}

bool Field_Writer::Write_Integer(qint16 value)
{
    return Write_Line(Integer_Field(value));
}

bool Field_Writer::Write_Line(const QByteArray &line)
{
    if (done_)
        return false;
    if (!device_ || !device_->isWritable())
        return Fail(QStringLiteral("The file is not open for writing"));
    const qint64 written = device_->write(line);
    if (written < 0)
        return Fail(QStringLiteral("Writing failed: %1").arg(device_->errorString()));
    if (written != line.size())
        return Fail(
            QStringLiteral("Only %1 of %2 bytes were written").arg(written).arg(line.size()));
    return true;
}

} // namespace Scenario
