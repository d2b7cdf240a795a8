#pragma once

#include <cstdint>
#include <span>

namespace plugin {

// Which finished cards the address loader takes (a card must always say VERSION:2.1).
enum class CardAcceptance {
    Version,                // every 2.1 card
    BackupWithMemoryNumber, // also "X-SH-CATEGORIES:BACKUP" and an "X-NO:" line
    FujitsuMark,            // also an "X-FUJITSU-SC:" line
};

// Where the memory numbers of loaded cards come from.
enum class MemoryNumbering {
    FromCard,               // "X-NO:"
    OwnerThenSequence,      // first card the owner, then 10, 11, ... wrapping to 0 at the capacity
    Sequence,               // 10, 11, ... wrapping to 0 at the capacity, no owner
    FirstOwnerThenFromCard, // first card the owner; later cards need "X-NO:"
};

// Where the icon of a loaded phone or mail slot comes from.
enum class IconSource {
    None,          // always 0
    TypeWord,      // the TEL/EMAIL parameter text compared with the type words
    FollowingLine, // the value of followProperty on a line after the slot's line
    NumberedLines, // the k-th numberedProperty line of the card gives slot k's icon
};

enum class PostalLayout {
    None,
    SecondComponent, // ";address;;;;;": the address only
    ThirdAndSixth,   // ";;address;;;code;": address and postal code
};

// When an empty slot is written at all.
enum class EmptySlotRule {
    UntilNumberWritten, // while no non-empty value has been written in this card
    UntilLineWritten,   // while no line of this slot kind has been written in this card
};

// How one kind of slot (phone or mail) is read and written.
struct SlotFormat
{
    // Loading.
    int maxLoaded = 0; // slots taken per card
    IconSource iconSource = IconSource::None;
    const char *followProperty
        = nullptr; // "X-DIF:": value - iconBase; or a word matched with words
    const char *numberedProperty = nullptr; // "X-FUJITSU-TEL_ICON:"
    int32_t iconBase = 0;
    bool followIsWord = false; // the following line's value is a word of `words`
    // Writing: line takes (word, value) when typed, else (value).
    const char *line = nullptr;
    bool typed = false;
    const char *emptyLine
        = nullptr; // written for an empty value instead of line; null: line with ""
    EmptySlotRule emptyRule = EmptySlotRule::UntilNumberWritten;
    const char *followLine
        = nullptr; // after every slot line: %d (icon + iconBase) or %s (the icon's word)
    // Both ways.
    std::span<const char *const> words
        = {};              // type words by icon (TEL/EMAIL parameters, mail words)
    int32_t iconCount = 1; // icons 0 .. iconCount - 1; others count as 0 when written
};

// The lines of a written card, in order. Each step names the record field it writes.
enum class CardLine {
    Text,                 // format as it stands
    Name,                 // %s; emptyFormat for an empty name (null: format with "")
    Reading,              // %s; emptyFormat as for Name
    Phones,               // the phone slots, SlotFormat rules
    Mails,                // the mail slots
    Note,                 // %s; emptyFormat for an empty note
    NoteQuotedPrintable,  // format is the property name; emptyFormat for an empty note
    GroupNumber,          // %d; -1 and values above limit (when limit > 0) written as 0
    GroupName,            // %s; emptyFormat for an empty name
    MemoryNumber,         // %d; emptyFormat for the OwnerRecord
    Lamp,                 // %02X%02X: phone then mail lamp code of the illumination word
    PostalAddress,        // %s, written only when the address is not empty
    PostalAddressAndCode, // %s %s: address then postal code
    PerPhoneWritten,      // once per phone line written: %d icon; emptyFormat for an empty slot
    PerMailWritten,       // once per mail line written: %d icon; emptyFormat for an empty slot
};

struct CardLineStep
{
    CardLine line;
    const char *format;
    const char *emptyFormat = nullptr;
    int32_t limit = 0;
    bool skipForOwner = false;
};

// A model's address-book card format: the differences between the six loaders and writers.
struct AddressFormat
{
    // Loading.
    int minimumCards = 1;
    CardAcceptance acceptance = CardAcceptance::Version;
    MemoryNumbering numbering = MemoryNumbering::Sequence;
    bool readsGroupNumber = false; // "X-GNO:"
    bool readsGroupName = false;   // "X-GN;CHARSET=SHIFT_JIS:"
    const char *noteProperty
        = nullptr;          // "NOTE" or "X-NOTE" (followed by ':' or ';'); null: no note
    bool readsLamp = false; // "X-LAMP:"
    PostalLayout postal = PostalLayout::None;
    SlotFormat phones;
    SlotFormat mails;
    // Writing.
    bool writesOwner = true; // false: the OwnerRecord is left out of the file
    std::span<const CardLineStep> lines
        = {}; // between "BEGIN:VCARD" + "VERSION:2.1" and "END:VCARD"
    std::span<const uint8_t> lampCodes = {}; // X-LAMP code by illumination index; index past: [0]
};

} // namespace plugin
