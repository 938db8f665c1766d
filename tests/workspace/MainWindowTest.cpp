// The main window's stored layout: its controls, their edge locks and its folder dialog.
#include "tests/support/AppFixture.h"

#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

struct Expected {
    const char* name;
    int left, top, width, height;
    bool visible;
    const char* text; // the label's text, or nullptr
};

// At the stored size of 830 x 555.
const Expected storedControls[] = {
    {"ListBox1", -1, 16, 162, 476, true, nullptr},
    {"editfield1", 219, -80, 348, 20, false, nullptr},
    {"StaticText5", 190, 17, 67, 20, false, "File Name:"},
    {"StaticText4", 530, 500, 259, 20, false, nullptr}, // its text is the first paint's
    {"Canvas1", 203, 56, 586, 431, true, nullptr},
    {"Canvas13", -1, 0, 162, 33, true, nullptr},
    {"Label1", 9, -10, 116, 35, true, "Images"},
    {"GroupBox1", 194, 46, 605, 450, false, nullptr},
    {"Label2", 203, 239, 586, 39, false, "Loading images..."},
    {"StaticText41", 203, 500, 294, 20, false, "0 x 0"},
    {"BevelButton1", 23, -56, 60, 22, true, nullptr},
    {"Label3", 260, 17, 296, 20, false, "Untitled"},
    {"PushButton3", 88, 583, 99, 18, true, nullptr},
    {"PopupMenu1", 203, 581, 166, 18, true, nullptr},
    {"ProgressWheel1", 141, 503, 16, 16, false, nullptr},
    {"PushButton4", 392, 581, 80, 20, true, nullptr},
    {"ImgNumLabel", 686, 16, 113, 20, true, "0 images"},
    {"PushButton2", 9, 499, 40, 20, true, nullptr},
    {"PushButton5", 50, 499, 40, 20, true, nullptr},
    {"bottomLeftLabel", 9, 525, 254, 13, true, "Resize window to scale photo."},
};

TEST_F(AppTest, TheMainWindowIsBuiltFromItsStoredLayout) {
    runTessivoWith([] {
        auto main = MainWindow::instance();
        EXPECT_EQ(MainWindow::instance(), main);
        std::vector<std::string> names;
        for (const auto& control : main->controls())
            names.push_back(control->Name());
        EXPECT_EQ(names, (std::vector<std::string>{"ListBox1", "editfield1", "StaticText5", "Toolbar11", "Thread1",
                                                   "Thread2", "StaticText4", "Canvas1", "Canvas13", "Label1",
                                                   "GroupBox1", "Label2", "StaticText41", "BevelButton1", "Label3",
                                                   "PushButton3", "PopupMenu1", "Timer1", "ProgressWheel1",
                                                   "PushButton4", "ImgNumLabel", "PushButton2", "PushButton5",
                                                   "bottomLeftLabel"}));
        QTest::qWait(1);
        ASSERT_EQ(main->Width(), 830);
        ASSERT_EQ(main->Height(), 555);
        for (const Expected& e : storedControls) {
            auto control = main->controlAs<tk::RectControl>(e.name);
            ASSERT_TRUE(control) << e.name;
            EXPECT_EQ(control->Left(), e.left) << e.name;
            EXPECT_EQ(control->Top(), e.top) << e.name;
            EXPECT_EQ(control->Width(), e.width) << e.name;
            EXPECT_EQ(control->Height(), e.height) << e.name;
            EXPECT_EQ(control->Visible(), e.visible) << e.name;
            if (e.text) {
                EXPECT_EQ(main->controlAs<tk::Label>(e.name)->Text(), e.text);
            }
        }
        EXPECT_EQ(main->PushButton2()->Caption(), "+");
        EXPECT_EQ(main->PushButton2()->HelpTag(), "Add a single photo");
        EXPECT_EQ(main->PushButton5()->HelpTag(), "Delete selected photo(s)");
        EXPECT_EQ(main->PopupMenu1()->Text(), "Select Size:");
        EXPECT_EQ(main->Timer1()->Mode(), 0);
        EXPECT_TRUE(main->Canvas13()->Backdrop());
        std::vector<std::string> items;
        auto bar = main->Toolbar11();
        for (int i = 0; i < bar->Count(); ++i)
            items.push_back(bar->Item(i)->Name() + "|" + bar->Item(i)->Caption() + "|" + bar->Item(i)->HelpTag());
        EXPECT_EQ(items, (std::vector<std::string>{"OpenFolder|Open|Select a folder of images", "ToolItem1|Untitled|",
                                                   "Number|Number|Number listed images",
                                                   "Save|Save Selected|Save selected images"}));
        EXPECT_TRUE(bar->OpenFolder->Icon());
        EXPECT_FALSE(bar->ToolItem1->Icon());
    });
}

