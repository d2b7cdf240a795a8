#pragma once

#include <QDialog>

namespace app {

// "Cellvaneのﾊﾞｰｼﾞｮﾝ情報": the product name, its version line and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace app
