// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/named_case.h"
#include "support/tool_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every file the install and the package hold, relative to the prefix.
QStringList expectedFiles()
{
    QStringList files{"bin/ondrel",
                      "bin/ondrel-cli",
                      ONDREL_LIBDIR "/ondrel/libondrel_webengine.so",
                      "lib/systemd/user/ondrel-watch.service",
                      "share/applications/ondrel.desktop",
                      "share/doc/ondrel/README.md",
                      "share/doc/ondrel/copyright",
                      "share/man/man1/ondrel.1.gz",
                      "share/man/man1/ondrel-cli.1.gz",
                      "share/metainfo/ondrel.metainfo.xml",
                      "share/icons/hicolor/scalable/apps/ondrel.svg"};
    for (int size : {16, 32, 48, 128})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/ondrel.png").arg(size);
    files.sort();
    return files;
}

// The build tree installed once into a temporary prefix.
class InstallTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        s_install =
            runTool(ONDREL_CMAKE, {"--install", ONDREL_BUILD_DIR, "--prefix", s_dir->path()});
    }
    static void TearDownTestSuite() { s_dir.reset(); }
    void SetUp() override { ASSERT_EQ(s_install.first, 0) << s_install.second.toStdString(); }

    static QString path(const QString& relative) { return s_dir->filePath(relative); }
    static QByteArray read(const QString& relative)
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::pair<int, QString> s_install;
};

TEST_F(InstallTest, HoldsTheProgramsAMenuEntryItsMetainfoAndTheLicence)
{
    QStringList files;
    for (QDirIterator it(s_dir->path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(s_dir->path()).relativeFilePath(it.next());
    files.sort();
    EXPECT_EQ(files, expectedFiles());

    const QList<QByteArray> entry = read("share/applications/ondrel.desktop").split('\n');
    for (const char* line : {"Name=Ondrel", "Name[ja]=電離層", "Exec=ondrel", "Icon=ondrel",
                             "Categories=Network;HamRadio;", "Exec=ondrel -T"})
        EXPECT_TRUE(entry.contains(line)) << line;
    const QByteArray metainfo = read("share/metainfo/ondrel.metainfo.xml");
    EXPECT_TRUE(metainfo.contains("<launchable type=\"desktop-id\">ondrel.desktop</launchable>"));
    EXPECT_TRUE(metainfo.contains("<project_license>GPL-3.0-or-later</project_license>"));
    const QByteArray copyright = read("share/doc/ondrel/copyright");
    EXPECT_TRUE(copyright.contains("\nLicense: GPL-3.0-or-later\n"));
    EXPECT_TRUE(copyright.contains("\"/usr/share/common-licenses/GPL-3\""));
}

TEST_F(InstallTest, WatchServiceStartsTheInstalledCliAndVerifies)
{
    const QByteArray unit = read("lib/systemd/user/ondrel-watch.service");
    const QByteArray execStart = "ExecStart=" ONDREL_BINDIR "/ondrel-cli watch";
    const QList<QByteArray> lines = unit.split('\n');
    for (const QByteArray& line :
         {execStart, QByteArray("Restart=on-failure"), QByteArray("WantedBy=default.target")})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("systemd-analyze")).isEmpty())
        GTEST_SKIP() << "systemd-analyze missing";
    // Verified against this install's ondrel-cli: the configured one is not there yet.
    QTemporaryDir dir;
    QFile copy(dir.filePath(QStringLiteral("ondrel-watch.service")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(QByteArray(unit).replace(execStart,
                                        "ExecStart=" + path("bin").toUtf8() + "/ondrel-cli watch"));
    copy.close();
    const auto [status, output] = runTool("systemd-analyze", {"verify", copy.fileName()});
    EXPECT_EQ(status, 0) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("ondrel-watch.service"))) << output.toStdString();
}

struct ValidatorCase {
    const char* name;
    const char* tool;
    QStringList args;
};
ONDREL_NAMED_CASE(ValidatorCase)

class ValidatorTest : public InstallTest, public testing::WithParamInterface<ValidatorCase> {};

