#include "about_dialog.h"

#include "app/bitmap_button.h"
#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(views::toQString(text(TextId::AboutTitle)));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(bitmapPicture(128));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto *lines = new QVBoxLayout;
    auto *product = new QLabel(views::toQString(text(TextId::AppTitle)), this);
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    lines->addWidget(product);
    lines->addWidget(new QLabel(views::toQString(text(TextId::AboutVersion)), this));
    top->addLayout(lines, 1);
    layout->addLayout(top);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace app
