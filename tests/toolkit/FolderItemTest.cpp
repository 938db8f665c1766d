#include "toolkit/files/FolderItem.h"
#include "toolkit/files/PosixFile.h"
#include "toolkit/files/TextStream.h"

#include "tests/support/FileSystemLimits.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tk;

mode_t modeOf(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Each test works in a fresh folder inside the sandbox.
// Whether the folder's file system makes unnamed files.
bool makesUnnamedFiles(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

class FolderItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = testenv::sandboxPath() + "/case-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        folder = makeRef<FolderItem>(dir);
    }
    void TearDown() override {
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::filesystem::remove_all(dir);
    }

    std::string path(const std::string& name) const { return dir + "/" + name; }

    static void write(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    // The file's content, or "<missing>".
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return "<missing>";
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
    // All names in a folder, hidden ones too, in byte order.
    static std::vector<std::string> entries(const std::string& folderPath) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folderPath))
            names.push_back(entry.path().filename().native());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string dir;
    Ref<FolderItem> folder;
};

using Names = std::vector<std::string>;

TEST_F(FolderItemTest, AbsolutePathRoundTripsEveryName) {
    const Names names = {"a:b",        ":",           "::x::",     "line\nbreak", "-rf",         "--",
                         "with space", " lead",       "trail ",    "\xFF\xFE",    "caf\xC3\xA9", "...",
                         ".hidden",    "back\\slash", "tab\there", "*?["};
    for (const std::string& name : names) {
        write(path(name), "x");
        const Ref<FolderItem> item = folder->Child(name);
        ASSERT_TRUE(item) << testing::PrintToString(name);
        const std::string text = item->AbsolutePath();
        const Ref<FolderItem> back = RuntimeGetFolderItem(text);
        ASSERT_TRUE(back) << testing::PrintToString(text);
        EXPECT_EQ(back->nativePath(), path(name));
        EXPECT_EQ(back->Name(), name);
        EXPECT_TRUE(back->Exists()) << testing::PrintToString(text);
        EXPECT_EQ(back->Child("inner")->AbsolutePath(), text + ":inner");
    }
}

TEST_F(FolderItemTest, AbsolutePathForm) {
    EXPECT_EQ(FolderItem("/").AbsolutePath(), ":");
    EXPECT_EQ(FolderItem("/home/u/a:b.jpg").AbsolutePath(), "home:u:a/b.jpg");
    EXPECT_EQ(RuntimeGetFolderItem(":")->nativePath(), "/");
    EXPECT_EQ(RuntimeGetFolderItem("home:u:a/b.jpg")->nativePath(), "/home/u/a:b.jpg");
    EXPECT_EQ(RuntimeGetFolderItem("x:/..:y")->nativePath(), "/x/:../y");
}

TEST_F(FolderItemTest, TextsThatAreNoPathGiveNil) {
    const Names texts = {"a::b",
                         ":a",
                         "a:",
                         "::",
                         ":::",
                         "a:.:b",
                         "a:..",
                         ".",
                         "..",
                         std::string("a\0b", 3),
                         std::string("a:\0", 3)};
    for (const std::string& text : texts)
        EXPECT_FALSE(RuntimeGetFolderItem(text)) << testing::PrintToString(text);
}

TEST_F(FolderItemTest, EmptyTextNamesTheExecutablesFolder) {
    const Ref<FolderItem> item = RuntimeGetFolderItem("");
    ASSERT_TRUE(item);
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe").filename().native();
    EXPECT_TRUE(item->Child(executable)->Exists());
}

TEST_F(FolderItemTest, PathsAreNormalisedLexically) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/a/./b/", "/a/b"}, {"//a//b", "/a/b"}, {"/a/b/../c", "/a/c"}, {"/..", "/"}, {"/", "/"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(FolderItem(in).nativePath(), out) << in;
    EXPECT_THROW(FolderItem(std::string("/a\0b", 4)), UnsupportedOperationException);
}

