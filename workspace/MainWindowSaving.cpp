// Saving scaled JPEG copies of the listed photos into a chosen folder. A copy
// never replaces a listed photo, and copies that could not be made or written
// are reported once the run has ended.
#include "workspace/MainWindow.h"

#include "workspace/FitRule.h"

#include "toolkit/DialogHost.h"
#include "toolkit/FolderItemDialog.h"
#include "toolkit/LongLoop.h"
#include "toolkit/MainThreadCall.h"
#include "toolkit/Strings.h"

#include <set>
#include <utility>

// Counts what a run could not save, and says so when it ends.
class MainWindow::CopyReport {
  public:
    // The files of the listed photos, which a copy must never replace.
    explicit CopyReport(tk::Listbox& list) : list_(list) { collectListed(); }

    // Writes the copy of source unless that would replace a listed photo
    // (compared as files, so links and other spellings of a path count too).
    void save(const tk::Ref<tk::FolderItem>& copy, const tk::FolderItem& source, const tk::Ref<tk::Picture>& picture) {
        // Photos may have been added to the list while the run went on.
        if (list_.ListCount() != listedRows_)
            collectListed();
        const auto target = copy->identity();
        if (target && (listed_.count(*target) || target == source.identity())) {
            ++protected_;
            return;
        }
        if (!picture)
            ++unreadable_;
        else if (!copy->SaveAsJPEG(picture))
            ++unwritable_;
    }

    void tell() const {
        if (protected_ == 1)
            tk::RuntimeMsgBox("1 copy was not saved, because it would have replaced a photo in the list.");
        else if (protected_ > 1)
            tk::RuntimeMsgBox(tk::StringStrInt32(protected_) +
                              " copies were not saved, because they would have replaced photos in the list.");
        if (unreadable_ == 1)
            tk::RuntimeMsgBox("1 photo could not be read, so no copy of it was saved.");
        else if (unreadable_ > 1)
            tk::RuntimeMsgBox(tk::StringStrInt32(unreadable_) +
                              " photos could not be read, so no copies of them were saved.");
        if (unwritable_ == 1)
            tk::RuntimeMsgBox("1 copy could not be written to the chosen folder.");
        else if (unwritable_ > 1)
            tk::RuntimeMsgBox(tk::StringStrInt32(unwritable_) + " copies could not be written to the chosen folder.");
    }

  private:
    void collectListed() {
        listed_.clear();
        listedRows_ = list_.ListCount();
        for (int row = 0; row < listedRows_; ++row)
            if (tk::Ref<tk::FolderItem> photo = tk::RuntimeGetFolderItem(list_.Cell(row, 1)))
                if (auto file = photo->identity())
                    listed_.insert(*file);
    }

    tk::Listbox& list_;
    int listedRows_ = 0;
    std::set<std::pair<std::uint64_t, std::uint64_t>> listed_;
    int protected_ = 0;
    int unreadable_ = 0; // listed as pictures, but their pixels did not decode
    int unwritable_ = 0;
};

tk::Ref<tk::Picture> MainWindow::scaleForSaving(tk::Ref<tk::Picture> p) {
    if (!p)
        return nullptr;
    auto canvas = MainWindow::instance()->Canvas1();
    const int w = p->Width(), h = p->Height();
    const Fit fit = fitRule(w, h, canvas->Width(), canvas->Height());
    tk::Ref<tk::Picture> r = tk::newPicture(fit.width, fit.height, 32);
    // A photo whose pixels cannot be decoded after all gives no copy, not a blank one.
    const bool drawn = fit.scaled ? r->Graphics()->DrawPicture(p, 0, 0, fit.width, fit.height, 0, 0, w, h)
                                  : r->Graphics()->DrawPicture(p, 0, 0);
    return drawn ? r : nullptr;
}

