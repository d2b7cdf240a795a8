#include "model_select_dialog.h"

#include "app/string_table.h"
#include "host/plugin_host.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

ModelSelectDialog::ModelSelectDialog(ModelChoice &choice, host::PluginHost &plugins,
                                     QWidget *parent)
    : QDialog(parent)
    , m_choice(choice)
    , m_plugins(plugins)
    , m_list(new QComboBox(this))
{
    setWindowTitle(views::toQString(text(TextId::ModelDialogTitle)));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(views::toQString(text(TextId::ModelDialogLabel)), this));
    layout->addWidget(m_list);
    auto *note = new QLabel(views::toQString(text(TextId::ModelDialogNote)), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(views::okCancelButtons(this));
    setFixedWidth(360);
}

int ModelSelectDialog::choose()
{
    m_list->clear();
    m_result = -1;
    const std::optional<std::vector<std::string>> names = m_choice.modelNames();
    if (!names)
        return -1;
    for (const std::string &name : *names)
        m_list->addItem(views::toQString(name));
    m_list->setCurrentIndex(m_plugins.currentIndex());
    return exec() == QDialog::Accepted ? m_result : -1;
}

void ModelSelectDialog::accept()
{
    const int chosen = m_list->currentIndex();
    if (!m_choice.confirm(chosen)) {
        m_list->setCurrentIndex(m_plugins.currentIndex());
        return;
    }
    m_result = chosen;
    QDialog::accept();
}

} // namespace app