TEST_F(FolderItemTest, ChildAndParent) {
    EXPECT_EQ(folder->Child("")->nativePath(), dir);
    EXPECT_EQ(folder->Child("x")->nativePath(), dir + "/x");
    EXPECT_EQ(folder->Child("x")->Parent()->nativePath(), dir);
    for (const std::string& bad : Names{"x/y", "/", ".", "..", std::string("x\0y", 3)})
        EXPECT_FALSE(folder->Child(bad)) << testing::PrintToString(bad);
    const FolderItem root("/");
    EXPECT_FALSE(root.Parent());
    EXPECT_EQ(root.Name(), "/");
    EXPECT_EQ(root.Child("etc")->nativePath(), "/etc");
    EXPECT_EQ(FolderItem("/etc").Parent()->nativePath(), "/");
}

TEST_F(FolderItemTest, SetNameRenamesFilesAndFolders) {
    write(path("a.txt"), "A");
    FolderItem file(path("a.txt"));
    file.setName("b.txt");
    EXPECT_EQ(file.nativePath(), path("b.txt"));
    EXPECT_EQ(read(path("b.txt")), "A");
    EXPECT_EQ(entries(dir), Names{"b.txt"});

    FolderItem sub(path("sub"));
    sub.CreateAsFolder();
    ASSERT_TRUE(sub.Directory());
    sub.setName("renamed:sub");
    EXPECT_TRUE(FolderItem(path("renamed:sub")).Directory());
    EXPECT_EQ(sub.nativePath(), path("renamed:sub"));
}

TEST_F(FolderItemTest, SetNameNeverReplaces) {
    write(path("a.txt"), "A");
    write(path("file"), "B");
    FolderItem(path("folder")).CreateAsFolder();
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    for (const std::string& taken : Names{"file", "folder", "dangling"}) {
        FolderItem item(path("a.txt"));
        item.setName(taken);
        EXPECT_EQ(item.nativePath(), path("a.txt")) << taken;
    }
    EXPECT_EQ(read(path("a.txt")), "A");
    EXPECT_EQ(read(path("file")), "B");
    EXPECT_TRUE(FolderItem(path("folder")).Directory());
    EXPECT_EQ(std::filesystem::read_symlink(path("dangling")), "nowhere");
}

TEST_F(FolderItemTest, SetNameRefusesMissingFilesAndBadNames) {
    FolderItem missing(path("missing"));
    missing.setName("new");
    EXPECT_EQ(missing.nativePath(), path("missing"));
    EXPECT_FALSE(FolderItem(path("new")).Exists());

    write(path("a.txt"), "A");
    for (const std::string& bad : Names{"", ".", "..", "x/y", std::string("x\0y", 3)}) {
        FolderItem item(path("a.txt"));
        item.setName(bad);
        EXPECT_EQ(item.nativePath(), path("a.txt")) << testing::PrintToString(bad);
    }
    EXPECT_EQ(entries(dir), Names{"a.txt"});
}

TEST_F(FolderItemTest, DisplayNameIsValidUtf8) {
    EXPECT_EQ(FolderItem(path("caf\xC3\xA9.jpg")).DisplayName(), "caf\xC3\xA9.jpg");
    EXPECT_EQ(FolderItem(path("a\xFF.jpg")).DisplayName(), "a\xEF\xBF\xBD.jpg");
}

TEST_F(FolderItemTest, ItemsInNaturalOrderHiddenOnesToo) {
    for (const char* name : {"10.jpg", "2.jpg", "1.jpg", "B.jpg", "a.jpg", "A.jpg", ".hidden", "img12.png",
                             "img2.png", "IMG3.png"})
        write(path(name), "x");
    FolderItem(path("sub")).CreateAsFolder();
    const Names expected = {".hidden", "1.jpg",    "2.jpg",    "10.jpg",    "A.jpg", "a.jpg",
                            "B.jpg",   "img2.png", "IMG3.png", "img12.png", "sub"};
    ASSERT_EQ(folder->Count(), int(expected.size()));
    Names listed;
    for (int i = 1; i <= folder->Count(); ++i)
        listed.push_back(folder->Item(i)->Name());
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(folder->Item(0));
    EXPECT_FALSE(folder->Item(folder->Count() + 1));
    EXPECT_EQ(folder->Item(1)->Parent()->nativePath(), dir);
}

