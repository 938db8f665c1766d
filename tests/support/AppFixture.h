#pragma once

#include "tests/support/AppRunner.h"
#include "tests/support/ScriptedDialogHost.h"

#include <gtest/gtest.h>

#include <string>

class QAction;
namespace tk {
class Window;
}

// The item of that text in the window's menu of that title, as a person finds it.
QAction* menuAction(tk::Window& window, const char* menu, const char* item);

// Runs with a fresh copy of the application's resources in the Resources
// folder beside this test program's folder, where the application looks.
class AppTest : public ::testing::Test {
  public:
    // The test bundle's Resources folder.
    static std::string resourcesFolder();

  protected:
    void SetUp() override;
    ScriptedDialogHost* host = nullptr;
};
