#include "workspace/scaleCanvas.h"

#include "workspace/FitRule.h"
#include "workspace/MainWindow.h"

#include "toolkit/core/Strings.h"
#include "toolkit/pictures/Graphics.h"

scaleCanvas::~scaleCanvas() {
    pic.clear();
    picFolderItem.clear();
    scaledPic.clear();
    fittedFrom_.clear();
}

void scaleCanvas::Event_Paint(tk::Graphics& g) {
    if (!pic)
        return;
    const int w = pic->Width(), h = pic->Height();
    const Fit fit = fitRule(w, h, Width(), Height());
    // The fitted picture is made first and drawn onto the canvas as it is:
    // the same pixels as scaling the photo a second time, at half the cost.
    // A paint of the same picture at the same size keeps the one it made.
    if (pic != fittedFrom_ || !scaledPic || scaledPic->Width() != fit.width || scaledPic->Height() != fit.height) {
        tk::Ref<tk::Picture> fitted = tk::newPicture(fit.width, fit.height, 32);
        if (fit.scaled)
            fitted->Graphics()->DrawPicture(pic, 0, 0, fit.width, fit.height, 0, 0, w, h);
        else
            fitted->Graphics()->DrawPicture(pic, 0, 0);
        scaledPic = fitted;
        fittedFrom_ = pic;
    }
    g.DrawPicture(scaledPic, fit.x, fit.y);
    const std::string size =
        tk::StringStrInt32(scaledPic->Width()) + " x " + tk::StringStrInt32(scaledPic->Height());
    auto main = MainWindow::instance();
    main->StaticText4()->setText("Scaled: " + size);
    // What a screen reader says the preview shows; the start picture is no photo of the user's.
    setAccessibleName(main->ListBox1()->ListIndex() > -1 ? main->Label3()->Text() + ", scaled to " + size
                                                         : MainWindow::noImageSelected);
}
