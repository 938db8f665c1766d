#pragma once

#include <QObject>
#include <QUrl>

#include <vector>

// Takes the place of the browser: records the web addresses the application opens.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    std::vector<QUrl> urls;
  public slots:
    void record(const QUrl& url) { urls.push_back(url); }
};
