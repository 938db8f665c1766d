// Loading photos into the list: a chosen folder (on the main thread), a
// dropped or handed-over folder (on Thread1), and one chosen photo.
#include "workspace/MainWindow.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/core/MainThreadCall.h"
#include "toolkit/core/Strings.h"
#include "toolkit/windows/FolderItemDialog.h"

// The hint line is noted by the first of overlapping loads only, so that the
// last one to end puts back what the user saw before any of them.
void MainWindow::beginLoading() {
    if (!loadInProgress_)
        hintBeforeLoading_ = bottomLeftLabel()->Text();
    loadInProgress_ = true;
    bottomLeftLabel()->setText(cancelHint);
}

void MainWindow::endLoading(LoadEnd end, bool redrawHint) {
    loadInProgress_ = false;
    bottomLeftLabel()->setText(hintBeforeLoading_);
    if (redrawHint)
        bottomLeftLabel()->Refresh(true);
    ProgressWheel1()->setVisible(false);
    showImageCount();
    if (end == LoadEnd::finished && ListBox1()->ListCount() > 0)
        ListBox1()->setListIndex(0);
    loadingImages = false;
    // With no row selected (a stopped load, an empty folder) the preview no longer claims a load.
    if (ListBox1()->ListIndex() == -1)
        Label2()->setText(noImageSelected);
    if (end == LoadEnd::finished)
        Refresh(true);
}

// Walks the folder's items by position, listing every item that opens as a
// picture. Every step that touches a control runs on the main thread, in
// order; the loop waits only where it needs an answer, and hands over each
// item's steps in one. A load started meanwhile supersedes this one,
// except that Thread1's loop goes on with a folder dropped while it runs.
// The folder is the one photoF named when the load began: a folder dialog
// cancelled meanwhile does not end it.
MainWindow::LoadEnd MainWindow::runLoadingLoop(bool onThread1, int& generation) {
    tk::LongLoop longLoop;
    tk::Ref<tk::FolderItem> folder;
    tk::runOnMainThread([&] {
        generation = onThread1 ? thread1Generation_ : loadGeneration_;
        folder = photoF;
    });
    int i = 1;
    for (;;) {
        // Only a load begun meanwhile needs the main thread's answer.
        if (generation != loadGeneration_) {
            bool superseded = false;
            tk::runOnMainThread([&] {
                if (generation == loadGeneration_)
                    return;
                if (onThread1 && thread1Generation_ == loadGeneration_) {
                    generation = loadGeneration_.load();
                    folder = photoF;
                    i = 1;
                } else {
                    superseded = true;
                }
            });
            if (superseded)
                return LoadEnd::superseded;
        }
        if (!folder || i > folder->Count())
            return LoadEnd::finished;
        const bool cancelled = tk::getUserCancelled();
        tk::Ref<tk::FolderItem> item;
        tk::Ref<tk::Picture> picture;
        if (!cancelled && (item = folder->Item(i)))
            picture = item->OpenAsPicture();
        tk::postToMainThread([this, cancelled, picture, item, generation, i] {
            ListBox1()->Refresh(true);
            if (cancelled)
                return;
            // A load begun since owns the list now.
            if (picture && generation == loadGeneration_) {
                addAThumb(picture, item);
                ListBox1()->Refresh(true);
                ListBox1()->setListIndex(i);
            }
            Refresh(true);
        });
        if (cancelled)
            return LoadEnd::cancelled;
        tk::backgroundTasks();
        ++i;
    }
}

void MainWindow::openFolder() {
    auto dialog = tk::makeRef<tk::SelectFolderDialog>();
    dialog->ActionButtonCaption = "Select";
    photoF = dialog->ShowModal();
    if (photoF) {
        ++loadGeneration_;
        loadingImages = true;
        ProgressWheel1()->setVisible(true);
        setTitle(photoF->DisplayName());
        ListBox1()->DeleteAllRows();
        beginLoading();
        bottomLeftLabel()->Refresh(true);
        int generation = 0;
        const LoadEnd end = runLoadingLoop(false, generation);
        // A superseded load leaves its end, and the count, to the load that took over.
        if (end != LoadEnd::superseded)
            endLoading(end, true);
        return;
    }
    showImageCount();
    Refresh(true);
}

void MainWindow::openPhoto() {
    auto dialog = tk::makeRef<tk::OpenDialog>();
    dialog->ActionButtonCaption = "Select";
    if (tk::Ref<tk::FolderItem> file = dialog->ShowModal()) {
        if (tk::Ref<tk::Picture> picture = file->OpenAsPicture()) {
            addAThumb(picture, file);
            ListBox1()->setListIndex(ListBox1()->LastIndex());
        }
    }
    showImageCount();
}

void MainWindow::openDroppedFolder(tk::Ref<tk::FolderItem> folder) {
    if (!folder)
        return;
    loadingImages = true;
    photoF = folder;
    ProgressWheel1()->setVisible(true);
    setTitle(folder->DisplayName());
    ListBox1()->DeleteAllRows();
    thread1Generation_ = ++loadGeneration_;
    // A loop already running on Thread1 takes the new folder over itself.
    if (!thread1Loading_) {
        thread1Loading_ = true;
        Thread1()->Run();
    }
}

void MainWindow::Thread1_Run(tk::Thread&) {
    int generation = 0;
    LoadEnd end = LoadEnd::cancelled;
    try {
        tk::runOnMainThread([&] { beginLoading(); });
        end = runLoadingLoop(true, generation);
    } catch (...) {
        // The load ends with what it has, so that the next drop starts a new one.
        try {
            tk::runOnMainThread([&] {
                thread1Loading_ = false;
                endLoading(LoadEnd::cancelled, false);
            });
        } catch (...) {
        }
        throw;
    }
    tk::runOnMainThread([&] {
        if (thread1Generation_ == loadGeneration_ && generation != loadGeneration_) {
            // A folder was dropped after the loop had finished: load it too.
            Thread1()->Run();
            return;
        }
        thread1Loading_ = false;
        if (end != LoadEnd::superseded)
            endLoading(end, false);
    });
}
