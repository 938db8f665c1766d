#pragma once

#include "workspace/Toolbar1.h"
#include "workspace/scaleCanvas.h"

#include "toolkit/controls/BevelButton.h"
#include "toolkit/controls/Canvas.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Listbox.h"
#include "toolkit/controls/PopupMenu.h"
#include "toolkit/controls/ProgressWheel.h"
#include "toolkit/controls/PushButton.h"
#include "toolkit/controls/TextField.h"
#include "toolkit/core/Thread.h"
#include "toolkit/core/Timer.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/windows/DragItem.h"
#include "toolkit/windows/Menu.h"
#include "toolkit/windows/Window.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The one main window: the photo list, the preview and the commands on them.
class MainWindow : public tk::Window {
  public:
    // The one main window, created and built on first use.
    static tk::Ref<MainWindow> instance() { return tk::Window::instance<MainWindow>(); }

    // What the preview area says while no photo is selected.
    static constexpr const char* noImageSelected = "No image selected";

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    tk::Ref<tk::Listbox> ListBox1() const { return controlAs<tk::Listbox>("ListBox1"); }
    tk::Ref<tk::TextField> editfield1() const { return controlAs<tk::TextField>("editfield1"); }
    tk::Ref<tk::Label> StaticText5() const { return controlAs<tk::Label>("StaticText5"); }
    tk::Ref<Toolbar1> Toolbar11() const { return controlAs<Toolbar1>("Toolbar11"); }
    tk::Ref<tk::Thread> Thread1() const { return controlAs<tk::Thread>("Thread1"); }
    tk::Ref<tk::Thread> Thread2() const { return controlAs<tk::Thread>("Thread2"); }
    tk::Ref<tk::Label> StaticText4() const { return controlAs<tk::Label>("StaticText4"); }
    tk::Ref<scaleCanvas> Canvas1() const { return controlAs<scaleCanvas>("Canvas1"); }
    tk::Ref<tk::Canvas> Canvas13() const { return controlAs<tk::Canvas>("Canvas13"); }
    tk::Ref<tk::Label> Label1() const { return controlAs<tk::Label>("Label1"); }
    tk::Ref<tk::GroupBox> GroupBox1() const { return controlAs<tk::GroupBox>("GroupBox1"); }
    tk::Ref<tk::Label> Label2() const { return controlAs<tk::Label>("Label2"); }
    tk::Ref<tk::Label> StaticText41() const { return controlAs<tk::Label>("StaticText41"); }
    tk::Ref<tk::BevelButton> BevelButton1() const { return controlAs<tk::BevelButton>("BevelButton1"); }
    tk::Ref<tk::Label> Label3() const { return controlAs<tk::Label>("Label3"); }
    tk::Ref<tk::PushButton> PushButton3() const { return controlAs<tk::PushButton>("PushButton3"); }
    tk::Ref<tk::PopupMenu> PopupMenu1() const { return controlAs<tk::PopupMenu>("PopupMenu1"); }
    tk::Ref<tk::Timer> Timer1() const { return controlAs<tk::Timer>("Timer1"); }
    tk::Ref<tk::ProgressWheel> ProgressWheel1() const { return controlAs<tk::ProgressWheel>("ProgressWheel1"); }
    tk::Ref<tk::PushButton> PushButton4() const { return controlAs<tk::PushButton>("PushButton4"); }
    tk::Ref<tk::Label> ImgNumLabel() const { return controlAs<tk::Label>("ImgNumLabel"); }
    tk::Ref<tk::PushButton> PushButton2() const { return controlAs<tk::PushButton>("PushButton2"); }
    tk::Ref<tk::PushButton> PushButton5() const { return controlAs<tk::PushButton>("PushButton5"); }
    tk::Ref<tk::Label> bottomLeftLabel() const { return controlAs<tk::Label>("bottomLeftLabel"); }

    // The photo list (MainWindowPhotoList.cpp).
    void ListBox1_DropObject(tk::Listbox& list, tk::DragItem& obj, int action);
    void ListBox1_Open(tk::Listbox& list);
    void ListBox1_Change(tk::Listbox& list);
    bool ListBox1_CellBackgroundPaint(tk::Listbox& list, tk::Graphics& g, int row, int column);
    bool ListBox1_KeyDown(tk::Listbox& list, const std::string& key);
    void editfield1_TextChange(tk::TextField& field);
    void PushButton2_Action(tk::PushButton& sender);
    void PushButton5_Action(tk::PushButton& sender);
    // Appends a photo row for the picture read from the file, with its thumbnail.
    void addAThumb(tk::Ref<tk::Picture> pic, tk::Ref<tk::FolderItem> file);
    // Shows the number of listed photos in ImgNumLabel; called once a change of the rows has ended.
    void showImageCount();

    // Loading photos and folders (MainWindowLoading.cpp).
    void Thread1_Run(tk::Thread& thread);
    void openFolder();
    void openPhoto();
    void openDroppedFolder(tk::Ref<tk::FolderItem> folder);

