// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The byte layer of scenario files: one field per line, text fields in double quotes, integer
// fields bare, every line ended by CR LF, text in the Greek single-byte code page (windows-1253).
// Nothing here knows about windows or controls; the load and save procedures build on these.

#include <QByteArray>
#include <QString>

class QIODevice;

namespace Scenario {

inline constexpr char Magic[] = "Dalvo.exe V 1.0";
inline constexpr char Code_Page[] = "windows-1253";

// A real scenario is well under 1 KiB; anything near these limits is not one, and the reader
// gives up instead of reading on.
inline constexpr qint64 Max_File_Bytes = 64 * 1024;
inline constexpr qsizetype Max_Field_Bytes = 4 * 1024;

// Reads the fields of a scenario one after the other, like a sequential text channel. A failed
// read leaves its target unchanged. A field that is not an integer fails only that read; running
// out of fields, a device error, an overlong field or an overlong file end the reader, and every
// later read fails too.
class Field_Reader
{
public:
    explicit Field_Reader(QIODevice *device);

    bool Read_Text(QString &into);
    bool Read_Integer(qint16 &into);
    QString errorString() const { return error_; }

private:
    bool Next_Field(QByteArray &field);
    int Peek();
    int Advance(qsizetype &used);
    bool Fail(const QString &why);

    QIODevice *device_;
    QByteArray chunk_;
    qsizetype next_ = 0;
    qint64 total_ = 0;
    int fields_ = 0;
    bool at_end_ = false;
    bool done_ = false;
    QString error_;
};

// Writes one field per line. Every write checks the byte count the device reports, since a save
// file may take fewer bytes without setting an error. After a failure every later write fails.
class Field_Writer
{
public:
    explicit Field_Writer(QIODevice *device) : device_(device) {}

    bool Write_Text(const QString &text);
    bool Write_Integer(qint16 value);
    QString errorString() const { return error_; }

private:
    bool Write_Line(const QByteArray &line);
    bool Fail(const QString &why);

    QIODevice *device_;
    bool done_ = false;
    QString error_;
};

// The bytes of one whole line, CR LF included. Text_Field returns an empty array (never a valid
// line) when the text holds a character the code page cannot encode.
QByteArray Text_Field(const QString &text);
QByteArray Integer_Field(qint16 value);

} // namespace Scenario
