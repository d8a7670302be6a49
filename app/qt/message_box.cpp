#include "app/qt/message_box.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

namespace app {

QStringList* MessageBox::recorded_ = nullptr;

void MessageBox::show(QWidget* parent, const QString& text) {
    if (recorded_) {
        recorded_->append(text);
        return;
    }
    // A box shown in the middle of a busy press still needs the ordinary pointer to be answered.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("CMM Points"), text, QMessageBox::Ok,
                    parent);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
}

void MessageBox::recordInto(QStringList* sink) { recorded_ = sink; }

}  // namespace app
