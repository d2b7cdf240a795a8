#pragma once

#include "common/inform_blocks.h"
#include "plugins/core/address_format.h"
#include "plugins/core/bookmark_format.h"
#include "plugins/core/schedule_format.h"

#include <cstdint>
#include <span>

namespace plugin {

// One option list: the texts (Shift_JIS, written as sjis("...")) in index order.
struct OptionList
{
    int32_t type; // InformType 201 .. 403
    std::span<const char *const> texts;
};

// Where one kind of data lies on the card, in the card's own notation.
struct CardLocation
{
    const char *extension;
    const char *folder;
    const char *pathPattern;
    int32_t highestNumber;
};

// How a model's mail loader differs: whether an "X-IRMC-BOX:OUTBOX" message loads as unread.
struct MailFormat
{
    bool outboxMarksUnread = true;
};

// Everything that tells one model plug-in from another. Each model directory defines exactly
// one, returned by thisModel(); the shared code reads nothing else.
struct ModelDefinition
{
    const char *modelName; // display name
    uint32_t pluginCode;
    BookmarkLimits bookmarkLimits; // headers are filled in when answered
    AddressLimits addressLimits;
    ScheduleLimits scheduleLimits;
    std::span<const OptionList> optionLists;
    std::span<const CardLocation, 4> cardFiles; // bookmarks, address book, mail, schedule
    // Non-null: LoadData and SaveData need PIM_DATA.PIM beside the card file, and an address
    // save registers the file in it with this 128-byte template.
    const unsigned char *managementDescriptor;
    // True: a failed save reports the failing step's code; false: every failure reports -999.
    bool reportsStepErrors;
    const AddressFormat &address;
    const ScheduleFormat &schedule;
    const BookmarkFormat &bookmark;
    MailFormat mail;
};

const ModelDefinition &thisModel();

} // namespace plugin
