// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

// The binary files the packer stores beside the texts (and the archive itself) hold
// little-endian numbers and counted texts, written and read with these.
namespace quillet::le {

template <typename Number>
void Append(QByteArray &out, Number value)
{
    char bytes[sizeof(Number)];
    qToLittleEndian(value, bytes);
    out.append(bytes, qsizetype(sizeof(Number)));
}

// Reads a file from the front; a read past its end fails every read after it.
class Reader {
public:
    explicit Reader(QByteArrayView file) : rest_(file) {}
    bool failed() const { return failed_; }
    bool atEnd() const { return rest_.isEmpty(); }

    QByteArrayView take(qsizetype size)
    {
        if (failed_ || size < 0 || size > rest_.size()) {
            failed_ = true;
            return {};
        }
        const QByteArrayView taken = rest_.first(size);
        rest_ = rest_.sliced(size);
        return taken;
    }
    // Whether the file begins with the magic bytes and this version (a 32-bit number).
    bool startsWith(QByteArrayView magic, quint32 version)
    {
        return take(magic.size()) == magic && number<quint32>() == version;
    }

    template <typename Number>
    Number number()
    {
        const QByteArrayView bytes = take(qsizetype(sizeof(Number)));
        return failed_ ? Number(0) : qFromLittleEndian<Number>(bytes.data());
    }

private:
    QByteArrayView rest_;
    bool failed_ = false;
};

} // namespace quillet::le
