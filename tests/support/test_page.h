// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Pages for the parser and refresh tests.
namespace testpage {

// The realistic page under tests/data, as the server sends it.
QByteArray realisticBytes();

// A body turned into the upper-cased text the parser reads.
QString upperText(const QByteArray& body);

struct Reading {
    QString value;
    QString signal; // image name part between "SIGNAL-" and ".GIF"
};
using Readings = std::array<std::optional<Reading>, 3>;

// One station's section in upper-cased page form; `withHeader` false drops
// the "== name ==" marker.
QString station(int k, const Readings& readings, bool withHeader = true, const QString& extra = {});

// Three quiet readings with recognisable values ("k.1", "k.2", "k.3").
Readings quiet(int k);

// A whole accepted page in upper-cased form: title, "(time)", the given
// sections and the closing tags.
QString page(const QString& time, const QString& sections);

} // namespace testpage
