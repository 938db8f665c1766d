// Saving scaled copies: sizes, order, names, what is skipped, stopping, and
// the copies that must not or cannot be written.
#include "tests/support/AppFixture.h"
#include "tests/support/Drops.h"
#include "tests/support/PhotoFiles.h"
#include "tests/support/ScopedVariable.h"

#include "workspace/MainWindow.h"

#include "toolkit/pictures/DecodePool.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

class SavingTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        QDir(dir.path()).mkdir("photos");
        QDir(dir.path()).mkdir("copies");
        photosFolder = dir.filePath("photos");
        copiesFolder = dir.filePath("copies");
    }
    static void add(MainWindow& main, const std::string& path) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
    }
    // Lists the photos and selects every row.
    static void listAllSelected(MainWindow& main, const std::vector<std::string>& files) {
        for (const auto& file : files)
            add(main, file);
        for (int row = 0; row < main.ListBox1()->ListCount(); ++row)
            main.ListBox1()->setSelected(row, true);
    }
    static std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
    QSize copySize(const QString& name) const {
        return QImageReader(QDir(copiesFolder).filePath(name)).size();
    }
    // The contents of the files in the trash.
    static QList<QByteArray> trashed() {
        const QDir trash(
            QFile::decodeName(QByteArray::fromStdString(tk::SpecialFolder::Trash()->nativePath())));
        QList<QByteArray> contents;
        for (const QString& name : trash.entryList(QDir::Files | QDir::Hidden)) {
            QFile file(trash.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                contents.push_back(file.readAll());
        }
        return contents;
    }

    QTemporaryDir dir;
    QString photosFolder, copiesFolder;
};

TEST_F(SavingTest, CopiesAreFittedIntoThePreviewAndWrittenInRowOrder) {
    const std::string wide = photos::write(photosFolder, "wide.jpg", 1172, 402);
    const std::string small = photos::write(photosFolder, ".b.png", 300, 201, "png"); // hidden, saved alike
    host->folderAnswers = {native(copiesFolder), native(copiesFolder)};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, wide);
        add(*main, small);
        main->ListBox1()->setListIndex(1);
        main->ListBox1()->setSelected(0, true);
        main->saveAllPhotos();
        EXPECT_EQ(copySize("wide.jpg"), QSize(586, 201));
        EXPECT_EQ(copySize(".b.png"), QSize(300, 201)) << "never enlarged";
        EXPECT_EQ(QImageReader(QDir(copiesFolder).filePath(".b.png")).format(), "jpeg");
        EXPECT_EQ(main->ListBox1()->ListIndex(), 1) << "the selection ends on the last saved row";
        EXPECT_EQ(host->folderRequests.at(0).prompt, "Choose a location to save the photos.");
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Resize window to scale photo.");

        // A larger window makes larger copies.
        main->setWidth(1416);
        main->setHeight(986);
        QTest::qWait(1);
        main->ListBox1()->setListIndex(0);
        main->saveAllPhotos();
        EXPECT_EQ(copySize("wide.jpg"), QSize(1172, 402));
        EXPECT_EQ(host->messages,
                  (std::vector<std::string>{"1 file of the same name was moved to the trash."}))
            << "the earlier copy";
    });
}

// The photos of a run are decoded ahead and their copies written behind it,
// side by side: each copy is still the very bytes of one made on its own.
TEST_F(SavingTest, CopiesOfARunAreTheBytesOfCopiesMadeOneAtATime) {
    std::vector<std::string> files;
    for (int i = 1; i <= 12; ++i)
        files.push_back(photos::write(photosFolder, QString("%1.jpg").arg(i), 1200, 900, "jpeg",
                                      QColor::fromHsv(i * 29 % 360, 200, 200),
                                      QColor::fromHsv(i * 53 % 360, 90, 120)));
    host->folderAnswers = {native(copiesFolder)};
    QDir(dir.path()).mkdir("alone");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        listAllSelected(*main, files);
        main->saveAllPhotos();
        EXPECT_TRUE(host->messages.empty());
        for (std::size_t i = 0; i < files.size(); ++i) {
            // Nothing decoded during the run serves this copy.
            ASSERT_TRUE(photos::renew(files[i]));
            auto file = tk::makeRef<tk::FolderItem>(files[i]);
            const QString name = QString::fromStdString(file->Name());
            ASSERT_TRUE(tk::makeRef<tk::FolderItem>(native(dir.filePath("alone/" + name)))
                            ->SaveAsJPEG(main->scaleForSaving(file->OpenAsPicture())));
            QFile inRun(QDir(copiesFolder).filePath(name)), alone(dir.filePath("alone/" + name));
            ASSERT_TRUE(inRun.open(QIODevice::ReadOnly)) << name.toStdString();
            ASSERT_TRUE(alone.open(QIODevice::ReadOnly));
            EXPECT_TRUE(inRun.readAll() == alone.readAll()) << name.toStdString();
        }
    });
}

