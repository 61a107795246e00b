#include "tests/support/UrlRecorder.h"

#include <QDesktopServices>

namespace testsupport {

UrlRecorder::UrlRecorder(QStringList schemes) : schemes_(std::move(schemes)) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlRecorder::~UrlRecorder() {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace testsupport
