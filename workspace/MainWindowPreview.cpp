// The preview's first picture, dragging the fitted photo out as a file, and
// the timer that would write the "Scaled:" label.
#include "workspace/MainWindow.h"

#include "shell/ResourcePictures.h"

#include "toolkit/core/Strings.h"

namespace {
constexpr int jpegFormat = 151;
}

void MainWindow::Canvas1_Open(tk::Canvas& c) { static_cast<scaleCanvas&>(c).pic = previewStartImage(); }

bool MainWindow::Canvas1_MouseDown(tk::Canvas& c, int, int) {
    tk::Ref<tk::Picture> sp = Canvas1()->scaledPic;
    if (!sp)
        return false;
    const int left = tk::Int(double(c.Width() - sp->Width()) / 2.0 + double(c.Left()));
    const int top = tk::Int(double(c.Height() - sp->Height()) / 2.0 + double(c.Top()));
    tk::DragItem drag(*this, left, top, sp->Width(), sp->Height());
    tk::Ref<tk::FolderItem> t = tk::SpecialFolder::Temporary()->Child(Label3()->Text());
    if (t) {
        if (t->Directory())
            return true;
        sp->Save(t, jpegFormat, -1);
        drag.setFolderItem(t);
    }
    drag.Drag();
    return false;
}

void MainWindow::Timer1_Action(tk::Timer& t) {
    if (tk::Ref<tk::Picture> sp = Canvas1()->scaledPic)
        StaticText4()->setText("Scaled: " + tk::StringStrInt32(sp->Width()) + " x " +
                               tk::StringStrInt32(sp->Height()));
    t.setMode(0);
}