TEST_P(ValidatorTest, InstalledFileIsValid)
{
    QStringList args = GetParam().args;
    args.last() = path(args.last());
    const auto [status, output] = runTool(GetParam().tool, args);
    EXPECT_EQ(status, 0) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tools, ValidatorTest,
                         testing::Values(ValidatorCase{"DesktopEntry",
                                                       "desktop-file-validate",
                                                       {"share/applications/ondrel.desktop"}},
                                         ValidatorCase{"Metainfo",
                                                       "appstreamcli",
                                                       {"validate", "--no-net", "--pedantic",
                                                        "share/metainfo/ondrel.metainfo.xml"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The manual pages are the programs' own --help: ondrel-cli's also each
// command's, and both say where the user's files are.
struct ManPageCase {
    const char* name;
    const char* page;
    QStringList lines;
};
ONDREL_NAMED_CASE(ManPageCase)

class ManPageTest : public InstallTest, public testing::WithParamInterface<ManPageCase> {};

TEST_P(ManPageTest, HoldsTheProgramsHelp)
{
    const auto [status, roff] = runTool(
        "gzip", {"-dc", path(QStringLiteral("share/man/man1/%1.1.gz").arg(GetParam().page))});
    ASSERT_EQ(status, 0) << roff.toStdString();
    const QStringList lines = roff.split(u'\n');
    for (const QString& line : GetParam().lines)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ManPageTest,
    testing::Values(ManPageCase{"Window",
                                "ondrel",
                                {"[\\fI\\,-T\\/\\fR] [\\fI\\,--settings\\/\\fR]", ".SS \"Keys:\"",
                                 "Ctrl+M", "ESLang", ".SH OPTIONS", "\\fB\\-T\\fR, \\fB\\-t\\fR",
                                 ".SH FILES", ".I $XDG_DATA_HOME/ondrel/history.sqlite"}},
                    ManPageCase{"Tool",
                                "ondrel-cli",
                                {".SH COMMANDS", ".SS parse", ".SS fetch", ".SS settings",
                                 ".SS watch", ".SS history", "\\fB\\-\\-station\\fR STATION",
                                 ".SH FILES"}}),
    [](const auto& info) { return std::string(info.param.name); });

class IconSizeTest : public InstallTest, public testing::WithParamInterface<int> {};

TEST_P(IconSizeTest, PngIsRenderedAtItsDirectorysSize)
{
    const QByteArray head =
        read(QStringLiteral("share/icons/hicolor/%1x%1/apps/ondrel.png").arg(GetParam())).left(24);
    ASSERT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n") && head.size() == 24);
    EXPECT_EQ(qFromBigEndian<quint32>(head.constData() + 16), quint32(GetParam())); // IHDR width
    EXPECT_EQ(qFromBigEndian<quint32>(head.constData() + 20), quint32(GetParam())); // and height
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconSizeTest, testing::Values(16, 32, 48, 128));

// The build tree packed with the package's CPack settings, as built: the
// install step replaces cpack's own, which would first rebuild the tree.
TEST(PackageTest, DebHoldsTheInstallLayoutAndItsDependencies)
{
    QTemporaryDir out;
    const auto packed = runTool(
        "cpack", {"-G", "DEB", "-B", out.path(), "--config", ONDREL_BUILD_DIR "/CPackConfig.cmake",
                  "-D", "CPACK_INSTALL_CMAKE_PROJECTS=", "-D",
                  "CPACK_INSTALL_COMMANDS=" ONDREL_CMAKE " --install " ONDREL_BUILD_DIR});
    ASSERT_EQ(packed.first, 0) << packed.second.toStdString();
    const QString deb =
        out.filePath(QStringLiteral("ondrel_" ONDREL_VERSION "_%1.deb")
                         .arg(runTool("dpkg", {"--print-architecture"}).second.trimmed()));
    const auto [status, listing] = runTool("dpkg-deb", {"-c", deb});
    ASSERT_EQ(status, 0) << listing.toStdString();

    const QString prefix = QStringLiteral("./") + QDir::cleanPath(ONDREL_PREFIX).mid(1) + u'/';
    QStringList files;
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'-')) // a regular file
            files << line.section(u' ', -1).mid(prefix.size());
    }
    files.sort();
    EXPECT_EQ(files, expectedFiles());
    // Removing the package runs nothing: the user's settings and history stay.
    const QString control = runTool("dpkg-deb", {"-I", deb}).second;
    EXPECT_FALSE(control.contains(QStringLiteral("prerm")) ||
                 control.contains(QStringLiteral("postrm")))
        << control.toStdString();
    const QString depends = runTool("dpkg-deb", {"-f", deb, "Depends"}).second;
    for (const char* library :
         {"libqt6widgets6", "libqt6network6", "libqt6dbus6", "libqt6svg6", "hamradio-files"})
        EXPECT_TRUE(depends.contains(QLatin1String(library))) << depends.toStdString();
}

} // namespace
