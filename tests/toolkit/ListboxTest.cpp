// The list control: rows, hidden columns, selection and its Change events, drawing, keys and file drops.
#include "tests/support/RunTime.h"

#include "toolkit/controls/Listbox.h"
#include "toolkit/controls/ListboxRowPicture.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/files/FileType.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/windows/DragItem.h"
#include "toolkit/windows/Window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int rowHeight = 40;
constexpr int rowCount = 5;

// A window with one multiple-selection list that records its Change events.
class ListWindow : public tk::Window {
  public:
    tk::Ref<tk::Listbox> list;
    int changes = 0;
    // ListIndex and ListCount as each Change handler saw them.
    std::vector<int> indexesSeen;
    std::vector<int> countsSeen;
    std::function<void(tk::Listbox&)> onChange;

    void Layout() override { applyStoredProperties({{"Width", 300}, {"Height", 400}, {"Title", "List"}}); }
    void CreateControls() override {
        list = __New<tk::Listbox>();
        _AddControl(list, "List");
        list->applyStoredProperties({{"Left", 10},
                                     {"Top", 10},
                                     {"Width", 162},
                                     {"Height", 300},
                                     {"DefaultRowHeight", rowHeight},
                                     {"SelectionType", 1},
                                     {"Border", false},
                                     {"UseFocusRing", false}});
        list->Change.bind([this](tk::Listbox& l) {
            ++changes;
            indexesSeen.push_back(l.ListIndex());
            countsSeen.push_back(l.ListCount());
            if (onChange)
                onChange(l);
        });
    }
};

class ListboxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        window = tk::Window::instance<ListWindow>();
        list = window->list;
        refill();
    }
    void TearDown() override {
        // The closed window's activation change is handled while the window still exists.
        window->Close();
        QTest::qWait(1);
        list.clear();
        window.clear();
        QTest::qWait(1);
    }

    QAbstractItemView* view() const { return static_cast<QAbstractItemView*>(list->qwidget()); }
    QPoint rowCentre(int row) const { return view()->visualRect(view()->model()->index(row, 0)).center(); }
    std::vector<int> selectedRows() const {
        std::vector<int> rows;
        for (int row = 0; row < list->ListCount(); ++row)
            if (list->Selected(row))
                rows.push_back(row);
        return rows;
    }
    // The rows r0 to r4, none selected.
    void refill() {
        list->DeleteAllRows();
        for (int row = 0; row < rowCount; ++row)
            list->AddRow("r" + std::to_string(row));
        selectOnly({});
    }
    void selectOnly(const std::vector<int>& rows) {
        list->setListIndex(-1);
        for (int row : rows)
            list->setSelected(row, true);
        window->changes = 0;
        window->indexesSeen.clear();
        window->countsSeen.clear();
    }

    tk::Ref<ListWindow> window;
    tk::Ref<tk::Listbox> list;
};