TEST_F(FolderItemTest, ListingFollowsChangesToTheFolder) {
    write(path("b"), "x");
    EXPECT_EQ(folder->Count(), 1);
    write(path("a"), "x");
    EXPECT_EQ(folder->Count(), 2);
    EXPECT_EQ(folder->Item(1)->Name(), "a");

    // Item() without a new Count() notices the folder changed.
    ::unlink(path("a").c_str());
    const timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.c_str(), later, 0), 0);
    EXPECT_EQ(folder->Item(1)->Name(), "b");
    EXPECT_FALSE(folder->Item(2));
}

TEST_F(FolderItemTest, ItemsKnowTheirPlaceInTheListingTheyCameFrom) {
    for (const char* name : {"1.jpg", "2.jpg", "10.jpg"})
        write(path(name), "x");
    const Ref<FolderItem> first = folder->Item(1);
    ASSERT_TRUE(first->listedIn());
    EXPECT_EQ(first->listedAt(), 1);
    EXPECT_EQ(folder->Item(3)->listedIn(), first->listedIn()) << "one listing for one reading of the folder";
    EXPECT_EQ(first->listedAfter(2)->nativePath(), path("10.jpg"));
    EXPECT_EQ(first->listedAfter(2)->listedAt(), 3);
    EXPECT_EQ(first->listedAfter(0)->nativePath(), first->nativePath());
    EXPECT_FALSE(first->listedAfter(3));
    EXPECT_FALSE(first->listedAfter(-1));

    // The folder read anew gives a new listing; an item keeps the one it came from.
    write(path("3.jpg"), "x");
    const timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.c_str(), later, 0), 0);
    EXPECT_EQ(folder->Item(3)->Name(), "3.jpg");
    EXPECT_NE(folder->Item(3)->listedIn(), first->listedIn());
    EXPECT_EQ(first->listedAfter(2)->Name(), "10.jpg");

    // Items that no listing gave, and a listed item once renamed, stand in none.
    EXPECT_FALSE(FolderItem(path("1.jpg")).listedIn());
    EXPECT_FALSE(folder->Child("1.jpg")->listedIn());
    EXPECT_FALSE(first->Parent()->listedIn());
    const Ref<FolderItem> renamed = folder->Item(1);
    renamed->setName("one.jpg");
    ASSERT_EQ(renamed->Name(), "one.jpg");
    EXPECT_FALSE(renamed->listedIn());
    EXPECT_FALSE(renamed->listedAfter(1));
}

TEST_F(FolderItemTest, NoItemsInFilesOrMissingFolders) {
    write(path("file"), "x");
    EXPECT_EQ(FolderItem(path("file")).Count(), 0);
    EXPECT_FALSE(FolderItem(path("file")).Item(1));
    EXPECT_EQ(FolderItem(path("missing")).Count(), 0);
}

TEST_F(FolderItemTest, CreateTextFileReplacesTheOldFileOnlyOnClose) {
    write(path("notes.txt"), "old\n");
    ::chmod(path("notes.txt").c_str(), 0640);
    const Ref<TextOutputStream> out = folder->Child("notes.txt")->CreateTextFile();
    ASSERT_TRUE(out);
    out->WriteLine("new");
    EXPECT_EQ(read(path("notes.txt")), "old\n");
    EXPECT_EQ(folder->Count(), makesUnnamedFiles(dir) ? 1 : 2)
        << "a file being written has no name where it can";
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(read(path("notes.txt")), "new\n");
    EXPECT_EQ(entries(dir), Names{"notes.txt"});
    EXPECT_EQ(modeOf(path("notes.txt")), 0640u);
}

