#include "shell/Startup.h"

#include "shell/App.h"
#include "shell/AppFileTypes.h"
#include "shell/EmailSettings.h"
#include "shell/MenuBar1.h"
#include "shell/ResourcePictures.h"
#include "workspace/CurrentPhotoFile.h"

#include "toolkit/core/Dispatch.h"
#include "toolkit/windows/Runtime.h"

namespace {

void createApplicationObject() {
    auto app = tk::makeRef<App>();
    app->Constructor();
    app->setMenuBar(MenuBar1::instance());
    tk::RuntimeRegisterAppObject(app);
}

void registerApplicationMenuHandlers() {
    struct Binding {
        const char* itemName;
        bool (App::*handler)();
    };
    static const Binding bindings[] = {
        {"AppleAboutPostelle", &App::_AppleAboutPostelle_Action},
        {"FilePreferences", &App::_FilePreferences_Action},
        {"FileAboutTessivo", &App::_FileAboutTessivo_Action},
        {"HelpUsersGuide", &App::_HelpUsersGuide_Action},
    };
    for (const Binding& binding : bindings) {
        App* app = App::instance().operator->();
        App::instance()->_AddMenuHandler(binding.itemName, [app, handler = binding.handler] {
            return (app->*handler)();
        });
    }
}

// Released in this order at exit, each reference cleared before its object goes.
void releaseModuleReferences() {
    releaseAppFileTypes();
    currentPhotoFile.clear();
    fromAddress.clear();
    smtpPassword.clear();
    smtpAddress.clear();
    smtpUserName.clear();
    MenuBar1::releaseInstance();
    releaseResourcePictures();
}

} // namespace

int runTessivo(int argc, char** argv) {
    tk::RuntimeInit(argc, argv);
    tk::dispatch([] {
        makeAppFileTypes();
        createApplicationObject();
        registerApplicationMenuHandlers();
        tk::RuntimeRun();
    });
    releaseModuleReferences();
    return tk::RuntimeExit();
}