TEST_F(ListboxTest, CodeRaisesOneChangeBeforeReturningAndOnlyWhenTheSelectionChanged) {
    struct Case {
        const char* what;
        std::vector<int> before;
        std::function<void(tk::Listbox&)> act;
        std::vector<int> after;
        int changes;
    };
    const Case cases[] = {
        {"select a row", {}, [](tk::Listbox& l) { l.setListIndex(2); }, {2}, 1},
        {"select a row alone", {1, 3}, [](tk::Listbox& l) { l.setListIndex(3); }, {3}, 1},
        {"select the sole selected row", {2}, [](tk::Listbox& l) { l.setListIndex(2); }, {2}, 0},
        {"clear", {1, 4}, [](tk::Listbox& l) { l.setListIndex(-1); }, {}, 1},
        {"clear nothing", {}, [](tk::Listbox& l) { l.setListIndex(-1); }, {}, 0},
        {"index past the end", {1}, [](tk::Listbox& l) { l.setListIndex(rowCount); }, {1}, 0},
        {"index below -1", {1}, [](tk::Listbox& l) { l.setListIndex(-2); }, {1}, 0},
        {"add to the selection", {3}, [](tk::Listbox& l) { l.setSelected(1, true); }, {1, 3}, 1},
        {"add a selected row", {3}, [](tk::Listbox& l) { l.setSelected(3, true); }, {3}, 0},
        {"take out of the selection", {1, 3}, [](tk::Listbox& l) { l.setSelected(1, false); }, {3}, 1},
        {"remove a selected row", {2}, [](tk::Listbox& l) { l.RemoveRow(2); }, {}, 1},
        {"remove an unselected row above", {3}, [](tk::Listbox& l) { l.RemoveRow(1); }, {2}, 0},
        {"remove a row that is not there", {3}, [](tk::Listbox& l) { l.RemoveRow(rowCount); }, {3}, 0},
        {"delete all with a selection", {0, 4}, [](tk::Listbox& l) { l.DeleteAllRows(); }, {}, 1},
        {"delete all without", {}, [](tk::Listbox& l) { l.DeleteAllRows(); }, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        refill();
        selectOnly(c.before);
        c.act(*list);
        EXPECT_EQ(selectedRows(), c.after);
        EXPECT_EQ(window->changes, c.changes);
        const int lowest = c.after.empty() ? -1 : c.after.front();
        EXPECT_EQ(list->ListIndex(), lowest);
        // The handler sees the change made, never a step of it.
        if (c.changes == 1) {
            EXPECT_EQ(window->indexesSeen, std::vector<int>{lowest});
            EXPECT_EQ(window->countsSeen, std::vector<int>{list->ListCount()});
        }
    }

    // A single-selection list keeps one row selected, and removing it selects no other.
    list->applyStoredProperties({{"SelectionType", 0}});
    refill();
    selectOnly({1});
    list->setSelected(3, true);
    EXPECT_EQ(selectedRows(), std::vector<int>{3});
    list->setListIndex(2);
    list->RemoveRow(2);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(window->changes, 3);
}

TEST_F(ListboxTest, EachUserSelectionRaisesOneChange) {
    QWidget* viewport = view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(window->changes, 1);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1}));

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, rowCentre(3));
    EXPECT_EQ(window->changes, 2);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 2, 3}));

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    EXPECT_EQ(window->changes, 3);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 3}));

    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->changes, 4);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(int(selectedRows().size()), rowCount);

    // Clicking the only selected row again changes nothing.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(4));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(4));
    EXPECT_EQ(window->changes, 5);
    EXPECT_EQ(window->indexesSeen.back(), 4);
}

TEST_F(ListboxTest, ChangesThatHandlersMakeFollowAfterTheHandlerReturns) {
    struct Case {
        const char* what;
        std::function<void(tk::Listbox&)> onChange;
        std::vector<int> indexesSeen;
        int rowsLeft;
    };
    const Case cases[] = {
        {"the handler moves the selection", [](tk::Listbox& l) { l.setListIndex(0); }, {2, 0}, rowCount},
        {"the handler removes the selected row and runs the event loop",
         [](tk::Listbox& l) {
             if (l.ListIndex() >= 0)
                 l.RemoveRow(l.ListIndex());
             QCoreApplication::processEvents();
         },
         {2, -1},
         rowCount - 1},
        {"the handler empties the list", [](tk::Listbox& l) { l.DeleteAllRows(); }, {2, -1}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        refill();
        window->onChange = c.onChange;
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, rowCentre(2));
        window->onChange = nullptr;
        EXPECT_EQ(window->indexesSeen, c.indexesSeen);
        EXPECT_EQ(list->ListCount(), c.rowsLeft);
    }

    // A handler that never leaves the selection alone still lets the setter return, and the list goes on.
    refill();
    window->onChange = [](tk::Listbox& l) { l.setListIndex((l.ListIndex() + 1) % l.ListCount()); };
    list->setListIndex(0);
    window->onChange = nullptr;
    EXPECT_GT(window->changes, 1);
    selectOnly({});
    list->setListIndex(2);
    EXPECT_EQ(window->indexesSeen, std::vector<int>{2});
}

TEST_F(ListboxTest, HiddenColumnsStayWithTheirRow) {
    list->setCell(1, 1, "one");
    list->setCell(1, 4, "four");
    list->setCell(2, 1, "two");
    EXPECT_EQ(list->Cell(1, 0), "r1");
    EXPECT_EQ(list->Cell(1, 1), "one");
    EXPECT_EQ(list->Cell(1, 3), "");
    EXPECT_EQ(list->Cell(1, 4), "four");

    list->RemoveRow(0);
    EXPECT_EQ(list->Cell(0, 1), "one");
    EXPECT_EQ(list->Cell(1, 1), "two");
    EXPECT_EQ(list->LastIndex(), rowCount - 2);

    // Only column 0 is shown.
    list->setCell(0, 0, "shown");
    EXPECT_EQ(view()->model()->data(view()->model()->index(0, 0)).toString(), "shown");
    EXPECT_EQ(view()->model()->columnCount(), 1);

    for (int row : {-1, rowCount, 100}) {
        list->setCell(row, 1, "ignored");
        EXPECT_EQ(list->Cell(row, 1), "");
        EXPECT_EQ(list->Cell(row, 0), "");
    }
    EXPECT_EQ(list->Cell(0, -1), "");
    EXPECT_EQ(list->ListCount(), rowCount - 1);
}

