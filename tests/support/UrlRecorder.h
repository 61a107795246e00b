#pragma once
// Stands in for the desktop: while it lives, QDesktopServices hands it the
// URLs of the given schemes it would open, and they are kept in `opened`.
// Link test_url_recorder.

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace testsupport {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QStringList schemes);
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }

private:
    QStringList schemes_;
};

}  // namespace testsupport
