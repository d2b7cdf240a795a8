#pragma once

#include "common/inform_blocks.h"
#include "common/records.h"
#include "views/address/address_edit_reading.h"
#include "views/common/choice_lists.h"

#include <QWidget>

#include <vector>

class QComboBox;

namespace views {

class GroupTable;
class SjisLineEdit;

// "基本項目": memory number, name, reading (filled in while the name is typed) and group. Every
// change goes into the edit buffer at once.
class AddressBasicPage : public QWidget
{
    Q_OBJECT

public:
    AddressBasicPage(AddressRecord &buffer, const AddressLimits &limits, const GroupTable &groups,
                     QWidget *parent = nullptr);

    SjisLineEdit *memoryNumberEdit() const { return m_memoryNumber; }
    SjisLineEdit *nameEdit() const { return m_name; }
    SjisLineEdit *readingEdit() const { return m_reading; }
    QComboBox *groupList() const { return m_group; }

private:
    void memoryNumberChanged();
    void nameChanged();
    void groupChosen(int position);
    void nameCommitting(const QString &text);
    void nameTyping(const QString &character);
    NameEditState nameState() const;

    AddressRecord &m_buffer;
    AddressLimits m_limits;
    const GroupTable &m_groups;
    std::vector<ChoiceItem> m_groupItems;
    SjisLineEdit *m_memoryNumber;
    SjisLineEdit *m_name;
    SjisLineEdit *m_reading;
    QComboBox *m_group;
};

} // namespace views