TEST_F(ListboxTest, CellBackgroundPaintDrawsUnderThePictureAndReplacesTheHighlight) {
    const QColor grey(205, 204, 209);
    const QColor red(255, 0, 0);
    // Wider than the list, shorter than the row.
    auto picture = tk::makeRef<tk::Picture>(316, 20);
    picture->mutableImage().fill(red);
    list->setRowPicture(0, picture);
    list->setSelected(1, true);

    std::vector<QSize> cellSizes;
    list->CellBackgroundPaint.bind([&](tk::Listbox&, tk::Graphics& g, int, int column) {
        cellSizes.emplace_back(g.Width(), g.Height());
        EXPECT_EQ(column, 0);
        g.setForeColor(tk::RGB(205, 204, 209));
        g.FillRect(0, 0, g.Width(), g.Height());
        return true;
    });
    QWidget* viewport = view()->viewport();
    QImage shot = viewport->grab().toImage();
    ASSERT_FALSE(cellSizes.empty());
    for (QSize size : cellSizes)
        EXPECT_EQ(size, QSize(viewport->width(), rowHeight));
    const QRect first = view()->visualRect(view()->model()->index(0, 0));
    const QRect second = view()->visualRect(view()->model()->index(1, 0));
    EXPECT_EQ(first.height(), rowHeight);
    EXPECT_EQ(shot.pixelColor(first.left() + 1, first.center().y()), red);
    EXPECT_EQ(shot.pixelColor(first.right() - 1, first.center().y()), red); // clipped at the cell's edge
    EXPECT_EQ(shot.pixelColor(first.left() + 1, first.top() + 2), grey);    // centred: background above it
    EXPECT_EQ(shot.pixelColor(second.right() - 2, second.center().y()), grey);

    // Unhandled, the selected row shows the highlight.
    list->CellBackgroundPaint.bind([](tk::Listbox&, tk::Graphics&, int, int) { return false; });
    shot = viewport->grab().toImage();
    EXPECT_EQ(shot.pixelColor(second.right() - 2, second.center().y()),
              view()->palette().color(QPalette::Active, QPalette::Highlight));
}

// Collects the regions a widget paints.
class PaintedRegion : public QObject {
  public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

TEST_F(ListboxTest, ARowWhosePictureOrTextChangesIsDrawnAgainInPlace) {
    const auto shown = [&](int row) { return view()->visualRect(view()->model()->index(row, 0)); };
    QTest::qWait(50);
    const QRect second = shown(1);
    const QRect third = shown(2);
    PaintedRegion painted(view()->viewport());
    auto picture = tk::makeRef<tk::Picture>(100, 20);
    picture->mutableImage().fill(Qt::red);
    list->setRowPicture(1, picture);
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.region.contains(second); }, 2000));
    list->setCell(2, 0, "renamed");
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.region.contains(third); }, 2000));
    EXPECT_EQ(shown(1), second);
    EXPECT_EQ(shown(2), third);
    EXPECT_EQ(view()->viewport()->grab().toImage().pixelColor(second.center()), QColor(Qt::red));
}

// During a long loop the list lays its rows out at the display's pace: a row
// selected is laid out (and scrolled to) at once, the others by the next frame.
TEST_F(ListboxTest, RowsAddedDuringALongLoopAreLaidOutByTheNextFrameAndASelectedOneAtOnce) {
    const auto shown = [&](int row) { return view()->visualRect(view()->model()->index(row, 0)); };
    {
        tk::LongLoop loop;
        for (int i = 0; i < 100; ++i) {
            list->AddRow("row");
            tk::backgroundTasks();
        }
        list->AddRow("selected");
        list->setListIndex(list->LastIndex());
        EXPECT_TRUE(shown(list->LastIndex()).isValid());
        EXPECT_TRUE(view()->viewport()->rect().contains(shown(list->LastIndex()))) << "scrolled to";
        list->AddRow("last");
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(list->LastIndex()).isValid(); }, 2000));
    EXPECT_EQ(shown(list->LastIndex()).top() - shown(list->LastIndex() - 1).top(), rowHeight);
}