// What the user does in a pause of a run, after its second copy: every copy
// carries its own photo's name and pixels, a photo removed before its turn is
// not saved and no other is skipped, and closing or quitting ends the run at
// once, with no second main window.
TEST_F(SavingTest, WhatTheUserDoesInARunsPausesNeverMisnamesOrSkipsACopy) {
    // Told apart by their widths: p1.jpg is 101 wide, p4.png 104.
    const QStringList names = {"p1.jpg", "p2.jpg", "p3.jpg", "p4.png"};
    std::map<QString, int> widthOf;
    std::vector<std::string> files;
    for (int i = 1; i <= 4; ++i) {
        widthOf[names[i - 1]] = 100 + i;
        files.push_back(photos::write(photosFolder, names[i - 1], 100 + i, 60, i == 4 ? "png" : "jpeg"));
    }
    const QString otherFolder = dir.filePath("other"), moreCopies = dir.filePath("more copies");
    QDir().mkdir(otherFolder);
    QDir().mkdir(moreCopies);
    photos::write(otherFolder, "q1.jpg", 50, 50);
    const std::string dropped = photos::write(dir.path(), "dropped.jpg", 90, 60);

    struct Case {
        const char* what;
        std::function<void(MainWindow&)> act;
        QStringList copies;          // in the run's folder
        QStringList moreCopies = {}; // in the folder of a second Save Selected
        bool quits = false;
    };
    const auto removeRow = [](MainWindow& main, int row) {
        main.ListBox1()->setListIndex(row);
        main.PushButton5()->Push();
    };
    const Case cases[] = {
        {"closing the window",
         [](MainWindow& main) { main.widget()->close(); },
         {"p1.jpg", "p2.jpg"},
         {},
         true},
        {"Quit",
         [](MainWindow& main) { menuAction(main, "&File", "Quit")->trigger(); },
         {"p1.jpg", "p2.jpg"},
         {},
         true},
        {"- on the current row", [&](MainWindow& main) { removeRow(main, 1); }, names},
        {"- on a row ahead", [&](MainWindow& main) { removeRow(main, 2); }, {"p1.jpg", "p2.jpg", "p4.png"}},
        {"- on a row behind", [&](MainWindow& main) { removeRow(main, 0); }, names},
        {"a drop",
         [&](MainWindow& main) {
             ASSERT_TRUE(
                 dropFiles(static_cast<QListView*>(main.ListBox1()->qwidget())->viewport(), {dropped}));
         },
         names},
        {"Open Folder",
         [&](MainWindow& main) {
             host->folderAnswers.push_back(native(otherFolder));
             main.Toolbar11()->OpenFolder->action()->trigger();
         },
         {"p1.jpg", "p2.jpg"}},
        {"Save Selected again",
         [&](MainWindow& main) {
             host->folderAnswers.push_back(native(moreCopies));
             main.Toolbar11()->Save->action()->trigger();
         },
         names,
         {"p2.jpg"}},
    };
    for (const Case& c : cases) {
        for (const QString& folder : {copiesFolder, moreCopies})
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                QFile::remove(QDir(folder).filePath(name));
        host->folderAnswers = {native(copiesFolder)};
        bool secondMainWindow = false;
        const int status = runTessivoWith(
            [&] {
                auto main = MainWindow::instance();
                listAllSelected(*main, files);
                auto list = main->ListBox1();
                int changes = 0;
                list->Change.bind([&](tk::Listbox& l) {
                    main->ListBox1_Change(l);
                    // In the pause that follows the second photo's copy.
                    if (++changes == 2)
                        QTimer::singleShot(0, [&] { c.act(*main); });
                });
                main->Toolbar11()->Save->action()->trigger();
                const auto open = tk::Window::openInstance<MainWindow>();
                secondMainWindow = open && open.get() != main.get();
            },
            {.documents = {}, .scriptQuits = c.quits});
        EXPECT_EQ(status, 0) << c.what;
        EXPECT_FALSE(secondMainWindow) << c.what;
        EXPECT_TRUE(tk::DecodePool::instance().idle()) << c.what;
        for (const auto& [folder, expected] :
             {std::pair{copiesFolder, c.copies}, std::pair{moreCopies, c.moreCopies}}) {
            const QStringList written = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
            EXPECT_EQ(written.join(" | ").toStdString(), expected.join(" | ").toStdString()) << c.what;
            for (const QString& name : written)
                EXPECT_EQ(QImageReader(QDir(folder).filePath(name)).size(), QSize(widthOf[name], 60))
                    << c.what << ": " << name.toStdString();
        }
    }
}

