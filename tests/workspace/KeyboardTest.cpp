// The main window from the keyboard alone: what Tab visits, in which order,
// and the toolbar's buttons pressed with Space and Return.
#include "tests/support/AppFixture.h"

#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

namespace {

// What assistive tools call the widget.
std::string nameOf(QWidget* widget) {
    QAccessibleInterface* control = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return control ? control->text(QAccessible::Name).toStdString() : "(nothing)";
}

QWidget* focusAfterTab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget();
}

TEST_F(AppTest, TabReachesTheListItsButtonsAndTheToolbarAndEachShowsItHasTheFocus) {
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* window = main->widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* list = main->ListBox1()->qwidget();
        list->setFocus(Qt::TabFocusReason);

        std::vector<std::string> visited{nameOf(QApplication::focusWidget())};
        std::vector<QWidget*> widgets{QApplication::focusWidget()};
        for (QWidget* next = focusAfterTab(); next != list && widgets.size() < 20; next = focusAfterTab()) {
            visited.push_back(nameOf(next));
            widgets.push_back(next);
        }
        EXPECT_EQ(visited, (std::vector<std::string>{"Images", "+", "-", "Open", "Untitled", "Number",
                                                     "Save Selected"}));

        // The list shows a mark while it has the focus.
        ASSERT_EQ(widgets.size(), 7u);
        widgets[1]->setFocus(Qt::TabFocusReason);
        const QImage unfocused = list->grab().toImage();
        list->setFocus(Qt::TabFocusReason);
        const QImage focused = list->grab().toImage();
        for (const QPoint inside : {QPoint(2, list->height() / 2), QPoint(list->width() / 2, 2)})
            EXPECT_NE(focused.pixel(inside), unfocused.pixel(inside)) << inside.x() << ", " << inside.y();

        // With no photos listed, each command answers with its message.
        QWidget* number = widgets[5];
        QWidget* save = widgets[6];
        number->setFocus(Qt::TabFocusReason);
        QTest::keyClick(number, Qt::Key_Return);
        ASSERT_TRUE(waitFor([&] { return host->messages.size() == 1; }));
        EXPECT_EQ(host->messages[0], "There are no images in the Images list.");
        save->setFocus(Qt::TabFocusReason);
        QTest::keyClick(save, Qt::Key_Space);
        ASSERT_TRUE(waitFor([&] { return host->messages.size() == 2; }));
        EXPECT_EQ(host->messages[1], "Select photo(s) to save in the Images list.");
    });
}

} // namespace