// Writes the copy of the selected row r (already made the list's selection)
// under the name Label3 shows.
void MainWindow::saveSelectedRow(int r, const tk::Ref<tk::FolderItem>& folder, CopyReport& report) {
    tk::Ref<tk::FolderItem> o = folder->Child(Label3()->Text());
    if (!o)
        return;
    tk::Ref<tk::FolderItem> f = tk::RuntimeGetFolderItem(ListBox1()->Cell(r, 1), 0);
    if (!f || !f->Exists())
        return;
    if (tk::Ref<tk::Picture> picture = f->OpenAsPicture())
        report.save(o, *f, scaleForSaving(picture));
}

std::vector<int> MainWindow::selectedRows(tk::Listbox& list) {
    std::vector<int> rows;
    tk::LongLoop longLoop;
    for (int i = 0; i <= list.ListCount() - 1; ++i) {
        if (list.Selected(i))
            rows.push_back(i);
        tk::backgroundTasks();
    }
    return rows;
}

void MainWindow::saveAllPhotos() {
    auto list = ListBox1();
    const std::vector<int> rows = selectedRows(*list);
    if (rows.empty()) {
        tk::RuntimeMsgBox("Select photo(s) to save in the Images list.");
        return;
    }
    auto dialog = tk::makeRef<tk::SelectFolderDialog>();
    dialog->ActionButtonCaption = "Select";
    dialog->PromptText = "Choose a location to save the photos.";
    saveF = dialog->ShowModal();
    if (!saveF)
        return;
    const std::string noted = bottomLeftLabel()->Text();
    bottomLeftLabel()->setText(cancelHint);
    CopyReport report(*list);
    {
        tk::LongLoop longLoop;
        for (int r : rows) {
            list->setListIndex(r);
            if (tk::getUserCancelled())
                break;
            saveSelectedRow(r, saveF, report);
            tk::backgroundTasks();
        }
    }
    bottomLeftLabel()->setText(noted);
    report.tell();
}

void MainWindow::savePhoto() {
    auto dialog = tk::makeRef<tk::SelectFolderDialog>();
    dialog->ActionButtonCaption = "Select";
    tk::Ref<tk::FolderItem> folder = dialog->ShowModal();
    if (!folder)
        return;
    ProgressWheel1()->setVisible(true);
    auto list = ListBox1();
    CopyReport report(*list);
    {
        tk::LongLoop longLoop;
        for (int j = 0; j <= list->ListCount() - 1; ++j) {
            if (list->Selected(j)) {
                tk::Ref<tk::FolderItem> f = tk::RuntimeGetFolderItem(list->Cell(j, 1), 0);
                tk::Ref<tk::Picture> picture = f && f->Exists() ? f->OpenAsPicture() : nullptr;
                tk::Ref<tk::FolderItem> copy = picture ? folder->Child(f->Name()) : nullptr;
                if (copy)
                    report.save(copy, *f, scaleForSaving(picture));
            }
            tk::backgroundTasks();
        }
    }
    ProgressWheel1()->setVisible(false);
    report.tell();
}

// Nothing starts Thread2; started, it saves every row into saveF, each step
// that touches a control carried out on the main thread.
void MainWindow::Thread2_Run(tk::Thread&) {
    tk::Ref<tk::FolderItem> folder;
    std::string noted;
    std::unique_ptr<CopyReport> report;
    tk::runOnMainThread([&] {
        folder = saveF;
        if (!folder)
            return;
        ListBox1()->setListIndex(0);
        noted = bottomLeftLabel()->Text();
        bottomLeftLabel()->setText(cancelHint);
        ProgressWheel1()->setVisible(true);
        report = std::make_unique<CopyReport>(*ListBox1());
    });
    if (!folder)
        return;
    tk::LongLoop longLoop;
    for (int i = 0;; ++i) {
        bool more = false;
        tk::runOnMainThread([&] { more = i <= ListBox1()->ListCount() - 1; });
        if (!more || tk::getUserCancelled())
            break;
        tk::runOnMainThread([&] {
            ListBox1()->setListIndex(i);
            saveSelectedRow(i, folder, *report);
        });
        tk::backgroundTasks();
    }
    tk::runOnMainThread([&] {
        ProgressWheel1()->setVisible(false);
        bottomLeftLabel()->setText(noted);
        report->tell();
    });
}