TEST_F(FolderItemTest, NewTextFileFollowsTheUmask) {
    const mode_t old = ::umask(027);
    EXPECT_TRUE(folder->Child("new.txt")->CreateTextFile()->Close());
    ::umask(old);
    EXPECT_EQ(modeOf(path("new.txt")), 0640u);
}

TEST_F(FolderItemTest, OwnerOnlyTextFileIsPrivateWhateverItReplaces) {
    write(path("old.txt"), "old\n");
    ::chmod(path("old.txt").c_str(), 0644);
    const mode_t old = ::umask(0);
    for (const char* name : {"old.txt", "new.txt"}) {
        const Ref<TextOutputStream> out = folder->Child(name)->CreateTextFile(FileAccess::ownerOnly);
        ASSERT_TRUE(out) << name;
        out->WriteLine("secret");
        EXPECT_TRUE(out->Close());
        EXPECT_EQ(modeOf(path(name)), 0600u) << name;
        EXPECT_EQ(read(path(name)), "secret\n");
    }
    ::umask(old);
    EXPECT_EQ(entries(dir), (Names{"new.txt", "old.txt"}));
}

TEST_F(FolderItemTest, StreamDestroyedWithoutCloseCompletesTheFile) {
    folder->Child("t.txt")->CreateTextFile()->Write("kept");
    EXPECT_EQ(read(path("t.txt")), "kept");
    EXPECT_EQ(entries(dir), Names{"t.txt"});
}

TEST_F(FolderItemTest, CreateTextFileThroughALinkKeepsTheLink) {
    write(path("real.txt"), "old");
    ASSERT_EQ(::symlink("real.txt", path("link.txt").c_str()), 0);
    const Ref<TextOutputStream> out = folder->Child("link.txt")->CreateTextFile();
    ASSERT_TRUE(out);
    out->Write("new");
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(std::filesystem::read_symlink(path("link.txt")), "real.txt");
    EXPECT_EQ(read(path("real.txt")), "new");
}

TEST_F(FolderItemTest, NoTextFileWhereNoneCanBeWritten) {
    FolderItem(path("sub")).CreateAsFolder();
    EXPECT_FALSE(folder->Child("sub")->CreateTextFile());
    EXPECT_FALSE(folder->Child("missing")->Child("t.txt")->CreateTextFile());
    EXPECT_FALSE(TextOutputStream::Append(folder->Child("sub")));
    PermissionsBind permissions;
    ::chmod(path("sub").c_str(), 0500);
    EXPECT_FALSE(folder->Child("sub")->Child("t.txt")->CreateTextFile());
    EXPECT_FALSE(TextOutputStream::Append(folder->Child("sub")->Child("t.txt")));
}

TEST_F(FolderItemTest, AppendKeepsTheOldContent) {
    write(path("log.txt"), "one\n");
    const Ref<TextOutputStream> out = TextOutputStream::Append(folder->Child("log.txt"));
    ASSERT_TRUE(out);
    out->WriteLine("two");
    EXPECT_EQ(read(path("log.txt")), "one\n");
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(read(path("log.txt")), "one\ntwo\n");

    const Ref<TextOutputStream> fresh = TextOutputStream::Append(folder->Child("new.txt"));
    ASSERT_TRUE(fresh);
    fresh->Write("first");
    EXPECT_TRUE(fresh->Close());
    EXPECT_EQ(read(path("new.txt")), "first");
    EXPECT_EQ(entries(dir), (Names{"log.txt", "new.txt"}));
}

TEST_F(FolderItemTest, ReadLineKnowsEveryLineEnd) {
    write(path("in.txt"), "one\ntwo\r\nthree\rfour\r\r\n\nlast");
    const Ref<TextInputStream> in = folder->Child("in.txt")->OpenAsTextFile();
    ASSERT_TRUE(in);
    Names lines;
    while (!in->EOF_())
        lines.push_back(in->ReadLine());
    EXPECT_EQ(lines, (Names{"one", "two", "three", "four", "", "", "last"}));
    EXPECT_EQ(in->ReadLine(), "");
}

