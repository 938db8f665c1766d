// What a drag out of a window carries.
#include "toolkit/files/FolderItem.h"
#include "toolkit/windows/DragItem.h"

#include <gtest/gtest.h>

#include <QMimeData>

#include <string>

namespace {

TEST(DragItemTest, CarriesTheFileAsAFileUrlThatKeepsTheNamesBytes) {
    const struct {
        std::string path;
        std::string uriList;
    } cases[] = {
        {"/tmp/photo.jpg", "file:///tmp/photo.jpg\r\n"},
        {"/tmp/with space/\xc3\xbc#?%.jpg", "file:///tmp/with%20space/%C3%BC%23%3F%25.jpg\r\n"},
        {"/tmp/caf\xe9.jpg", "file:///tmp/caf%E9.jpg\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto data = tk::DragItem::mimeDataFor(tk::FolderItem(c.path));
        EXPECT_EQ(data->data("text/uri-list").toStdString(), c.uriList);
        // A drop on one of our own windows finds the same file.
        const tk::DragItem dropped = tk::DragItem::fromMimeData(*data);
        ASSERT_TRUE(dropped.FolderItemAvailable());
        EXPECT_EQ(dropped.FolderItem()->nativePath(), c.path);
    }
}

} // namespace
