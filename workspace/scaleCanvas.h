#pragma once

#include "toolkit/controls/Canvas.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Picture.h"

// The preview: paints its picture fitted into its current size and centred,
// never enlarged, and keeps the fitted picture.
class scaleCanvas : public tk::Canvas {
  public:
    ~scaleCanvas() override;

    // The picture to preview; nil draws nothing.
    tk::Ref<tk::Picture> pic;
    tk::Ref<tk::FolderItem> picFolderItem;
    // The fitted picture, rebuilt by every paint while pic is set.
    tk::Ref<tk::Picture> scaledPic;

  protected:
    void Event_Paint(tk::Graphics& g) override;

  private:
    tk::Ref<tk::Picture> fittedFrom_; // the picture scaledPic was made from
};
