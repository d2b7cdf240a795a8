#pragma once

#include "app/model_choice.h"

#include <QDialog>

class QComboBox;

namespace app {

// "携帯機種の選択": a list of the bound models with the current one chosen. Its result is the
// chosen plug-in index, or -1 when cancelled.
class ModelSelectDialog : public QDialog
{
    Q_OBJECT

public:
    ModelSelectDialog(ModelChoice &choice, host::PluginHost &plugins, QWidget *parent = nullptr);

    // Fills the list and runs the dialog; the chosen index or -1.
    int choose();

    QComboBox *modelList() const { return m_list; }

    void accept() override;

private:
    ModelChoice &m_choice;
    host::PluginHost &m_plugins;
    QComboBox *m_list;
    int m_result = -1;
};

} // namespace app
