// What strangers, other programs and full disks hand the application, one row
// a case, each through the handlers a person would use and each in a process
// of its own. Every row states what it ends with; beyond that, no row may
// crash, hang, or lose a file it found (a file's bytes must still be there
// afterwards, under its name or another, unless the row itself took it away).
#include "tests/support/AppFixture.h"
#include "tests/support/Drops.h"
#include "tests/support/FileSystemLimits.h"
#include "tests/support/PhotoFiles.h"
#include "tests/support/RecordingScript.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/SecondStart.h"

#include "shell/App.h"
#include "shell/EmailSettings.h"
#include "shell/PrefsWindow.h"
#include "workspace/MainWindow.h"
#include "workspace/batchNameWindow.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

QByteArray jpegBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < height; y += 8) // stripes, so that the scan data has some length
        painter.fillRect(0, y, width, 8, QColor::fromHsv((y * 7) % 360, 200, 220));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 90);
    return bytes;
}

QByteArray pngBytes(int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(&buffer, "png");
    return bytes;
}

// The JPEG with its frame header claiming another size.
QByteArray claimingSize(QByteArray jpeg, int width, int height) {
    const qsizetype frame = jpeg.indexOf("\xff\xc0");
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width);
    return jpeg;
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffff;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320 : crc >> 1;
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value) {
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}

