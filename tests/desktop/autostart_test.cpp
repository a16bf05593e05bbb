// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/autostart.h"
#include "support/named_case.h"
#include "support/tool_run.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct EntryCase {
    const char* name;
    const char* program;
    bool keepInFront;
    const char* execLine;
};
ONDREL_NAMED_CASE(EntryCase)

class AutostartTest : public testing::TestWithParam<EntryCase> {};

TEST_P(AutostartTest, EntryIsWrittenValidAndRemoved)
{
    QTemporaryDir dir;
    const LoginAutostart autostart(dir.filePath(QStringLiteral("config/autostart")));
    EXPECT_FALSE(autostart.isOn());
    ASSERT_EQ(autostart.turnOn(QString::fromUtf8(GetParam().program), GetParam().keepInFront),
              QString());
    EXPECT_TRUE(autostart.isOn());

    QFile file(autostart.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const char* line : {"Type=Application", "Name=Ondrel", "Name[ja]=電離層", "Icon=ondrel",
                             "X-GNOME-Autostart-enabled=true", GetParam().execLine})
        EXPECT_TRUE(lines.contains(line)) << line;
    const auto [status, output] = runTool("desktop-file-validate", {autostart.filePath()});
    EXPECT_EQ(status, 0) << output.toStdString();

    EXPECT_EQ(autostart.turnOff(), QString());
    EXPECT_FALSE(autostart.isOn());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, AutostartTest,
    testing::Values(EntryCase{"PlainPath", "/usr/bin/ondrel", false, "Exec=/usr/bin/ondrel"},
                    EntryCase{"KeepsInFront", "/usr/bin/ondrel", true, "Exec=/usr/bin/ondrel -T"},
                    EntryCase{"BlankIsQuoted", "/home/a b/ondrel", false,
                              "Exec=\"/home/a b/ondrel\""},
                    EntryCase{"SpecialsAreEscaped", "/opt/$x\\1%/ondrel", true,
                              R"(Exec="/opt/\\$x\\\\1%%/ondrel" -T)"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