TEST_F(FolderItemTest, WrittenLinesReadBack) {
    const Names lines = {"caf\xC3\xA9", "", "  spaced  ", "\xE6\x97\xA5"};
    const Ref<TextOutputStream> out = folder->Child("t.txt")->CreateTextFile();
    for (const std::string& line : lines)
        out->WriteLine(line);
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(read(path("t.txt")), "caf\xC3\xA9\n\n  spaced  \n\xE6\x97\xA5\n");
    const Ref<TextInputStream> in = folder->Child("t.txt")->OpenAsTextFile();
    Names back;
    while (!in->EOF_())
        back.push_back(in->ReadLine());
    EXPECT_EQ(back, lines);
}

TEST_F(FolderItemTest, NoTextFileToReadWhereNoneIs) {
    FolderItem(path("sub")).CreateAsFolder();
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    for (const char* name : {"missing", "sub", "fifo"})
        EXPECT_FALSE(folder->Child(name)->OpenAsTextFile()) << name;
    PermissionsBind permissions;
    write(path("secret"), "x");
    ::chmod(path("secret").c_str(), 0);
    EXPECT_FALSE(folder->Child("secret")->OpenAsTextFile());
}

TEST_F(FolderItemTest, CopyFileToNeverReplaces) {
    write(path("photo.jpg"), "picture");
    FolderItem(path("dest")).CreateAsFolder();
    const Ref<FolderItem> dest = folder->Child("dest");
    folder->Child("photo.jpg")->CopyFileTo(dest);
    EXPECT_EQ(read(path("dest/photo.jpg")), "picture");
    EXPECT_EQ(read(path("photo.jpg")), "picture");

    write(path("photo.jpg"), "changed");
    folder->Child("photo.jpg")->CopyFileTo(dest);
    EXPECT_EQ(read(path("dest/photo.jpg")), "picture");
    EXPECT_EQ(entries(path("dest")), Names{"photo.jpg"});

    folder->Child("photo.jpg")->CopyFileTo(folder); // onto itself
    EXPECT_EQ(read(path("photo.jpg")), "changed");
    folder->Child("missing")->CopyFileTo(dest);
    folder->Child("photo.jpg")->CopyFileTo(folder->Child("nowhere"));
    EXPECT_EQ(entries(dir), (Names{"dest", "photo.jpg"}));
}

TEST_F(FolderItemTest, MoveFileToNeverReplaces) {
    write(path("a.jpg"), "A");
    FolderItem(path("dest")).CreateAsFolder();
    FolderItem item(path("a.jpg"));
    item.MoveFileTo(folder->Child("dest"));
    EXPECT_EQ(item.nativePath(), path("dest/a.jpg"));
    EXPECT_EQ(read(path("dest/a.jpg")), "A");
    EXPECT_FALSE(FolderItem(path("a.jpg")).Exists());

    write(path("a.jpg"), "other");
    FolderItem second(path("a.jpg"));
    second.MoveFileTo(folder->Child("dest"));
    EXPECT_EQ(second.nativePath(), path("a.jpg"));
    EXPECT_EQ(read(path("a.jpg")), "other");
    EXPECT_EQ(read(path("dest/a.jpg")), "A");

    second.MoveFileTo(folder->Child("missing"));
    EXPECT_EQ(read(path("a.jpg")), "other");
}

TEST_F(FolderItemTest, MoveFileToTrashKeepsEveryTrashedFile) {
    const Ref<FolderItem> trash = SpecialFolder::Trash();
    for (const char* content : {"first", "second"}) {
        write(path("same.jpg"), content);
        FolderItem item(path("same.jpg"));
        item.MoveFileTo(trash);
        EXPECT_FALSE(FolderItem(path("same.jpg")).Exists());
        EXPECT_EQ(item.Parent()->nativePath(), trash->nativePath());
        EXPECT_EQ(read(item.nativePath()), content);
        EXPECT_TRUE(trash->Parent()->Child("info")->Child(item.Name() + ".trashinfo")->Exists());
    }
}

