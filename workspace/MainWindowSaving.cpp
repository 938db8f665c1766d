// Saving scaled JPEG copies of the listed photos into a chosen folder. A copy
// never replaces a listed photo nor another copy of the same run, and copies
// that could not be made or written are reported once the run has ended and
// every copy it handed over has been written.
#include "workspace/MainWindow.h"

#include "workspace/FitRule.h"
#include "workspace/UnusedName.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/core/MainThreadCall.h"
#include "toolkit/core/Strings.h"
#include "toolkit/pictures/PictureWrites.h"
#include "toolkit/windows/DialogHost.h"
#include "toolkit/windows/FolderItemDialog.h"

#include <memory>
#include <optional>
#include <set>
#include <utility>

// One run of saves into one folder. A copy never replaces a listed photo, nor
// a copy written earlier in the run: that one keeps its name and the later one
// takes the next name that neither holds. A file that was in the folder before
// the run goes to the trash before a copy takes its name; one the trash refuses
// stays, and the copy takes the next name. What could not be saved, and what
// went to the trash, is told when the run ends.
class MainWindow::SaveRun {
  public:
    SaveRun(tk::Listbox& list, tk::Ref<tk::FolderItem> folder) : list_(list), folder_(std::move(folder)) {}

    // Writes picture, the copy of source (nil when it could not be read), under
    // name or the next name free for it, unless name is a listed photo's. Files
    // are compared as files, so links and other spellings of a path (a folder
    // that ignores case) count too.
    void save(const std::string& name, const tk::FolderItem& source, const tk::Ref<tk::Picture>& picture) {
        if (!picture) {
            ++unreadable_;
            return;
        }
        // Photos may have been added, removed or renamed while the run went on.
        collectListed();
        const auto sourceFile = source.identity();
        const std::string chosen = unusedName(name, [&](const std::string& n) {
            const tk::Ref<tk::FolderItem> item = folder_->Child(n);
            if (!item)
                return false; // told of below
            // Two copies of one name are never written at once: the earlier one is seen written first.
            if (writes_.Writing(*item))
                writes_.Wait();
            const auto file = item->identity();
            if (!file)
                return false;
            if (written_.count(*file))
                return true;
            // A listed photo's name is refused for its own copy, below, and passed over when numbering.
            if (listed_.count(*file) || file == sourceFile)
                return n != name;
            return !moveToTrash(item);
        });
        const tk::Ref<tk::FolderItem> copy = folder_->Child(chosen);
        if (!copy) {
            ++unwritable_; // a name no file can have in the chosen folder
            return;
        }
        const auto target = copy->identity();
        if (target && (listed_.count(*target) || target == sourceFile)) {
            ++protected_;
            return;
        }
        writes_.SaveAsJPEG(copy, picture, [this, copy](bool written) {
            if (!written)
                ++unwritable_;
            else if (const auto file = copy->identity())
                written_.insert(*file);
        });
    }

    // Once every copy handed over has been written. Nothing is told once the
    // application quits: the user has left the run.
    void tell() {
        writes_.Wait();
        if (tk::applicationQuitting())
            return;
        tellCount(protected_, "1 copy was not saved, because it would have replaced a photo in the list.",
                  " copies were not saved, because they would have replaced photos in the list.");
        tellCount(unreadable_, "1 photo could not be read, so no copy of it was saved.",
                  " photos could not be read, so no copies of them were saved.");
        tellCount(unwritable_, "1 copy could not be written to the chosen folder.",
                  " copies could not be written to the chosen folder.");
        tellCount(trashed_, "1 file of the same name was moved to the trash.",
                  " files of the same names were moved to the trash.");
    }

  private:
    using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;

    // Tells how many there were, in the sentence for one when there was one.
    static void tellCount(int count, const char* one, const char* many) {
        if (count == 1)
            tk::RuntimeMsgBox(one);
        else if (count > 1)
            tk::RuntimeMsgBox(tk::StringStrInt32(count) + many);
    }

    // The files of the listed photos, read again whenever the rows' paths have changed.
    void collectListed() {
        std::vector<std::string> paths;
        paths.reserve(std::size_t(list_.ListCount()));
        for (int row = 0; row < list_.ListCount(); ++row)
            paths.push_back(list_.Cell(row, 1));
        if (collected_ && paths == listedPaths_)
            return;
        collected_ = true;
        listedPaths_ = std::move(paths);
        listed_.clear();
        for (const std::string& path : listedPaths_)
            if (tk::Ref<tk::FolderItem> photo = tk::RuntimeGetFolderItem(path))
                if (auto file = photo->identity())
                    listed_.insert(*file);
    }

