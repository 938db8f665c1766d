#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/windows/Application.h"

// The application object: shows the splash at launch, takes documents the
// desktop hands over into the main window, and answers the application's
// own menu commands.
class App : public tk::Application {
  public:
    // The registered application object.
    static tk::Ref<App> instance();

    void Event_OpenDocument(tk::Ref<tk::FolderItem> item) override;
    void Event_Open() override;
    bool _AppleAboutPostelle_Action();
    bool _FilePreferences_Action();
    bool _FileAboutTessivo_Action();
    bool _HelpUsersGuide_Action();
    // Copies the user's guide from beside the application into its Resources folder.
    void installUsersGuide();
    // Reads the e-mail settings from the settings file, when there is one.
    void getPrefs();
    void Constructor() override {}
};

// The maker's copyright line, shown by the splash and about windows.
extern const char* const copyrightLine;
// The user's guide on the maker's web server.
extern const char* const usersGuideURL;
