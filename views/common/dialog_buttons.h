#pragma once

#include <QDialogButtonBox>

class QDialog;

namespace views {

// The OK and "ｷｬﾝｾﾙ" buttons a dialog ends with, wired to its accept() (which a dialog may
// override to check its input first) and reject(). The caller places the box in its layout.
QDialogButtonBox *okCancelButtons(QDialog *dialog);

} // namespace views
