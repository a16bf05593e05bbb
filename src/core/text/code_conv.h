// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct UConverter;

// The page's way from UTF-8 bytes to the Japanese system code page
// (Windows code page 932) and back to text. Both directions of code
// page 932 go through ICU's "windows-31j" converter.
class CodeConv {
public:
    CodeConv();
    ~CodeConv();
    CodeConv(const CodeConv&) = delete;
    CodeConv& operator=(const CodeConv&) = delete;

    // Text of the last U8toU16 failure; empty when none. Callers clear it.
    QString ConvError;

    // UTF-8 bytes to UTF-16LE code units (two bytes each). Malformed
    // sequences become U+FFFD. On failure sets ConvError and returns an
    // empty array.
    QByteArray U8toU16(const QByteArray& utf8);

    // UTF-16LE code units to code page 932 bytes; an odd trailing byte is
    // ignored and characters the code page lacks become "?". Empty input
    // throws ProcedureFailure.
    QByteArray U16toSJIS(const QByteArray& utf16) const;

    // Code page 932 bytes read back as text.
    QString sjisToText(const QByteArray& sjis) const;

private:
    struct ConverterClose {
        void operator()(UConverter* converter) const;
    };
    std::unique_ptr<UConverter, ConverterClose> m_cp932;
};