    // A file that was in the folder before the run goes to the trash, unless it
    // is a folder; False when it stays where it is.
    bool moveToTrash(const tk::Ref<tk::FolderItem>& item) {
        if (item->Directory())
            return false;
        const std::string before = item->nativePath();
        item->MoveFileTo(tk::SpecialFolder::Trash());
        if (item->nativePath() == before)
            return false;
        ++trashed_;
        return true;
    }

    tk::Listbox& list_;
    const tk::Ref<tk::FolderItem> folder_;
    bool collected_ = false;
    std::vector<std::string> listedPaths_;
    std::set<FileIdentity> listed_;
    std::set<FileIdentity> written_; // the copies this run has written
    int protected_ = 0;
    int unreadable_ = 0; // sources that hold no picture, or whose pixels did not decode
    int unwritable_ = 0;
    int trashed_ = 0;
    // Last, so that it goes first: its writes end while what they count is still here.
    tk::PictureWrites writes_;
};

namespace {

// The file of row r's photo; nil when it no longer exists, which gives no
// copy and no word.
tk::Ref<tk::FolderItem> sourceOfRow(tk::Listbox& list, int r) {
    tk::Ref<tk::FolderItem> f = tk::RuntimeGetFolderItem(list.Cell(r, 1), 0);
    return f && f->Exists() && !f->Directory() ? f : nullptr;
}

} // namespace

tk::Ref<tk::Picture> MainWindow::scaleForSaving(tk::Ref<tk::Picture> p) {
    if (!p)
        return nullptr;
    auto canvas = Canvas1();
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
void MainWindow::saveSelectedRow(int r, SaveRun& run) {
    if (tk::Ref<tk::FolderItem> f = sourceOfRow(*ListBox1(), r))
        run.save(Label3()->Text(), *f, scaleForSaving(f->OpenAsPicture()));
}

std::vector<std::uint64_t> MainWindow::selectedRows(tk::Listbox& list) {
    std::vector<std::uint64_t> rows;
    tk::LongLoop longLoop;
    for (int i = 0; i <= list.ListCount() - 1; ++i) {
        if (list.Selected(i))
            rows.push_back(list.RowID(i));
        tk::backgroundTasks();
    }
    return rows;
}

void MainWindow::saveAllPhotos() {
    auto list = ListBox1();
    const std::vector<std::uint64_t> rows = selectedRows(*list);
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
    SaveRun run(*list, saveF);
    {
        tk::LongLoop longLoop;
        for (std::uint64_t row : rows) {
            // Rows may have come and gone in the pauses; one removed before its turn is not saved.
            const int r = list->RowWithID(row);
            if (r < 0)
                continue;
            list->setListIndex(r);
            if (tk::getUserCancelled())
                break;
            saveSelectedRow(r, run);
            tk::backgroundTasks();
        }
    }
    bottomLeftLabel()->setText(noted);
    run.tell();
}

void MainWindow::savePhoto() {
    auto dialog = tk::makeRef<tk::SelectFolderDialog>();
    dialog->ActionButtonCaption = "Select";
    tk::Ref<tk::FolderItem> folder = dialog->ShowModal();
    if (!folder)
        return;
    ProgressWheel1()->setVisible(true);
    auto list = ListBox1();
    SaveRun run(*list, folder);
    {
        tk::LongLoop longLoop;
        for (int j = 0; j <= list->ListCount() - 1; ++j) {
            if (list->Selected(j))
                if (tk::Ref<tk::FolderItem> f = sourceOfRow(*list, j))
                    run.save(f->Name(), *f, scaleForSaving(f->OpenAsPicture()));
            tk::backgroundTasks();
        }
    }
    ProgressWheel1()->setVisible(false);
    run.tell();
}

// Nothing starts Thread2; started, it saves every row into saveF, each step
// that touches a control carried out on the main thread.
void MainWindow::Thread2_Run(tk::Thread&) {
    tk::Ref<tk::FolderItem> folder;
    std::string noted;
    std::unique_ptr<SaveRun> run;
    tk::runOnMainThread([&] {
        folder = saveF;
        if (!folder)
            return;
        ListBox1()->setListIndex(0);
        noted = bottomLeftLabel()->Text();
        bottomLeftLabel()->setText(cancelHint);
        ProgressWheel1()->setVisible(true);
        run = std::make_unique<SaveRun>(*ListBox1(), folder);
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
            saveSelectedRow(i, *run);
        });
        tk::backgroundTasks();
    }
    tk::runOnMainThread([&] {
        ProgressWheel1()->setVisible(false);
        bottomLeftLabel()->setText(noted);
        run->tell();
    });
}
