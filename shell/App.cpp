#include "shell/App.h"

#include "shell/EmailSettings.h"
#include "shell/PrefsWindow.h"
#include "shell/SplashWindow.h"
#include "shell/aboutWindow.h"

#include "workspace/MainWindow.h"

#include "toolkit/files/Script.h"
#include "toolkit/files/TextStream.h"
#include "toolkit/windows/DialogHost.h"
#include "toolkit/windows/Runtime.h"

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
        MainWindow::instance()->showImageCount();
    } else {
        tk::RuntimeMsgBox("No picture available");
    }
    // Row 0 is selected; when it already was, the selection does not change,
    // so it is shown again: the preview never shows another photo than the
    // one the list and the labels name.
    auto list = MainWindow::instance()->ListBox1();
    bool rowZeroAlone = list->ListIndex() == 0;
    for (int row = 1; rowZeroAlone && row < list->ListCount(); ++row)
        rowZeroAlone = !list->Selected(row);
    list->setListIndex(0);
    if (rowZeroAlone)
        MainWindow::instance()->ListBox1_Change(*list);
}

void App::Event_Open() { SplashWindow::instance()->Show(); }

bool App::_AppleAboutPostelle_Action() {
    aboutWindow::instance()->Show();
    return false;
}

bool App::_FilePreferences_Action() {
    PrefsWindow::instance()->Show();
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

void App::getPrefs() {
    tk::Ref<tk::FolderItem> f = emailSettingsFile();
    if (!f || !f->Exists())
        return;
    tk::Ref<tk::TextInputStream> t = f->OpenAsTextFile();
    if (!t)
        return;
    // Four lines, as Save writes them; anything after them is left unread.
    smtpAddress = t->ReadLine();
    smtpUserName = t->ReadLine();
    smtpPassword = t->ReadLine();
    fromAddress = t->ReadLine();
    t->Close();
}
