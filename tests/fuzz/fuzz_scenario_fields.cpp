// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes go through the field reader as a real load takes them, then as
// plain text fields until the reader gives up. Crashes, hangs and sanitizer reports are failures,
// and so is a broken promise of the reader or the writer (checked below, aborting when broken).

#include "core/scenario_fields.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace Scenario;

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

// Every text the reader returns can be written back and reads the same, unless it holds a
// quote (which a text line cannot carry) or a byte the code page leaves undefined.
void Check_Round_Trip(const QString &text)
{
    if (text.contains(QLatin1Char('"')) || text.contains(QChar::ReplacementCharacter) ||
        text.size() > Max_Field_Bytes - 8)
        return;
    QByteArray line = Text_Field(text);
    QBuffer buffer(&line);
    buffer.open(QIODevice::ReadOnly);
    Field_Reader reader(&buffer);
    QString back;
    Check(!line.isEmpty() && reader.Read_Text(back) && back == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    Field_Reader reader(&buffer);
    QString text;
    qint16 number = 0;
    // The 19 fields in file order (integers at 3 to 6, 9, 12, 15, 18); a load goes on after a
    // failed integer, which leaves its target as it was.
    for (int i = 0; i < 19; ++i) {
        const qint16 before = number;
        if (i >= 3 && (i <= 6 || i % 3 == 0))
            Check(reader.Read_Integer(number) || number == before);
        else if (reader.Read_Text(text))
            Check_Round_Trip(text);
    }
    // Every successful read takes at least one byte, so this ends, and never past the bound.
    qint64 fields = 19;
    while (reader.Read_Text(text))
        Check(++fields <= Max_File_Bytes);
    Check(!reader.errorString().isEmpty() && buffer.pos() <= Max_File_Bytes);
    return 0;
}
