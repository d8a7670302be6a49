#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace app {

// The program's modal message box: "CMM Points" with an OK button. Tests divert it into a list,
// so that a box is seen and answered without anybody clicking.
class MessageBox {
  public:
    static void show(QWidget* parent, const QString& text);

    // While a sink is set, boxes are appended to it instead of shown; nullptr shows them again.
    static void recordInto(QStringList* sink);

  private:
    static QStringList* recorded_;
};

}  // namespace app
