#include "cli_messages.h"

#include "app/string_table.h"
#include "platform/sjis_text.h"

#include <ostream>

namespace cli {

using platform::MessageAnswer;
using platform::MessageButtons;

CliMessages::CliMessages(std::ostream &out, std::ostream &err, bool answerYes)
    : m_out(out)
    , m_err(err)
    , m_answerYes(answerYes)
{
}

MessageAnswer CliMessages::show(const platform::Message &message)
{
    if (message.buttons != MessageButtons::Ok) {
        printError(message.text);
        printError(
            app::text(m_answerYes ? app::TextId::CliAnsweredYes : app::TextId::CliAnsweredNo));
        return m_answerYes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (message.icon == platform::MessageIcon::Information)
        printResult(message.text);
    else
        printError(message.text);
    return MessageAnswer::Ok;
}

void CliMessages::printError(const std::string &text)
{
    m_err << platform::sjisToUtf8(text) << '\n' << std::flush;
}

void CliMessages::printResult(const std::string &text)
{
    if (m_holding)
        m_heldResults.push_back(text);
    else
        m_out << platform::sjisToUtf8(text) << '\n' << std::flush;
}

void CliMessages::releaseResults()
{
    m_holding = false;
    for (const std::string &text : m_heldResults)
        printResult(text);
    m_heldResults.clear();
}

void CliMessages::dropResults()
{
    m_holding = false;
    m_heldResults.clear();
}

} // namespace cli