// A name that links to a copy this run writes is that copy's name too, also
// while the copy is still being written.
TEST_F(SavingTest, ANameLinkedToACopyOfTheRunGivesTheNextNumber) {
    const std::vector<std::string> files = {photos::write(photosFolder, "Other.jpg", 80, 60),
                                            photos::write(photosFolder, "IMG.jpg", 80, 60)};
    photos::write(copiesFolder, "Other.jpg", 10, 10);
    ASSERT_EQ(::symlink("Other.jpg", native(QDir(copiesFolder).filePath("IMG.jpg")).c_str()), 0);
    host->folderAnswers = {native(copiesFolder)};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        listAllSelected(*main, files);
        main->saveAllPhotos();
        EXPECT_EQ(host->messages,
                  (std::vector<std::string>{"1 file of the same name was moved to the trash."}));
        EXPECT_EQ(copySize("Other.jpg"), QSize(80, 60));
        EXPECT_EQ(copySize("IMG 2.jpg"), QSize(80, 60));
    });
}

// A file already in the chosen folder under a copy's name: a listed photo is
// never replaced, nor passed to a numbered copy; any other file goes to the
// trash first, or, where the trash refuses it, stays and the copy is numbered.
TEST_F(SavingTest, AFileAlreadyInTheFolderIsNeverLost) {
    const QSize original(800, 500), fitted(586, 366), earlier(1000, 1000);
    struct Case {
        const char* what;
        std::vector<QString> listed; // relative to the test's folder, in row order
        QString earlier;             // an unlisted file already in the copies' folder, when not empty
        bool trashRefuses;
        std::map<QString, QSize> copies; // the copies' folder afterwards
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"an earlier file goes to the trash",
         {"a/same.jpg"},
         "same.jpg",
         false,
         {{"same.jpg", fitted}},
         {"1 file of the same name was moved to the trash."}},
        {"the trash refuses it",
         {"a/same.jpg"},
         "same.jpg",
         true,
         {{"same.jpg", earlier}, {"same 2.jpg", fitted}},
         {}},
        {"a listed photo of a numbered name",
         {"a/IMG.jpg", "b/IMG.jpg", "copies/IMG 2.jpg"},
         "",
         false,
         {{"IMG.jpg", fitted}, {"IMG 2.jpg", original}, {"IMG 3.jpg", fitted}},
         {"1 copy was not saved, because it would have replaced a photo in the list."}},
    };
    for (const Case& c : cases) {
        QTemporaryDir scene;
        const QString copies = scene.filePath("copies");
        QDir(scene.path()).mkpath("copies");
        std::vector<std::string> files;
        for (const QString& photo : c.listed) {
            QDir(scene.path()).mkpath(QFileInfo(photo).path());
            files.push_back(photos::write(scene.filePath(QFileInfo(photo).path()),
                                          QFileInfo(photo).fileName(), original.width(), original.height()));
        }
        if (!c.earlier.isEmpty())
            photos::write(copies, c.earlier, earlier.width(), earlier.height());
        const QString data = scene.filePath("data");
        QDir().mkpath(data);
        if (c.trashRefuses)
            photos::writeBytes(data, "Trash", "a file where the trash would be");
        ScopedVariable dataHome("XDG_DATA_HOME", native(data));
        host->messages.clear();
        host->folderAnswers = {native(copies)};
        runTessivoWith([&] {
            auto main = MainWindow::instance();
            listAllSelected(*main, files);
            main->saveAllPhotos();
        });
        const auto described = [](const std::map<QString, QSize>& files) {
            QStringList names;
            for (const auto& [name, size] : files)
                names << QString("%1 %2x%3").arg(name).arg(size.width()).arg(size.height());
            return names.join(" | ").toStdString();
        };
        std::map<QString, QSize> left;
        for (const QString& name : QDir(copies).entryList(QDir::Files | QDir::Hidden))
            left[name] = QImageReader(QDir(copies).filePath(name)).size();
        EXPECT_EQ(described(left), described(c.copies)) << c.what;
        EXPECT_EQ(host->messages, c.messages) << c.what;
        if (!c.earlier.isEmpty() && !c.trashRefuses) {
            EXPECT_EQ(QImageReader(data + "/Trash/files/" + c.earlier).size(), earlier) << c.what;
        }
    }
}

