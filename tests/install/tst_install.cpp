// The installation as `cmake --install` lays it out under a prefix of the
// test's own: the programs run from there, the desktop entry and the
// metainfo pass Debian's validators, every icon has its directory's size,
// the manual pages are compressed without name or time and read without
// warnings, and the installed program finds its guide and keeps its
// parameter file in the user's folder.
#include "shell/helpfile.h"
#include "shell/parameterfile.h"
#include "shell/programlayout.h"
#include "tests/support/testfiles.h"
#include "tests/support/unixcalls.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs a program to its end; a missing tool fails with the package to get.
Run run(const QString &program, const QStringList &arguments) {
    Run r;
    const QString path = QStandardPaths::findExecutable(program).isEmpty()
                             ? program
                             : QStandardPaths::findExecutable(program);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Manual pages as wide as they need: no option is broken over lines.
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("250"));
    p.setProcessEnvironment(env);
    p.start(path, arguments);
    if (!p.waitForStarted(30000))
        return r;
    p.waitForFinished(60000);
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const QString kId = QStringLiteral(VQ740_DESKTOP_ID);

// The lines of the part of a program's help that begins with `heading`
// ("Options:", "Commands:") and ends at the first line not indented.
QStringList helpSection(const QString &help, const QString &heading) {
    QStringList lines;
    bool inside = false;
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(heading)) {
            inside = true;
            continue;
        }
        if (inside && !line.startsWith(QLatin1Char(' ')))
            break;
        if (inside)
            lines << line;
    }
    return lines;
}

// The options a help lists: "-h, --help, --help-all  Displays ..." gives
// -h, --help and --help-all; "--port <DEVICE>  ..." gives --port.
QStringList helpOptions(const QString &help) {
    QStringList names;
    for (const QString &line : helpSection(help, QStringLiteral("Options:"))) {
        const QString entry = line.trimmed();
        if (!entry.startsWith(QLatin1Char('-')))
            continue; // a description going on
        for (const QString &name : entry.section(QStringLiteral("  "), 0, 0).split(", "))
            names << name.section(QLatin1Char(' '), 0, 0);
    }
    return names;
}

