// The About window: its layout, OK / Enter / Esc, the single instance, and
// the system-information launcher over a registry filled per case.
#include "shell/frmAbout.h"
#include "shell/shell_testing.h"
#include "toolkit/dialogs.h"
#include "table_fixture.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

frmAbout &openAbout()
{
    frmTumblecrag &table = openTable();
    choose(table, "mnuMach4");
    frmAbout *about = existingForm<frmAbout>();
    if (!about)
        qFatal("Help > Tumble Crag opened no About window");
    return *about;
}

void dropClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int aboutWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<frmAbout *>(widget) && widget->isVisible())
            ++count;
    return count;
}

// A program file in a folder of its own, runnable or not.
QString makeProgram(const QTemporaryDir &dir, const QString &name, bool runnable = true)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (runnable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

QStringList messages()
{
    QStringList shown;
    for (const auto &call : seam::dialogs())
        if (call.kind == "MsgBox")
            shown.append(call.prompt);
    return shown;
}

// Clicks System Info and checks what every launch must leave behind.
void clickSysInfo(frmAbout &about)
{
    click(about.cmdSysInfo);
    EXPECT_EQ(seam::openRegistryKeys(), 0) << "a registry key was left open";
    EXPECT_TRUE(about.isVisible()) << "System Info closed the About window";
    EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
}

void expectUnavailable()
{
    ASSERT_EQ(seam::dialogs().size(), 1u);
    const auto &call = seam::dialogs().front();
    EXPECT_EQ(call.prompt, Unavailable);
    EXPECT_EQ(call.buttons, vbOKOnly);
    EXPECT_EQ(call.title, "") << "the box shows the application's title";
}

} // namespace

TEST(About, ShowsItsStoredLayout)
{
    frmAbout &about = openAbout();
    EXPECT_EQ(about.windowTitle(), "About Project1");
    EXPECT_EQ(about.client()->size(), QSize(391, 242));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "a fixed frame";
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.lblTitle->Caption(), "Tumble Crag");
    EXPECT_EQ(about.lblDescription->Caption(), "Age Old Dice Game");
    EXPECT_EQ(about.Label1->Caption(), "Version 1.40");
    EXPECT_EQ(about.cmdOK->text(), "OK");
    EXPECT_EQ(about.cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(about.Line1[0]->objectName(), "Line1(0)");
    EXPECT_EQ(about.Line1[1]->objectName(), "Line1(1)");
    EXPECT_EQ(seam::picturePath(about.picIcon), storedPicturePath("about-die.bmp"));
    EXPECT_TRUE(about.cmdOK->isDefault());
}

TEST(About, OkEnterAndEscCloseIt)
{
    openAbout();
    click(existingForm<frmAbout>()->cmdOK);
    EXPECT_EQ(existingForm<frmAbout>(), nullptr) << "OK";

    frmAbout &again = openAbout();
    QTest::keyClick(again.client(), Qt::Key_Return);
    EXPECT_EQ(existingForm<frmAbout>(), nullptr) << "Enter";

    frmAbout &third = openAbout();
    QTest::keyClick(third.cmdSysInfo, Qt::Key_Escape);
    EXPECT_EQ(existingForm<frmAbout>(), nullptr) << "Esc, with the focus on System Info";

    // Enter on the focused System Info button presses that button, not OK.
    frmAbout &fourth = openAbout();
    QTest::keyClick(fourth.cmdSysInfo, Qt::Key_Return);
    EXPECT_NE(existingForm<frmAbout>(), nullptr);
    EXPECT_EQ(messages(), QStringList{Unavailable});
    EXPECT_TRUE(existingForm<frmTumblecrag>()->isVisible());
}

TEST(About, IsOneWindowBroughtForwardThenCreatedAnewAfterClosing)
{
    frmAbout &about = openAbout();
    QPointer<frmAbout> first = &about;
    choose(*existingForm<frmTumblecrag>(), "mnuMach4");
    EXPECT_EQ(existingForm<frmAbout>(), first.data());
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_FALSE(about.isModal());
    EXPECT_TRUE(existingForm<frmTumblecrag>()->isVisible());

    about.close();
    dropClosedWindows();
    EXPECT_TRUE(first.isNull()) << "the close box unloads the window";
    EXPECT_EQ(aboutWindows(), 0);

    choose(*existingForm<frmTumblecrag>(), "mnuMach4");
    frmAbout *second = existingForm<frmAbout>();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->lblTitle->Caption(), "Tumble Crag");
    EXPECT_EQ(aboutWindows(), 1);
}