TEST_F(SavingTest, PhotosOfOneNameGiveNumberedCopiesAndOlderFilesGoToTheTrash) {
    // Three cameras' first photos, told apart by their sizes.
    const QSize sizes[] = {{400, 300}, {300, 200}, {200, 100}};
    std::vector<std::string> files;
    for (int camera = 0; camera < 3; ++camera) {
        const QString folder = photosFolder + QString("/camera%1").arg(camera);
        QDir().mkdir(folder);
        files.push_back(photos::write(folder, "IMG_0001.jpg", sizes[camera].width(), sizes[camera].height()));
    }
    struct Way {
        const char* what;
        std::function<void(MainWindow&, const QString& into)> save;
    };
    const Way ways[] = {
        {"Save Selected",
         [&](MainWindow& main, const QString& into) {
             host->folderAnswers.push_back(native(into));
             main.Toolbar11()->Save->action()->trigger();
         }},
        {"the bevel button's save menu",
         [&](MainWindow& main, const QString& into) {
             host->folderAnswers.push_back(native(into));
             main.BevelButton1_ContextualMenuAction(
                 *main.BevelButton1(), tk::makeRef<tk::MenuItem>("Save scaled copy of selected photo as..."));
         }},
        {"Thread2",
         [&](MainWindow& main, const QString& into) {
             main.saveF = tk::makeRef<tk::FolderItem>(native(into));
             main.Thread2()->Run();
             ASSERT_TRUE(waitFor([&] { return !main.Thread2()->isRunning(); }));
         }},
    };
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        for (const auto& file : files)
            add(*main, file);
        for (const Way& way : ways) {
            const QString into = copiesFolder + "/" + way.what;
            QDir().mkdir(into);
            // Files of those names from before the run make way for the copies.
            photos::writeBytes(into, "IMG_0001.jpg", "an older file in " + QByteArray(way.what));
            photos::writeBytes(into, "IMG_0001 2.jpg", "another older file in " + QByteArray(way.what));
            for (int row = 0; row < 3; ++row)
                main->ListBox1()->setSelected(row, true);
            way.save(*main, into);
            EXPECT_EQ(QDir(into).entryList(QDir::Files | QDir::Hidden).join(" | ").toStdString(),
                      "IMG_0001 2.jpg | IMG_0001 3.jpg | IMG_0001.jpg")
                << way.what;
            EXPECT_EQ(QImageReader(into + "/IMG_0001.jpg").size(), sizes[0]) << way.what;
            EXPECT_EQ(QImageReader(into + "/IMG_0001 2.jpg").size(), sizes[1]) << way.what;
            EXPECT_EQ(QImageReader(into + "/IMG_0001 3.jpg").size(), sizes[2]) << way.what;
            EXPECT_TRUE(trashed().contains("an older file in " + QByteArray(way.what))) << way.what;
            EXPECT_TRUE(trashed().contains("another older file in " + QByteArray(way.what))) << way.what;
        }
        EXPECT_EQ(host->messages,
                  std::vector<std::string>(3, "2 files of the same names were moved to the trash."));
    });
}

TEST_F(SavingTest, NothingSelectedOrACancelledDialogWritesNothing) {
    const std::string photo = photos::write(photosFolder, "a.jpg", 80, 60);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, photo);
        main->ListBox1()->setListIndex(-1);
        main->saveAllPhotos();
        EXPECT_EQ(host->messages, (std::vector<std::string>{"Select photo(s) to save in the Images list."}));
        EXPECT_TRUE(host->folderRequests.empty());
        main->ListBox1()->setListIndex(0);
        main->saveAllPhotos();
        EXPECT_FALSE(main->saveF);
        EXPECT_TRUE(QDir(copiesFolder).isEmpty());
    });
}

