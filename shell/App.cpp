#include "shell/App.h"

#include "shell/SplashWindow.h"
#include "shell/aboutWindow.h"

#include "workspace/MainWindow.h"

#include "toolkit/DialogHost.h"
#include "toolkit/Runtime.h"
#include "toolkit/Script.h"

const char* const copyrightLine = "\u00A9 2026 The Tessivo developers";
const char* const usersGuideURL = "http://www.tessivo.app/docs/TessivoUsersGuide.pdf";

tk::Ref<App> App::instance() { return tk::refCast<App>(tk::RuntimeAppObject()); }

void App::Event_OpenDocument(tk::Ref<tk::FolderItem> item) {
    if (item->Directory()) {
        MainWindow::instance()->openDroppedFolder(item);
        return;
    }
    if (tk::Ref<tk::Picture> picture = item->OpenAsPicture()) {
        MainWindow::instance()->theFileName = item->DisplayName();
        MainWindow::instance()->Canvas1()->pic = picture;
        MainWindow::instance()->Canvas1()->Refresh(true);
        MainWindow::instance()->addAThumb(picture, item);
    } else {
        tk::RuntimeMsgBox("No picture available");
    }
    MainWindow::instance()->ListBox1()->setListIndex(0);
}

void App::Event_Open() { SplashWindow::instance()->Show(); }

bool App::_AppleAboutPostelle_Action() {
    aboutWindow::instance()->Show();
    return false;
}

bool App::_FileAboutTessivo_Action() {
    aboutWindow::instance()->Show();
    return false;
}

bool App::_HelpUsersGuide_Action() {
    tk::GlobalShowURL(usersGuideURL);
    return false;
}

void App::installUsersGuide() {
    tk::Ref<tk::FolderItem> contents = App::instance()->ExecutableFile()->Parent()->Parent();
    if (!contents || !contents->Exists())
        return;
    tk::Ref<tk::FolderItem> resources = contents->Child("Resources");
    if (!resources || !resources->Exists())
        return;
    tk::Ref<tk::FolderItem> guideFolder = resources->Child("UserGuide");
    if (!guideFolder || guideFolder->Exists())
        return;
    tk::Ref<tk::FolderItem> guide = tk::RuntimeGetFolderItem("")->Child("Tessivo User's Guide.pdf");
    if (guide->Exists())
        guide->CopyFileTo(resources);
}
