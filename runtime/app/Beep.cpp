#include "runtime/app/Beep.h"

#include <QApplication>

#include "runtime/app/ModalResponder.h"

namespace runtime {

void Beep() {
    detail::CountBeep();
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

}  // namespace runtime
