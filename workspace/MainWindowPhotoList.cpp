// The photo list: rows and thumbnails, drops, the selection and its preview,
// select-all, removing rows and the hidden file-name field.
#include "workspace/MainWindow.h"

#include "workspace/CurrentPhotoFile.h"

#include "toolkit/core/Keyboard.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/core/Strings.h"

#include <algorithm>

namespace {
const tk::Color thumbnailGrey = tk::RGB(232, 232, 232);
const tk::Color rowGrey = tk::RGB(205, 204, 209);
const tk::Color selectedRowGrey = tk::RGB(161, 170, 175);
} // namespace

void MainWindow::addAThumb(tk::Ref<tk::Picture> pic, tk::Ref<tk::FolderItem> file) {
    auto list = ListBox1();
    const std::string path = file->AbsolutePath();
    const int L = list->Width(), H = list->Height();
    const int w = pic->Width(), h = pic->Height();
    list->AddRow("");
    list->setCell(list->LastIndex(), 1, path);

    tk::Ref<tk::Picture> t;
    if (w <= L && h <= H) {
        t = tk::newPicture(L + 154, h, 32);
        auto g = t->Graphics();
        g->setForeColor(thumbnailGrey);
        g->FillRect(0, 0, t->Width(), t->Height());
        g->DrawPicture(pic, tk::Int(double(L - w) / 2), 0);
    } else {
        const double s = std::min(double(L) / w, 100.0 / h);
        // Centred across the list's width, where it can be seen, and never
        // less than a pixel high or wide.
        const int sw = std::max(1, tk::Int(w * s)), sh = std::max(1, tk::Int(h * s));
        t = tk::newPicture(L + 154, sh, 32);
        auto g = t->Graphics();
        g->setForeColor(thumbnailGrey);
        g->FillRect(0, 0, t->Width(), t->Height());
        g->DrawPicture(pic, tk::Int(double(L - sw) / 2), 0, sw, sh, 0, 0, w, h);
    }
    auto mask = t->Mask(true)->Graphics();
    mask->setForeColor(tk::RGB(0, 0, 0));
    mask->FillRect(0, 0, t->Width(), t->Height());
    list->setRowPicture(list->LastIndex(), t);
    list->Refresh(true);
}

void MainWindow::showImageCount() {
    ImgNumLabel()->setText(tk::StringStrInt32(ListBox1()->ListCount()) + " images");
}

void MainWindow::ListBox1_DropObject(tk::Listbox&, tk::DragItem& obj, int) {
    if (obj.FolderItem()->Directory()) {
        openDroppedFolder(obj.FolderItem());
        return;
    }
    tk::LongLoop longLoop;
    ProgressWheel1()->setVisible(true);
    bool more = true;
    while (more) {
        ListBox1()->Refresh(true);
        if (obj.FolderItemAvailable())
            if (tk::Ref<tk::Picture> picture = obj.FolderItem()->OpenAsPicture())
                addAThumb(picture, obj.FolderItem());
        more = obj.NextItem();
        tk::backgroundTasks();
    }
    ProgressWheel1()->setVisible(false);
    showImageCount();
    if (ListBox1()->ListCount() > 0)
        ListBox1()->setListIndex(ListBox1()->LastIndex());
}

void MainWindow::ListBox1_Open(tk::Listbox& list) { list.AcceptFileDrop("all"); }

void MainWindow::ListBox1_Change(tk::Listbox& list) {
    changingImage = true;
    if (list.ListIndex() > -1) {
        Label2()->setVisible(false);
        for (auto label : {StaticText41(), StaticText4(), StaticText5(), Label3()})
            label->setVisible(true);
        tk::Ref<tk::FolderItem> f = tk::RuntimeGetFolderItem(list.Cell(list.ListIndex(), 1), 0);
        tk::Ref<tk::Picture> p = f ? f->OpenAsPicture() : nullptr;
        if (p) {
            StaticText41()->setText("Original: " + tk::StringStrInt32(p->Width()) + " x " +
                                    tk::StringStrInt32(p->Height()));
            Canvas1()->pic = p;
            Canvas1()->Refresh(true);
            theFileName = f->Name();
            Label3()->setText(f->Name());
            currentPhotoFile = f;
        }
    } else {
        Label2()->setText(loadingImages ? "Loading images..." : noImageSelected);
        Label2()->setVisible(true);
        for (auto label : {StaticText4(), StaticText41(), StaticText5(), Label3()})
            label->setVisible(false);
        Label3()->setText("");
        Canvas1()->pic = nullptr;
        Canvas1()->setAccessibleName(noImageSelected);
        Canvas1()->Refresh(true);
        StaticText4()->setText("Scaled: 0 x 0");
    }
    currentIndex = list.ListIndex();
    changingImage = false;
}

bool MainWindow::ListBox1_CellBackgroundPaint(tk::Listbox& list, tk::Graphics& g, int row, int) {
    g.setForeColor(rowGrey);
    g.FillRect(0, 0, g.Width(), g.Height());
    if (list.Selected(row)) {
        g.setForeColor(selectedRowGrey);
        g.FillRect(0, 0, g.Width(), g.Height());
        return true;
    }
    return false;
}

bool MainWindow::ListBox1_KeyDown(tk::Listbox& list, const std::string& key) {
    const bool commandKey = tk::getKeyboardObject().CommandKey();
    if ((commandKey && key == "a") || (commandKey && key == "A")) {
        tk::LongLoop longLoop;
        for (int i = 0; i <= list.ListCount() - 1; ++i) {
            list.setSelected(i, true);
            tk::backgroundTasks();
        }
    }
    return false;
}

void MainWindow::PushButton5_Action(tk::PushButton&) {
    auto list = ListBox1();
    if (list->ListIndex() <= -1)
        return;
    {
        tk::LongLoop longLoop;
        for (int n = list->ListCount() - 1; n >= 0; --n) {
            if (list->Selected(n))
                list->RemoveRow(list->ListIndex());
            tk::backgroundTasks();
        }
    }
    showImageCount();
}

void MainWindow::PushButton2_Action(tk::PushButton&) { openPhoto(); }

void MainWindow::editfield1_TextChange(tk::TextField& field) {
    if (changingImage)
        return;
    if (tk::StringInStr(field.Text(), ".") == 0) {
        field.setText(field.Text() + ".JPG");
        field.setSelStart(tk::StringInStr(field.Text(), ".") - 1);
    }
    if (currentPhotoFile) {
        currentPhotoFile->setName(field.Text());
        ListBox1()->setCell(currentIndex, 1, currentPhotoFile->AbsolutePath());
    }
}