TEST(AboutLauncher, PathAsTextLaunchesWithoutAFileTest)
{
    QTemporaryDir dir;
    const QString tool = makeProgram(dir, "sysinfo");
    seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH", tool.toLocal8Bit());
    seam::setRegistryText(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO", dir.path().toLocal8Bit());
    makeProgram(dir, "MSINFO32.EXE");

    clickSysInfo(openAbout());
    EXPECT_EQ(seam::launches(), QStringList{tool});
    EXPECT_TRUE(seam::fileTests().isEmpty());
    EXPECT_TRUE(messages().isEmpty());
}

TEST(AboutLauncher, FolderValueLaunchesTheProgramItHolds)
{
    for (const char *stored : {"MSINFO32.EXE", "msinfo32.exe"}) {
        SCOPED_TRACE(stored);
        seam::resetAll();
        QTemporaryDir dir;
        makeProgram(dir, stored);
        seam::setRegistryText(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO", dir.path().toLocal8Bit());

        clickSysInfo(openAbout());
        const QString program = dir.path() + "\\MSINFO32.EXE";
        EXPECT_EQ(seam::fileTests(), QStringList{program});
        EXPECT_EQ(seam::launches(), QStringList{program});
        EXPECT_TRUE(messages().isEmpty());
    }
}

TEST(AboutLauncher, EndsInItsMessageWhenNothingCanBeStarted)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty");
    QDir().mkpath(empty);

    struct Case
    {
        const char *what;
        std::function<void()> fill;
        int fileTests;
        int launches;
    };
    const Case cases[] = {
        {"the folder without MSINFO32.EXE",
         [&] { seam::setRegistryText(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO", empty.toLocal8Bit()); }, 1, 0},
        {"neither value", [] {}, 0, 0},
        {"the keys without the values",
         [] {
             seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "Version", "1");
             seam::setRegistryText(HKEY_LOCAL_MACHINE, FolderKey, "Other", "x");
         },
         0, 0},
        {"a PATH naming no program",
         [&] { seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH", dir.filePath("missing").toLocal8Bit()); },
         0, 1},
        {"a PATH naming a file that cannot run",
         [&] {
             seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH",
                                   makeProgram(dir, "notes.txt", false).toLocal8Bit());
         },
         0, 1},
        {"a PATH of another type, with a good folder beside it",
         [&] {
             seam::setRegistryValue(HKEY_LOCAL_MACHINE, ToolKey, "PATH", REG_BINARY, "\x01\x02");
             makeProgram(dir, "MSINFO32.EXE");
             seam::setRegistryText(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO", dir.path().toLocal8Bit());
         },
         0, 1},
        {"a key that refuses the write rights",
         [&] {
             seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH", makeProgram(dir, "tool").toLocal8Bit());
             seam::limitRegistryRights(HKEY_LOCAL_MACHINE, ToolKey, READ_CONTROL | KEY_QUERY_VALUE);
         },
         0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        seam::resetAll();
        c.fill();
        clickSysInfo(openAbout());
        expectUnavailable();
        EXPECT_EQ(seam::fileTests().size(), c.fileTests);
        EXPECT_EQ(seam::launches().size(), c.launches);
    }
    // A value of another type leaves the path empty, and that is what is launched.
    seam::resetAll();
    cases[5].fill();
    clickSysInfo(openAbout());
    EXPECT_EQ(seam::launches(), QStringList{""});
}

TEST(AboutLauncher, TakesATextUpToItsFirstNul)
{
    QTemporaryDir dir;
    const QString tool = makeProgram(dir, "tool");
    seam::setRegistryValue(HKEY_LOCAL_MACHINE, ToolKey, "PATH", REG_SZ, tool.toLocal8Bit() + '\0' + "garbage");

    clickSysInfo(openAbout());
    EXPECT_EQ(seam::launches(), QStringList{tool});
    EXPECT_TRUE(messages().isEmpty());
}

TEST(AboutLauncher, StartsTheProgramForReal)
{
    seam::launchForReal(true);
    seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH", "/bin/true");
    clickSysInfo(openAbout());
    EXPECT_EQ(seam::launches(), QStringList{"/bin/true"});
    EXPECT_TRUE(messages().isEmpty());

    QTemporaryDir dir;
    seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "PATH", makeProgram(dir, "notes.txt", false).toLocal8Bit());
    clickSysInfo(*existingForm<frmAbout>());
    EXPECT_EQ(messages(), QStringList{Unavailable});
}

TEST(AboutLauncher, DefaultRegistryNamesAnInstalledTool)
{
    QTemporaryDir dir;
    const auto loadWithPathOf = [&dir] {
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit());
        loadSystemRegistry();
        qputenv("PATH", savedPath);
    };
    loadWithPathOf();
    clickSysInfo(openAbout());
    expectUnavailable();

    seam::resetAll();
    const QString tool = makeProgram(dir, "hardinfo");
    loadWithPathOf();
    clickSysInfo(openAbout());
    EXPECT_EQ(seam::launches(), QStringList{tool});
    EXPECT_TRUE(messages().isEmpty());
}

TEST(AboutLauncher, GetKeyValueReadsTextAndNumbers)
{
    frmAbout &about = openAbout();
    seam::setRegistryText(HKEY_LOCAL_MACHINE, ToolKey, "Text", "C:\\Tools");
    seam::setRegistryValue(HKEY_LOCAL_MACHINE, ToolKey, "Binary", REG_BINARY, "abc");

    QString value = "kept";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, ToolKey, "text", value)) << "names match in any case";
    EXPECT_EQ(value, "C:\\Tools");

    value = "kept";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, ToolKey, "Binary", value));
    EXPECT_EQ(value, "kept") << "another type leaves the text";

    value = "kept";
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, ToolKey, "Missing", value));
    EXPECT_EQ(value, "");
    value = "kept";
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nowhere", "Text", value));
    EXPECT_EQ(value, "");

    // A number's bytes up to the first zero byte, last first, as hexadecimal
    // digits read back as one number.
    struct Number
    {
        quint32 stored;
        const char *held;
        const char *text;
    };
    const Number numbers[] = {
        {0x12345678, "", "305419896"}, {5, "", "5"},       {0x0102, "", "18"},   {0x00FF0001, "", "1"},
        {0, "", "0"},                  {0xABCD, "", "43981"}, {7, "1", "23"},   {7, "C:\\", "&hC:\\7"},
    };
    for (const Number &n : numbers) {
        SCOPED_TRACE(n.stored);
        seam::setRegistryNumber(HKEY_LOCAL_MACHINE, ToolKey, "Number", n.stored);
        value = QString::fromLatin1(n.held);
        EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, ToolKey, "Number", value));
        EXPECT_EQ(value, n.text);
    }
    EXPECT_EQ(seam::openRegistryKeys(), 0);
}