// A row keeps only what lies inside a picture's plain frame, and still reads
// back and paints as the whole picture, over whatever lies beneath it.
TEST(ListboxRowPictureTest, ReadsBackAndPaintsAsThePictureItWasMadeFrom) {
    const auto noise = [](QImage& image, QRect area, int alpha) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                image.setPixelColor(x, y, QColor((x * 37 + y * 11) % 256, (x * 5 + y * 53) % 256, (x * y) % 256, alpha));
    };
    const QColor grey(232, 232, 232);
    struct Case {
        const char* what;
        QSize size;
        QColor ground;
        QRect inner;
        int innerAlpha;
    };
    for (const Case& c : {Case{"a thumbnail on a grey ground", {316, 100}, grey, {91, 0, 133, 100}, 255},
                          Case{"a photo smaller than its ground", {316, 90}, grey, {21, 3, 120, 84}, 255},
                          Case{"no plain frame", {50, 40}, grey, {0, 0, 50, 40}, 255},
                          Case{"one colour only", {30, 20}, Qt::red, {}, 255},
                          Case{"translucent pixels on an opaque ground", {60, 30}, grey, {10, 5, 20, 10}, 128},
                          Case{"a transparent ground", {60, 30}, Qt::transparent, {10, 5, 20, 10}, 255}}) {
        SCOPED_TRACE(c.what);
        QImage picture(c.size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(c.ground);
        noise(picture, c.inner, c.innerAlpha);
        const tk::ListboxRowPicture kept(picture);
        EXPECT_EQ(kept.whole(), picture);

        // Over a checked background: whole, and a part of it as a cell's edge cuts it.
        for (const QRect source : {QRect(QPoint(), c.size), QRect(8, 4, c.size.width() - 16, c.size.height() - 6)}) {
            QImage expected(400, 120, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x)
                    expected.setPixelColor(x, y, (x / 4 + y / 4) % 2 ? Qt::darkBlue : Qt::yellow);
            QImage actual = expected;
            const QRectF target(QPointF(5, 7), QSizeF(source.size()));
            {
                QPainter painter(&expected);
                painter.drawImage(target, picture, QRectF(source));
            }
            {
                QPainter painter(&actual);
                kept.draw(painter, target, QRectF(source));
            }
            EXPECT_EQ(actual, expected) << "source " << source.x() << "," << source.y();
        }
    }
}

// A long loop that moves a selection of several rows to one of them is taken
// to walk them: their files are expected in turn, and only while it runs.
TEST_F(ListboxTest, ALongLoopMovingASelectionToOneOfItsRowsExpectsTheirFilesInTurn) {
    list->applyStoredProperties({{"RowFileColumn", 1}});
    for (int row = 0; row < list->ListCount(); ++row)
        list->setCell(row, 1, "photos:r" + std::to_string(row) + ".jpg");
    const auto item = [&](int row) { return tk::RuntimeGetFolderItem(list->Cell(row, 1)); };
    selectOnly({0, 2, 3});
    list->setListIndex(0);
    EXPECT_FALSE(item(2)->listedIn()) << "no long loop runs";
    {
        tk::LongLoop loop;
        selectOnly({0, 2, 3});
        list->setListIndex(2);
        EXPECT_EQ(item(2)->listedAt(), 1);
        EXPECT_EQ(item(3)->listedAt(), 2);
        EXPECT_EQ(item(2)->listedAfter(1)->nativePath(), "/photos/r3.jpg");
        EXPECT_FALSE(item(0)->listedIn()) << "before the row the walk begins at";
        list->setListIndex(3); // one row selected: the walk goes on
        EXPECT_EQ(item(3)->listedAt(), 2);
    }
    EXPECT_FALSE(item(3)->listedIn()) << "the loop has ended";
}

