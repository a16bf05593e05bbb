// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on damaged or hostile settings files, and a write afterwards.
#include "core/settings/ini_file.h"
#include "support/gui/form_fixture.h"
#include "support/named_case.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

QByteArray garbage(qsizetype size, std::uint32_t seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = char(seed >> 24);
    }
    return bytes;
}

QByteArray tenMegabytes()
{
    QByteArray filler = "[Other]\r\n";
    while (filler.size() < 10 * 1024 * 1024)
        filler += "filler=" + QByteArray(90, 'f') + "\r\n";
    return filler + "[ESConf]\r\nTM2=240\r\nESTop=150\r\n";
}

struct FileCase {
    const char* name;
    QByteArray (*content)();
    int period;
    int top;
};
ONDREL_NAMED_CASE(FileCase)

class SettingsFileTest : public testing::TestWithParam<FileCase> {};

// The lines of `content` without their ends: a last line without one
// may get one when a line is added after it.
QList<QByteArray> lines(const QByteArray& content)
{
    QList<QByteArray> result = content.split('\n');
    for (QByteArray& line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

// Every line of `before` is in `after`, in order, but the one that held
// TM2 when there was one; at most three lines were added.
void expectOtherLinesKept(const QByteArray& before, const QByteArray& after)
{
    const QList<QByteArray> old = lines(before);
    const QList<QByteArray> now = lines(after);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (iniValue(before, "ESConf", "TM2")) {
        EXPECT_EQ(now.size(), old.size());
        EXPECT_GE(prefix + suffix, old.size() - 1);
    } else {
        EXPECT_EQ(prefix + suffix, old.size());
        EXPECT_LE(now.size() - old.size(), 3);
    }
}

TEST_P(SettingsFileTest, StartUpGoesOnAndASetKeepsTheOtherLines)
{
    const FileCase& c = GetParam();
    FormFixture f;
    const QByteArray before = c.content();
    {
        QFile file(f.settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(before), before.size());
    }
    f.load();
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), c.period);
    EXPECT_EQ(f.window->Top(), c.top);
    EXPECT_TRUE(f.timer2.isEnabled());
    EXPECT_EQ(f.timer2.interval(), 1000);
    EXPECT_EQ(f.download.urls.size(), 1u);
    EXPECT_TRUE(f.boxes.shown.empty());

    // The period editor's "Set".
    f.window->VScroll1->setValue(420);
    emit f.window->Command5->clicked();
    QFile file(f.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    EXPECT_EQ(iniValue(after, "ESConf", "TM2"), QByteArray("420"));
    expectOtherLinesKept(before, after);
    EXPECT_TRUE(f.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFileTest,
    testing::Values(
        FileCase{"TruncatedInAValue", [] { return QByteArray("[ESConf]\nESTop=300\nTM2=24"); }, 180,
                 300},
        FileCase{"TruncatedInTheHeader", [] { return QByteArray("[ESCo"); }, 180, 0},
        FileCase{"BinaryGarbage", [] { return garbage(64 * 1024, 7); }, 180, 0},
        FileCase{"GarbageBeforeTheSection",
                 [] { return garbage(4096, 11) + "\n[ESConf]\nTM2=240\n"; }, 240, 0},
        FileCase{"TenMegabytes", tenMegabytes, 240, 150},
        FileCase{"HeaderWithoutClosingBracket",
                 [] { return QByteArray("[ESConf\nESTop=150\nTM2=240\n"); }, 240, 150},
        FileCase{"DuplicateKeysFirstWins",
                 [] { return QByteArray("[ESConf]\nTM2=240\nESTop=150\nTM2=600\nESTop=450\n"); },
                 240, 150},
        FileCase{"KeysWithoutEquals",
                 [] { return QByteArray("[ESConf]\r\nTM2\r\nESTop 450\r\nTM2=240\r\n"); }, 240, 0},
        FileCase{"TenThousandCharacterValues",
                 [] {
                     // Values are cut to 127 characters: the period reads as 0.
                     return "[ESConf]\nESHost=http://" + QByteArray(10000, 'h') +
                            "\nTM2=" + QByteArray(9997, '0') +
                            "240\nESTop=" + QByteArray(9997, ' ') + "150\n; " +
                            QByteArray(10000, 'c') + "\n";
                 },
                 180, 150}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