// One section of a manual page as man shows it, from its heading to the
// next heading; dashes as typed.
QString manSection(const QString &page, const QString &heading) {
    QString text = page;
    text.replace(QChar(0x2010), QLatin1Char('-')).replace(QChar(0x2212), QLatin1Char('-'));
    const QRegularExpression pattern(
        QStringLiteral("^%1\n(.*?)(?=^\\S|\\z)").arg(QRegularExpression::escape(heading)),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(text).captured(1);
}

// Whether a section has an entry (a line of its own, indented) that begins
// with `name`, or names it after other names of the same entry ("-o,
// --output OUT").
bool hasEntry(const QString &section, const QString &name) {
    const QRegularExpression entry(
        QStringLiteral("^ +(?:-[\\w-]+, )*%1(?![\\w-])").arg(QRegularExpression::escape(name)),
        QRegularExpression::MultilineOption);
    return entry.match(section).hasMatch();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_stage;
    QString m_prefix;

    QString installed(const QString &path) const { return QDir(m_prefix).filePath(path); }
    QString bin(const QString &name) const {
        return installed(QStringLiteral(VQ740_INSTALL_BIN "/") + name);
    }
    QString share(const QString &path) const {
        return installed(QStringLiteral(VQ740_INSTALL_SHARE "/") + path);
    }
    void needTool(const char *tool, const char *package) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(
                qPrintable(QStringLiteral("%1 is missing: scripts/install-deps --test installs %2")
                               .arg(tool, package)));
    }

private slots:
    void initTestCase() {
        VQ740_NEEDS_UNIX("installing with the build's cmake and checking with Debian's desktop "
                         "tools (scripts/windows --step package installs the Windows program)");
        QVERIFY(m_stage.isValid());
        // As a package build stages it: under /usr, below DESTDIR, so that
        // nothing lands outside the folder, not even under an absolute
        // destination.
        m_prefix = m_stage.filePath("usr");
        qputenv("DESTDIR", m_stage.path().toLocal8Bit());
        const Run r =
            run(QStringLiteral(VQ740_CMAKE), {"--install", VQ740_BUILD_DIR, "--prefix", "/usr"});
        qunsetenv("DESTDIR");
        QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    }

    void programsRunFromTheInstallation_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a line of standard output
        QTest::newRow("vq740 --version")
            << "vq740" << QStringList{"--version"} << "vq740 " VQ740_VERSION;
        QTest::newRow("vq740 -v") << "vq740" << QStringList{"-v"} << "vq740 " VQ740_VERSION;
        QTest::newRow("vq740 --help") << "vq740" << QStringList{"--help"} << "Arguments:";
        QTest::newRow("vq740-cli --help") << "vq740-cli" << QStringList{"--help"} << "Commands:";
        QTest::newRow("vq740-cli --version")
            << "vq740-cli" << QStringList{"--version"} << "vq740-cli " VQ740_VERSION;
    }
    void programsRunFromTheInstallation() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        // No display: the text options do not need one.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        const Run r = run(bin(program), arguments);
        qputenv("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.split('\n').contains(expected) || r.out.contains(expected + "\n"),
                 qPrintable(r.out));
    }

    void desktopEntryIsValid() {
        needTool("desktop-file-validate", "desktop-file-utils");
        const QString entry = share("applications/" + kId + ".desktop");
        QVERIFY(QFile::exists(entry));
        const Run r = run("desktop-file-validate", {entry});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out + r.err, QString()); // not even a hint
        const QStringList lines = QString::fromUtf8(readFile(entry)).split('\n');
        for (const QString &line : {QString("Categories=Network;HamRadio;"), "Icon=" + kId,
                                    QString("Exec=vq740 %f"), QString("Terminal=false")})
            QVERIFY2(lines.contains(line), qPrintable(line));
        // Both languages; the command it starts is installed.
        for (const char *key : {"Name", "Comment", "GenericName"}) {
            QVERIFY2(lines.filter(QRegularExpression(QString("^%1=.+").arg(key))).size() == 1, key);
            QVERIFY2(
                lines.filter(QRegularExpression(QString("^%1\\[zh_CN\\]=.+").arg(key))).size() == 1,
                key);
        }
        QVERIFY(QFileInfo(bin("vq740")).isExecutable());
    }

    void metainfoIsValid() {
        needTool("appstreamcli", "appstream");
        const QString metainfo = share("metainfo/" + kId + ".metainfo.xml");
        QVERIFY(QFile::exists(metainfo));
        const Run r = run("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo});
        QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
        const QString xml = QString::fromUtf8(readFile(metainfo));
        QVERIFY(xml.contains("<id>" + kId + "</id>"));
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + kId + ".desktop</launchable>"));
        QVERIFY(xml.contains("<release version=\"" VQ740_VERSION "\""));
        // Devices are named only when the udev rule is installed.
        QCOMPARE(xml.contains("<modalias>"), bool(VQ740_UDEV_RULES_INSTALLED));
        // No homepage until the maker has an address that leads somewhere.
        QVERIFY(!xml.contains("<url"));
    }

    void iconHasTheSizeOfItsDirectory_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void iconHasTheSizeOfItsDirectory() {
        QFETCH(int, size);
        const QString icon = share(QString("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kId));
        const QImage image(icon);
        QVERIFY2(!image.isNull(), qPrintable(icon));
        QCOMPARE(image.size(), QSize(size, size));
    }

    void scalableIconIsInstalled() {
        const QByteArray svg = readFile(share("icons/hicolor/scalable/apps/" + kId + ".svg"));
        QVERIFY(svg.contains("<svg"));
    }

    void manualPages_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("vq740") << "vq740";
        QTest::newRow("vq740-cli") << "vq740-cli";
    }
    void manualPages() {
        QFETCH(QString, page);
        needTool("man", "man-db");
        const QString path = installed(QString(VQ740_INSTALL_MAN "/man1/%1.1.gz").arg(page));
        const QByteArray gz = readFile(path);
        QVERIFY2(gz.size() > 10, qPrintable(path));
        // gzip, maximum compression, no file name (flag 0x08) and no time.
        QCOMPARE(quint8(gz[0]), quint8(0x1f));
        QCOMPARE(quint8(gz[1]), quint8(0x8b));
        QCOMPARE(quint8(gz[3]) & 0x08, 0);
        QCOMPARE(gz.mid(4, 4), QByteArray(4, '\0'));
        QCOMPARE(quint8(gz[8]), quint8(2));
        // As lintian reads it: no warning from man or groff.
        const Run r = run("man", {"--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", path});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const Run text = run("man", {"-l", path});
        QVERIFY2(text.out.contains(page + " - "), qPrintable(text.out.left(400)));
    }

    // The manual pages keep up with the programs: every command, option,
    // file kind and exit status that a program's --help names has its entry
    // in the page.
    void manualPagesDescribeWhatTheHelpLists_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("vq740") << "vq740";
        QTest::newRow("vq740-cli") << "vq740-cli";
    }
    void manualPagesDescribeWhatTheHelpLists() {
        QFETCH(QString, program);
        needTool("man", "man-db");
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        qunsetenv("QT_QPA_PLATFORM");
        const Run overview = run(bin(program), {"--help"});
        QCOMPARE(overview.status, 0);
        QStringList helps{overview.out};
        QStringList commands;
        for (const QString &line : helpSection(overview.out, QStringLiteral("Commands:")))
            commands << line.trimmed().section(QLatin1Char(' '), 0, 0);
        for (const QString &command : std::as_const(commands)) {
            const Run help = run(bin(program), {command, "--help"});
            QCOMPARE(help.status, 0);
            helps << help.out;
        }
        qputenv("QT_QPA_PLATFORM", platform);
        QCOMPARE(commands.isEmpty(), program == QLatin1String("vq740"));

        const Run page =
            run("man", {"-l", installed(QString(VQ740_INSTALL_MAN "/man1/%1.1.gz").arg(program))});
        QCOMPARE(page.status, 0);
        const QString options = manSection(page.out, QStringLiteral("OPTIONS"));
        QStringList listed;
        for (const QString &help : std::as_const(helps))
            listed << helpOptions(help);
        listed.removeDuplicates();
        QVERIFY(listed.contains(QStringLiteral("--help")));
        for (const QString &option : std::as_const(listed))
            QVERIFY2(hasEntry(options, option), qPrintable(program + " " + option));
        const QString described = manSection(page.out, QStringLiteral("COMMANDS"));
        for (const QString &command : std::as_const(commands))
            QVERIFY2(hasEntry(described, command), qPrintable(command));
        // The kinds of file the commands take, as ".csv" in "(.csv)".
        const QRegularExpression kind(QStringLiteral("\\((\\.[a-z]+)\\)"));
        for (const QString &help : std::as_const(helps))
            for (const auto &m : kind.globalMatch(help))
                QVERIFY2(page.out.contains(m.captured(1)), qPrintable(m.captured(1)));
        // The exit statuses of "Exit status: 0 success, 1 communication
        // error, ...".
        const QString statuses = manSection(page.out, QStringLiteral("EXIT STATUS"));
        const QString exitHelp = overview.out.section(QStringLiteral("Exit status:"), 1);
        const QRegularExpression status(QStringLiteral("(?<![\\w-])(\\d+) (?=[a-z])"));
        for (const auto &m : status.globalMatch(exitHelp))
            QVERIFY2(hasEntry(statuses, m.captured(1)), qPrintable("exit status " + m.captured(1)));
    }

    // The installed program opens the installed guide; every file the
    // guide refers to is installed too.
    void installedGuide_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Chinese") << 0;
        QTest::newRow("English") << 1;
    }
    void installedGuide() {
        QFETCH(int, language);
        const QString programFolder = QDir::cleanPath(bin(QString()));
        QVERIFY(isInstalledProgram(programFolder));
        const QString guide = helpTarget(programFolder, qint16(language));
        QCOMPARE(QFileInfo(guide).absolutePath(), QDir::cleanPath(installed(VQ740_INSTALL_DATA)));
        const QString html = QString::fromUtf8(readFile(guide));
        QVERIFY2(html.contains("</html>"), qPrintable(guide));
        QVERIFY(html.contains("F1"));
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
        int local = 0;
        for (const auto &m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            if (target.contains(QLatin1Char(':')))
                continue; // a web address
            ++local;
            QVERIFY2(QFile::exists(QFileInfo(guide).dir().filePath(target)), qPrintable(target));
        }
        QVERIFY(local >= 2); // the style sheet and the guide in the other language
    }

    void installedProgramKeepsItsParameterFileInTheUserFolder() {
        QTemporaryDir config;
        const QString programFolder = QDir::cleanPath(bin(QString()));
        ParameterFile file = ParameterFile::forProgram(programFolder, config.path());
        file.load();
        QVERIFY(file.save(Preferences()));
        QCOMPARE(file.path(), config.filePath("parameter"));
        QVERIFY(!QFile::exists(bin("parameter")));
    }

    void copyrightChangelogAndUdevExample() {
        const QString doc = installed(VQ740_INSTALL_DOC);
        const QByteArray copyright = readFile(doc + "/copyright");
        QVERIFY(copyright.startsWith("Format: https://www.debian.org/doc/"));
        QVERIFY(!copyright.contains("\nSource:"));
        QCOMPARE(quint8(readFile(doc + "/changelog.gz").at(0)), quint8(0x1f));
        const QByteArray rule = readFile(doc + "/examples/70-vq740.rules");
        QVERIFY(rule.contains("TAG+=\"uaccess\""));
        // An example only, unless asked for.
        const QString rules = QStringLiteral(VQ740_UDEV_DIR "/70-vq740.rules");
        const QString installedRules =
            QDir::isAbsolutePath(rules) ? m_stage.path() + rules : installed(rules);
        QCOMPARE(QFile::exists(installedRules), bool(VQ740_UDEV_RULES_INSTALLED));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
