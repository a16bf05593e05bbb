// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The design's font faces, tried first so a system that has them uses them.
inline constexpr char kGothic[] = "ＭＳ ゴシック";
inline constexpr char kPGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kMincho[] = "ＭＳ 明朝";

// Maps the design faces to installed Japanese faces (IPA fonts first).
void installFontSubstitutions();

QFont designFont(const char* face, double pointSize, bool bold);
