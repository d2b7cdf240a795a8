#include "mail_loader.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_values.h"
#include "plugins/core/last_error.h"
#include "plugins/core/plugin_interface.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace plugin {
namespace {

constexpr size_t kFixedSize = MAIL_RECORD_FIXED_SIZE;
// The largest body a record's 32-bit size can describe.
constexpr size_t kLargestBody = std::numeric_limits<int32_t>::max() - kFixedSize;

// Where a line stands in the message structure, the same for both passes.
enum class Step { Outside, MessageBegin, Envelope, BodyBegin, BodyLine, BodyEnd, MessageEnd };

class MessageStructure
{
public:
    Step take(const std::string &line)
    {
        switch (m_state) {
        case State::Outside:
            if (line != "BEGIN:VMSG")
                return Step::Outside;
            m_state = State::Envelope;
            m_bodyEnded = false;
            return Step::MessageBegin;
        case State::Envelope:
            // The sender's and receivers' vCards in the envelope are not read: their VERSION is
            // not the message's.
            if (line == "BEGIN:VCARD")
                m_inCard = true;
            if (m_inCard && line != "END:VMSG") {
                m_inCard = line != "END:VCARD";
                return Step::Outside;
            }
            if (line == "BEGIN:VBODY" && !m_bodyEnded) {
                m_state = State::Body;
                return Step::BodyBegin;
            }
            if (line == "END:VMSG") {
                m_state = State::Outside;
                m_inCard = false;
                return Step::MessageEnd;
            }
            // Only lines before the body are the envelope.
            return m_bodyEnded ? Step::Outside : Step::Envelope;
        case State::Body:
            if (line != "END:VBODY")
                return Step::BodyLine;
            m_state = State::Envelope;
            m_bodyEnded = true;
            return Step::BodyEnd;
        }
        return Step::Outside;
    }

    // At MessageEnd: whether the message had its body ended, so that it counts.
    bool bodyEnded() const { return m_bodyEnded; }

private:
    enum class State { Outside, Envelope, Body };
    State m_state = State::Outside;
    bool m_bodyEnded = false;
    bool m_inCard = false;
};

struct Counted
{
    size_t messages = 0;
    size_t blockSize = 0;
};

Counted countMessages(LineReader &reader)
{
    Counted counted;
    MessageStructure structure;
    size_t bodySize = 0;
    std::string line;
    while (reader.readLine(line)) {
        switch (structure.take(line)) {
        case Step::MessageBegin:
            bodySize = 0;
            break;
        case Step::BodyLine:
            bodySize += line.size() + 2;
            break;
        case Step::BodyEnd:
            bodySize += 1;
            break;
        case Step::MessageEnd:
            if (structure.bodyEnded()) {
                ++counted.messages;
                counted.blockSize += kFixedSize + bodySize;
            }
            break;
        default:
            break;
        }
    }
    return counted;
}

// Copies text (cut to the field) into a field when it is not empty.
template<size_t N>
void storeCut(std::string_view text, char (&field)[N])
{
    if (text.empty())
        return;
    const size_t length = std::min(text.size(), N - 1);
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), length);
}

enum class Outcome { Done, FileEnded, TooLarge };

class MessageParser
{
public:
    MessageParser(const MailFormat &format, char *block, const Counted &counted)
        : m_format(format)
        , m_block(block)
        , m_counted(counted)
    {
    }

    Outcome parse(LineReader &reader);
    size_t taken() const { return m_taken; }

private:
    void begin();
    void envelope(std::string_view line);
    void bodyLine(std::string_view line);
    bool end();

    const MailFormat &m_format;
    char *m_block;
    Counted m_counted;
    size_t m_used = 0;
    size_t m_complete = 0;
    size_t m_taken = 0;
    void *m_previous = nullptr;

    // The message being read, kept outside the block until it is taken.
    MailRecord m_record{};
    std::string m_body;
    bool m_versionRight = false;
    bool m_overflow = false;
};

Outcome MessageParser::parse(LineReader &reader)
{
    MessageStructure structure;
    std::string line;
    while (m_complete < m_counted.messages) {
        if (!reader.readLine(line))
            return Outcome::FileEnded;
        switch (structure.take(line)) {
        case Step::MessageBegin:
            begin();
            break;
        case Step::Envelope:
            envelope(line);
            break;
        case Step::BodyLine:
            bodyLine(line);
            break;
        case Step::MessageEnd:
            if (structure.bodyEnded()) {
                ++m_complete;
                if (!end())
                    return Outcome::TooLarge;
            }
            break;
        default:
            break;
        }
    }
    return Outcome::Done;
}

