#include "MessageBox.h"

#include "app/language/Language.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace vlnokres {

// A window manager sets the title in a bold font of its own and keeps room beside it for the
// window's icon and its buttons; a box sized to its text alone has its title cut short.
int widthForTitle(const QString &title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    constexpr int kTitleBarControls = 160;
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarControls;
}

void showMessageBox(QWidget &parent, const Message &message)
{
    // The core's messages are its Czech sources; the edge's come translated already.
    const QString title = Texts::tr(message.title.c_str());
    QMessageBox box(QMessageBox::NoIcon, title, Texts::tr(message.text.c_str()), QMessageBox::Ok, &parent);
    // QMessageBox computes its own size from its text; a spacer across its grid widens it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    parent.activateWindow();
}

} // namespace vlnokres