// A whole, valid black PNG of 30000 x 30000 pixels, one bit each: 110 kB.
QByteArray hugePng() {
    const int side = 30000;
    const int rowBytes = 1 + (side + 7) / 8; // the filter byte, then the pixels
    const QByteArray header = bigEndian(side) + bigEndian(side) + QByteArray("\x01\x00\x00\x00\x00", 5);
    const QByteArray zlib = qCompress(QByteArray(qsizetype(rowBytes) * side, '\0'), 9).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", zlib) +
           pngChunk("IEND", {});
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The folders a row works in: photos, copies saved from them, and the
// application-data folder that holds the settings file.
class Scene {
  public:
    explicit Scene(ScriptedDialogHost& host) : root_(madeFolder()), host_(host) {
        for (const char* folder : {"photos", "copies", "config"})
            fs::create_directory(root() / folder);
    }
    // Removed by its bytes: Qt's own removal cannot spell every name.
    ~Scene() {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(root_, ignored))
            if (entry.is_directory(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root_, ignored);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    const fs::path& root() const { return root_; }
    fs::path photos() const { return root() / "photos"; }
    fs::path copies() const { return root() / "copies"; }
    fs::path settingsFile() const { return root() / "config" / "Tessivo Preferences"; }

    void write(const fs::path& path, const QByteArray& bytes) const {
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    void photo(const std::string& name, const QByteArray& bytes) const { write(photos() / name, bytes); }

    // The folder dialog answered with the photos folder.
    void loadFolder(MainWindow& main) const {
        host_.folderAnswers.push_back(photos().string());
        main.openFolder();
    }
    // Every row selected and saved into that folder, the copies folder unless told.
    void saveAll(MainWindow& main, std::optional<fs::path> into = std::nullopt) const {
        for (int row = 0; row < main.ListBox1()->ListCount(); ++row)
            main.ListBox1()->setSelected(row, true);
        host_.folderAnswers.push_back(into.value_or(copies()).string());
        main.saveAllPhotos();
    }

    // What another program does to a file meanwhile; its bytes are then no
    // longer expected to stay.
    void remove(const fs::path& path) {
        noteTaken(path);
        fs::remove(path);
    }
    void makeUnreadable(const fs::path& path) { ::chmod(path.c_str(), 0); }
    void replaceByFolder(const fs::path& path) {
        remove(path);
        fs::create_directory(path);
    }
    // A pipe that nobody writes to: whoever opens it to read waits for ever.
    void replaceByPipe(const fs::path& path) {
        remove(path);
        ::mkfifo(path.c_str(), 0600);
    }

    // The bytes of every file under the scene, counted.
    std::map<std::string, int> contents() const {
        std::map<std::string, int> counted;
        for (const auto& entry : fs::recursive_directory_iterator(root()))
            if (entry.is_regular_file())
                ++counted[readAnyway(entry.path())];
        return counted;
    }
    std::map<std::string, int> taken;

  private:
    void noteTaken(const fs::path& path) {
        if (fs::is_regular_file(path))
            ++taken[readAnyway(path)];
    }
    // The file's bytes, even when a row made it unreadable; its mode is kept.
    static std::string readAnyway(const fs::path& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        ::chmod(path.c_str(), st.st_mode | S_IRUSR);
        const std::string content = readFile(path);
        ::chmod(path.c_str(), st.st_mode & 07777);
        return content;
    }

    static fs::path madeFolder() {
        std::string pattern = (fs::temp_directory_path() / "bad-input-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }

    fs::path root_;
    ScriptedDialogHost& host_;
};

struct Outcome {
    Texts listed = {};                     // the names in the photo list, in name order
    Texts messages = {};                   // the messages shown, in order
    Texts copies = {};                     // every name in the copies folder, hidden ones too, in name order
    std::optional<std::string> shown = {}; // the file name under the preview
    std::optional<Texts> settings = {};    // the four e-mail settings held
};

struct BadInput {
    const char* what;
    // Lays out the files before the application starts.
    std::function<void(Scene&)> arrange;
    // Works the application; may meddle with the files between steps.
    std::function<void(Scene&, MainWindow&)> act;
    Outcome expected;
};

void loadOnly(Scene& scene, MainWindow& main) {
    scene.loadFolder(main);
}

void loadAndSave(Scene& scene, MainWindow& main) {
    scene.loadFolder(main);
    scene.saveAll(main);
}

// A photo with this name beside a plain one; loaded, shown and saved.
BadInput oddName(const char* what, const std::string& name) {
    return {what,
            [name](Scene& scene) {
                scene.photo(name, jpegBytes(160, 120));
                scene.photo("plain.jpg", jpegBytes(160, 120));
            },
            [name](Scene& scene, MainWindow& main) {
                scene.loadFolder(main);
                for (int row = 0; row < 2; ++row) // the odd one is shown by name
                    if (tk::RuntimeGetFolderItem(main.ListBox1()->Cell(row, 1))->Name() == name)
                        main.ListBox1()->setListIndex(row);
                scene.saveAll(main);
                main.ListBox1()->setListIndex(-1);
                main.ListBox1()->setListIndex(name < std::string("plain.jpg") ? 0 : 1);
            },
            {.listed = {name, "plain.jpg"}, .copies = {name, "plain.jpg"}, .shown = name}};
}

// Two photos listed; the second changed by another program, then selected.
// The preview goes on showing the first, and nothing is raised.
BadInput changedBeforeSelection(const char* what, void (Scene::*change)(const fs::path&)) {
    return {what,
            [](Scene& scene) {
                scene.photo("a.jpg", jpegBytes(160, 120));
                scene.photo("b.jpg", jpegBytes(160, 120));
            },
            [change](Scene& scene, MainWindow& main) {
                scene.loadFolder(main);
                (scene.*change)(scene.photos() / "b.jpg");
                main.ListBox1()->setListIndex(1);
            },
            {.listed = {"a.jpg", "b.jpg"}, .shown = "a.jpg"}};
}

const Texts keptSettings = {"smtp.example.org", "me", "secret", "me@example.org"};

void holdKeptSettings() {
    smtpAddress = keptSettings[0];
    smtpUserName = keptSettings[1];
    smtpPassword = keptSettings[2];
    fromAddress = keptSettings[3];
}

const BadInput cases[] = {
    // Picture files that are not what they seem: skipped or shown for what
    // they hold, and the rest of the folder loads.
    {"an empty file",
     [](Scene& s) {
         s.photo("a.jpg", {});
         s.photo("b.jpg", jpegBytes(160, 120));
     },
     loadOnly,
     {.listed = {"b.jpg"}, .shown = "b.jpg"}},
    {"a text file named as a JPEG",
     [](Scene& s) {
         s.photo("a.jpg", "Dear diary, today I took no pictures.\n");
         s.photo("b.jpg", jpegBytes(160, 120));
     },
     loadOnly,
     {.listed = {"b.jpg"}, .shown = "b.jpg"}},
    {"a PNG named as a JPEG is a PNG",
     [](Scene& s) { s.photo("a.jpg", pngBytes(160, 120)); },
     loadAndSave,
     {.listed = {"a.jpg"}, .copies = {"a.jpg"}, .shown = "a.jpg"}},
    {"a JPEG cut off halfway shows what it holds",
     [](Scene& s) {
         const QByteArray whole = jpegBytes(640, 480);
         s.photo("a.jpg", whole.left(whole.size() / 2));
     },
     loadAndSave,
     {.listed = {"a.jpg"}, .copies = {"a.jpg"}, .shown = "a.jpg"}},
    {"a PNG cut off halfway is listed, but gives no copy",
     [](Scene& s) {
         const QByteArray whole = pngBytes(640, 480);
         s.photo("a.png", whole.left(whole.size() / 2));
     },
     loadAndSave,
     {.listed = {"a.png"},
      .messages = {"1 photo could not be read, so no copy of it was saved."},
      .shown = "a.png"}},
    {"a JPEG whose picture data is garbage is listed, but gives no copy",
     [](Scene& s) {
         QByteArray bytes = jpegBytes(640, 480);
         for (qsizetype i = bytes.size() / 3; i < bytes.size() - 2; ++i)
             bytes[i] = char(i * 2654435761u >> 13);
         s.photo("a.jpg", bytes);
     },
     loadAndSave,
     {.listed = {"a.jpg"},
      .messages = {"1 photo could not be read, so no copy of it was saved."},
      .shown = "a.jpg"}},
    {"a JPEG whose colour profile is cut short is shown and copied as its numbers are",
     [](Scene& s) {
         const QByteArray profile = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
         s.photo("a.jpg", photos::withIccProfile(jpegBytes(640, 480), profile.left(profile.size() / 2)));
     },
     loadAndSave,
     {.listed = {"a.jpg"}, .copies = {"a.jpg"}, .shown = "a.jpg"}},
    {"a JPEG whose colour profile is garbage is shown and copied as its numbers are",
     [](Scene& s) {
         QByteArray profile = QColorSpace(QColorSpace::DisplayP3).iccProfile();
         for (qsizetype i = 128; i < profile.size(); ++i) // the tag table and the tags
             profile[i] = char(i * 2654435761u >> 13);
         s.photo("a.jpg", photos::withIccProfile(jpegBytes(640, 480), profile));
     },
     loadAndSave,
     {.listed = {"a.jpg"}, .copies = {"a.jpg"}, .shown = "a.jpg"}},
    {"a JPEG that claims to be larger than it is",
     [](Scene& s) { s.photo("a.jpg", claimingSize(jpegBytes(64, 48), 2000, 1500)); },
     loadAndSave,
     {.listed = {"a.jpg"}, .copies = {"a.jpg"}, .shown = "a.jpg"}},
    {"a JPEG that claims 300 megapixels",
     [](Scene& s) {
         s.photo("a.jpg", claimingSize(jpegBytes(64, 48), 20000, 15000));
         s.photo("b.jpg", jpegBytes(160, 120));
     },
     loadOnly,
     {.listed = {"b.jpg"}, .shown = "b.jpg"}},
    {"a PNG of 30000 x 30000 pixels",
     [](Scene& s) {
         s.photo("a.png", hugePng());
         s.photo("b.jpg", jpegBytes(160, 120));
     },
     loadOnly,
     {.listed = {"b.jpg"}, .shown = "b.jpg"}},

    // Names that other programs trip over: listed, shown and copied as they are.
    oddName("a name with a colon", "10:30 sunset.jpg"),
    oddName("a name with a line break", "two\nlines.jpg"),
    oddName("a name with a leading dash", "-rf.jpg"),
    oddName("a name that is not UTF-8", "caf\xe9.jpg"),
    {"odd names reach the e-mail script as the bytes they are",
     [](Scene& s) {
         for (const char* name : {"caf\xe9.jpg", "-rf.jpg"})
             s.photo(name, jpegBytes(160, 120));
     },
     [](Scene& s, MainWindow& main) {
         RecordingScript script(AppTest::resourcesFolder(), "YBPageThumbnail-54.jpeg");
         s.loadFolder(main);
         main.ListBox1()->setSelected(1, true);
         main.sendMultiplePhotos();
         const std::string sent = tk::SpecialFolder::Temporary()->nativePath();
         ASSERT_EQ(script.runs().size(), 1u);
         EXPECT_EQ(script.runs()[0].arguments,
                   (Texts{sent + "/-rf.jpg\r" + sent + "/caf\xe9.jpg", "", "Photos"}));
     },
     {.listed = {"caf\xe9.jpg", "-rf.jpg"}, .shown = "caf\xe9.jpg"}},
    {"odd names renamed with a running number",
     [](Scene& s) {
         for (const char* name : {"10:30.jpg", "two\nlines.jpg", "-rf.jpg", "caf\xe9.jpg"})
             s.photo(name, jpegBytes(160, 120));
     },
     [](Scene& s, MainWindow& main) {
         s.loadFolder(main);
         auto rename = batchNameWindow::instance();
         rename->EditField1()->setText("Trip");
         rename->PushButton1()->Push();
     },
     {.listed = {"Trip1.jpg", "Trip2.jpg", "Trip3.jpg", "Trip4.jpg"}, .shown = "Trip1.jpg"}},

    // Photos that change after they were listed.
    changedBeforeSelection("a photo deleted before it is selected keeps the preview as it was",
                           &Scene::remove),
    changedBeforeSelection("a photo made unreadable before it is selected", &Scene::makeUnreadable),
    changedBeforeSelection("a photo replaced by a folder before it is selected", &Scene::replaceByFolder),
    {"a photo replaced by a pipe while shown: the preview grows without waiting on it",
     [](Scene& s) { s.photo("a.jpg", jpegBytes(2400, 1800)); },
     [](Scene& s, MainWindow& main) {
         s.loadFolder(main);
         auto canvas = main.Canvas1();
         ASSERT_TRUE(waitFor([&] { return canvas->scaledPic && canvas->scaledPic->Height() == 431; }));
         s.replaceByPipe(s.photos() / "a.jpg");
         main.setWidth(2400); // the preview now needs more pixels than it decoded
         main.setHeight(1500);
         QTest::qWait(50);
     },
     {.listed = {"a.jpg"}, .shown = "a.jpg"}},
    {"photos deleted, unreadable or a folder when saved are left out",
     [](Scene& s) {
         for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
             s.photo(name, jpegBytes(160, 120));
     },
     [](Scene& s, MainWindow& main) {
         s.loadFolder(main);
         s.remove(s.photos() / "b.jpg");
         s.makeUnreadable(s.photos() / "c.jpg");
         s.replaceByFolder(s.photos() / "d.jpg");
         s.saveAll(main);
     },
     // Only the photo that still exists is told of.
     {.listed = {"a.jpg", "b.jpg", "c.jpg", "d.jpg"},
      .messages = {"1 photo could not be read, so no copy of it was saved."},
      .copies = {"a.jpg"},
      .shown = "a.jpg"}},

    // Destinations that cannot take the copies.
    {"a read-only destination folder",
     [](Scene& s) {
         s.photo("a.jpg", jpegBytes(160, 120));
         s.photo("b.jpg", jpegBytes(160, 120));
         ::chmod(s.copies().c_str(), 0555);
     },
     loadAndSave,
     {.listed = {"a.jpg", "b.jpg"},
      .messages = {"2 copies could not be written to the chosen folder."},
      .shown = "b.jpg"}},
    {"a destination folder that vanished after it was chosen",
     [](Scene& s) { s.photo("a.jpg", jpegBytes(160, 120)); },
     [](Scene& s, MainWindow& main) {
         s.loadFolder(main);
         s.saveAll(main, s.root() / "vanished");
     },
     {.listed = {"a.jpg"},
      .messages = {"1 copy could not be written to the chosen folder."},
      .shown = "a.jpg"}},
    {"a disk that fills up leaves the older file of that name whole in the trash",
     [](Scene& s) {
         s.photo("a.jpg", jpegBytes(640, 480));
         s.photo("b.jpg", jpegBytes(640, 480));
         s.write(s.copies() / "a.jpg", "an older copy");
     },
     [](Scene& s, MainWindow& main) {
         s.loadFolder(main);
         DiskFullBeyond full(1000);
         s.saveAll(main);
     },
     {.listed = {"a.jpg", "b.jpg"},
      .messages = {"2 copies could not be written to the chosen folder.",
                   "1 file of the same name was moved to the trash."},
      .copies = {},
      .shown = "b.jpg"}},

    // Settings files that are not what they should be: the settings held are
    // kept, and nothing in that place is lost.
    {"a folder in place of the settings file, read and saved",
     [](Scene& s) {
         fs::create_directory(s.settingsFile());
         s.write(s.settingsFile() / "notes.txt", "mine");
     },
     [](Scene&, MainWindow&) {
         holdKeptSettings();
         App::instance()->getPrefs();
         App::instance()->menuHandlers().find("FilePreferences")->operator()();
         auto prefs = tk::Window::openInstance<PrefsWindow>();
         prefs->addressFld()->setText("smtp.example.net");
         prefs->PushButton4()->Push();
     },
     {.settings = Texts{"smtp.example.net", "me", "secret", "me@example.org"}}},
    {"an unreadable settings file",
     [](Scene& s) {
         s.write(s.settingsFile(), "smtp.example.net\nyou\nhidden\nyou@example.net\n");
         s.makeUnreadable(s.settingsFile());
     },
     [](Scene&, MainWindow&) {
         holdKeptSettings();
         App::instance()->getPrefs();
     },
     {.settings = keptSettings}},
    {"a settings file of six lines gives its first four",
     [](Scene& s) { s.write(s.settingsFile(), "1\n2\n3\n4\n5\n6\n"); },
     [](Scene&, MainWindow&) {
         holdKeptSettings();
         App::instance()->getPrefs();
     },
     {.settings = Texts{"1", "2", "3", "4"}}},

    // A second start of the application while a folder loads.
    {"a photo handed over while a folder loads joins the list",
     [](Scene& s) {
         for (int i = 1; i <= 12; ++i)
             s.photo(std::to_string(i) + ".jpg", jpegBytes(320, 240));
         s.write(s.root() / "handed.jpg", jpegBytes(160, 120));
     },
     [](Scene& s, MainWindow& main) {
         QWidget* list = static_cast<QListView*>(main.ListBox1()->qwidget())->viewport();
         ASSERT_TRUE(dropFiles(list, {s.photos().string()}));
         ASSERT_TRUE(waitFor([&] { return main.ListBox1()->ListCount() >= 2; }));
         SecondStart second({(s.root() / "handed.jpg").string()}, s.root().string());
         ASSERT_TRUE(waitFor([&] { return second.ended() && !main.loadingImages; }, 15000));
         EXPECT_EQ(second.exitStatus(), 0);
         ASSERT_TRUE(waitFor([&] { return main.ListBox1()->ListCount() == 13; }));
     },
     {.listed = {"1.jpg", "10.jpg", "11.jpg", "12.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg",
                 "8.jpg", "9.jpg", "handed.jpg"},
      .shown = "1.jpg"}},
};

Texts sorted(Texts texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

Texts listedNames(MainWindow& main) {
    Texts names;
    for (int row = 0; row < main.ListBox1()->ListCount(); ++row) {
        auto file = tk::RuntimeGetFolderItem(main.ListBox1()->Cell(row, 1));
        names.push_back(file ? file->Name() : "?");
    }
    return sorted(names);
}

Texts namesIn(const fs::path& folder) {
    Texts names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return sorted(names);
}

// Names each row by what it is in the test's listing.
void PrintTo(const BadInput& row, std::ostream* out) {
    *out << row.what;
}

class BadInputTest : public AppTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadInputTest, EndsAsExpectedAndLosesNothing) {
    const BadInput& row = GetParam();
    Scene scene(*host);
    ScopedVariable configHome("XDG_CONFIG_HOME", (scene.root() / "config").string());
    // The trash too lies in the scene, so that what goes there counts as kept.
    ScopedVariable dataHome("XDG_DATA_HOME", (scene.root() / "data").string());
    PermissionsBind permissions;
    row.arrange(scene);
    const std::map<std::string, int> found = scene.contents();
    Outcome actual;
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        row.act(scene, *main);
        actual = {listedNames(*main), host->messages, namesIn(scene.copies()), main->Label3()->Text(),
                  Texts{smtpAddress, smtpUserName, smtpPassword, fromAddress}};
    });
    EXPECT_EQ(actual.listed, sorted(row.expected.listed));
    EXPECT_EQ(actual.messages, row.expected.messages);
    EXPECT_EQ(actual.copies, sorted(row.expected.copies));
    if (row.expected.shown) {
        EXPECT_EQ(actual.shown, row.expected.shown);
    }
    if (row.expected.settings) {
        EXPECT_EQ(actual.settings, row.expected.settings);
    }

    const std::map<std::string, int> left = scene.contents();
    for (const auto& [bytes, count] : found) {
        const auto kept = left.find(bytes);
        const int taken = scene.taken.count(bytes) ? scene.taken.at(bytes) : 0;
        EXPECT_GE(kept == left.end() ? 0 : kept->second, count - taken)
            << "a file of " << bytes.size() << " bytes was lost";
    }
}

std::string rowName(const ::testing::TestParamInfo<BadInput>& info) {
    std::string name;
    bool upper = true;
    for (char c : std::string(info.param.what)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? char(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputTest, ::testing::ValuesIn(cases), rowName);

} // namespace
