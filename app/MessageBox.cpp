#include "MessageBox.h"

#include <QMessageBox>

namespace vlnokres {

void showMessageBox(QWidget &parent, const Message &message)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(message.title), QString::fromUtf8(message.text),
                    QMessageBox::Ok, &parent);
    box.exec();
}

} // namespace vlnokres
