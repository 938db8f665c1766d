#include "tests/support/Drops.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

bool dropFiles(QWidget* target, const std::vector<std::string>& nativePaths) {
    QList<QUrl> urls;
    for (const std::string& path : nativePaths)
        urls << QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path)));
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
