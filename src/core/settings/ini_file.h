// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Settings files of the Windows profile kind: a "[section]" line opens a
// section, "key=value" lines hold its settings, ";" lines are comments.
// Names match without regard to ASCII letter case; where a section or key
// appears twice, the first one counts. The content is handled as bytes and
// an edit touches only the line it changes, so hand-written files keep
// their comments, order, encoding and line ends.

// The value of `key` in `section`, blanks (spaces, tabs) around it
// removed; empty optional when the section or key is missing.
std::optional<QByteArray> iniValue(QByteArrayView content, QByteArrayView section,
                                   QByteArrayView key);

// `content` with `key` in `section` set to `value`. An existing key keeps
// its spelling and line end and gets the new value; a missing key is added
// after the last setting of its section (right after the header when it
// has none); a missing section is appended at the end. Added lines end
// like the file's first line ("\n" when it has none). Fails
// (ProcedureFailure) when a name or the value would break the line
// structure: empty names, line breaks, "=" in a key, "]" in a section.
QByteArray iniWithValue(const QByteArray& content, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value);

// `content` without the settings of `key` in `section` (in its first
// appearance, the one that counts), every other line kept as it is; empty
// optional when the key is not set there. Fails on unusable names as
// iniWithValue does.
std::optional<QByteArray> iniWithoutKey(const QByteArray& content, QByteArrayView section,
                                        QByteArrayView key);

// iniValue on the file at `path`, read as UTF-8; empty optional also when
// the file is missing or unreadable.
std::optional<QString> readIniValue(const QString& path, const QString& section,
                                    const QString& key);

// iniWithValue on the file at `path`, created (with its directory) when
// missing. The file is replaced atomically, so a failed write leaves the
// old one whole. Returns false with the reason in `whyNot` when the file
// cannot be read or stored; fails like iniWithValue on unusable names.
bool writeIniValue(const QString& path, const QString& section, const QString& key,
                   const QString& value, QString& whyNot);

// How removeIniValue went.
enum class IniRemoval { Removed, NotSet, Failed };

// iniWithoutKey on the file at `path`, replaced atomically; a missing file
// or key is left as it is. Failed comes with the reason in `whyNot`.
IniRemoval removeIniValue(const QString& path, const QString& section, const QString& key,
                          QString& whyNot);