TEST_F(FolderItemTest, AFileTheTrashCannotTakeStaysWhereItIs) {
    // A name that is no UTF-8: Qt would look the name up as text and miss the file.
    write(path("a\xFF.jpg"), "x");
    // No trash can be made where a file stands in its place: Qt would move the file into the current folder.
    write(path("b.jpg"), "y");
    std::filesystem::create_directory(path("data"));
    write(path("data/Trash"), "a file in the trash's place");
    for (const auto& [name, dataHome] : {std::pair{"a\xFF.jpg", std::string(std::getenv("XDG_DATA_HOME"))},
                                         std::pair{"b.jpg", path("data")}}) {
        ScopedVariable data("XDG_DATA_HOME", dataHome);
        FolderItem item(path(name));
        item.MoveFileTo(SpecialFolder::Trash());
        EXPECT_EQ(item.nativePath(), path(name));
        EXPECT_TRUE(FolderItem(path(name)).Exists()) << name;
        EXPECT_FALSE(FolderItem(std::filesystem::current_path().string() + "/files/" + name).Exists()) << name;
    }
}

TEST_F(FolderItemTest, SameFileThroughOtherNames) {
    write(path("f"), "x");
    write(path("g"), "x");
    ASSERT_EQ(::symlink("f", path("link").c_str()), 0);
    ASSERT_EQ(::link(path("f").c_str(), path("hard").c_str()), 0);
    const FolderItem f(path("f"));
    EXPECT_TRUE(f.sameFileAs(FolderItem(path("link"))));
    EXPECT_TRUE(f.sameFileAs(FolderItem(path("hard"))));
    EXPECT_TRUE(
        f.sameFileAs(FolderItem(dir + "/../" + std::filesystem::path(dir).filename().native() + "/f")));
    EXPECT_FALSE(f.sameFileAs(FolderItem(path("g"))));
    EXPECT_FALSE(f.sameFileAs(FolderItem(path("missing"))));
    EXPECT_FALSE(FolderItem(path("missing")).sameFileAs(FolderItem(path("missing"))));
}

TEST_F(FolderItemTest, SpecialFoldersFollowTheXdgVariables) {
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(SpecialFolder::ApplicationData()->nativePath(), std::getenv("XDG_CONFIG_HOME"));
    EXPECT_EQ(SpecialFolder::Trash()->nativePath(),
              std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/files");
    {
        ScopedVariable config("XDG_CONFIG_HOME", "relative/config");
        ScopedVariable data("XDG_DATA_HOME", "");
        EXPECT_EQ(SpecialFolder::ApplicationData()->nativePath(), home + "/.config");
        EXPECT_EQ(SpecialFolder::Trash()->nativePath(), home + "/.local/share/Trash/files");
    }
}

TEST_F(FolderItemTest, DocumentsFromUserDirs) {
    ScopedVariable config("XDG_CONFIG_HOME", dir);
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(SpecialFolder::Documents()->nativePath(), home + "/Documents");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", home + "/Docs"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n  XDG_DOCUMENTS_DIR = \"/data/my \\\"papers\\\"\"\n",
         "/data/my \"papers\""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\n", home + "/B"},
        {"XDG_DOCUMENTS_DIR=\"relative\"\n", home + "/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOMEY\"\n", home + "/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/unclosed\n", home + "/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", home},
    };
    for (const auto& [file, documents] : cases) {
        write(path("user-dirs.dirs"), file);
        EXPECT_EQ(SpecialFolder::Documents()->nativePath(), documents) << file;
    }
}

