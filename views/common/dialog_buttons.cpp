#include "dialog_buttons.h"

#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace views {

QDialogButtonBox *okCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(toQString(app::text(app::TextId::CancelButton)));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace views