    // The preview (MainWindowPreview.cpp).
    bool Canvas1_MouseDown(tk::Canvas& c, int x, int y);
    void Canvas1_Open(tk::Canvas& c);
    void Timer1_Action(tk::Timer& t);

    // Saving scaled copies (MainWindowSaving.cpp).
    tk::Ref<tk::Picture> scaleForSaving(tk::Ref<tk::Picture> p);
    void saveAllPhotos();
    void savePhoto();
    void Thread2_Run(tk::Thread& thread);

    // Shows a folder chooser and discards what it gives.
    void PushButton4_Action(tk::PushButton& sender);

    // Size presets (MainWindowSizes.cpp).
    void PushButton3_Action(tk::PushButton& sender);
    void PopupMenu1_Open(tk::PopupMenu& sender);
    void PopupMenu1_Change(tk::PopupMenu& sender);
    void loadsizes();

    // E-mailing photos (MainWindowEmail.cpp).
    void sendOnePhoto();
    void sendMultiplePhotos();

    // The bevel button: fit to screen and its save menu (MainWindowFitToScreen.cpp).
    // The picture scaled to fit the main screen, enlarged as well as shrunk; nil for nil.
    tk::Ref<tk::Picture> ScaleBGPicture(tk::Ref<tk::Picture> p);
    void BevelButton1_Action(tk::BevelButton& sender);
    bool BevelButton1_ConstructContextualMenu(tk::BevelButton& sender, tk::Ref<tk::MenuItem> base, int x,
                                              int y);
    bool BevelButton1_ContextualMenuAction(tk::BevelButton& sender, tk::Ref<tk::MenuItem> hitItem);

    // Commands (MainWindowMenus.cpp).
    void Toolbar11_Action(Toolbar1& toolbar, tk::ToolItem& item);
    void AddMenuHandlers() override;
    bool _FileOpenFolderofPhotos_Action();
    bool _FileOpenPhoto_Action();
    bool _FileSaveScaledPhotoAs_Action();
    bool _EditCopy_Action();

    // The items of the window's menu bar, found by name.
    tk::Ref<tk::MenuItem> HelpMenu() const { return menuItem("HelpMenu"); }
    tk::Ref<tk::MenuItem> HelpUsersGuide() const { return menuItem("HelpUsersGuide"); }
    tk::Ref<tk::MenuItem> UntitledMenu0() const { return menuItem("UntitledMenu0"); }
    tk::Ref<tk::MenuItem> FileMenu() const { return menuItem("FileMenu"); }
    tk::Ref<tk::MenuItem> UntitledMenu2() const { return menuItem("UntitledMenu2"); }
    tk::Ref<tk::QuitMenuItem> FileQuit() const { return tk::refCast<tk::QuitMenuItem>(menuItem("FileQuit")); }
    tk::Ref<tk::AppleMenuItem> FileAboutTessivo() const {
        return tk::refCast<tk::AppleMenuItem>(menuItem("FileAboutTessivo"));
    }
    tk::Ref<tk::MenuItem> File() const { return menuItem("File"); }
    tk::Ref<tk::MenuItem> FileOpenFolderofPhotos() const { return menuItem("FileOpenFolderofPhotos"); }
    tk::Ref<tk::MenuItem> FileOpenPhoto() const { return menuItem("FileOpenPhoto"); }
    tk::Ref<tk::MenuItem> UntitledMenu1() const { return menuItem("UntitledMenu1"); }

    void Event_Close() override;
    void Event_Activate() override;
    void Event_Open() override;
    void Event_EnableMenuItems() override {}
    void Event_Resizing() override {}
    void Event_Resized() override {}

    // Name of the photo file last put into the preview.
    std::string theFileName;
    // The folder being loaded.
    tk::Ref<tk::FolderItem> photoF;
    // The destination folder of a save.
    tk::Ref<tk::FolderItem> saveF;
    // True while the list's selection change is handled.
    bool changingImage = false;
    // The list's selected index after the last selection change.
    std::int32_t currentIndex = 0;
    // True while a folder is being loaded.
    bool loadingImages = false;
    // While True, a change of the size pop-up is ignored.
    bool loadingsizes = false;

  private:
    // The hint line while a load or a save runs.
    static constexpr const char* cancelHint = "Ctrl + period to cancel...";

    tk::Ref<tk::MenuItem> menuItem(const char* name) const;
    // The selected rows in ascending order, by RowID, collected as a long loop.
    static std::vector<std::uint64_t> selectedRows(tk::Listbox& list);

    class SaveRun;
    void saveSelectedRow(int r, SaveRun& run);

    enum class LoadEnd { finished, cancelled, superseded };
    LoadEnd runLoadingLoop(bool onThread1, int& generation);
    void beginLoading();
    void endLoading(LoadEnd end, bool redrawHint);

    // Folder loads: each new one supersedes the one running; the loop of
    // Thread1 takes over a folder dropped while it runs. Changed on the main
    // thread only; Thread1's loop reads them without waiting for it.
    std::atomic<int> loadGeneration_{0};
    std::atomic<int> thread1Generation_{0};
    bool thread1Loading_ = false;
    bool loadInProgress_ = false;
    std::string hintBeforeLoading_;
};
