#pragma once

#include "app/pc_files.h"
#include "app/settings_store.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"
#include "views/common/view_operations.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Settings kept in memory, with every write recorded.
class MemorySettings : public app::SettingsStore
{
public:
    std::string readString(const std::string &section, const std::string &name,
                           const std::string &fallback) const override
    {
        const auto found = strings.find(section + "/" + name);
        return found == strings.end() ? fallback : found->second;
    }
    int readInt(const std::string &section, const std::string &name, int fallback) const override
    {
        const auto found = ints.find(section + "/" + name);
        return found == ints.end() ? fallback : found->second;
    }
    void writeString(const std::string &section, const std::string &name,
                     const std::string &value) override
    {
        strings[section + "/" + name] = value;
    }
    void writeInt(const std::string &section, const std::string &name, int value) override
    {
        ints[section + "/" + name] = value;
    }
    std::vector<std::string> readPathList(const std::string &section,
                                          const std::string &name) const override
    {
        const auto found = pathLists.find(section + "/" + name);
        return found == pathLists.end() ? std::vector<std::string>() : found->second;
    }
    void writePathList(const std::string &section, const std::string &name,
                       const std::vector<std::string> &paths) override
    {
        pathLists[section + "/" + name] = paths;
    }
    bool has(const std::string &key) const
    {
        return strings.count(key) || ints.count(key) || pathLists.count(key);
    }

    std::map<std::string, std::string> strings;
    std::map<std::string, int> ints;
    std::map<std::string, std::vector<std::string>> pathLists;
};

// Answers message boxes from a script (Ok, or No for questions, once it runs out) and keeps
// every message shown.
class ScriptedMessages : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &message) override
    {
        shown.push_back(message);
        if (!answers.empty()) {
            const platform::MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                               : platform::MessageAnswer::No;
    }

    std::deque<platform::MessageAnswer> answers;
    std::vector<platform::Message> shown;
};

class RecordingShell : public platform::ShellOpener
{
public:
    bool open(const std::string &url) override
    {
        opened.push_back(url);
        return accepts;
    }
    std::vector<std::string> opened;
    bool accepts = true;
};

// A clock that moves only when told to or when slept on.
class MockClock : public platform::Clock
{
public:
    int64_t milliseconds() const override { return now; }
    void sleep(int64_t milliseconds) override
    {
        slept.push_back(milliseconds);
        now += std::max<int64_t>(milliseconds, 0);
    }
    int64_t now = 1000;
    std::vector<int64_t> slept;
};

// File dialogs answered from a script: each call takes the next answer (nothing: cancelled)
// and records the kind and the starting name it was given.
class ScriptedFileChooser : public app::PcFileChooser
{
public:
    std::optional<std::string> chooseOpenPath(int viewKind, const std::string &initial) override
    {
        return next("open", viewKind, initial);
    }
    std::optional<std::string> chooseSavePath(int viewKind, const std::string &initial) override
    {
        return next("save", viewKind, initial);
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked; // "save 2 /folder/name"

private:
    std::optional<std::string> next(const char *dialog, int viewKind, const std::string &initial)
    {
        asked.push_back(std::string(dialog) + " " + std::to_string(viewKind) + " " + initial);
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A data view whose list is a vector of entry numbers; deletion marks, compaction removes.
class FakeView : public views::ViewOperations
{
public:
    explicit FakeView(int kind)
        : m_kind(kind)
    {
    }

    int viewKind() const override { return m_kind; }
    int entryCount() const override { return count; }
    int listRowCount() const override { return static_cast<int>(rows.size()); }
    std::vector<int> selectedRows() const override { return selected; }
    void clearSelection() override { selected.clear(); }
    void selectRow(int row) override
    {
        if (row >= 0 && row < listRowCount())
            selected.push_back(row);
    }
    void selectAllRows() override
    {
        selected.clear();
        for (int row = 0; row < listRowCount(); ++row)
            selected.push_back(row);
    }
    bool newData() override
    {
        calls.push_back("new");
        return newDataResult;
    }
    void deleteEntryAtRow(int row) override
    {
        calls.push_back("delete " + std::to_string(row));
        marked.push_back(rows[static_cast<size_t>(row)]);
    }
    void compact() override
    {
        calls.push_back("compact");
        std::erase_if(rows, [this](int entry) {
            return std::find(marked.begin(), marked.end(), entry) != marked.end();
        });
        count = static_cast<int>(rows.size());
    }
    void refresh() override
    {
        calls.push_back("refresh");
        selected.clear();
    }
    const std::string &pcFolder() const override { return folder; }
    const std::string &pcName() const override { return name; }
    void setPcFile(const std::string &newFolder, const std::string &newName) override
    {
        folder = newFolder;
        name = newName;
    }
    bool isModified() const override { return modified; }
    void setModified(bool value) override { modified = value; }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override
    {
        std::vector<unsigned char> built = image;
        if (built.size() >= 32)
            std::memcpy(built.data() + 28, &pluginCode, sizeof pluginCode);
        return built;
    }
    // Takes the image when it starts with the bytes of image's first 28 and its plug-in code is
    // 0 or pluginCode.
    int loadPcImage(const void *bytes, size_t size, uint32_t pluginCode) override
    {
        calls.push_back("load " + std::to_string(size));
        if (size < 32 || image.size() < 32 || std::memcmp(bytes, image.data(), 28) != 0)
            return 0;
        uint32_t code = 0;
        std::memcpy(&code, static_cast<const unsigned char *>(bytes) + 28, sizeof code);
        if (code != 0 && code != pluginCode)
            return 1;
        modified = false;
        return -1;
    }
    int entryCeiling() const override { return 1000; }
    int mergeCardBlock(const void *) override { return 0; }

    // Fills the list with n rows (entries 0..n-1), all counted.
    void fill(int n)
    {
        rows.clear();
        for (int i = 0; i < n; ++i)
            rows.push_back(i);
        count = n;
    }

    int count = 0;
    std::vector<int> rows;
    std::vector<int> selected;
    std::vector<int> marked;
    std::string folder;
    std::string name;
    bool modified = false;
    bool newDataResult = true;
    // What buildPcImage gives (with the plug-in code at 28) and loadPcImage accepts.
    std::vector<unsigned char> image;
    std::vector<std::string> calls;

private:
    int m_kind;
};
