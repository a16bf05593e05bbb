// SPDX-License-Identifier: GPL-3.0-or-later
// The readout in the colour-blind-safe palette: colours, the lines under
// caution and alert cells, and the choice kept across a restart.
#include "support/gui/form_fixture.h"
#include "support/named_case.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kKokubunjiEs = 5;
constexpr int kEsSummary = 14;

// The realistic values, with Kokubunji's Es given `signal` (none: missing).
QByteArray pageWithKokubunjiEs(const char* signal)
{
    QString sections;
    for (int k = 0; k < kStationCount; ++k) {
        testpage::Readings readings = testpage::quiet(k);
        if (k == 1)
            readings[2] = signal ? std::optional(testpage::Reading{QStringLiteral("8.6"),
                                                                   QString::fromLatin1(signal)})
                                 : std::nullopt;
        sections += testpage::station(k, readings);
    }
    return testpage::page(QStringLiteral("2026/12/07 10:15 JST"), sections).toUtf8();
}

// The cell's bottom row: '#' where it has the text's colour, '.' elsewhere.
std::string bottomRow(QLabel* cell)
{
    const QImage image = cell->grab().toImage();
    const QColor text = cell->palette().color(QPalette::WindowText);
    std::string row;
    for (int x = 0; x < image.width(); ++x)
        row += image.pixelColor(x, image.height() - 1) == text ? '#' : '.';
    return row;
}

struct MarkCase {
    const char* name;
    const char* setting;
    const char* signal;
    QColor colour;
    Qt::PenStyle line;
};
ONDREL_NAMED_CASE(MarkCase)

class MarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkTest, StationAndSummaryCellsShowTheLevelWithoutColour)
{
    FormFixture f;
    f.writeSettings({QString::fromLatin1(GetParam().setting)});
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.load();
    f.deliverPage(pageWithKokubunjiEs(GetParam().signal));
    for (const int i : {kKokubunjiEs, kEsSummary}) {
        ClickableLabel* cell = f.window->Label2[i];
        EXPECT_EQ(cell->palette().color(QPalette::WindowText), GetParam().colour) << i;
        EXPECT_EQ(cell->underline(), GetParam().line) << i;
        const std::string row = bottomRow(cell);
        switch (GetParam().line) {
        case Qt::SolidLine:
            EXPECT_NE(row.find("##########"), std::string::npos) << i << " " << row;
            break;
        case Qt::DotLine:
            EXPECT_NE(row.find("##..##..##"), std::string::npos) << i << " " << row;
            EXPECT_EQ(row.find("###"), std::string::npos) << i << " " << row;
            break;
        default:
            EXPECT_EQ(row.find('#'), std::string::npos) << i << " " << row;
        }
    }
}

// The Es summary follows Kokubunji: quiet for a missing reading.
INSTANTIATE_TEST_SUITE_P(
    Signals, MarkTest,
    testing::Values(
        MarkCase{"CvdQuiet", "ESPalette=cvd", "GREEN", QColor(0x56, 0xB4, 0xE9), Qt::NoPen},
        MarkCase{"CvdCaution", "ESPalette=cvd", "BLINK-YELLOW", QColor(0xF0, 0xE4, 0x42),
                 Qt::DotLine},
        MarkCase{"CvdAlert", "ESPalette=cvd", "BLINK-RED", QColor(0xD5, 0x5E, 0x00), Qt::SolidLine},
        MarkCase{"StandardAlert", "ESPalette=standard", "BLINK-RED", QColor(255, 0, 0), Qt::NoPen},
        MarkCase{"UnknownAlert", "ESPalette=Cvd", "BLINK-RED", QColor(255, 0, 0), Qt::NoPen}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SignalPalette, MissingReadingIsGreyWithoutALine)
{
    FormFixture f;
    f.writeSettings({QStringLiteral("ESPalette=cvd")});
    f.load();
    f.deliverPage(pageWithKokubunjiEs(nullptr));
    ClickableLabel* cell = f.window->Label2[kKokubunjiEs];
    EXPECT_EQ(cell->text(), QStringLiteral("?"));
    EXPECT_EQ(cell->palette().color(QPalette::WindowText), QColor(0x99, 0x99, 0x99));
    EXPECT_EQ(cell->underline(), Qt::NoPen);
}

TEST(SignalPalette, SwitchingRedrawsAtOnceAndOutlivesARestart)
{
    FormFixture f;
    f.load();
    f.deliverPage(pageWithKokubunjiEs("BLINK-RED"));
    std::vector<SignalPalette> told;
    QObject::connect(f.controller.get(), &FormController::signalPaletteChanged,
                     [&told](SignalPalette palette) { told.push_back(palette); });
    f.controller->setSignalPalette(SignalPalette::Cvd);
    EXPECT_EQ(f.window->Label2[kEsSummary]->palette().color(QPalette::WindowText),
              QColor(0xD5, 0x5E, 0x00));
    EXPECT_EQ(f.window->Label2[kEsSummary]->underline(), Qt::SolidLine);
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESPalette=cvd")));
    EXPECT_EQ(told, std::vector{SignalPalette::Cvd});
    // Back to the standard colours: no line stays behind.
    f.controller->setSignalPalette(SignalPalette::Standard);
    for (ClickableLabel* cell : f.window->Label2)
        EXPECT_EQ(cell->underline(), Qt::NoPen) << cell->text().toStdString();
    f.controller->setSignalPalette(SignalPalette::Cvd);

    f.controller.reset();
    f.window = std::make_unique<Form1>();
    f.controller = std::make_unique<FormController>(*f.window, f.loop, f.seams(f.browser));
    f.load();
    EXPECT_EQ(f.controller->signalPalette(), SignalPalette::Cvd);
    f.deliverPage(pageWithKokubunjiEs("BLINK-YELLOW"));
    EXPECT_EQ(f.window->Label2[kKokubunjiEs]->underline(), Qt::DotLine);
}

} // namespace
