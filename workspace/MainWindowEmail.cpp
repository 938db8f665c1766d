// E-mailing photos: the preview's fitted photo, or each selected photo fitted
// into the preview's size, written into the temporary folder and handed to the
// bundled e-mail scripts.
#include "workspace/MainWindow.h"

#include "workspace/UnusedName.h"

#include "shell/ScriptRunners.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/core/Strings.h"
#include "toolkit/windows/DialogHost.h"

#include <set>

namespace {

constexpr int pngFormat = 0;
constexpr int jpegFormat = 151;

} // namespace

void MainWindow::sendOnePhoto() {
    tk::Ref<tk::Picture> fitted = Canvas1()->scaledPic;
    tk::Ref<tk::FolderItem> t = tk::SpecialFolder::Temporary()->Child(Label3()->Text());
    if (!fitted || !t)
        return;
    // Only a copy written now goes out: never an older file of that name, nor
    // the temporary folder itself (what an empty name gives).
    if (!t->SaveAsPicture(fitted, pngFormat) || !t->Exists())
        return;
    sendOnePhotoScript({t->nativePath(), "", "Photo"});
    t->MoveFileTo(tk::SpecialFolder::Trash());
}

void MainWindow::sendMultiplePhotos() {
    auto list = ListBox1();
    const std::vector<std::uint64_t> rows = selectedRows(*list);
    if (rows.empty()) {
        tk::RuntimeMsgBox("Select photo(s) to email in the Images list.");
        return;
    }
    const std::string cr = tk::StringDBCSChr(13);
    std::string paths;
    std::set<std::string> taken;
    {
        tk::LongLoop longLoop;
        for (std::uint64_t row : rows) {
            const int r = list->RowWithID(row);
            if (r < 0)
                continue; // removed in a pause
            // Selecting the row shows its photo and puts its file name in Label3.
            list->setListIndex(r);
            // Two photos of one file name go out as two files.
            const std::string name =
                unusedName(Label3()->Text(), [&](const std::string& n) { return taken.count(n) > 0; });
            tk::Ref<tk::FolderItem> t = tk::SpecialFolder::Temporary()->Child(name);
            tk::Ref<tk::FolderItem> f = t ? tk::RuntimeGetFolderItem(list->Cell(r, 1), 0) : nullptr;
            tk::Ref<tk::Picture> p = f && f->Exists() ? f->OpenAsPicture() : nullptr;
            // A copy that could not be written is not listed.
            tk::Ref<tk::Picture> copy = scaleForSaving(p);
            if (copy && copy->Save(t, jpegFormat, -1)) {
                taken.insert(name);
                paths += t->nativePath() + cr;
            }
            tk::backgroundTasks();
        }
    }
    paths = tk::StringDBCSLeft(paths, tk::StringDBCSLen(paths) - 1);
    sendMultiplePhotosScript({paths, "", "Photos"});
}
