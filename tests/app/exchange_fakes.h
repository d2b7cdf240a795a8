#pragma once

#include "app/exchange_files.h"
#include "app/report_presenter.h"
#include "exchange/exchange_formats.h"
#include "platform/clock.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Export and import dialogs answered from a script: each call takes the next answer (nothing:
// cancelled) and records the dialog, the format's pattern and where it started.
class ScriptedExchangeChooser : public app::ExchangeFileChooser
{
public:
    std::optional<std::string> chooseExportPath(const exchange::ExchangeFormat &format,
                                                const std::string &suggestedPath) override
    {
        return next("export", format, suggestedPath);
    }
    std::optional<std::string> chooseImportPath(const exchange::ExchangeFormat &format,
                                                const std::string &folder) override
    {
        return next("import", format, folder);
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked; // "export *.vcf /folder/book.vcf"

private:
    std::optional<std::string> next(const char *dialog, const exchange::ExchangeFormat &format,
                                    const std::string &start)
    {
        asked.push_back(std::string(dialog) + " " + format.pattern + " " + start);
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Keeps every report shown.
class RecordingReports : public app::ReportPresenter
{
public:
    struct Shown
    {
        std::string summary;
        exchange::ImportReport report;
    };

    void showReport(const std::string &summary, const exchange::ImportReport &report) override
    {
        shown.push_back({summary, report});
    }

    std::vector<Shown> shown;
};

class FixedWallClock : public platform::WallClock
{
public:
    int64_t utcSeconds() const override { return seconds; }
    int64_t seconds = 1700000000; // 2023-11-14 22:13:20 UTC
};
