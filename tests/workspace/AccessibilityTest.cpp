// What assistive tools read from the windows: the names and descriptions of
// the main window's list, its rows, the preview and the controls around them,
// and of the rename window's fields.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"

#include "workspace/MainWindow.h"
#include "workspace/batchNameWindow.h"

#include <QAccessible>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <optional>
#include <string>

namespace {

class AccessibilityTest : public AppTest {
  protected:
    QTemporaryDir dir;
};

struct Said {
    std::string name;
    std::optional<std::string> description;
};

Said said(QAccessibleInterface* control) {
    if (!control)
        return {"(no accessible interface)", std::nullopt};
    return {control->text(QAccessible::Name).toStdString(), control->text(QAccessible::Description).toStdString()};
}

QAccessibleInterface* accessible(const tk::Ref<tk::RectControl>& control) {
    return QAccessible::queryAccessibleInterface(control->qwidget());
}

TEST_F(AccessibilityTest, TheListItsRowsThePreviewAndTheControlsSayWhatTheyAre) {
    QDir(dir.path()).mkdir("Trip");
    const QString trip = dir.filePath("Trip");
    photos::write(trip, "2.png", 1172, 402, "png");
    // A ":" in a name is written "/" in the row's path.
    photos::write(trip, "10:30.jpg", 400, 300);
    host->folderAnswers = {QFile::encodeName(trip).toStdString()};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto canvas = main->Canvas1();
        ASSERT_TRUE(waitFor([&] { return said(accessible(canvas)).name == "No image selected"; }))
            << "before any photo is listed, the preview says: " << said(accessible(canvas)).name;

        main->openFolder(); // selects the first row
        ASSERT_EQ(main->ListBox1()->ListCount(), 2);
        ASSERT_TRUE(waitFor([&] { return main->StaticText4()->Text() == "Scaled: 586 x 201"; }));
        QAccessibleInterface* list = accessible(main->ListBox1());
        ASSERT_TRUE(list);
        const struct {
            const char* what;
            QAccessibleInterface* control;
            QAccessible::Role role;
            Said expected;
        } cases[] = {
            {"the list", list, QAccessible::List, {"Images", std::nullopt}},
            {"its first row", list->child(0), QAccessible::ListItem, {"2.png", std::nullopt}},
            {"its second row", list->child(1), QAccessible::ListItem, {"10:30.jpg", std::nullopt}},
            {"the preview", accessible(canvas), QAccessible::Client, {"2.png, scaled to 586 x 201", std::nullopt}},
            {"the file-name field", accessible(main->editfield1()), QAccessible::EditableText, {"File Name", ""}},
            {"the + button", accessible(main->PushButton2()), QAccessible::Button, {"+", "Add a single photo"}},
            {"the - button", accessible(main->PushButton5()), QAccessible::Button, {"-", "Delete selected photo(s)"}},
        };
        for (const auto& c : cases) {
            ASSERT_TRUE(c.control) << c.what;
            const Said now = said(c.control);
            EXPECT_EQ(c.control->role(), c.role) << c.what;
            EXPECT_EQ(now.name, c.expected.name) << c.what;
            if (c.expected.description) {
                EXPECT_EQ(now.description, c.expected.description) << c.what;
            }
        }

        // A renamed photo's row is read by its new name.
        main->editfield1()->setText("holiday.png");
        EXPECT_EQ(said(list->child(0)).name, "holiday.png");

        main->ListBox1()->setListIndex(-1);
        EXPECT_EQ(said(accessible(canvas)).name, "No image selected");
    });
}

TEST_F(AccessibilityTest, TheRenameWindowsFieldsAreNamedByTheCaptionsAboveThem) {
    runTessivoWith([&] {
        auto window = batchNameWindow::instance();
        const struct {
            tk::Ref<tk::TextField> field;
            const char* name;
        } cases[] = {{window->EditField1(), "Base name"},
                     {window->EditField2(), "Start"},
                     {window->EditField3(), "Extension"}};
        for (const auto& c : cases)
            EXPECT_EQ(said(accessible(c.field)).name, c.name);
        window->Close();
    });
}

} // namespace