TEST_F(AppTest, ControlsFollowTheWindowByTheirEdgeLocks) {
    runTessivoWith([] {
        auto main = MainWindow::instance();
        struct Size {
            int width, height;
        };
        for (Size size : {Size{640, 250}, Size{1600, 1000}, Size{900, 700}, Size{100, 100}}) {
            main->setWidth(size.width);
            main->setHeight(size.height);
            QTest::qWait(1);
            const int w = main->Width(), h = main->Height();
            ASSERT_GE(w, 640);
            ASSERT_GE(h, 250);
            const int dw = w - 830, dh = h - 555;
            EXPECT_EQ(main->Canvas1()->Width(), 586 + dw);
            EXPECT_EQ(main->Canvas1()->Height(), 431 + dh);
            EXPECT_EQ(main->ListBox1()->Width(), 162);
            EXPECT_EQ(main->ListBox1()->Height(), 476 + dh);
            EXPECT_EQ(main->ImgNumLabel()->Left() + main->ImgNumLabel()->Width(), w - 31);
            EXPECT_EQ(main->StaticText4()->Left() + main->StaticText4()->Width(), w - 41);
            for (const char* name : {"PushButton2", "PushButton5", "ProgressWheel1", "bottomLeftLabel"}) {
                auto control = main->controlAs<tk::RectControl>(name);
                EXPECT_EQ(h - control->Top(), 555 - (name == std::string("bottomLeftLabel") ? 525
                                                     : name == std::string("ProgressWheel1") ? 503
                                                                                             : 499))
                    << name;
            }
            // Out of sight at every size.
            for (const char* name : {"PushButton3", "PopupMenu1", "PushButton4"})
                EXPECT_GE(main->controlAs<tk::RectControl>(name)->Top(), h) << name;
            for (const char* name : {"editfield1", "BevelButton1"}) {
                auto control = main->controlAs<tk::RectControl>(name);
                EXPECT_LE(control->Top() + control->Height(), 0) << name;
            }
        }
        main->setWidth(640);
        main->setHeight(250);
        QTest::qWait(1);
        EXPECT_EQ(main->Canvas1()->Width(), 396);
        EXPECT_EQ(main->Canvas1()->Height(), 126);
        EXPECT_EQ(main->ListBox1()->Height(), 171);
    });
}

TEST_F(AppTest, TheHiddenFolderButtonShowsItsDialogAndKeepsNothing) {
    for (bool choose : {true, false}) {
        host->folderRequests.clear();
        host->folderAnswers = {choose ? std::optional<std::string>("/tmp") : std::nullopt};
        runTessivoWith([&] {
            auto main = MainWindow::instance();
            main->PushButton4_Action(*main->PushButton4());
            EXPECT_EQ(main->Title(), "Tessivo");
            EXPECT_FALSE(main->saveF);
            EXPECT_FALSE(main->photoF);
        });
        ASSERT_EQ(host->folderRequests.size(), 1u);
        const auto& request = host->folderRequests[0];
        EXPECT_EQ(request.actionButtonCaption, "Select");
        EXPECT_EQ(request.title, "Title Property");
        EXPECT_EQ(request.prompt, "Prompt Text");
        EXPECT_EQ(request.initialDirectory, tk::SpecialFolder::Documents()->nativePath());
    }
}

} // namespace