TEST_F(SavingTest, AMissingSourceIsSkippedSilentlyAndCtrlPeriodStopsTheRun) {
    std::vector<std::string> files;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"})
        files.push_back(photos::write(photosFolder, name, 80, 60));
    host->folderAnswers = {native(copiesFolder), native(copiesFolder)};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        for (const auto& file : files)
            add(*main, file);
        auto list = main->ListBox1();
        for (int row = 0; row < 3; ++row)
            list->setSelected(row, true);
        QFile::remove(QString::fromStdString(files[1]));
        main->saveAllPhotos();
        EXPECT_TRUE(QFile::exists(QDir(copiesFolder).filePath("1.jpg")));
        EXPECT_FALSE(QFile::exists(QDir(copiesFolder).filePath("2.jpg")));
        EXPECT_TRUE(QFile::exists(QDir(copiesFolder).filePath("3.jpg")));
        EXPECT_TRUE(host->messages.empty()) << "a missing source photo is not reported";

        // Ctrl+period pressed as the second row is selected.
        photos::write(photosFolder, "2.jpg", 80, 60);
        QDir(copiesFolder).removeRecursively();
        QDir(dir.path()).mkdir("copies");
        for (int row = 0; row < 3; ++row)
            list->setSelected(row, true);
        int changes = 0;
        std::string hintDuringTheRun;
        list->Change.bind([&](tk::Listbox& l) {
            main->ListBox1_Change(l);
            if (++changes == 2) {
                hintDuringTheRun = main->bottomLeftLabel()->Text();
                QTest::keyClick(static_cast<QWidget*>(main->widget()), Qt::Key_Period, Qt::ControlModifier);
            }
        });
        main->saveAllPhotos();
        EXPECT_EQ(hintDuringTheRun, "Ctrl + period to cancel...");
        EXPECT_TRUE(QFile::exists(QDir(copiesFolder).filePath("1.jpg")));
        EXPECT_FALSE(QFile::exists(QDir(copiesFolder).filePath("2.jpg")));
        EXPECT_FALSE(QFile::exists(QDir(copiesFolder).filePath("3.jpg")));
        EXPECT_EQ(list->ListIndex(), 1);
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Resize window to scale photo.");
    });
}

TEST_F(SavingTest, ListedPhotosAreNeverReplacedAndUnwritableCopiesAreReported) {
    const std::string original = photos::write(photosFolder, "a.jpg", 1172, 402);
    const std::string other = photos::write(photosFolder, "b.jpg", 1172, 402);
    QFile::link(photosFolder + "/b.jpg", copiesFolder + "/b.jpg"); // another spelling of a listed photo
    const QByteArray before = [&] {
        QFile f(QString::fromStdString(original));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    // A folder that vanished after it was chosen: nobody, root included, can write there.
    host->folderAnswers = {native(photosFolder), native(copiesFolder), native(dir.filePath("vanished"))};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, original);
        add(*main, other);
        main->ListBox1()->setSelected(0, true);
        main->ListBox1()->setSelected(1, true);
        main->saveAllPhotos(); // into the photos' own folder
        main->ListBox1()->setSelected(0, true);
        main->ListBox1()->setSelected(1, true);
        main->saveAllPhotos(); // b.jpg there is a link to a listed photo
        main->ListBox1()->setSelected(0, true);
        main->ListBox1()->setSelected(1, true);
        main->saveAllPhotos(); // a folder that is gone
    });
    QFile f(QString::fromStdString(original));
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before) << "the original photo is untouched";
    EXPECT_EQ(QImageReader(QString::fromStdString(other)).size(), QSize(1172, 402));
    EXPECT_EQ(copySize("a.jpg"), QSize(586, 201)) << "the other copy was saved";
    EXPECT_EQ(host->messages,
              (std::vector<std::string>{
                  "2 copies were not saved, because they would have replaced photos in the list.",
                  "1 copy was not saved, because it would have replaced a photo in the list.",
                  "2 copies could not be written to the chosen folder."}));
}

} // namespace
