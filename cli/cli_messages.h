#pragma once

#include "app/card_transfer.h"
#include "app/pc_files.h"
#include "app/progress_window.h"
#include "platform/user_interaction.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// The editor's message boxes as lines of UTF-8 text: a message with the information icon is a
// result and goes to out, every other one to err. A question is printed to err with the answer
// it gets, Yes when answerYes, else No. Results can be held back until the work they report
// is complete.
class CliMessages : public platform::MessageBoxes
{
public:
    CliMessages(std::ostream &out, std::ostream &err, bool answerYes);

    platform::MessageAnswer show(const platform::Message &message) override;

    // Shift_JIS text printed to err, or to out as a result.
    void printError(const std::string &text);
    void printResult(const std::string &text);

    // From holdResults() on, results wait: releaseResults() prints them and dropResults()
    // forgets them, both ending the hold.
    void holdResults() { m_holding = true; }
    void releaseResults();
    void dropResults();

private:
    std::ostream &m_out;
    std::ostream &m_err;
    bool m_answerYes;
    bool m_holding = false;
    std::vector<std::string> m_heldResults;
};

// No window, no pointer and no dialog: the command line names the files and the card.
class SilentProgress : public app::ProgressWindow
{
public:
    void open(app::TextId, app::TextId) override {}
    void start(int) override {}
    void setPos(int) override {}
    void finish() override {}
    void close() override {}
};

class SilentBusyPointer : public app::BusyPointer
{
public:
    void begin() override {}
    void end() override {}
};

class NoCardChooser : public app::CardChooser
{
public:
    std::optional<app::CardRoot> chooseCard() override { return std::nullopt; }
};

class NoPcFileChooser : public app::PcFileChooser
{
public:
    std::optional<std::string> chooseOpenPath(int, const std::string &) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseSavePath(int, const std::string &) override
    {
        return std::nullopt;
    }
};

} // namespace cli
