#pragma once
// Internal: the QApplication of the process. Every event goes through its
// notify, which keeps exceptions from passing through Qt: one that escapes
// an event handler goes to the exception helper, and the loop goes on.

#include <QApplication>

namespace runtime::detail {

class RuntimeApplication : public QApplication {
public:
    RuntimeApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace runtime::detail
