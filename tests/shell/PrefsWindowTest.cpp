// The e-mail settings window and the settings file: what Save writes and how,
// what a new window shows, what App.getPrefs reads back.
#include "tests/support/AppFixture.h"
#include "tests/support/ScopedVariable.h"

#include "shell/App.h"
#include "shell/EmailSettings.h"
#include "shell/PrefsWindow.h"
#include "shell/SplashWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

Texts settings() { return {smtpAddress, smtpUserName, smtpPassword, fromAddress}; }

void setSettings(const Texts& values) {
    smtpAddress = values.at(0);
    smtpUserName = values.at(1);
    smtpPassword = values.at(2);
    fromAddress = values.at(3);
}

std::vector<tk::Ref<tk::TextField>> fieldsOf(const PrefsWindow& prefs) {
    return {prefs.addressFld(), prefs.usernameFld(), prefs.passwordFld(), prefs.fromAddressFld()};
}

Texts fieldTexts(const PrefsWindow& prefs) {
    Texts texts;
    for (const auto& field : fieldsOf(prefs))
        texts.push_back(field->Text());
    return texts;
}

// Types the text as key presses, letters beyond ASCII too.
void type(QWidget* widget, const std::string& text) {
    for (QChar c : QString::fromStdString(text))
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Opens the window as its menu command would, through the registered handler.
tk::Ref<PrefsWindow> openPreferences() {
    const tk::MenuHandler* handler = App::instance()->menuHandlers().find("FilePreferences");
    if (!handler) {
        ADD_FAILURE() << "no handler registered under FilePreferences";
        return nullptr;
    }
    EXPECT_FALSE((*handler)());
    return tk::Window::openInstance<PrefsWindow>();
}

// Each test has an application-data folder of its own.
class PrefsWindowTest : public AppTest {
  protected:
    std::string configFolder() const { return QFile::encodeName(config.path()).toStdString(); }
    std::string settingsPath() const { return configFolder() + "/Tessivo Preferences"; }

    QTemporaryDir config;
    ScopedVariable configHome{"XDG_CONFIG_HOME", configFolder()};
};

TEST_F(PrefsWindowTest, SaveStoresTheFieldsPrivatelyAndNewWindowsAndGetPrefsGiveThemBack) {
    writeFile(settingsPath(), "old.example.org\nold user\nold password\nold@example.org\n");
    ::chmod(settingsPath().c_str(), 0644);
    const Texts typed = {"smtp.exämple.org", "Zoë Ünal", "pä ss ✉ 日本", "zoë@exämple.org"};
    std::string written;
    runTessivoWith([&] {
        auto prefs = openPreferences();
        ASSERT_TRUE(prefs);
        EXPECT_TRUE(prefs->Visible());
        EXPECT_EQ(fieldTexts(*prefs), Texts(4)) << "nothing reads the settings file at launch";
        const auto fields = fieldsOf(*prefs);
        for (std::size_t i = 0; i < fields.size(); ++i)
            type(fields[i]->qwidget(), typed[i]);
        auto* password = static_cast<QLineEdit*>(prefs->passwordFld()->qwidget());
        EXPECT_NE(password->displayText().toStdString(), typed[2]) << "masked on screen";

        // Escape does nothing; Return presses Save. The window is brought to the
        // front once the launch's splash window has come up.
        ASSERT_TRUE(waitFor([] { return tk::Window::openInstance<SplashWindow>() != nullptr; }));
        QWidget* window = prefs->widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        password->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_TRUE(tk::Window::openInstance<PrefsWindow>());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(tk::Window::openInstance<PrefsWindow>());
        EXPECT_EQ(settings(), typed);
        written = readFile(settingsPath());

        // A new window shows the settings; Cancel and the close button change nothing.
        for (bool closeButton : {false, true}) {
            auto again = openPreferences();
            ASSERT_TRUE(again);
            EXPECT_NE(again, prefs);
            EXPECT_EQ(fieldTexts(*again), typed);
            EXPECT_TRUE(again->passwordFld()->Password());
            again->addressFld()->setText("edited.example.org");
            if (closeButton)
                again->widget()->close();
            else
                again->PushButton5()->Push();
            EXPECT_FALSE(tk::Window::openInstance<PrefsWindow>());
            EXPECT_EQ(settings(), typed);
        }

        setSettings({"a", "b", "c", "d"});
        App::instance()->getPrefs();
        EXPECT_EQ(settings(), typed) << "what Save wrote reads back unchanged";
        EXPECT_TRUE(host->messages.empty());
    });
    EXPECT_EQ(written, "smtp.exämple.org\nZoë Ünal\npä ss ✉ 日本\nzoë@exämple.org\n");
    EXPECT_EQ(readFile(settingsPath()), written) << "Cancel and closing write nothing";
    struct stat st {};
    ASSERT_EQ(::stat(settingsPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u) << "the password is in the file: its owner's alone";
    EXPECT_EQ(QDir(config.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Tessivo Preferences"});
}

TEST_F(PrefsWindowTest, EmptyFieldsSaveFourEmptyLines) {
    runTessivoWith([&] {
        setSettings({"a", "b", "c", "d"});
        auto prefs = openPreferences();
        ASSERT_TRUE(prefs);
        for (const auto& field : fieldsOf(*prefs))
            field->setText("");
        prefs->PushButton4()->Push();
        EXPECT_EQ(settings(), Texts(4));
    });
    EXPECT_EQ(readFile(settingsPath()), "\n\n\n\n");
}

TEST_F(PrefsWindowTest, GetPrefsTakesFourLinesAndLeavesTheSettingsWithoutAReadableFile) {
    struct Case {
        const char* what;
        std::optional<std::string> content; // nothing: no file; "/": a folder of that name
        Texts expected;
    };
    const Texts kept = {"server", "user", "password", "me@example.org"};
    const Case cases[] = {
        {"no file", std::nullopt, kept},
        {"a folder in its place", "/", kept},
        {"six lines", "1\n2\n3\n4\n5\n6\n", {"1", "2", "3", "4"}},
        {"two lines", "1\n2\n", {"1", "2", "", ""}},
        {"no line end after the last", "1\n2\n3\n4", {"1", "2", "3", "4"}},
    };
    runTessivoWith([&] {
        for (const Case& c : cases) {
            fs::remove_all(settingsPath());
            if (c.content == "/")
                fs::create_directory(settingsPath());
            else if (c.content)
                writeFile(settingsPath(), *c.content);
            setSettings(kept);
            App::instance()->getPrefs();
            EXPECT_EQ(settings(), c.expected) << c.what;
        }
        EXPECT_TRUE(host->messages.empty());
    });
}

TEST_F(PrefsWindowTest, ASaveThatCannotWriteClosesSilentlyAndStillSetsTheSettings) {
    // Places that root cannot write either: the application-data folder is a
    // file, or it is missing along with its parent.
    const std::string notAFolder = configFolder() + "/a file";
    writeFile(notAFolder, "kept");
    runTessivoWith([&] {
        for (const std::string& place : {notAFolder, configFolder() + "/missing/config"}) {
            ScopedVariable where("XDG_CONFIG_HOME", place);
            auto prefs = openPreferences();
            ASSERT_TRUE(prefs);
            const auto fields = fieldsOf(*prefs);
            for (std::size_t i = 0; i < fields.size(); ++i)
                fields[i]->setText(place + " " + std::to_string(i));
            prefs->PushButton4()->Push();
            EXPECT_FALSE(tk::Window::openInstance<PrefsWindow>()) << place;
            EXPECT_EQ(settings(), (Texts{place + " 0", place + " 1", place + " 2", place + " 3"}));
        }
        EXPECT_TRUE(host->messages.empty());
    });
    EXPECT_EQ(readFile(notAFolder), "kept");
    EXPECT_FALSE(fs::exists(configFolder() + "/missing"));
}

TEST_F(PrefsWindowTest, ALineEndPastedWithThePasswordStaysOutOfTheFile) {
    runTessivoWith([&] {
        auto prefs = openPreferences();
        ASSERT_TRUE(prefs);
        const auto fields = fieldsOf(*prefs);
        fields[0]->setText("smtp.example.org");
        fields[1]->setText("me");
        fields[3]->setText("me@example.org");
        // As a password copied from a password manager comes, with its line end.
        QGuiApplication::clipboard()->setText("sec\r\nret\n");
        QWidget* password = fields[2]->qwidget();
        password->setFocus();
        QTest::keyClick(password, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(fields[2]->Text(), "secret");
        prefs->PushButton4()->Push();
        setSettings(Texts(4));
        App::instance()->getPrefs();
        EXPECT_EQ(settings(), (Texts{"smtp.example.org", "me", "secret", "me@example.org"}));
    });
}

TEST_F(PrefsWindowTest, EachHelpButtonShowsItsMessageAndChangesNothing) {
    runTessivoWith([&] {
        auto prefs = openPreferences();
        ASSERT_TRUE(prefs);
        const Texts entered = {"a", "b", "c", "d"};
        const auto fields = fieldsOf(*prefs);
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i]->setText(entered[i]);
        prefs->PushButton3()->Push();
        prefs->PushButton2()->Push();
        prefs->PushButton1()->Push();
        ASSERT_EQ(host->messages.size(), 3u);
        const std::regex serverHelp("Enter your email account outgoing mail address\\. Eg\\. "
                                    "'[^.' ]+\\.[^.' ]+\\.[^.' ]+'");
        EXPECT_TRUE(std::regex_match(host->messages[0], serverHelp)) << host->messages[0];
        EXPECT_EQ(host->messages[1], "Enter your email account user name.");
        EXPECT_EQ(host->messages[2], "Enter your email account password.");
        EXPECT_EQ(fieldTexts(*prefs), entered);
        EXPECT_TRUE(tk::Window::openInstance<PrefsWindow>());
        EXPECT_EQ(settings(), Texts(4));
    });
    EXPECT_FALSE(fs::exists(settingsPath()));
}

} // namespace
