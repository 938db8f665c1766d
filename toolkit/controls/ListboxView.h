#pragma once

// The Qt side of a Listbox: its rows, how a row is drawn, and the view that
// takes the list's keys and drops. Toolkit-internal.
#include "toolkit/controls/ListboxRowPicture.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QListView>
#include <QTimer>
#include <QStyledItemDelegate>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

class Listbox;

// The rows with every column's text and their pictures; only column 0 is shown.
class ListboxModel : public QAbstractListModel {
  public:
    struct Row {
        std::uint64_t id; // stays with the row while rows above it come and go
        std::vector<std::string> cells;
        ListboxRowPicture picture;
    };

    explicit ListboxModel(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int count() const { return int(rows_.size()); }
    bool has(int row) const { return row >= 0 && row < count(); }
    const Row& row(int row) const { return rows_[std::size_t(row)]; }
    // The row that id names now; -1 for none.
    int indexOf(std::uint64_t id) const;
    std::string cell(int row, int column) const;
    // The column holding the path (FolderItem::AbsolutePath) of the file each row
    // stands for; a row without text is named after that file. -1 for none.
    void setFileColumn(int column) { fileColumn_ = column; }
    int fileColumn() const { return fileColumn_; }

    void append(const std::string& text);
    void setCell(int row, int column, const std::string& text);
    void setPicture(int row, ListboxRowPicture picture);
    void remove(int row);
    void clear();

  private:
    QVariant accessibleName(int row) const;

    std::vector<Row> rows_;
    std::uint64_t nextId_ = 1;
    int fileColumn_ = -1;
};

class ListboxView;

// Draws a row: the background (the list's CellBackgroundPaint, else the
// highlight or the base colour), the picture, then the text.
class ListboxDelegate : public QStyledItemDelegate {
  public:
    explicit ListboxDelegate(ListboxView& view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    bool paintBackground(QPainter& painter, const QRect& cell, int row) const;
    ListboxView& view_;
};

class ListboxView : public QListView {
  public:
    explicit ListboxView(Listbox* owner);
    ~ListboxView() override;
    Listbox* owner() const { return owner_; }
    void forget() { owner_ = nullptr; }
    ListboxModel& rows() const { return *rows_; }

    // 0 or less: as tall as a line of text.
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int height);
    bool gridLines() const { return gridLines_; }
    void setGridLines(bool on);
    bool focusRing() const { return focusRing_; }
    void setFocusRing(bool on);
    void acceptFileType(const std::string& name);
    // Lays out the rows that wait for the next frame now; before one of them is selected.
    void layOutWaitingRows();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The view lays out every row whenever rows come: while a long loop runs,
    // at most at the display's pace, the rows that came meanwhile at once.
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool acceptsDrop(const QMimeData* data) const;
    void layOut();

    Listbox* owner_;
    ListboxModel* rows_;
    QMetaObject::Connection selectionWatch_;
    QElapsedTimer sinceLaidOut_;
    std::chrono::nanoseconds lastLayoutTook_{0};
    QTimer nextLayout_;
    int rowHeight_ = 0;
    bool gridLines_ = false;
    bool focusRing_ = false;
    std::vector<std::string> acceptedFileTypes_;
};

} // namespace tk