TEST_F(FolderItemTest, TemporaryFolderIsPrivate) {
    const auto expectPrivate = [](const Ref<FolderItem>& temporary) {
        ASSERT_TRUE(temporary);
        struct stat st;
        ASSERT_EQ(::lstat(temporary->nativePath().c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_EQ(st.st_uid, ::geteuid());
    };
    const Ref<FolderItem> temporary = SpecialFolder::Temporary();
    expectPrivate(temporary);
    EXPECT_EQ(temporary->Parent()->nativePath(), std::getenv("XDG_RUNTIME_DIR"));
    EXPECT_EQ(SpecialFolder::Temporary()->nativePath(), temporary->nativePath());

    // A shared runtime folder, or a folder of that name others can enter, is not used.
    FolderItem(path("shared")).CreateAsFolder();
    ::chmod(path("shared").c_str(), 0777);
    FolderItem(path("runtime")).CreateAsFolder();
    ::chmod(path("runtime").c_str(), 0700);
    FolderItem(path("runtime/tessivo")).CreateAsFolder();
    ::chmod(path("runtime/tessivo").c_str(), 0755);
    for (const char* runtime : {"shared", "runtime"}) {
        ScopedVariable variable("XDG_RUNTIME_DIR", path(runtime));
        const Ref<FolderItem> fallback = SpecialFolder::Temporary();
        expectPrivate(fallback);
        EXPECT_NE(fallback->Parent()->nativePath(), path(runtime));
        EXPECT_EQ(fallback->Name().rfind("tessivo-", 0), 0u);
    }
    EXPECT_EQ(entries(path("shared")), Names{});
}

struct PendingFileCase {
    const char* label;
    posix::PendingFile::Temporary kind;
    std::size_t entriesWhilePending; // beside the target
};

class PendingFileTest : public FolderItemTest, public ::testing::WithParamInterface<PendingFileCase> {};

TEST_P(PendingFileTest, PutsItsFileInPlaceOnlyOnCommit) {
    if (GetParam().kind == posix::PendingFile::Temporary::unnamedWherePossible && !makesUnnamedFiles(dir))
        GTEST_SKIP() << "this file system makes no unnamed files";
    write(path("photo.jpg"), "old");
    {
        posix::PendingFile file(path("photo.jpg"), GetParam().kind);
        file.write("new", 3);
        EXPECT_EQ(entries(dir).size(), 1 + GetParam().entriesWhilePending);
        EXPECT_FALSE(file.commit(0600, false));
        EXPECT_EQ(read(path("photo.jpg")), "old");
    }
    {
        posix::PendingFile file(path("photo.jpg"), GetParam().kind);
        file.write("new", 3);
        EXPECT_TRUE(file.commit(0640, true));
        EXPECT_EQ(read(path("photo.jpg")), "new");
        EXPECT_EQ(modeOf(path("photo.jpg")), 0640u);
    }
    {
        posix::PendingFile file(path("fresh.jpg"), GetParam().kind);
        file.write("x", 1);
        EXPECT_TRUE(file.commit(0644, false));
        EXPECT_EQ(read(path("fresh.jpg")), "x");
    }
    {
        posix::PendingFile file(path("abandoned.jpg"), GetParam().kind);
        file.write("x", 1);
    }
    EXPECT_EQ(entries(dir), (Names{"fresh.jpg", "photo.jpg"}));
    EXPECT_FALSE(posix::PendingFile(path("missing/photo.jpg"), GetParam().kind).isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PendingFileTest,
    ::testing::Values(PendingFileCase{"Unnamed", posix::PendingFile::Temporary::unnamedWherePossible, 0},
                      PendingFileCase{"Named", posix::PendingFile::Temporary::named, 1}),
    [](const auto& info) { return std::string(info.param.label); });

// What a crash or a kill in the middle of a write leaves in the folder: nothing.
TEST_F(FolderItemTest, AFileBeingWrittenLeavesNothingWhenItsProcessIsKilled) {
    if (!makesUnnamedFiles(dir))
        GTEST_SKIP() << "this file system makes no unnamed files";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const std::string target = path("copy.jpg");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        posix::PendingFile file(target);
        file.write("half a photo", 12);
        (void)!::write(ready[1], "1", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    EXPECT_EQ(::read(ready[0], &byte, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(entries(dir), Names{});
}

} // namespace