TEST_F(ListboxTest, KeyDownSeesKeysBeforeTheList) {
    std::vector<std::string> keys;
    bool handled = true;
    list->KeyDown.bind([&](tk::Listbox&, const std::string& key) {
        keys.push_back(key);
        return handled;
    });
    // Key events as the window system sends them: with Control, a letter's text is a control character.
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::vector<std::string> seen;
    };
    for (const Case& c :
         {Case{Qt::Key_A, Qt::ControlModifier, QString(QChar(1)), {"a"}},
          Case{Qt::Key_A, Qt::ShiftModifier, "A", {"A"}}, Case{Qt::Key_Down, {}, "", {"Down"}},
          Case{Qt::Key_Shift, Qt::ShiftModifier, "", {}}}) {
        keys.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.text);
        QApplication::sendEvent(view(), &press);
        EXPECT_EQ(keys, c.seen);
    }
    EXPECT_EQ(window->changes, 0);
    EXPECT_EQ(list->ListIndex(), -1);

    handled = false;
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(int(selectedRows().size()), rowCount);
    EXPECT_EQ(window->changes, 1);
}

TEST_F(ListboxTest, FileDropsReachDropObjectOnceAccepted) {
    QTemporaryDir folder;
    std::vector<std::string> paths;
    QList<QUrl> urls;
    for (const char* name : {"a.jpg", "b c.png"}) {
        const QString path = folder.path() + "/" + name;
        QFile(path).open(QIODevice::WriteOnly);
        urls.push_back(QUrl::fromLocalFile(path));
        paths.push_back(QFile::encodeName(path).toStdString());
    }
    urls.push_back(QUrl("https://example.org/c.jpg"));
    tk::FileType photos;
    photos.Name = "listbox test photos";
    photos.Operator_Convert();

    std::vector<std::string> dropped;
    int action = -1;
    list->DropObject.bind([&](tk::Listbox&, tk::DragItem& item, int a) {
        action = a;
        do {
            if (item.FolderItemAvailable())
                dropped.push_back(item.FolderItem()->nativePath());
        } while (item.NextItem());
        EXPECT_FALSE(item.NextItem());
    });
    auto drop = [&](const QList<QUrl>& what) {
        QMimeData data;
        data.setUrls(what);
        const QPoint at = rowCentre(0);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &enter);
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };

    EXPECT_FALSE(drop(urls));
    list->AcceptFileDrop("nobody registered this");
    EXPECT_FALSE(drop(urls));
    EXPECT_TRUE(dropped.empty());

    list->AcceptFileDrop(photos.Name);
    EXPECT_FALSE(drop({QUrl("https://example.org/c.jpg")}));
    EXPECT_TRUE(dropped.empty());
    EXPECT_TRUE(drop(urls));
    EXPECT_EQ(dropped, paths);
    EXPECT_EQ(action, tk::DragItem::DragActionCopy);
}

TEST_F(ListboxTest, StoredPropertiesOfTheAppsListAreTakenAndUnknownOnesRefused) {
    list->applyStoredProperties({{"ColumnCount", 1},
                                 {"HasHeading", false},
                                 {"Hierarchical", false},
                                 {"DefaultRowHeight", 110},
                                 {"SelectionType", 1},
                                 {"RequiresSelection", false},
                                 {"Border", true},
                                 {"ScrollbarVertical", true},
                                 {"ScrollbarHorizontal", false},
                                 {"GridLinesHorizontal", 0},
                                 {"GridLinesVertical", 0},
                                 {"UseFocusRing", false},
                                 {"EnableDrag", false},
                                 {"EnableDragReorder", false},
                                 {"ColumnsResizable", false},
                                 {"InitialValue", "x\ty\r\nz"},
                                 {"TextFont", "System"},
                                 {"TextSize", 12},
                                 {"Bold", false},
                                 {"TabStop", true},
                                 {"AutoHideScrollbars", true},
                                 {"ColumnWidths", ""},
                                 {"TabIndex", 17},
                                 {"Visible", true}});
    EXPECT_EQ(view()->visualRect(view()->model()->index(0, 0)).height(), 110);
    EXPECT_EQ(list->ListCount(), rowCount + 2);
    EXPECT_EQ(list->Cell(rowCount, 0), "x");
    EXPECT_EQ(list->Cell(rowCount, 1), "y");
    EXPECT_EQ(list->Cell(rowCount + 1, 0), "z");
    EXPECT_EQ(list->LastIndex(), rowCount + 1);
    EXPECT_THROW(list->applyStoredProperties({{"HeadingIndex", 0}}), tk::UnsupportedOperationException);
}

} // namespace