void MessageParser::begin()
{
    m_record = MailRecord{};
    m_body.clear();
    m_versionRight = false;
    m_overflow = false;
}

void MessageParser::envelope(std::string_view line)
{
    if (startsWith(line, "X-IRMC-STATUS:")) {
        m_record.state = startsWith(line.substr(14), "READ") ? MAIL_STATE_READ : 0;
    } else if (startsWith(line, "X-IRMC-BOX:")) {
        const std::string_view value = line.substr(11);
        if (startsWith(value, "INBOX")) {
            m_record.box = 0;
        } else {
            m_record.box = 1;
            if (m_format.outboxMarksUnread && startsWith(value, "OUTBOX"))
                m_record.state = 0;
        }
    } else if (startsWith(line, "VERSION:")) {
        m_versionRight = readsAsNumber(line.substr(8), "1.1");
    }
}

void MessageParser::bodyLine(std::string_view line)
{
    // A body that cannot fit the rest of the block is not kept: the message can only be taken
    // if the file changed between the passes, and then the load fails.
    const size_t room = m_counted.blockSize - m_used;
    if (m_overflow || room <= kFixedSize || m_body.size() + line.size() + 2 >= room - kFixedSize) {
        m_overflow = true;
        m_body.clear();
        return;
    }
    m_body.append(line);
    m_body.append("\r\n");
    if (startsWith(line, "Subject:"))
        storeCut(line.substr(8), m_record.subject);
    else if (startsWith(line, "Date:"))
        storeCut(line.substr(5), m_record.date);
    else if (startsWith(line, "From:"))
        storeCut(line.substr(5), m_record.from);
    else if (startsWith(line, "To:"))
        storeCut(line.substr(3), m_record.to);
}

bool MessageParser::end()
{
    if (!m_versionRight)
        return true;
    const size_t bodyLength = m_body.size() + 1;
    if (m_overflow || bodyLength > kLargestBody
        || kFixedSize + bodyLength > m_counted.blockSize - m_used)
        return false;
    if (m_record.box == 1)
        m_record.state = m_record.state == MAIL_STATE_READ ? MAIL_STATE_READ | MAIL_STATE_OTHER_BOX
                                                           : MAIL_STATE_OTHER_BOX;
    m_record.bodyLength = static_cast<int32_t>(bodyLength);
    m_record.header.version = RECORD_VERSION_MAIL;
    m_record.header.size = static_cast<uint32_t>(kFixedSize + bodyLength);
    m_record.header.kind = KIND_MAIL;
    char *at = m_block + m_used;
    std::memcpy(at, &m_record, kFixedSize);
    std::memcpy(at + kFixedSize, m_body.data(), m_body.size());
    at[kFixedSize + m_body.size()] = '\0';
    ChainRecords(m_previous, at);
    m_previous = at;
    m_used += kFixedSize + bodyLength;
    ++m_taken;
    return true;
}

} // namespace

void *loadMail(LineReader &reader, const ModelDefinition &model)
{
    if (!reader.savePosition()) {
        setLastError(PLUGIN_FILE_POSITION);
        return nullptr;
    }
    const Counted counted = countMessages(reader);
    if (counted.messages == 0) {
        setLastError(PLUGIN_NO_ENTRY);
        return nullptr;
    }
    setLastError(PLUGIN_LOAD_IN_PROGRESS);
    auto *block = static_cast<char *>(AllocateDataBlock(1, counted.blockSize));
    if (!block) {
        setLastError(PLUGIN_NO_MEMORY);
        return nullptr;
    }
    if (!reader.restorePosition()) {
        std::free(block);
        setLastError(PLUGIN_FILE_POSITION);
        return nullptr;
    }
    MessageParser parser(model.mail, block, counted);
    const Outcome outcome = parser.parse(reader);
    const int32_t code = outcome == Outcome::FileEnded  ? PLUGIN_FILE_POSITION
                         : outcome == Outcome::TooLarge ? PLUGIN_NO_MEMORY
                         : parser.taken() == 0          ? PLUGIN_NO_ENTRY
                                                        : PLUGIN_OK;
    if (code != PLUGIN_OK) {
        std::free(block);
        block = nullptr;
    }
    setLastError(code);
    return block;
}

} // namespace plugin
