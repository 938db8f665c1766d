#include "tests/support/AppFixture.h"

#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>

namespace fs = std::filesystem;

std::string AppTest::resourcesFolder() {
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "Resources").string();
}

void AppTest::SetUp() {
    const fs::path resources = resourcesFolder();
    fs::remove_all(resources);
    fs::copy(TESSIVO_SOURCE_RESOURCES, resources, fs::copy_options::recursive);
    fs::remove(resources / "CMakeLists.txt");
    host = &ScriptedDialogHost::install();
}

QAction* menuAction(tk::Window& window, const char* menu, const char* item) {
    for (QAction* top : window.widget()->menuBar()->actions())
        if (top->text() == menu)
            for (QAction* action : top->menu()->actions())
                if (action->text() == item)
                    return action;
    return nullptr;
}
