// Size presets: "Save Size" appends the preview's fitted size to the sizes
// file, and a chosen "width x height" entry resizes the window to show the
// preview at about that size.
#include "workspace/MainWindow.h"

#include "toolkit/core/Strings.h"
#include "toolkit/files/TextStream.h"

namespace {

const char* const noSizeEntry = "Select Size:";

// Appends a carriage return and "width x height" to "Tessivo/TVOsizes" in the
// application-data folder; a folder or file that cannot be had is skipped.
void appendSizeRecord(const tk::Picture& fitted) {
    tk::Ref<tk::FolderItem> folder = tk::SpecialFolder::ApplicationData()->Child("Tessivo");
    if (!folder)
        return;
    if (!folder->Exists())
        folder->CreateAsFolder();
    tk::Ref<tk::FolderItem> file = folder->Child("TVOsizes");
    if (!file)
        return;
    tk::Ref<tk::TextOutputStream> out = tk::TextOutputStream::Append(file);
    if (!out)
        return;
    const std::string size = tk::StringStrInt32(fitted.Width()) + " x " + tk::StringStrInt32(fitted.Height());
    out->Write(tk::StringDBCSChr(13) + size);
    out->Close();
}

} // namespace

void MainWindow::PushButton3_Action(tk::PushButton&) {
    // Before the preview has painted a photo there is no size to record.
    if (tk::Ref<tk::Picture> fitted = Canvas1()->scaledPic)
        appendSizeRecord(*fitted);
    loadsizes();
}

void MainWindow::PopupMenu1_Open(tk::PopupMenu&) { loadsizes(); }

void MainWindow::PopupMenu1_Change(tk::PopupMenu& menu) {
    if (loadingsizes)
        return;
    const std::string entry = menu.Text();
    if (entry == noSizeEntry)
        return;
    const std::string width = tk::StringNthField(entry, " x ", 1);
    const std::string height = tk::StringNthField(entry, " x ", 2);
    // Fixed margins around the preview, set width first.
    setWidth(tk::Int((tk::StringVal(width) + 225) + 26));
    setHeight(tk::Int((tk::StringVal(height) + 105) + 20));
}

// The sizes file is never read back: the pop-up keeps its one stored entry.
void MainWindow::loadsizes() {}
