// The bevel button: shows the selected photo fitted to the screen through the
// bundled fit-to-screen script, after a warning when the photo is smaller than
// the screen; its contextual menu reaches the two save commands.
#include "workspace/MainWindow.h"

#include "shell/ScriptRunners.h"

#include "toolkit/core/Strings.h"
#include "toolkit/windows/MessageDialog.h"
#include "toolkit/windows/Screen.h"

#include <algorithm>

namespace {

constexpr int jpegFormat = 151;
const char* const saveSelectedEntry = "Save scaled copy of selected photo as...";
const char* const saveAllEntry = "Save scaled copies of all photos...";

// True when the user chooses to go on although the photo will be enlarged.
bool userAcceptsEnlarging() {
    auto d = tk::makeRef<tk::MessageDialog>();
    d->Icon = 1;
    d->ActionButton->Caption = "OK";
    d->CancelButton->Visible = true;
    d->Message = "The image is smaller than the screen and will be enlarged to fit the screen. Loss of "
                 "resolution may result.";
    d->Explanation = "If you do not wish to proceed click the Cancel button.";
    return d->ShowModal() == d->ActionButton;
}

} // namespace

tk::Ref<tk::Picture> MainWindow::ScaleBGPicture(tk::Ref<tk::Picture> p) {
    if (!p)
        return nullptr;
    const tk::Screen screen = tk::getScreen(0);
    const int w = p->Width(), h = p->Height();
    const double s = tk::RuntimeMin(double(screen.Width()) / w, double(screen.Height()) / h);
    // A very thin picture keeps at least one pixel across.
    const int dw = std::max(1, tk::Int(w * s)), dh = std::max(1, tk::Int(h * s));
    tk::Ref<tk::Picture> r = tk::newPicture(dw, dh, 32);
    r->Graphics()->DrawPicture(p, 0, 0, dw, dh, 0, 0, w, h);
    return r;
}

void MainWindow::BevelButton1_Action(tk::BevelButton&) {
    auto list = ListBox1();
    const int row = list->ListIndex();
    tk::Ref<tk::FolderItem> f = row >= 0 ? tk::RuntimeGetFolderItem(list->Cell(row, 1), 0) : nullptr;
    tk::Ref<tk::Picture> p = f ? f->OpenAsPicture() : nullptr;
    // No selected row, or its file is gone or holds no picture: nothing to show.
    if (!p)
        return;
    const tk::Screen screen = tk::getScreen(0);
    const int sw = screen.Width(), sh = screen.Height();
    const int pw = p->Width(), ph = p->Height();
    if (!(pw < sw || ph < sh))
        return;
    if (!userAcceptsEnlarging())
        return;
    if (sw < pw || sh < ph) {
        // Wider or higher than the screen: a copy stretched to the screen's size.
        tk::Ref<tk::Picture> stretched = tk::newPicture(sw, sh, 32);
        stretched->Graphics()->DrawPicture(p, 0, 0, sw, sh, 0, 0, pw, ph);
        f = tk::SpecialFolder::Temporary()->Child("Temp_Image.jpg");
        // An older copy left from another photo must not be shown instead.
        if (!f || !stretched->Save(f, jpegFormat, -1))
            return;
    }
    fitToScreenScript({f->nativePath()});
}

bool MainWindow::BevelButton1_ConstructContextualMenu(tk::BevelButton&, tk::Ref<tk::MenuItem> base, int /*x*/,
                                                      int /*y*/) {
    base->Append(tk::makeRef<tk::MenuItem>(saveSelectedEntry));
    base->Append(tk::makeRef<tk::MenuItem>(saveAllEntry));
    return true;
}

bool MainWindow::BevelButton1_ContextualMenuAction(tk::BevelButton&, tk::Ref<tk::MenuItem> hitItem) {
    if (hitItem->Text() == saveSelectedEntry)
        savePhoto();
    else
        saveAllPhotos();
    return false;
}
